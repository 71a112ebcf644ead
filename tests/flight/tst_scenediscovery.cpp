#include "common/scene.h"
#include "common/testenvironment.h"

#include <QQuickItem>

namespace {

const QByteArray gameScene = R"(
import QtQuick
Item {
    objectName: "gameRoot"
    Item { objectName: "steer"; property string which: "first" }
    Item {
        objectName: "gameLevel"
        Item {
            objectName: "scenery"
            Item { objectName: "airplane"; property string which: "deep" }
        }
        Item { objectName: "airplane2" }
        Item { objectName: "airplane"; property string which: "direct" }
        Item {
            objectName: "cloudBank"
            Item { objectName: "cloud1" }
            Item { objectName: "cloud2" }
        }
        Item { objectName: "Cloud" }
        Item { objectName: "Obstruction" }
        Item { objectName: "mountain_obstruction" }
        Item { objectName: "runway_landing" }
        Item { objectName: "cloud_landing" }
        Repeater {
            model: 3
            Item { objectName: "buoy" + index }
        }
        Loader {
            sourceComponent: Component { Item { objectName: "loaded_obstruction" } }
        }
    }
    Item { objectName: "steer"; property string which: "second" }
}
)";

QStringList names(const QList<QObject *> &objects)
{
    QStringList result;
    for (QObject *object : objects)
        result.append(object ? object->objectName() : QStringLiteral("<null>"));
    return result;
}

} // namespace

class SceneDiscoveryTest : public QObject
{
    Q_OBJECT

public:
    explicit SceneDiscoveryTest(const TestEnvironment &) {}

private:
    QQmlEngine qml;
    std::unique_ptr<QObject> scene;
    std::unique_ptr<GameEngine> engine;

private slots:
    void init()
    {
        scene = createScene(qml, gameScene);
        QVERIFY(scene);
        engine = std::make_unique<GameEngine>(nullptr, nullptr);
        engine->setRootObject(scene.get());
    }
    void cleanup()
    {
        engine.reset();
        scene.reset();
    }

    void rootNamedMainLevelIsItsOwnLevel()
    {
        auto root = createScene(qml, "import QtQuick\nItem { objectName: \"mainLevel\"; "
                                     "Item { objectName: \"subLevel\" } }");
        QVERIFY(root);
        engine->setRootObject(root.get());
        engine->levelReady();
        QCOMPARE(engine->currentLevel(), root.get());
    }

    void levelIsNotReadyBeforeDuringAndAfterALevel()
    {
        QCOMPARE(engine->isReady().toBool(), false);
        engine->levelReady();
        QCOMPARE(engine->isReady().toBool(), true);
        QCOMPARE(engine->currentLevel(), named(scene.get(), "gameLevel"));
        QTest::ignoreMessage(QtDebugMsg, "deleted level");
        engine->levelFinished();
        QCOMPARE(engine->isReady().toBool(), false);
        QCOMPARE(engine->currentLevel(), nullptr);
    }

    void levelLookupWithoutMatchKeepsThePreviousLevel()
    {
        auto withoutLevel = createScene(qml, "import QtQuick\nItem { Item { objectName: \"level\" } }");
        QVERIFY(withoutLevel);
        engine->levelReady();
        engine->setRootObject(withoutLevel.get());
        QTest::ignoreMessage(QtDebugMsg, "no level found after load!");
        engine->levelReady();
        QCOMPARE(engine->currentLevel(), named(scene.get(), "gameLevel"));

        engine->levelFinished();
        QTest::ignoreMessage(QtDebugMsg, "no level found after load!");
        engine->levelReady();
        QCOMPARE(engine->isReady().toBool(), false);
    }

    // Searched twice, as the game does on every level start: the second search
    // must not double the lists.
    void sceneListsHoldTheOutermostMatchesOnce_data()
    {
        QTest::addColumn<QString>("list");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("clouds: outermost only, case-sensitive")
            << "clouds" << QStringList{"cloudBank", "cloud_landing"};
        QTest::newRow("landings") << "landings" << QStringList{"runway_landing", "cloud_landing"};
        QTest::newRow("obstructions: a Loader's item, not \"Obstruction\"")
            << "obstructions" << QStringList{"mountain_obstruction", "loaded_obstruction"};
        QTest::newRow("buoys made by a Repeater") << "buoys" << QStringList{"buoy0", "buoy1", "buoy2"};
    }

    void sceneListsHoldTheOutermostMatchesOnce()
    {
        QFETCH(QString, list);
        QFETCH(QStringList, expected);
        engine->levelReady();
        engine->findQmlObjects();
        engine->findQmlObjects();
        const QMap<QString, QList<QObject *>> lists = {{"clouds", engine->currentClouds()},
                                                       {"landings", engine->currentLandings()},
                                                       {"obstructions", engine->currentObstructions()},
                                                       {"buoys", engine->currentBuoys()}};
        QCOMPARE(names(lists.value(list)), expected);
    }

    void itemShownElsewhereIsCollectedOnce()
    {
        // A runway declared in one item but drawn inside another has two parents.
        auto root = createScene(qml, R"(
import QtQuick
Item {
    objectName: "gameLevel"
    Item { id: world; objectName: "world" }
    Item {
        objectName: "pieces"
        Item { objectName: "runway_landing"; parent: world }
        Item { objectName: "airplane"; parent: world }
    }
})");
        QVERIFY(root);
        engine->setRootObject(root.get());
        engine->levelReady();
        engine->findQmlObjects();
        QCOMPARE(names(engine->currentLandings()), QStringList({"runway_landing"}));
        QVERIFY(engine->currentAirplane());
    }

    void directChildAirplaneWinsOverDeeperEarlierOne()
    {
        engine->levelReady();
        engine->findQmlObjects();
        QVERIFY(engine->currentAirplane());
        QCOMPARE(engine->currentAirplane()->property("which").toString(), QStringLiteral("direct"));
    }

    void lastSteerAmongRootChildrenWins()
    {
        engine->findSteer();
        QVERIFY(engine->currentSteer());
        QCOMPARE(engine->currentSteer()->property("which").toString(), QStringLiteral("second"));

        auto nested = createScene(qml, "import QtQuick\nItem { Item { Item { objectName: \"steer\" } } }");
        QVERIFY(nested);
        GameEngine withoutSteer(nullptr, nullptr);
        withoutSteer.setRootObject(nested.get());
        QTest::ignoreMessage(QtDebugMsg, "no steer found in the game");
        withoutSteer.findSteer();
        QCOMPARE(withoutSteer.currentSteer(), nullptr);
    }

    void finishedLevelLeavesEverythingEmpty()
    {
        engine->levelReady();
        engine->findQmlObjects();
        QVERIFY(engine->currentAirplane());

        QTest::ignoreMessage(QtDebugMsg, "deleted level");
        engine->levelFinished();
        QTest::ignoreMessage(QtDebugMsg, "GameEngine::findAllObstructions() rootObject NULL");
        QTest::ignoreMessage(QtDebugMsg, "GameEngine::findAllLandings() rootObject NULL");
        QTest::ignoreMessage(QtDebugMsg, "GameEngine::findAllClouds() rootObject NULL");
        engine->findQmlObjects();
        QVERIFY(engine->currentObstructions().isEmpty());
        QVERIFY(engine->currentLandings().isEmpty());
        QVERIFY(engine->currentClouds().isEmpty());
        QVERIFY(engine->currentBuoys().isEmpty());
        QCOMPARE(engine->currentAirplane(), nullptr);
    }
};

CIRROVANTA_TEST_MAIN(SceneDiscoveryTest)
#include "tst_scenediscovery.moc"
