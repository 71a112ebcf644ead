#include "common/debuglines.h"
#include "common/testenvironment.h"
#include "engine/gameengine.h"
#include "persistence/settings.h"

#include <QLoggingCategory>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QSettings>

#include <memory>

namespace {

void writeFile(const QString &path)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("import QtQuick\nItem {}\n");
}

const char rootDocument[] = "import QtQuick\n"
                            "Item {\n"
                            "    property string levelName\n"
                            "    property string groupFinished\n"
                            "}\n";

} // namespace

class TestLevelGroups : public QObject
{
    Q_OBJECT

public:
    explicit TestLevelGroups(TestEnvironment &environment) : environment(environment) {}

private slots:
    void initTestCase()
    {
        QLoggingCategory::setFilterRules("default.debug=true");
        // The engine looks above the executable's directory first; that must not
        // hold a level tree of its own, or the temporary tree would not be seen.
        const QString aboveExecutable = QFileInfo(QCoreApplication::applicationDirPath()).path();
        QVERIFY2(!QFileInfo::exists(aboveExecutable + "/qml/Cirrovanta/Levels/"),
                 qPrintable(aboveExecutable + " holds a level tree"));
    }

    void init()
    {
        data = std::make_unique<QTemporaryDir>();
        QVERIFY(data->isValid());
        previousDirectory = QDir::currentPath();
        QVERIFY(QDir::setCurrent(data->path()));
        settings.reset();
    }

    void cleanup()
    {
        root.reset();
        QDir::setCurrent(previousDirectory);
        data.reset();
    }

    void groupsListDotsFirstThenNamesIgnoringCase()
    {
        for (const char *group : {"2_Islands", "Coast_Line_2", "alpha", "Beta", "-dash", ".hidden"})
            QVERIFY(QDir().mkpath(levels(group)));
        writeFile(levels("loose.qml"));

        DebugLines debug;
        const auto engine = makeEngine();

        // A leading numbering up to the first "_" is dropped; "-dash" sorts
        // before the digits, yet "." and ".." stay in front.
        const QStringList expected = {".", "..", "-dash", "Islands", "alpha", "Beta", "Line_2"};
        QCOMPARE(engine->pluginGroups().toStringList(), expected);
        QVERIFY(debug.lines().contains(R"(found new Qml group "2_Islands")"));
        QVERIFY(debug.lines().contains(R"(found new Qml group "..")"));
        QVERIFY(debug.lines().contains(R"("Coast_Line_2")"));
        const auto scanLine = std::find_if(debug.lines().cbegin(), debug.lines().cend(),
                                           [](const QString &line) {
                                               return line.startsWith("finding files in  QDir(");
                                           });
        QVERIFY(scanLine != debug.lines().cend());
    }

    void levelsOfAGroup_data()
    {
        QTest::addColumn<QString>("group");
        QTest::addColumn<QStringList>("expected");

        QTest::newRow("case ignored, characters not numbers, closing document and text left out")
            << "2_Islands" << QStringList{"Bonus", "intro", "level10", "Level2", "storm.qml"};
        QTest::newRow("the shown name Islands looks in a directory called Islands")
            << "Islands" << QStringList{};
        QTest::newRow("dot lists the documents lying in the level directory")
            << "." << QStringList{"loose"};
        QTest::newRow("dot-dot lists the directory above, so main.qml is main")
            << ".." << QStringList{"main"};
        QTest::newRow("a name that is no directory lists nothing") << "Nowhere" << QStringList{};
    }

    void levelsOfAGroup()
    {
        QFETCH(QString, group);
        QFETCH(QStringList, expected);
        for (const char *file : {"intro.qml", "Level2.qml", "level10.qml", "finalMsg.qml",
                                 "notes.txt", "storm.qml.bak", "Bonus.QML"})
            writeFile(levels(QString("2_Islands/") + file));
        writeFile(levels("loose.qml"));
        writeFile(data->filePath("qml/Cirrovanta/main.qml"));

        const auto engine = makeEngine();
        QCOMPARE(engine->pluginList(group).toStringList(), expected);
    }

