#pragma once

#include <QObject>

// Answers whether the device is in its silent profile and announces changes.
// A desktop has no such profile and is never silent; a phone backend can call
// setCurrentProfile when its profile service reports a change.
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

private:
    Profile profile = NormalProfile;
};
