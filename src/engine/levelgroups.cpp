#include "engine/gameengine.h"

#include "persistence/settings.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <limits>

namespace {

const QString levelDirectory = QStringLiteral("qml/Cirrovanta/Levels/");

// By name ignoring case, with "." and ".." always in front. Qt alone would put
// a name such as "-x" before "."; names equal but for case keep a fixed order.
void sortByName(QStringList &entries)
{
    const auto rank = [](const QString &name) {
        if (name == QLatin1String("."))
            return 0;
        if (name == QLatin1String(".."))
            return 1;
        return 2;
    };
    std::sort(entries.begin(), entries.end(), [&rank](const QString &a, const QString &b) {
        if (rank(a) != rank(b))
            return rank(a) < rank(b);
        const int folded = a.toLower().compare(b.toLower());
        return folded != 0 ? folded < 0 : a < b;
    });
}

QString afterLast(const QString &text, QChar separator)
{
    return text.mid(text.lastIndexOf(separator) + 1);
}

// The level being played, as the scene names it: "<group directory>/<level>".
QString levelNameOf(const QObject *root)
{
    return root ? root->property("levelName").toString() : QString();
}

// Every Settings object sees the same store, so a stand-in serves when the
// engine was made without one.
template <typename Use>
auto withStore(Settings *settings, Use use)
{
    if (settings)
        return use(*settings);
    Settings standIn;
    return use(standIn);
}

} // namespace

QString GameEngine::resolveDataPath(const QString &relative)
{
    const QString appDir = QCoreApplication::applicationDirPath();
    const int slash = appDir.lastIndexOf(QLatin1Char('/'));
    const QString base = slash >= 0 ? appDir.left(slash) : appDir;
    const QString candidate = base + QLatin1Char('/') + relative;
    qDebug() << candidate;
    if (QFileInfo(candidate).exists())
        return candidate;
    return relative;
}

void GameEngine::scanLevelGroups()
{
    const QDir dir(resolveDataPath(levelDirectory));
    qDebug() << "finding files in " << dir;
    QStringList entries = dir.entryList(QDir::Dirs, QDir::NoSort);
    sortByName(entries);
    for (const QString &entry : entries) {
        qDebug() << entry;
        QString name = afterLast(entry, QLatin1Char('/'));
        // A numbering prefix such as "01_" orders the directories but is not shown.
        const int underscore = name.indexOf(QLatin1Char('_'));
        if (underscore >= 0)
            name = name.mid(underscore + 1);
        groupNames.append(name);
        qDebug() << "found new Qml group" << entry;
    }
}

QStringList GameEngine::levelsOfGroup(const QString &group) const
{
    const QDir dir(resolveDataPath(levelDirectory + group));
    QStringList files = dir.entryList(QDir::Files, QDir::NoSort);
    sortByName(files);
    QStringList levels;
    for (const QString &file : files) {
        // A group's closing document is shown after its last level, never as a level.
        if (!file.contains(QLatin1String("qml"), Qt::CaseInsensitive)
            || file.contains(QLatin1String("finalMsg")))
            continue;
        const QString name = afterLast(file, QLatin1Char('/'));
        const int dot = name.lastIndexOf(QLatin1Char('.'));
        levels.append(dot >= 0 ? name.left(dot) : name);
    }
    return levels;
}

QVariant GameEngine::pluginList(QVariant groupName)
{
    return levelsOfGroup(groupName.toString());
}

void GameEngine::saveResult(QVariant passed, QVariant result)
{
    const QString levelName = levelNameOf(rootItem);
    const bool levelPassed = passed.toBool();
    const int oldResult =
        withStore(settings, [&](Settings &store) { return store.getLevelResult(levelName); });
    const QString group = levelName.left(levelName.indexOf(QLatin1Char('/')));
    qDebug() << "checking levels of group" << group;
    const bool groupPassed =
        withStore(settings, [&](Settings &store) { return store.getLevelPassed(group); });
    int groupResult =
        withStore(settings, [&](Settings &store) { return store.getLevelResult(group); });
    const int newResult = result.toInt();

    // A level that was not passed changes nothing, whatever its result.
    if (!levelPassed)
        return;

    // Results come from QML and the settings file and may be anything an
    // int holds: the sums are taken wide and the total kept within an int.
    const qint64 gain = qint64(newResult) - qint64(oldResult);
    const int best = gain > 0 ? newResult : oldResult;
    withStore(settings, [&](Settings &store) {
        store.setLevelPassed(levelName, true);
        store.setLevelResult(levelName, best);
    });

    // The group's total is the sum of its levels' bests, kept by adding each improvement.
    if (gain > 0)
        groupResult = int(qMin<qint64>(qint64(groupResult) + gain, std::numeric_limits<int>::max()));
    qDebug() << "saving the result of the group" << groupResult;
    withStore(settings, [&](Settings &store) { store.setLevelResult(group, groupResult); });

    const QStringList levels = levelsOfGroup(group);
    if (levels.isEmpty())
        return;
    const QString lastLevel = group + QLatin1Char('/') + levels.last();
    if (QString::compare(lastLevel, levelName) != 0 || groupPassed)
        return;
    qDebug() << "saving the achievment of the group" << group;
    withStore(settings, [&](Settings &store) { store.setLevelPassed(group, true); });
    if (rootItem)
        rootItem->setProperty("groupFinished", group);
}

QVariant GameEngine::getResult(QVariant name)
{
    return withStore(settings, [&](Settings &store) { return store.getLevelResult(name); });
}

QVariant GameEngine::getPassed(QVariant name)
{
    return withStore(settings, [&](Settings &store) { return store.getLevelPassed(name); });
}

QVariant GameEngine::getCurrentResult()
{
    return getResult(levelNameOf(rootItem));
}

QVariant GameEngine::getCurrentPassed()
{
    return getPassed(levelNameOf(rootItem));
}
