#pragma once

#include "persistence/replayfile.h"

#include <QHash>
#include <QMetaProperty>
#include <QObject>
#include <QPointer>

class GameEngine;
class QQuickItem;
class ReplayTrack;

// Records every flight and keeps each level's best one, beside the engine:
// QML sees it as the context property "Replays". It only watches: once per
// frame it reads the aeroplane and the engine's state, it never writes them.
// It also hands the scene the tracks that the ghost flies and the replay
// screen shows, and keeps the player's choice of the ghost.
class FlightRecorder : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool ghostEnabled READ ghostEnabled WRITE setGhostEnabled NOTIFY ghostEnabledChanged)
    Q_PROPERTY(QObject *watching READ watching NOTIFY watchingChanged)
    Q_PROPERTY(QString watchedFrom READ watchedFrom NOTIFY watchingChanged)
    Q_PROPERTY(bool hasLastFlight READ hasLastFlight NOTIFY lastFlightChanged)

public:
    // Replays go into `directory`, by default the game's data directory.
    FlightRecorder(GameEngine *engine, QObject *parent = nullptr, const QString &directory = {});
    ~FlightRecorder() override;

    static QString defaultDirectory();
    QString fileFor(const QString &level) const;
    bool isRecording() const { return recording; }
    const Replay &lastFlight() const { return flight; }

    bool ghostEnabled() const;
    void setGhostEnabled(bool enabled);
    QObject *watching() const;
    QString watchedFrom() const { return watchFrom; }
    bool hasLastFlight() const { return complete && !flight.samples.isEmpty(); }

    // Starts recording the flight of a level item (the title's demo is never
    // recorded). The flight screen calls it as soon as the level is loaded.
    Q_INVOKABLE void attach(QObject *level, const QString &levelName);
    // The flight's result, as stored by the engine: keeps the flight if it was
    // passed and beats the stored best.
    Q_INVOKABLE void flightScored(bool passed, int result);
    // The level's best flight, or null when it has none that can be read.
    Q_INVOKABLE QObject *best(const QString &level);
    // Chooses what the replay screen shows and where it goes back to.
    Q_INVOKABLE bool watchBest(const QString &level, const QString &from);
    Q_INVOKABLE bool watchLast(const QString &from);

signals:
    void ghostEnabledChanged();
    void watchingChanged();
    void lastFlightChanged();
    void bestChanged(const QString &level);

private slots:
    void frame();
    void runningChanged();
    void flightEnded(bool passed);
    void buoyChanged();

private:
    void begin();
    void takeSample();
    void note(ReplayEventKind kind, int detail = 0);
    void watchEngine();
    bool insideCloud();
    qint32 clockMs() const;
    void stop();

    QPointer<GameEngine> engine;
    QString directory;
    QPointer<QObject> level;
    QPointer<QQuickItem> plane;
    QList<QPointer<QObject>> buoys;
    QList<QPointer<QQuickItem>> clouds;
    QMetaProperty realX, realY, angle, speed, petrol;
    Replay flight;
    bool recording = false;
    bool begun = false;
    bool complete = false;
    bool overLong = false;
    // The engine's state at the last frame, to note its changes.
    bool seatbelts = false;
    bool terrain = false;
    bool landing = false;
    bool falling = false;
    bool inCloud = false;
    QHash<QString, ReplayTrack *> bestTracks;
    QPointer<ReplayTrack> lastTrack;
    QPointer<QObject> watched;
    QString watchFrom;
};
