#include "engine/gameengine.h"

void GameEngine::handleAcc(const QVariant &, const QVariant &, const QVariant &) {}

void GameEngine::updateSteer(float) {}

void GameEngine::adjustFlight() {}

void GameEngine::refreshSteer()
{
    updateSteer(1.0f);
}
