#include "app/deviceprofile.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusServiceWatcher>
#include <QDBusVariant>

namespace {
const QString feedbackService = QStringLiteral("org.sigxcpu.Feedback");
const QString feedbackPath = QStringLiteral("/org/sigxcpu/Feedback");
const QString feedbackInterface = QStringLiteral("org.sigxcpu.Feedback");
const QString propertiesInterface = QStringLiteral("org.freedesktop.DBus.Properties");
const QString profileProperty = QStringLiteral("Profile");
// Start-up waits for the answer; a hung service must not hold the game long.
constexpr int profileTimeoutMs = 1000;
} // namespace

DeviceProfile::DeviceProfile(QObject *parent) : QObject(parent)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    bus.connect(feedbackService, feedbackPath, propertiesInterface,
                QStringLiteral("PropertiesChanged"), this,
                SLOT(feedbackPropertiesChanged(QString, QVariantMap, QStringList)));
    watcher = new QDBusServiceWatcher(feedbackService, bus,
                                      QDBusServiceWatcher::WatchForRegistration
                                          | QDBusServiceWatcher::WatchForUnregistration,
                                      this);
    connect(watcher, &QDBusServiceWatcher::serviceRegistered, this,
            &DeviceProfile::readFeedbackProfile);
    connect(watcher, &QDBusServiceWatcher::serviceUnregistered, this,
            &DeviceProfile::feedbackServiceGone);
    // Asking only a running service keeps the bus from starting one for us.
    if (bus.interface() && bus.interface()->isServiceRegistered(feedbackService))
        readFeedbackProfile();
}

void DeviceProfile::setCurrentProfile(Profile newProfile)
{
    if (newProfile == profile)
        return;
    profile = newProfile;
    emit currentProfileChanged(profile);
}

void DeviceProfile::readFeedbackProfile()
{
    QDBusMessage get = QDBusMessage::createMethodCall(feedbackService, feedbackPath,
                                                      propertiesInterface, QStringLiteral("Get"));
    get << feedbackInterface << profileProperty;
    const QDBusMessage reply =
        QDBusConnection::sessionBus().call(get, QDBus::Block, profileTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return;
    followFeedbackProfile(reply.arguments().first().value<QDBusVariant>().variant().toString());
}

void DeviceProfile::feedbackPropertiesChanged(const QString &interfaceName,
                                              const QVariantMap &changed,
                                              const QStringList &invalidated)
{
    if (interfaceName != feedbackInterface)
        return;
    if (changed.contains(profileProperty))
        followFeedbackProfile(changed.value(profileProperty).toString());
    else if (invalidated.contains(profileProperty))
        readFeedbackProfile();
}

void DeviceProfile::feedbackServiceGone()
{
    setCurrentProfile(NormalProfile);
}

void DeviceProfile::followFeedbackProfile(const QString &name)
{
    setCurrentProfile(name == QLatin1String("silent") ? SilentProfile : NormalProfile);
}
