#include "common/testenvironment.h"
#include "flight/qmlscene.h"

#include "engine/gameengine.h"

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

private slots:
    void rootNamedMainLevelIsItsOwnLevel();
    void levelIsNotReadyBeforeDuringAndAfterALevel();
    void levelLookupWithoutMatchKeepsThePreviousLevel();
    void outermostMatchesAreCollectedCaseSensitively();
    void itemsFromRepeaterAndLoaderAreFound();
    void itemShownElsewhereIsCollectedOnce();
    void directChildAirplaneWinsOverDeeperEarlierOne();
    void lastSteerAmongRootChildrenWins();
    void secondSearchDoesNotDoubleTheLists();
    void finishedLevelLeavesEverythingEmpty();
    void levelDestroyedWithoutClearingLeavesNull();
};

void SceneDiscoveryTest::rootNamedMainLevelIsItsOwnLevel()
{
    QQmlEngine qml;
    auto scene = createScene(qml, "import QtQuick\nItem { objectName: \"mainLevel\"; "
                                  "Item { objectName: \"subLevel\" } }");
    QVERIFY(scene);
    GameEngine engine(nullptr, nullptr);
    engine.setRootObject(scene.get());
    engine.levelReady();
    QCOMPARE(engine.currentLevel(), scene.get());
}

void SceneDiscoveryTest::levelIsNotReadyBeforeDuringAndAfterALevel()
{
    QQmlEngine qml;
    auto scene = createScene(qml, gameScene);
    QVERIFY(scene);
    GameEngine engine(nullptr, nullptr);
    engine.setRootObject(scene.get());
    QCOMPARE(engine.isReady().toBool(), false);
    engine.levelReady();
    QCOMPARE(engine.isReady().toBool(), true);
    QCOMPARE(engine.currentLevel(), named(scene.get(), "gameLevel"));
    QTest::ignoreMessage(QtDebugMsg, "deleted level");
    engine.levelFinished();
    QCOMPARE(engine.isReady().toBool(), false);
    QCOMPARE(engine.currentLevel(), nullptr);
}

void SceneDiscoveryTest::levelLookupWithoutMatchKeepsThePreviousLevel()
{
    QQmlEngine qml;
    auto withLevel = createScene(qml, gameScene);
    auto withoutLevel = createScene(qml, "import QtQuick\nItem { Item { objectName: \"level\" } }");
    QVERIFY(withLevel && withoutLevel);
    GameEngine engine(nullptr, nullptr);
    engine.setRootObject(withLevel.get());
    engine.levelReady();
    engine.setRootObject(withoutLevel.get());
    QTest::ignoreMessage(QtDebugMsg, "no level found after load!");
    engine.levelReady();
    QCOMPARE(engine.currentLevel(), named(withLevel.get(), "gameLevel"));

    engine.levelFinished();
    QTest::ignoreMessage(QtDebugMsg, "no level found after load!");
    engine.levelReady();
    QCOMPARE(engine.isReady().toBool(), false);
}

void SceneDiscoveryTest::outermostMatchesAreCollectedCaseSensitively()
{
    QQmlEngine qml;
    auto scene = createScene(qml, gameScene);
    QVERIFY(scene);
    GameEngine engine(nullptr, nullptr);
    engine.setRootObject(scene.get());
    engine.levelReady();
    engine.findQmlObjects();

    QCOMPARE(names(engine.currentClouds()), QStringList({"cloudBank", "cloud_landing"}));
    QCOMPARE(names(engine.currentLandings()), QStringList({"runway_landing", "cloud_landing"}));
    QVERIFY(!names(engine.currentObstructions()).contains("Obstruction"));
    QVERIFY(names(engine.currentObstructions()).contains("mountain_obstruction"));
}

void SceneDiscoveryTest::itemsFromRepeaterAndLoaderAreFound()
{
    QQmlEngine qml;
    auto scene = createScene(qml, gameScene);
    QVERIFY(scene);
    GameEngine engine(nullptr, nullptr);
    engine.setRootObject(scene.get());
    engine.levelReady();
    engine.findQmlObjects();

    QCOMPARE(names(engine.currentBuoys()), QStringList({"buoy0", "buoy1", "buoy2"}));
    QCOMPARE(names(engine.currentObstructions()),
             QStringList({"mountain_obstruction", "loaded_obstruction"}));
}

void SceneDiscoveryTest::itemShownElsewhereIsCollectedOnce()
{
    // A runway declared in one item but drawn inside another has two parents.
    const QByteArray scene = R"(
import QtQuick
Item {
    objectName: "gameLevel"
    Item { id: world; objectName: "world" }
    Item {
        objectName: "pieces"
        Item { objectName: "runway_landing"; parent: world }
        Item { objectName: "airplane"; parent: world }
    }
}
)";
    QQmlEngine qml;
    auto root = createScene(qml, scene);
    QVERIFY(root);
    GameEngine engine(nullptr, nullptr);
    engine.setRootObject(root.get());
    engine.levelReady();
    engine.findQmlObjects();
    QCOMPARE(names(engine.currentLandings()), QStringList({"runway_landing"}));
    QVERIFY(engine.currentAirplane());
}

