#include "common/debuglines.h"
#include "common/scene.h"
#include "common/testenvironment.h"
#include "persistence/settings.h"

// Level groups and their levels as the engine lists them from a level
// directory in a temporary tree, and the results it keeps for them.

class TestLevelGroups : public QObject
{
    Q_OBJECT

private slots:
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
        QVERIFY(addLevel(levels("loose.qml")));

        const auto engine = makeEngine();

        // A leading numbering up to the first "_" is dropped; "-dash" sorts
        // before the digits, yet "." and ".." stay in front.
        const QStringList expected = {".", "..", "-dash", "Islands", "alpha", "Beta", "Line_2"};
        QCOMPARE(engine->pluginGroups().toStringList(), expected);
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
                                 "notes.txt", "storm.qml.bak", "Bonus.QML", "../loose.qml", "../../main.qml"})
            QVERIFY(addLevel(levels(QString("2_Islands/") + file)));

        const auto engine = makeEngine();
        QCOMPARE(engine->pluginList(group).toStringList(), expected);
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

        engine->saveResult(true, 150);
        QCOMPARE(engine->getCurrentResult().toInt(), 150);
        QCOMPARE(engine->getCurrentPassed().toBool(), true);
        // 120 + (150 - 120)
        QCOMPARE(engine->getResult("Coast").toInt(), 150);

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

private:
    QString levels(const QString &relative = QString()) const
    {
        return data->filePath("qml/Cirrovanta/Levels/" + relative);
    }
    static bool addLevel(const QString &path) { return writeFile(path, "import QtQuick\nItem {}\n"); }
    // The update check has no place here.
    std::unique_ptr<GameEngine> makeEngine()
    {
        auto engine = std::make_unique<GameEngine>(nullptr, &settings);
        engine->onlineStatus().setForcedOffline(true);
        return engine;
    }
    // An engine whose game flies the named level, with these level files on disk.
    std::unique_ptr<GameEngine> engineFlying(const QString &levelName, const QStringList &files)
    {
        for (const QString &file : files)
            addLevel(levels(file));
        auto engine = makeEngine();
        root = createScene(qml, "import QtQuick\nItem { property string levelName; property string groupFinished }");
        root->setProperty("levelName", levelName);
        engine->setRootObject(root.get());
        return engine;
    }

    std::unique_ptr<QTemporaryDir> data;
    QString previousDirectory;
    Settings settings;
    QQmlEngine qml;
    std::unique_ptr<QObject> root;
};

CIRROVANTA_TEST_MAIN(TestLevelGroups)
#include "tst_levelgroups.moc"
