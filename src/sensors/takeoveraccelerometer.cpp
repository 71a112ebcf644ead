#include "sensors/takeoveraccelerometer.h"

#include "sensors/steeringswitch.h"
#include "sensors/tiltreading.h"

#include <QDateTime>

TakeoverAccelerometer::TakeoverAccelerometer(QSensor *sensor, SteeringSwitch *source)
    : QSensorBackend(sensor, sensor), source(source)
{
    accReading = setReading<QAccelerometerReading>(nullptr);
    const qreal rate = 1.0 / tiltStepSeconds;
    addDataRate(rate, rate);
    addOutputRange(-4 * 9.80665, 4 * 9.80665, 0.01);
    setDescription(QStringLiteral("Tilt from game controllers and touch"));
    stepTimer.setInterval(int(tiltStepSeconds * 1000));
    connect(&stepTimer, &QTimer::timeout, this, &TakeoverAccelerometer::step);
}

void TakeoverAccelerometer::start()
{
    stepTimer.start();
}

void TakeoverAccelerometer::stop()
{
    stepTimer.stop();
}

void TakeoverAccelerometer::step()
{
    QVector3D reading(0, 0, 9.80665f);
    if (source) {
        source->advance();
        reading = source->deviceReading();
    }
    accReading->setTimestamp(quint64(QDateTime::currentMSecsSinceEpoch()) * 1000);
    accReading->setX(reading.x());
    accReading->setY(reading.y());
    accReading->setZ(reading.z());
    newReadingAvailable();
}
