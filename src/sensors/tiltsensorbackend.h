#pragma once

#include <QAccelerometerReading>
#include <QPointer>
#include <QSensorBackend>
#include <QString>
#include <QTimer>
#include <QVector3D>

// What the game's accelerometer backends share: one reading in m/s²,
// published with the time it was taken, and a timer that steps a source
// easing its own tilt (keys and mouse, the steering switch) every
// tiltStepSeconds. start() and stop() run that timer.
class TiltSensorBackend : public QSensorBackend
{
    Q_OBJECT

public:
    void start() override;
    void stop() override;

    // One step of the timer: ease the tilt, publish the reading.
    virtual void step() = 0;

protected:
    // Readings go from -maxReading to maxReading m/s², rate times a second.
    TiltSensorBackend(QSensor *sensor, qreal rate, qreal maxReading, const QString &description);

    void publish(const QVector3D &reading);

    // Advances the source and publishes what it reads; a device lying flat
    // once the source is gone.
    template <typename Source>
    void stepSource(const QPointer<Source> &source)
    {
        QVector3D reading(0, 0, 9.80665f);
        if (source) {
            source->advance();
            reading = source->deviceReading();
        }
        publish(reading);
    }

    QTimer stepTimer;

private:
    QAccelerometerReading *accReading = nullptr;
};
