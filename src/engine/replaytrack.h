#pragma once

#include "persistence/replayfile.h"

#include <QObject>
#include <QVariant>

// A recorded flight as the scene reads it: where the aeroplane was at a time
// of the flight's clock, and what happened between two times. The ghost and
// the replay screen ask once per frame.
class ReplayTrack : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString level READ level CONSTANT)
    Q_PROPERTY(int fps READ fps CONSTANT)
    Q_PROPERTY(qreal duration READ duration CONSTANT)
    Q_PROPERTY(bool passed READ passed CONSTANT)
    Q_PROPERTY(int result READ result CONSTANT)

public:
    explicit ReplayTrack(Replay replay, QObject *parent = nullptr);

    const Replay &replay() const { return data; }
    QString level() const { return data.level; }
    int fps() const { return data.fps; }
    qreal duration() const { return data.durationMs() / 1000.0; }
    bool passed() const { return data.passed; }
    int result() const { return data.result; }

    // The last sample taken at or before the time (the first one before the
    // flight's first frame): x, y, angle, speed, petrol, and tilt, the turn
    // since the sample before, as the flight model reports it.
    Q_INVOKABLE QVariantMap sampleAt(qreal seconds) const;
    // The events after `from` up to and including `to`, in order, each as
    // kind (a name: "buoy", "cloud", "seatbeltsOn", ...), time and detail.
    Q_INVOKABLE QVariantList eventsBetween(qreal from, qreal to) const;

    static QString kindName(ReplayEventKind kind);

private:
    Replay data;
};
