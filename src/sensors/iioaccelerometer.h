#pragma once

#include <QAccelerometerReading>
#include <QGenericMatrix>
#include <QSensorBackend>
#include <QString>
#include <QTimer>

// Accelerometer backend for Linux phones and convertibles: polls the
// kernel's IIO sysfs files of the first accelerometer under the IIO root
// (normally "/sys/bus/iio/devices") at about 50 Hz and reports m/s² in Qt's
// axes (x right, y up, z out of the screen; +9.8 on z when lying face up).
class IioAccelerometer : public QSensorBackend
{
    Q_OBJECT

public:
    IioAccelerometer(QSensor *sensor, const QString &iioRoot);

    // Directory of the accelerometer to read under iioRoot, or empty when
    // there is none. A convertible's base accelerometer is passed over.
    static QString findDevice(const QString &iioRoot);

    void start() override;
    void stop() override;

    // Reads the three axes once and publishes them; false when the files
    // cannot be read.
    bool readNow();

private:
    bool readAxis(char axis, qreal *value) const;

    QString deviceDir;
    QAccelerometerReading *accReading = nullptr;
    QMatrix3x3 mountMatrix;
    QTimer pollTimer;
};
