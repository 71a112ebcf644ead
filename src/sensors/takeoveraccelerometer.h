#pragma once

#include "sensors/tiltsensorbackend.h"

#include <QPointer>

class SteeringSwitch;

// Accelerometer backend for the sources that take over from the device's own
// (game controllers, touch): publishes what the switch says the device reads,
// at about 50 Hz, like the desktop's keys and mouse.
class TakeoverAccelerometer : public TiltSensorBackend
{
    Q_OBJECT

public:
    TakeoverAccelerometer(QSensor *sensor, SteeringSwitch *source);

    // One step: ease the tilt, publish the reading.
    void step() override;

private:
    QPointer<SteeringSwitch> source;
};
