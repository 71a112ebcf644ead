#include "sensors/tiltsensorbackend.h"

#include "sensors/tiltreading.h"

#include <QDateTime>

TiltSensorBackend::TiltSensorBackend(QSensor *sensor, qreal rate, qreal maxReading,
                                     const QString &description)
    : QSensorBackend(sensor, sensor)
{
    accReading = setReading<QAccelerometerReading>(nullptr);
    addDataRate(rate, rate);
    addOutputRange(-maxReading, maxReading, 0.01);
    setDescription(description);
    stepTimer.setInterval(int(tiltStepSeconds * 1000));
    connect(&stepTimer, &QTimer::timeout, this, &TiltSensorBackend::step);
}

void TiltSensorBackend::start()
{
    stepTimer.start();
}

void TiltSensorBackend::stop()
{
    stepTimer.stop();
}

void TiltSensorBackend::publish(const QVector3D &reading)
{
    accReading->setTimestamp(quint64(QDateTime::currentMSecsSinceEpoch()) * 1000);
    accReading->setX(reading.x());
    accReading->setY(reading.y());
    accReading->setZ(reading.z());
    newReadingAvailable();
}
