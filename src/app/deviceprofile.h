#pragma once

#include <QObject>
#include <QStringList>
#include <QVariantMap>

class QDBusServiceWatcher;

// Answers whether the device is in its silent profile and announces changes.
// On Linux phones the profile belongs to feedbackd (org.sigxcpu.Feedback on
// the session bus, property "Profile": "full", "quiet" or "silent"); the
// device is silent while it says "silent". Without the service, as on a
// desktop, the device is never silent.
class DeviceProfile : public QObject
{
    Q_OBJECT

public:
    enum Profile { NormalProfile, SilentProfile };
    Q_ENUM(Profile)

    explicit DeviceProfile(QObject *parent = nullptr);

    Profile currentProfile() const { return profile; }
    void setCurrentProfile(Profile newProfile);

signals:
    void currentProfileChanged(DeviceProfile::Profile profile);

private slots:
    void feedbackPropertiesChanged(const QString &interfaceName, const QVariantMap &changed,
                                   const QStringList &invalidated);
    void readFeedbackProfile();
    void feedbackServiceGone();

private:
    void followFeedbackProfile(const QString &name);

    Profile profile = NormalProfile;
    QDBusServiceWatcher *watcher = nullptr;
};
