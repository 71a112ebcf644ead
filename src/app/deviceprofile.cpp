#include "app/deviceprofile.h"

DeviceProfile::DeviceProfile(QObject *parent) : QObject(parent) {}

void DeviceProfile::setCurrentProfile(Profile newProfile)
{
    if (newProfile == profile)
        return;
    profile = newProfile;
    emit currentProfileChanged(profile);
}
