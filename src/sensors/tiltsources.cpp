#include "sensors/tiltsources.h"

#include "sensors/desktoptiltaccelerometer.h"
#include "sensors/desktoptiltinput.h"
#include "sensors/iioaccelerometer.h"
#include "sensors/tiltbackendfactory.h"
#include "sensors/tiltsourceinfo.h"

#include <QAccelerometer>
#include <QPointer>
#include <QSensorManager>
#include <QWindow>

namespace {

// Registered factories must outlive every sensor that uses them.
TiltBackendFactory &iioFactory()
{
    static TiltBackendFactory factory;
    return factory;
}

TiltBackendFactory &desktopFactory()
{
    static TiltBackendFactory factory;
    return factory;
}

bool isOurs(const QByteArray &identifier)
{
    return identifier.startsWith("cirrovanta.");
}

// Qt's "dummy" backend only repeats a constant reading.
QByteArray platformAccelerometer()
{
    const QList<QByteArray> identifiers = QSensor::sensorsForType(QAccelerometer::sensorType);
    const QByteArray preferred = QSensor::defaultSensorForType(QAccelerometer::sensorType);
    QByteArray chosen;
    for (const QByteArray &identifier : identifiers) {
        if (identifier.startsWith("dummy") || isOurs(identifier))
            continue;
        if (identifier == preferred)
            return identifier;
        if (chosen.isEmpty())
            chosen = identifier;
    }
    return chosen;
}

void registerFactory(const char *identifier, TiltBackendFactory &factory)
{
    if (!QSensorManager::isBackendRegistered(QAccelerometer::sensorType, identifier))
        QSensorManager::registerBackend(QAccelerometer::sensorType, identifier, &factory);
}

} // namespace

DesktopTiltInput *desktopTiltInput(QWindow *window)
{
    if (!window)
        return nullptr;
    if (auto *existing =
            window->findChild<DesktopTiltInput *>(QString(), Qt::FindDirectChildrenOnly))
        return existing;
    return new DesktopTiltInput(window, TiltSourceInfo::forWindow(window));
}

QByteArray registerTiltSources(QWindow *window, const QString &iioRoot)
{
    TiltSourceInfo *info = TiltSourceInfo::forWindow(window);

    const QByteArray platform = platformAccelerometer();
    if (!platform.isEmpty()) {
        if (info)
            info->setSource(QStringLiteral("sensor"));
        return platform;
    }

    if (!IioAccelerometer::findDevice(iioRoot).isEmpty()) {
        QPointer<QWindow> tiltWindow = window;
        iioFactory().setCreate([iioRoot, tiltWindow](QSensor *sensor) -> QSensorBackend * {
            return new IioAccelerometer(sensor, iioRoot, tiltWindow);
        });
        registerFactory(iioTiltSourceId, iioFactory());
        if (info)
            info->setSource(QStringLiteral("sensor"));
        return QByteArray(iioTiltSourceId);
    }

    QPointer<DesktopTiltInput> input = desktopTiltInput(window);
    desktopFactory().setCreate([input](QSensor *sensor) -> QSensorBackend * {
        return new DesktopTiltAccelerometer(sensor, input);
    });
    registerFactory(desktopTiltSourceId, desktopFactory());
    return QByteArray(desktopTiltSourceId);
}
