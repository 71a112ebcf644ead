#include "sensors/iioaccelerometer.h"

#include <QDateTime>
#include <QDir>
#include <QFile>

namespace {

constexpr int pollIntervalMs = 20;

QString readSysfsText(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromLatin1(file.readAll()).trimmed();
}

bool readSysfsNumber(const QString &path, qreal *value)
{
    const QString text = readSysfsText(path);
    if (text.isEmpty())
        return false;
    bool ok = false;
    const qreal number = text.toDouble(&ok);
    if (ok)
        *value = number;
    return ok;
}

// The first of the files that exists, per axis before shared.
QString firstExisting(const QString &dir, const QStringList &names)
{
    for (const QString &name : names) {
        const QString path = dir + QLatin1Char('/') + name;
        if (QFile::exists(path))
            return path;
    }
    return QString();
}

bool hasAllAxes(const QString &dir)
{
    return QFile::exists(dir + QLatin1String("/in_accel_x_raw"))
           && QFile::exists(dir + QLatin1String("/in_accel_y_raw"))
           && QFile::exists(dir + QLatin1String("/in_accel_z_raw"));
}

// "a, b, c; d, e, f; g, h, i": how the sensor sits in the device. Identity
// when absent or unreadable.
QMatrix3x3 readMountMatrix(const QString &dir)
{
    QMatrix3x3 matrix;
    const QString path =
        firstExisting(dir, {QStringLiteral("in_accel_mount_matrix"), QStringLiteral("mount_matrix")});
    if (path.isEmpty())
        return matrix;
    const QStringList rows = readSysfsText(path).split(QLatin1Char(';'));
    if (rows.size() != 3)
        return matrix;
    QMatrix3x3 parsed;
    for (int r = 0; r < 3; ++r) {
        const QStringList cells = rows.at(r).split(QLatin1Char(','));
        if (cells.size() != 3)
            return matrix;
        for (int c = 0; c < 3; ++c) {
            bool ok = false;
            parsed(r, c) = cells.at(c).trimmed().toFloat(&ok);
            if (!ok)
                return matrix;
        }
    }
    return parsed;
}

} // namespace

IioAccelerometer::IioAccelerometer(QSensor *sensor, const QString &iioRoot)
    : QSensorBackend(sensor, sensor), deviceDir(findDevice(iioRoot))
{
    accReading = setReading<QAccelerometerReading>(nullptr);
    addDataRate(1000.0 / pollIntervalMs, 1000.0 / pollIntervalMs);
    addOutputRange(-39.2266, 39.2266, 0.01);
    setDescription(QStringLiteral("Linux IIO accelerometer"));
    mountMatrix = readMountMatrix(deviceDir);
    pollTimer.setInterval(pollIntervalMs);
    connect(&pollTimer, &QTimer::timeout, this, &IioAccelerometer::readNow);
}

QString IioAccelerometer::findDevice(const QString &iioRoot)
{
    const QDir root(iioRoot);
    const QStringList devices =
        root.entryList({QStringLiteral("iio:device*")}, QDir::Dirs | QDir::NoDotAndDotDot,
                       QDir::Name);
    for (const QString &device : devices) {
        const QString dir = root.filePath(device);
        if (!hasAllAxes(dir))
            continue;
        // Convertibles have a second accelerometer in the keyboard base.
        if (readSysfsText(dir + QLatin1String("/label")) == QLatin1String("accel-base"))
            continue;
        return dir;
    }
    return QString();
}

void IioAccelerometer::start()
{
    if (deviceDir.isEmpty()) {
        sensorStopped();
        return;
    }
    readNow();
    pollTimer.start();
}

void IioAccelerometer::stop()
{
    pollTimer.stop();
}

bool IioAccelerometer::readAxis(char axis, qreal *value) const
{
    const QString prefix = QStringLiteral("in_accel_") + QLatin1Char(axis);
    qreal raw = 0;
    if (!readSysfsNumber(deviceDir + QLatin1Char('/') + prefix + QLatin1String("_raw"), &raw))
        return false;
    qreal scale = 1;
    const QString scalePath = firstExisting(
        deviceDir, {prefix + QLatin1String("_scale"), QStringLiteral("in_accel_scale")});
    if (!scalePath.isEmpty())
        readSysfsNumber(scalePath, &scale);
    qreal offset = 0;
    const QString offsetPath = firstExisting(
        deviceDir, {prefix + QLatin1String("_offset"), QStringLiteral("in_accel_offset")});
    if (!offsetPath.isEmpty())
        readSysfsNumber(offsetPath, &offset);
    *value = (raw + offset) * scale;
    return true;
}

bool IioAccelerometer::readNow()
{
    qreal sensorAxes[3] = {0, 0, 0};
    if (!readAxis('x', &sensorAxes[0]) || !readAxis('y', &sensorAxes[1])
        || !readAxis('z', &sensorAxes[2]))
        return false;
    qreal device[3] = {0, 0, 0};
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 3; ++c)
            device[r] += mountMatrix(r, c) * sensorAxes[c];
    }
    accReading->setTimestamp(quint64(QDateTime::currentMSecsSinceEpoch()) * 1000);
    accReading->setX(device[0]);
    accReading->setY(device[1]);
    accReading->setZ(device[2]);
    newReadingAvailable();
    return true;
}
