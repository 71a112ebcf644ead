#include "engine/gameengine.h"

void GameEngine::gameStep() {}
