#pragma once

#include <QAccelerometerReading>
#include <QPointer>
#include <QSensorBackend>
#include <QTimer>

class DesktopTiltInput;

// Accelerometer backend for desktops: publishes the tilt that a
// DesktopTiltInput makes of keys and mouse, at about 50 Hz. Without an input
// (its window is gone) the device reads level.
class DesktopTiltAccelerometer : public QSensorBackend
{
    Q_OBJECT

public:
    DesktopTiltAccelerometer(QSensor *sensor, DesktopTiltInput *input);

    void start() override;
    void stop() override;

    // One step of the emulated device: ease the tilt, publish the reading.
    void step();

private:
    QPointer<DesktopTiltInput> input;
    QAccelerometerReading *accReading = nullptr;
    QTimer stepTimer;
};
