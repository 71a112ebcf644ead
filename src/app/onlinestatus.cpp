#include "app/onlinestatus.h"

#include <QNetworkInformation>

bool OnlineStatus::isOnline() const
{
    if (forcedOffline)
        return false;
    if (!QNetworkInformation::instance()
        && !QNetworkInformation::loadBackendByFeatures(QNetworkInformation::Feature::Reachability))
        return true;
    const QNetworkInformation *info = QNetworkInformation::instance();
    return !info || info->reachability() != QNetworkInformation::Reachability::Disconnected;
}
