#pragma once

#include "sensors/tiltsensorbackend.h"

#include <QPointer>

class DesktopTiltInput;

// Accelerometer backend for desktops: publishes the tilt that a
// DesktopTiltInput makes of keys and mouse, at about 50 Hz. Without an input
// (its window is gone) the device reads level.
class DesktopTiltAccelerometer : public TiltSensorBackend
{
    Q_OBJECT

public:
    DesktopTiltAccelerometer(QSensor *sensor, DesktopTiltInput *input);

    // One step of the emulated device: ease the tilt, publish the reading.
    void step() override;

private:
    QPointer<DesktopTiltInput> input;
};
