// Scenes that break the contract the engine relies on: scene objects destroyed
// without the clearing calls, and aeroplane values no level should set.
// Nothing may crash or hang; a sanitizer build turns any memory or
// undefined-behaviour fault on the way into a failure.
#include "common/debuglines.h"
#include "common/scene.h"
#include "common/testenvironment.h"
#include "persistence/settings.h"

#include <QQmlContext>
#include <QQuickItem>

#include <cmath>
#include <limits>
#include <memory>

namespace {

// The level: every function of the scene contract, an aeroplane, a runway,
// an obstruction, a cloud and a buoy.
const char *levelSource = R"(
import QtQuick
Item {
    id: level
    objectName: "gameLevel"
    width: 800; height: 600
    property int ended: 0
    function gameOver(passed) { ++ended }
    function pauseGame(on) {}
    function explode(x, y) {}
    function explodeHappy(x, y) {}
    function showWarningText(text, duration) {}
    function groundWarning(on) {}
    function seatbeltsSign(on) {}
    Item {
        objectName: "airplane"
        x: 100; y: 100; width: 40; height: 20
        property real vectorX: 0.3; property real vectorY: 0.7
        property real turningFactor: 0.1; property real accFactor: 1; property real resistanceFactor: 1.02
        property real speed: 30; property real petrol: 1
        property int fps: 25; property int petrolTime: 2; property int minSpeed: 10; property int maxSpeed: 80
        property real angle: 0; property real tilt: 0
        property real realX: 100; property real realY: 100
        property int landingTime: 300
        property int finalSound: 7
        function doLanding(on) {}
    }
    Rectangle { objectName: "landing1"; x: 300; y: 280; width: 200; height: 40 }
    Rectangle { objectName: "obstruction1"; x: 600; y: 0; width: 50; height: 600 }
    Rectangle { objectName: "cloud1"; x: 100; y: 300; width: 120; height: 80 }
    Rectangle {
        objectName: "buoy1"; x: 200; y: 200; width: 20; height: 20
        property bool isAlive: true
        function explode() { isAlive = false }
    }
}
)";

// The root as the main document provides it, holding the steering item and a
// loader for the level.
const char *rootSource = R"(
import QtQuick
Item {
    id: root
    objectName: "root"
    width: 800; height: 600
    signal levelReady()
    property string levelName: "g/l"
    property string groupFinished: ""
    property alias levelSource: loader.source
    property alias level: loader.item
    function updateIsReady(location) {}
    function pauseGame(on) {}
    STEER
    Loader { id: loader }
}
)";

const char *steerSource =
    R"(Item { objectName: "steer"; property real rawangleX; property real rawangleY; property real rawangleZ; property string axisY })";

// An engine wired to a root document (with or without its steering item)
// showing the given level, as start-up and the flight screen wire them.
struct Scene
{
    Settings settings;
    GameEngine engine{nullptr, &settings};
    QQmlEngine qml;
    std::unique_ptr<QQuickItem> root;

    Scene() { qml.rootContext()->setContextProperty("GameEngine", &engine); }
    ~Scene() { engine.enableEngineTimer(false); }

    bool load(const QString &directory, const QString &level, bool withSteer, bool findAll = true)
    {
        QQmlComponent component(&qml);
        component.setData(QByteArray(rootSource).replace("STEER", withSteer ? steerSource : ""),
                          QUrl::fromLocalFile(directory + "/root.qml"));
        root.reset(qobject_cast<QQuickItem *>(component.create()));
        if (!root) {
            qWarning() << component.errors();
            return false;
        }
        // Loading from a local file is synchronous; a broken one leaves no item.
        root->setProperty("levelSource", QUrl::fromLocalFile(level));
        QCoreApplication::processEvents();
        engine.setRootObject(root.get());
        engine.findSteer();
        if (findAll) {
            engine.levelReady();
            engine.findQmlObjects();
        }
        return true;
    }
};

} // namespace

