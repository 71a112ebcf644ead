#include "app/screensaverinhibitor.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusInterface>
#include <QDBusReply>

namespace {
const char *const service = "org.freedesktop.ScreenSaver";
const char *const path = "/org/freedesktop/ScreenSaver";
const char *const interfaceName = "org.freedesktop.ScreenSaver";

bool serviceAvailable(const QDBusConnection &bus)
{
    return bus.isConnected() && bus.interface()
        && bus.interface()->isServiceRegistered(QLatin1String(service));
}
} // namespace

ScreenSaverInhibitor::ScreenSaverInhibitor(QObject *parent) : QObject(parent) {}

ScreenSaverInhibitor::~ScreenSaverInhibitor()
{
    if (!cookie)
        return;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!serviceAvailable(bus))
        return;
    QDBusInterface screenSaver(QLatin1String(service), QLatin1String(path),
                               QLatin1String(interfaceName), bus);
    screenSaver.call(QStringLiteral("UnInhibit"), cookie);
}

void ScreenSaverInhibitor::setScreenSaverInhibit()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (cookie || !serviceAvailable(bus))
        return;
    QDBusInterface screenSaver(QLatin1String(service), QLatin1String(path),
                               QLatin1String(interfaceName), bus);
    const QDBusReply<uint> reply = screenSaver.call(
        QStringLiteral("Inhibit"), QStringLiteral("cirrovanta"), tr("Playing a flight"));
    if (reply.isValid())
        cookie = reply.value();
}