    void levelsAddedOnDiskAreSeenAtOnce()
    {
        QVERIFY(QDir().mkpath(levels("2_Islands")));
        const auto engine = makeEngine();
        QCOMPARE(engine->pluginList("Islands").toStringList(), QStringList{});

        writeFile(levels("Islands/reef.qml"));
        QVERIFY(QDir().mkpath(levels("3_Later")));
        QCOMPARE(engine->pluginList("Islands").toStringList(), QStringList{"reef"});
        // The group list is made once, at construction.
        QCOMPARE(engine->pluginGroups().toStringList(), (QStringList{".", "..", "Islands"}));
    }

    void dataPathPrefersTheDirectoryAboveTheExecutable()
    {
        const QFileInfo executable(QCoreApplication::applicationFilePath());
        const QString above = QFileInfo(executable.path()).path();
        // The executable itself, seen from the directory above its own.
        const QString relative = QFileInfo(executable.path()).fileName() + "/" + executable.fileName();

        DebugLines debug;
        QCOMPARE(GameEngine::resolveDataPath(relative), above + "/" + relative);
        QCOMPARE(GameEngine::resolveDataPath("sounds/none.wav"), QString("sounds/none.wav"));
        QCOMPARE(debug.lines(),
                 (QStringList{'"' + above + "/" + relative + '"', '"' + above + "/sounds/none.wav\""}));
    }

    void unpassedLevelChangesNoKey()
    {
        const auto engine = engineFlying("Coast/a", {"Coast/a.qml"});

        DebugLines debug;
        engine->saveResult(false, 500);

        QCOMPARE(storedKeys(), QStringList{});
        QVERIFY(debug.lines().contains(R"(checking levels of group "Coast")"));
        QCOMPARE(engine->getCurrentResult().toInt(), 0);
        QCOMPARE(engine->getCurrentPassed().toBool(), false);
    }

    void bestResultIsKeptAndTheGroupGrowsByImprovements()
    {
        const auto engine = engineFlying("Coast/a", {"Coast/a.qml", "Coast/b.qml", "Coast/c.qml"});

        engine->saveResult(true, 120);
        QCOMPARE(engine->getResult("Coast/a").toInt(), 120);
        QCOMPARE(engine->getResult("Coast").toInt(), 120);

        engine->saveResult(true, 100);
        QCOMPARE(engine->getResult("Coast/a").toInt(), 120);
        QCOMPARE(engine->getResult("Coast").toInt(), 120);

        DebugLines debug;
        engine->saveResult(true, 150);
        QCOMPARE(engine->getCurrentResult().toInt(), 150);
        QCOMPARE(engine->getCurrentPassed().toBool(), true);
        // 120 + (150 - 120)
        QCOMPARE(engine->getResult("Coast").toInt(), 150);
        QVERIFY(debug.lines().contains("saving the result of the group 150"));

        // Another level's best adds to the same total: 150 + 40.
        root->setProperty("levelName", "Coast/b");
        engine->saveResult(true, 40);
        QCOMPARE(engine->getResult("Coast").toInt(), 190);
        QCOMPARE(engine->getResult("Coast/a").toInt(), 150);
    }

    void passingTheLastLevelFirstFinishesTheGroupOnce()
    {
        const auto engine = engineFlying("Coast/C", {"Coast/a.qml", "Coast/b.qml", "Coast/C.qml", "Coast/finalMsg.qml"});

        DebugLines debug;
        engine->saveResult(true, 80);
        QCOMPARE(root->property("groupFinished").toString(), QString("Coast"));
        QCOMPARE(engine->getPassed("Coast").toBool(), true);
        QCOMPARE(engine->getResult("Coast").toInt(), 80);
        QCOMPARE(engine->getPassed("Coast/a").toBool(), false);
        QCOMPARE(debug.lines().filter("saving the achievment of the group").size(), 1);
        QVERIFY(debug.lines().contains(R"(saving the achievment of the group "Coast")"));

        root->setProperty("groupFinished", QString());
        engine->saveResult(true, 90);
        QCOMPARE(root->property("groupFinished").toString(), QString());
        QCOMPARE(debug.lines().filter("saving the achievment of the group").size(), 1);
        // 80 + (90 - 80)
        QCOMPARE(engine->getResult("Coast").toInt(), 90);
    }

