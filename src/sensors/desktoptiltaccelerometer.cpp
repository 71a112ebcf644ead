#include "sensors/desktoptiltaccelerometer.h"

#include "sensors/desktoptiltinput.h"

#include <QDateTime>

DesktopTiltAccelerometer::DesktopTiltAccelerometer(QSensor *sensor, DesktopTiltInput *input)
    : QSensorBackend(sensor, sensor), input(input)
{
    accReading = setReading<QAccelerometerReading>(nullptr);
    const qreal rate = 1.0 / DesktopTiltInput::stepSeconds;
    addDataRate(rate, rate);
    addOutputRange(-9.80665, 9.80665, 0.01);
    setDescription(QStringLiteral("Tilt from arrow keys, WASD or the mouse"));
    stepTimer.setInterval(int(DesktopTiltInput::stepSeconds * 1000));
    connect(&stepTimer, &QTimer::timeout, this, &DesktopTiltAccelerometer::step);
}

void DesktopTiltAccelerometer::start()
{
    stepTimer.start();
}

void DesktopTiltAccelerometer::stop()
{
    stepTimer.stop();
}

void DesktopTiltAccelerometer::step()
{
    QVector3D reading(0, 0, 9.80665f);
    if (input) {
        input->advance();
        reading = input->deviceReading();
    }
    accReading->setTimestamp(quint64(QDateTime::currentMSecsSinceEpoch()) * 1000);
    accReading->setX(reading.x());
    accReading->setY(reading.y());
    accReading->setZ(reading.z());
    newReadingAvailable();
}