void SceneDiscoveryTest::directChildAirplaneWinsOverDeeperEarlierOne()
{
    QQmlEngine qml;
    auto scene = createScene(qml, gameScene);
    QVERIFY(scene);
    GameEngine engine(nullptr, nullptr);
    engine.setRootObject(scene.get());
    engine.levelReady();
    engine.findQmlObjects();

    QVERIFY(engine.currentAirplane());
    QCOMPARE(engine.currentAirplane()->objectName(), QStringLiteral("airplane"));
    QCOMPARE(engine.currentAirplane()->property("which").toString(), QStringLiteral("direct"));
}

void SceneDiscoveryTest::lastSteerAmongRootChildrenWins()
{
    QQmlEngine qml;
    auto scene = createScene(qml, gameScene);
    auto nested = createScene(qml, "import QtQuick\nItem { Item { Item { objectName: \"steer\" } } }");
    QVERIFY(scene && nested);
    GameEngine engine(nullptr, nullptr);
    engine.setRootObject(scene.get());
    engine.findSteer();
    QVERIFY(engine.currentSteer());
    QCOMPARE(engine.currentSteer()->property("which").toString(), QStringLiteral("second"));

    GameEngine withoutSteer(nullptr, nullptr);
    withoutSteer.setRootObject(nested.get());
    QTest::ignoreMessage(QtDebugMsg, "no steer found in the game");
    withoutSteer.findSteer();
    QCOMPARE(withoutSteer.currentSteer(), nullptr);
}

void SceneDiscoveryTest::secondSearchDoesNotDoubleTheLists()
{
    QQmlEngine qml;
    auto scene = createScene(qml, gameScene);
    QVERIFY(scene);
    GameEngine engine(nullptr, nullptr);
    engine.setRootObject(scene.get());
    engine.levelReady();
    engine.findQmlObjects();
    const QStringList obstructions = names(engine.currentObstructions());
    const QStringList landings = names(engine.currentLandings());
    const QStringList clouds = names(engine.currentClouds());
    const QStringList buoys = names(engine.currentBuoys());
    engine.findQmlObjects();
    QCOMPARE(names(engine.currentObstructions()), obstructions);
    QCOMPARE(names(engine.currentLandings()), landings);
    QCOMPARE(names(engine.currentClouds()), clouds);
    QCOMPARE(names(engine.currentBuoys()), buoys);
}

void SceneDiscoveryTest::finishedLevelLeavesEverythingEmpty()
{
    QQmlEngine qml;
    auto scene = createScene(qml, gameScene);
    QVERIFY(scene);
    GameEngine engine(nullptr, nullptr);
    engine.setRootObject(scene.get());
    engine.levelReady();
    engine.findQmlObjects();
    QVERIFY(engine.currentAirplane());

    QTest::ignoreMessage(QtDebugMsg, "deleted level");
    engine.levelFinished();
    QTest::ignoreMessage(QtDebugMsg, "GameEngine::findAllObstructions() rootObject NULL");
    QTest::ignoreMessage(QtDebugMsg, "GameEngine::findAllLandings() rootObject NULL");
    QTest::ignoreMessage(QtDebugMsg, "GameEngine::findAllClouds() rootObject NULL");
    engine.findQmlObjects();
    QVERIFY(engine.currentObstructions().isEmpty());
    QVERIFY(engine.currentLandings().isEmpty());
    QVERIFY(engine.currentClouds().isEmpty());
    QVERIFY(engine.currentBuoys().isEmpty());
    QCOMPARE(engine.currentAirplane(), nullptr);
}

void SceneDiscoveryTest::levelDestroyedWithoutClearingLeavesNull()
{
    QQmlEngine qml;
    auto scene = createScene(qml, gameScene);
    QVERIFY(scene);
    GameEngine engine(nullptr, nullptr);
    engine.setRootObject(scene.get());
    engine.findSteer();
    engine.levelReady();
    engine.findQmlObjects();
    QVERIFY(!engine.currentObstructions().isEmpty());

    delete named(scene.get(), "gameLevel");
    // Items made by the Repeater go a moment later.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    QCOMPARE(engine.currentLevel(), nullptr);
    QCOMPARE(engine.currentAirplane(), nullptr);
    QCOMPARE(engine.isReady().toBool(), false);
    for (QObject *obstruction : engine.currentObstructions())
        QCOMPARE(obstruction, nullptr);
    for (QObject *buoy : engine.currentBuoys())
        QCOMPARE(buoy, nullptr);
    QTest::ignoreMessage(QtDebugMsg, "ship missing");
    engine.adjustFlight();
}

CIRROVANTA_TEST_MAIN(SceneDiscoveryTest)
#include "tst_scenediscovery.moc"
