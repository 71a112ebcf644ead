#pragma once

#include "sensors/screenframe.h"
#include "sensors/tiltsensorbackend.h"

#include <QGenericMatrix>
#include <QPointer>
#include <QString>
#include <QThread>
#include <QTimer>
#include <QVector3D>
#include <QWindow>

class DesktopTiltInput;

// The sysfs files of one IIO accelerometer, with its scale, offset and mount
// matrix read once when it is found.
struct IioChannels
{
    QString rawPaths[3];
    qreal scale[3] = {1, 1, 1};
    qreal offset[3] = {0, 0, 0};
    QMatrix3x3 mountMatrix;

    static IioChannels open(const QString &deviceDir);
    bool isValid() const { return !rawPaths[0].isEmpty(); }
    // m/s² in the device's axes, the raw values read afresh; false when a
    // file cannot be read.
    bool read(QVector3D *device) const;
};

// Polls an accelerometer's raw files on its own thread, so a slow or stuck
// sysfs read never holds up a frame.
class IioReader : public QObject
{
    Q_OBJECT

public:
    explicit IioReader(const IioChannels &channels);

public slots:
    void start();
    void stop();

signals:
    void reading(const QVector3D &device);
    void deviceLost();

private:
    void poll();

    IioChannels channels;
    QTimer pollTimer {this};
};

// Accelerometer backend for Linux phones and convertibles: the kernel's IIO
// sysfs files of the first accelerometer under the IIO root (normally
// "/sys/bus/iio/devices"), read at about 50 Hz off the GUI thread and turned
// from the device's axes into the game's pose for the way the screen is
// turned (ScreenFrame). When the device goes away, the tilt comes from the
// window's keys and mouse instead.
class IioAccelerometer : public TiltSensorBackend
{
    Q_OBJECT

public:
    IioAccelerometer(QSensor *sensor, const QString &iioRoot, QWindow *window = nullptr);
    ~IioAccelerometer() override;

    // Directory of the accelerometer to read under iioRoot, or empty when
    // there is none. A convertible's base accelerometer is passed over.
    static QString findDevice(const QString &iioRoot);

    void start() override;
    void stop() override;

    // Reads the three axes once on the calling thread and publishes them;
    // false when the files cannot be read.
    bool readNow();

    ScreenFrame &screenFrame() { return frame; }

    // Once the device is gone: one step of the window's keys and mouse.
    void step() override;

private:
    void publishDevice(const QVector3D &device);
    void fallBackToDesktop();

    QString deviceDir;
    IioChannels channels;
    ScreenFrame frame;
    QThread readerThread;
    IioReader *reader = nullptr;
    bool running = false;
    bool deviceGone = false;
    QPointer<QWindow> window;
    QPointer<DesktopTiltInput> desktopInput;
};
