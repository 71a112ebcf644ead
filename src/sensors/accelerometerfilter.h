#pragma once

#include <QAccelerometerFilter>
#include <QObject>
#include <QVariant>

// Passes every accelerometer reading on as a signal in the game's axis order
// (the device is held in landscape) and swallows the reading.
class AccelerometerFilter : public QObject, public QAccelerometerFilter
{
    Q_OBJECT

public:
    AccelerometerFilter();

    bool filter(QAccelerometerReading *reading) override;

signals:
    void rotationChanged(QVariant degX, QVariant degY, QVariant);
    void accChanged(QVariant degX, QVariant degY, QVariant);
};