class HostileScenesTest : public QObject
{
    Q_OBJECT

public:
    explicit HostileScenesTest(const TestEnvironment &) {}

private slots:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        levelFile = dir.filePath("Level.qml");
        QVERIFY(writeFile(levelFile, levelSource));
    }

    void sceneObjectsDestroyedWithoutTheClearingCalls_data()
    {
        QTest::addColumn<QStringList>("destroyed");
        QTest::newRow("the whole level") << QStringList{"gameLevel"};
        QTest::newRow("the aeroplane in flight") << QStringList{"airplane"};
        QTest::newRow("runway, obstruction, cloud and buoy")
            << QStringList{"landing1", "obstruction1", "cloud1", "buoy1"};
        QTest::newRow("the steering item") << QStringList{"steer"};
        QTest::newRow("everything, root included") << QStringList{"root"};
    }

    void sceneObjectsDestroyedWithoutTheClearingCalls()
    {
        QFETCH(QStringList, destroyed);
        Scene scene;
        QVERIFY(scene.load(dir.path(), levelFile, true));
        GameEngine &engine = scene.engine;
        std::unique_ptr<QQuickItem> &root = scene.root;
        QVERIFY(engine.currentAirplane());
        QVERIFY(engine.currentSteer());

        // In flight: engine timer, steering timer, a landing under way and a free fall.
        engine.enableEngineTimer(true);
        engine.handleAcc(2.0, 1.0, 9.5);
        auto *plane = qobject_cast<QQuickItem *>(engine.currentAirplane());
        plane->setPosition(QPointF(380, 290));
        deliverTimers(&engine, {engine.engineTimer()});
        QVERIFY(engine.landingTimer() != 0);
        engine.startFreeFall();
        QVERIFY(engine.crashTimer() != 0);
        for (int frame = 0; frame < 5; ++frame)
            engine.adjustFlight();
        const QList<int> idsBefore = timerIds(engine);

        for (const QString &name : destroyed) {
            if (name == "root") {
                root.reset();
            } else if (name == "gameLevel") {
                // As the game drops a level: its loader lets go of the document.
                root->setProperty("levelSource", QString());
                QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            } else {
                QObject *victim = root->findChild<QObject *>(name);
                QVERIFY2(victim, qPrintable(name));
                delete victim;
            }
        }
        // What is gone reads as null, never as a dangling pointer.
        const bool levelGone = destroyed.contains("gameLevel") || destroyed.contains("root");
        QCOMPARE(engine.currentLevel() == nullptr, levelGone);
        QCOMPARE(engine.currentAirplane() == nullptr, levelGone || destroyed.contains("airplane"));
        if (levelGone || destroyed.contains("landing1"))
            for (QObject *object : engine.currentObstructions() + engine.currentBuoys())
                QCOMPARE(object, nullptr);

        // The engine keeps going on what is left.
        for (int frame = 0; frame < 20; ++frame) {
            engine.adjustFlight();
            engine.refreshSteer();
            deliverTimers(&engine, idsBefore);
            deliverTimers(engine);
        }
        engine.startFreeFall();
        engine.saveResult(true, 5);
        engine.findQmlObjects();
        deliverTimers(engine);
        engine.levelFinished();
        QCOMPARE(engine.isReady().toBool(), false);
        engine.enableEngineTimer(false);
        QCOMPARE(engine.engineTimer(), 0);
    }

    void hostileAeroplaneValuesNeitherHangNorCrash_data()
    {
        QTest::addColumn<QString>("property");
        QTest::addColumn<QVariant>("value");
        const double inf = std::numeric_limits<double>::infinity();
        // A heading this far out once kept the turn loop going for ever.
        QTest::newRow("heading 1e308") << "angle" << QVariant(1e308);
        QTest::newRow("heading infinity") << "angle" << QVariant(inf);
        QTest::newRow("heading NaN") << "angle" << QVariant(std::nan(""));
        // fps times petrolTime once overflowed an int.
        QTest::newRow("fps and petrol time at the int limit") << "fps+petrolTime" << QVariant(2147483647);
        QTest::newRow("fps 0") << "fps" << QVariant(0);
        QTest::newRow("landing time at the int limit") << "landingTime" << QVariant(2147483647);
        QTest::newRow("resistance 0") << "resistanceFactor" << QVariant(0);
        QTest::newRow("speed infinity") << "speed" << QVariant(inf);
        QTest::newRow("size 1e9") << "width+height" << QVariant(1e9);
    }

    void hostileAeroplaneValuesNeitherHangNorCrash()
    {
        QFETCH(QString, property);
        QFETCH(QVariant, value);
        Scene scene;
        QVERIFY(scene.load(dir.path(), levelFile, true));
        GameEngine &engine = scene.engine;
        QObject *plane = engine.currentAirplane();
        QVERIFY(plane);
        for (const QString &name : property.split('+'))
            QVERIFY(plane->setProperty(qPrintable(name), value));

        {
            const QuietDebug quiet;
            engine.enableEngineTimer(true);
            engine.handleAcc(2.0, 1.0, 9.5);
            // Enough frames to burn the tank of 2 s at 25 fps and start the fall.
            for (int frame = 0; frame < 60; ++frame) {
                engine.adjustFlight();
                deliverTimers(engine);
            }
            engine.startFreeFall();
            deliverTimers(engine);
        }
        engine.enableEngineTimer(false);
        QCOMPARE(engine.engineTimer(), 0);
    }

private:
    QTemporaryDir dir;
    QString levelFile;
};

CIRROVANTA_TEST_MAIN(HostileScenesTest)
#include "tst_hostilescenes.moc"
