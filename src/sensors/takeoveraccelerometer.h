#pragma once

#include <QAccelerometerReading>
#include <QPointer>
#include <QSensorBackend>
#include <QTimer>

class SteeringSwitch;

// Accelerometer backend for the sources that take over from the device's own
// (game controllers, touch): publishes what the switch says the device reads,
// at about 50 Hz, like the desktop's keys and mouse.
class TakeoverAccelerometer : public QSensorBackend
{
    Q_OBJECT

public:
    TakeoverAccelerometer(QSensor *sensor, SteeringSwitch *source);

    void start() override;
    void stop() override;

    // One step: ease the tilt, publish the reading.
    void step();

private:
    QPointer<SteeringSwitch> source;
    QAccelerometerReading *accReading = nullptr;
    QTimer stepTimer;
};
