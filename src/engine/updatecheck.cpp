#include "engine/gameengine.h"

#include <QNetworkReply>

void GameEngine::delayedInit() {}

void GameEngine::handleServerResponse(QNetworkReply *reply)
{
    reply->deleteLater();
}
