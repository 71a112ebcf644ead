#include "engine/gameengine.h"

#include <QDebug>
#include <QQuickItem>

namespace {

// Items that a Repeater creates are visual children only: they are not among
// the QObject children of anything in the level. The walks therefore visit
// the QObject children in order and then the visual children that are not
// already among them. A visual child whose QObject parent is another item is
// reached through that item, so it is not visited twice.
QList<QObject *> sceneChildren(QObject *from)
{
    QList<QObject *> result = from->children();
    if (auto *item = qobject_cast<QQuickItem *>(from)) {
        const QList<QQuickItem *> visual = item->childItems();
        for (QQuickItem *child : visual) {
            if (qobject_cast<QQuickItem *>(child->parent()) || result.contains(child))
                continue;
            result.append(child);
        }
    }
    return result;
}

bool nameContains(const QObject *object, const char *keyword)
{
    return object->objectName().indexOf(QLatin1String(keyword), 0, Qt::CaseSensitive) != -1;
}

void collectMatching(QObject *from, const char *keyword, QList<QPointer<QObject>> &target)
{
    if (nameContains(from, keyword)) {
        target.append(from);
        return;
    }
    const QList<QObject *> children = sceneChildren(from);
    for (QObject *child : children)
        collectMatching(child, keyword, target);
}

// Direct children first, then each child's subtree in order.
QObject *findNamedDescendant(QObject *from, const QString &name)
{
    const QList<QObject *> children = sceneChildren(from);
    for (QObject *child : children) {
        if (child->objectName() == name)
            return child;
    }
    for (QObject *child : children) {
        if (QObject *found = findNamedDescendant(child, name))
            return found;
    }
    return nullptr;
}

} // namespace

void GameEngine::levelReady()
{
    QObject *found = findGameLevel(rootItem);
    if (!found) {
        qDebug() << "no level found after load!";
        return;
    }
    qDebug() << "level found " << qobject_cast<QQuickItem *>(found);
    levelItem = found;
}

QObject *GameEngine::findGameLevel(QObject *from)
{
    if (!from) {
        qDebug() << "GameEngine::findGameLevel() rootObject NULL";
        return nullptr;
    }
    if (nameContains(from, "Level"))
        return from;
    const QList<QObject *> children = sceneChildren(from);
    for (QObject *child : children) {
        if (QObject *found = findGameLevel(child))
            return found;
    }
    return nullptr;
}

void GameEngine::findAllObstructions(QObject *from)
{
    if (!from) {
        qDebug() << "GameEngine::findAllObstructions() rootObject NULL";
        return;
    }
    collectMatching(from, "obstruction", obstructions);
}

void GameEngine::findAllLandings(QObject *from)
{
    if (!from) {
        qDebug() << "GameEngine::findAllLandings() rootObject NULL";
        return;
    }
    collectMatching(from, "landing", landings);
}

void GameEngine::findAllClouds(QObject *from)
{
    if (!from) {
        qDebug() << "GameEngine::findAllClouds() rootObject NULL";
        return;
    }
    collectMatching(from, "cloud", clouds);
}

void GameEngine::findAllBuoys(QObject *from)
{
    if (!from)
        return;
    collectMatching(from, "buoy", buoys);
}

void GameEngine::findQmlObjects()
{
    obstructions.clear();
    landings.clear();
    clouds.clear();
    buoys.clear();
    findAllObstructions(levelItem);
    findAllLandings(levelItem);
    findAllClouds(levelItem);
    findAllBuoys(levelItem);
    airplane = levelItem ? findNamedDescendant(levelItem, QStringLiteral("airplane")) : nullptr;
}

void GameEngine::clearQmlObjects()
{
    obstructions.clear();
    landings.clear();
    clouds.clear();
    buoys.clear();
    airplane = nullptr;
}

void GameEngine::levelFinished()
{
    qDebug() << "deleted level";
    levelItem = nullptr;
}

void GameEngine::findSteer()
{
    if (!rootItem) {
        qDebug() << "findSteer(): Game Qml Missing!";
        return;
    }
    const QList<QObject *> children = rootItem->children();
    for (QObject *child : children) {
        if (child->objectName() == QLatin1String("steer"))
            steerItem = child;
    }
    if (!steerItem)
        qDebug() << "no steer found in the game";
}