    void passingAnEarlierLevelLeavesTheGroupOpen()
    {
        const auto engine = engineFlying("Coast/a", {"Coast/a.qml", "Coast/b.qml"});

        engine->saveResult(true, 10);
        QCOMPARE(engine->getPassed("Coast/a").toBool(), true);
        QCOMPARE(engine->getPassed("Coast").toBool(), false);
        QCOMPARE(root->property("groupFinished").toString(), QString());

        // The comparison with the last level is exact, case included.
        root->setProperty("levelName", "Coast/B");
        engine->saveResult(true, 10);
        QCOMPARE(engine->getPassed("Coast").toBool(), false);
    }

    void negativeResultStoresZero()
    {
        const auto engine = engineFlying("Coast/a", {"Coast/a.qml", "Coast/b.qml"});

        engine->saveResult(true, -40);
        QCOMPARE(engine->getResult("Coast/a").toInt(), 0);
        QCOMPARE(engine->getPassed("Coast/a").toBool(), true);
        QCOMPARE(engine->getResult("Coast").toInt(), 0);
        QVERIFY(settingsText().contains("a_result=0"));
    }

    void emptyLevelNameSharesKeysWithItsGroup()
    {
        const auto engine = engineFlying(QString(), {"loose.qml"});

        DebugLines debug;
        engine->saveResult(true, 70);
        QVERIFY(debug.lines().contains(R"(checking levels of group "")"));
        // Level and group write the same keys: the level's best 70, then the
        // group's total 0 + 70.
        QCOMPARE(storedKeys(), (QStringList{"_passed", "_result"}));
        QCOMPARE(engine->getResult(QString()).toInt(), 70);
        QCOMPARE(engine->getPassed(QString()).toBool(), true);
        // The last level of the level directory itself is "/loose", never "".
        QCOMPARE(root->property("groupFinished").toString(), QString());
    }

    void levelKeysLandInTheGroupSection()
    {
        const auto engine = engineFlying("Coast/a", {"Coast/a.qml", "Coast/b.qml"});
        engine->saveResult(true, 120);

        const QString text = settingsText();
        const qsizetype general = text.indexOf("[General]");
        const qsizetype coast = text.indexOf("[Coast]");
        QVERIFY2(general >= 0 && coast >= 0, qPrintable(text));
        // The level's keys sit in the group's section, the group's own in General.
        QVERIFY2(text.indexOf("a_passed=true", coast) > coast, qPrintable(text));
        QVERIFY2(text.indexOf("a_result=120", coast) > coast, qPrintable(text));
        const qsizetype groupResult = text.indexOf("Coast_result=120");
        QVERIFY2(groupResult > general && (groupResult < coast || coast < general), qPrintable(text));
        QVERIFY(!text.contains("Coast_passed"));
    }

private:
    QString levels(const QString &relative = QString()) const
    {
        return data->filePath("qml/Cirrovanta/Levels/" + relative);
    }
    std::unique_ptr<GameEngine> makeEngine();
    QObject *makeRoot(const QString &levelName);
    // An engine whose game flies the named level, with these level files on disk.
    std::unique_ptr<GameEngine> engineFlying(const QString &levelName, const QStringList &files)
    {
        for (const QString &file : files)
            writeFile(levels(file));
        auto engine = makeEngine();
        engine->setRootObject(makeRoot(levelName));
        return engine;
    }
    QString settingsText() const;
    QStringList storedKeys() const;

    TestEnvironment &environment;
    std::unique_ptr<QTemporaryDir> data;
    QString previousDirectory;
    Settings settings;
    QQmlEngine qml;
    std::unique_ptr<QObject> root;
};

std::unique_ptr<GameEngine> TestLevelGroups::makeEngine()
{
    auto engine = std::make_unique<GameEngine>(nullptr, &settings);
    // The update check has no place here.
    engine->onlineStatus().setForcedOffline(true);
    return engine;
}

QObject *TestLevelGroups::makeRoot(const QString &levelName)
{
    QQmlComponent component(&qml);
    component.setData(rootDocument, QUrl());
    root.reset(component.create());
    if (!root)
        qWarning() << component.errors();
    else
        root->setProperty("levelName", levelName);
    return root.get();
}

QString TestLevelGroups::settingsText() const
{
    QFile file(environment.settingsFile());
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

QStringList TestLevelGroups::storedKeys() const
{
    return QSettings(Settings::organisation(), Settings::application()).allKeys();
}

CIRROVANTA_TEST_MAIN(TestLevelGroups)
#include "tst_levelgroups.moc"
