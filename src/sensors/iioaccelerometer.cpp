#include "sensors/iioaccelerometer.h"

#include "sensors/desktoptiltinput.h"
#include "sensors/tiltreading.h"
#include "sensors/tiltsources.h"

#include <QDebug>
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

// The keys and mouse ease by steps of their own length; the base class times
// those steps by tiltStepSeconds.
static_assert(DesktopTiltInput::stepSeconds == tiltStepSeconds);

IioChannels IioChannels::open(const QString &deviceDir)
{
    IioChannels channels;
    if (deviceDir.isEmpty())
        return channels;
    const char axes[3] = {'x', 'y', 'z'};
    for (int i = 0; i < 3; ++i) {
        const QString prefix = QStringLiteral("in_accel_") + QLatin1Char(axes[i]);
        channels.rawPaths[i] = deviceDir + QLatin1Char('/') + prefix + QLatin1String("_raw");
        const QString scalePath = firstExisting(
            deviceDir, {prefix + QLatin1String("_scale"), QStringLiteral("in_accel_scale")});
        if (!scalePath.isEmpty())
            readSysfsNumber(scalePath, &channels.scale[i]);
        const QString offsetPath = firstExisting(
            deviceDir, {prefix + QLatin1String("_offset"), QStringLiteral("in_accel_offset")});
        if (!offsetPath.isEmpty())
            readSysfsNumber(offsetPath, &channels.offset[i]);
    }
    channels.mountMatrix = readMountMatrix(deviceDir);
    return channels;
}

bool IioChannels::read(QVector3D *device) const
{
    qreal sensorAxes[3] = {0, 0, 0};
    for (int i = 0; i < 3; ++i) {
        qreal raw = 0;
        if (!readSysfsNumber(rawPaths[i], &raw))
            return false;
        sensorAxes[i] = (raw + offset[i]) * scale[i];
    }
    float axes[3] = {0, 0, 0};
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 3; ++c)
            axes[r] += float(mountMatrix(r, c) * sensorAxes[c]);
    }
    *device = QVector3D(axes[0], axes[1], axes[2]);
    return true;
}

IioReader::IioReader(const IioChannels &channels) : channels(channels)
{
    pollTimer.setInterval(pollIntervalMs);
    connect(&pollTimer, &QTimer::timeout, this, &IioReader::poll);
}

void IioReader::start()
{
    poll();
    if (channels.isValid())
        pollTimer.start();
}

void IioReader::stop()
{
    pollTimer.stop();
}

void IioReader::poll()
{
    QVector3D device;
    if (channels.read(&device)) {
        emit reading(device);
        return;
    }
    pollTimer.stop();
    channels = IioChannels();
    emit deviceLost();
}

IioAccelerometer::IioAccelerometer(QSensor *sensor, const QString &iioRoot, QWindow *window)
    : TiltSensorBackend(sensor, 1000.0 / pollIntervalMs, 39.2266,
                        QStringLiteral("Linux IIO accelerometer")),
      deviceDir(findDevice(iioRoot)),
      channels(IioChannels::open(deviceDir)),
      window(window)
{
    frame.followWindow(window);

    reader = new IioReader(channels);
    reader->moveToThread(&readerThread);
    // Deleted on its own thread, where its poll timer lives.
    connect(&readerThread, &QThread::finished, reader, &QObject::deleteLater);
    connect(reader, &IioReader::reading, this, [this](const QVector3D &device) {
        if (running)
            publishDevice(device);
    });
    connect(reader, &IioReader::deviceLost, this, &IioAccelerometer::fallBackToDesktop);
    readerThread.setObjectName(QStringLiteral("IIO accelerometer"));
    readerThread.start();
}

IioAccelerometer::~IioAccelerometer()
{
    readerThread.quit();
    readerThread.wait();
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
    running = true;
    if (deviceGone)
        stepTimer.start();
    else
        QMetaObject::invokeMethod(reader, &IioReader::start, Qt::QueuedConnection);
}

void IioAccelerometer::stop()
{
    running = false;
    stepTimer.stop();
    QMetaObject::invokeMethod(reader, &IioReader::stop, Qt::QueuedConnection);
}

bool IioAccelerometer::readNow()
{
    QVector3D device;
    if (deviceGone || !channels.read(&device))
        return false;
    publishDevice(device);
    return true;
}

void IioAccelerometer::publishDevice(const QVector3D &device)
{
    publish(frame.toReferencePose(device));
}

void IioAccelerometer::fallBackToDesktop()
{
    if (deviceGone)
        return;
    deviceGone = true;
    qDebug() << "IIO accelerometer gone:" << deviceDir << "- tilt from keys and mouse";
    desktopInput = desktopTiltInput(window);
    if (running)
        stepTimer.start();
}

// The keys and the mouse tilt the screen itself: nothing to turn.
void IioAccelerometer::step()
{
    stepSource(desktopInput);
}
