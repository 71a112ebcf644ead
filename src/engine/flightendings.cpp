#include "engine/gameengine.h"

#include "audio/cinvsounds.h"

#include <QMetaObject>
#include <QQuickItem>
#include <QTimerEvent>

void GameEngine::timerEvent(QTimerEvent *event)
{
    const int id = event->timerId();
    if (id == engineTimerId)
        gameStep();
    else if (id == landingTimerId)
        completeLanding();
    else if (id == crashTimerId)
        endFreeFall();
    else if (id == steerTimerId && engineTimerId == 0)
        updateSteer(1.0f);
}

void GameEngine::completeLanding() {}

void GameEngine::endFreeFall() {}

void GameEngine::startFreeFall() {}

void GameEngine::endGame(bool passed)
{
    QMetaObject::invokeMethod(levelItem, "gameOver", Q_ARG(QVariant, QVariant(passed)));
}

void GameEngine::requestPause()
{
    if (levelItem)
        QMetaObject::invokeMethod(levelItem, "pauseGame", Q_ARG(QVariant, QVariant(true)));
    QMetaObject::invokeMethod(rootItem, "pauseGame", Q_ARG(QVariant, QVariant(true)));
}
