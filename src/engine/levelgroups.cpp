#include "engine/gameengine.h"

QString GameEngine::resolveDataPath(const QString &relative)
{
    return relative;
}

void GameEngine::scanLevelGroups() {}

QStringList GameEngine::levelsOfGroup(const QString &) const
{
    return {};
}

QVariant GameEngine::pluginList(QVariant)
{
    return QStringList();
}

void GameEngine::saveResult(QVariant, QVariant) {}

QVariant GameEngine::getResult(QVariant)
{
    return 0;
}

QVariant GameEngine::getPassed(QVariant)
{
    return false;
}

QVariant GameEngine::getCurrentResult()
{
    return 0;
}

QVariant GameEngine::getCurrentPassed()
{
    return false;
}
