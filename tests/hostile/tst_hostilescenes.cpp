// Scenes that break the contract the engine relies on: a level document that
// does not compile, a level without its aeroplane or a root without its
// steering item, scene objects destroyed without the clearing calls, and
// thousands of random calls from QML with arguments of every type. Nothing
// may crash; a sanitizer build turns any memory or undefined-behaviour fault
// on the way into a failure.
#include "common/debuglines.h"
#include "common/testenvironment.h"
#include "engine/gameengine.h"
#include "persistence/settings.h"

#include <QJSValue>
#include <QMetaMethod>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickItem>
#include <QTimerEvent>

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

// Calls every method it is given with random arguments, and now and then
// rewrites the aeroplane's properties, replaces the level without the
// clearing calls or destroys it. A seeded generator makes runs repeatable.
const char *callerSource = R"(
import QtQuick
QtObject {
    property var state: 1
    property int thrown: 0
    property int calls: 0
    function random() {
        state = (state * 1103515245 + 12345) % 2147483648
        return state / 2147483648
    }
    function pick(list) { return list[Math.floor(random() * list.length)] }
    function values(root) {
        return [0, 1, -1, 2, 6, 20, 21, 22, 0.5, -0.5, 1e9, -1e9, 1e308, -1e308, 2147483647,
                2147483648, -2147483649, 4294967296, NaN, Infinity, -Infinity, -0,
                "", "0", "1", "-7", "1e400", "abc", "g/l", "g", "/", "../../..", "\u0000x",
                "x".repeat(5000), "\u00e9\u{1F600}", null, undefined, true, false, {}, [], [1, 2, 3],
                { x: 1, y: "2" }, function() { return 1 }, root, new Date(0), /re/]
    }
    function run(engine, methods, root, count) {
        var pool = values(root)
        var properties = ["fps", "petrolTime", "landingTime", "finalSound", "speed", "petrol",
                          "angle", "vectorX", "vectorY", "turningFactor", "accFactor",
                          "resistanceFactor", "minSpeed", "maxSpeed", "opacity", "x", "y",
                          "realX", "realY", "width", "height"]
        for (var i = 0; i < count; ++i) {
            var r = random()
            try {
                if (r < 0.15) {
                    var plane = root.level ? findPlane(root.level) : null
                    if (plane)
                        plane[pick(properties)] = pick(pool)
                } else if (r < 0.152) {
                    root.levelSource = ""
                    root.levelSource = pick(["LEVEL", "BROKEN", ""])
                } else {
                    var method = pick(methods)
                    var args = []
                    var n = method.count + (random() < 0.05 ? pick([-1, 1, 3]) : 0)
                    for (var k = 0; k < n; ++k)
                        args.push(pick(pool))
                    ++calls
                    engine[method.name].apply(engine, args)
                }
            } catch (e) {
                ++thrown
            }
        }
    }
    function findPlane(level) {
        for (var i = 0; i < level.children.length; ++i)
            if (level.children[i].objectName === "airplane")
                return level.children[i]
        return null
    }
}
)";

void writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

void deliver(GameEngine &engine, int timerId)
{
    if (timerId == 0)
        return;
    QTimerEvent event(timerId);
    QCoreApplication::sendEvent(&engine, &event);
}

void deliverAll(GameEngine &engine, const QList<int> &ids)
{
    for (int id : ids)
        deliver(engine, id);
}

QList<int> timerIds(const GameEngine &engine)
{
    return {engine.engineTimer(), engine.landingTimer(), engine.crashTimer(), engine.steerTimer()};
}

void swallowDebug(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type != QtDebugMsg)
        qt_message_output(type, context, message);
}

} // namespace

class HostileScenesTest : public QObject
{
    Q_OBJECT

public:
    explicit HostileScenesTest(const TestEnvironment &) {}

private slots:
    void initTestCase();
    void brokenLevelDocumentLeavesTheEngineIdle();
    void levelWithoutAeroplaneAndRootWithoutSteeringItem();
    void sceneObjectsDestroyedWithoutTheClearingCalls_data();
    void sceneObjectsDestroyedWithoutTheClearingCalls();
    void hostileAeroplaneValuesNeitherHangNorCrash_data();
    void hostileAeroplaneValuesNeitherHangNorCrash();
    void randomCallsFromQmlWithArgumentsOfEveryType();

private:
    // A root document (with or without steering item) showing the given level.
    std::unique_ptr<QQuickItem> loadScene(QQmlEngine &qml, const QString &levelFile, bool withSteer);
    void waitForLevel(QQuickItem *root);

    QTemporaryDir dir;
    QString levelFile;
    QString brokenFile;
    QString planelessFile;
};

void HostileScenesTest::initTestCase()
{
    QVERIFY(dir.isValid());
    levelFile = dir.filePath("Level.qml");
    brokenFile = dir.filePath("Broken.qml");
    planelessFile = dir.filePath("Planeless.qml");
    writeFile(levelFile, levelSource);
    // An unknown type, a missing brace and a property of no type.
    writeFile(brokenFile, "import QtQuick\nItem { objectName: \"gameLevel\"\n NoSuchType { }\n "
                          "property nonsense x: \n");
    writeFile(planelessFile,
              QByteArray(levelSource).replace("objectName: \"airplane\"", "objectName: \"glider\""));
}

std::unique_ptr<QQuickItem> HostileScenesTest::loadScene(QQmlEngine &qml, const QString &level,
                                                         bool withSteer)
{
    QQmlComponent component(&qml);
    component.setData(QByteArray(rootSource).replace("STEER", withSteer ? steerSource : ""),
                      QUrl::fromLocalFile(dir.filePath("root.qml")));
    std::unique_ptr<QQuickItem> root(qobject_cast<QQuickItem *>(component.create()));
    if (!root) {
        qWarning() << component.errors();
        return root;
    }
    root->setProperty("levelSource", QUrl::fromLocalFile(level));
    waitForLevel(root.get());
    return root;
}

void HostileScenesTest::waitForLevel(QQuickItem *root)
{
    // Loading from a local file is synchronous; a broken one leaves no item.
    QCoreApplication::processEvents();
    Q_UNUSED(root);
}

void HostileScenesTest::brokenLevelDocumentLeavesTheEngineIdle()
{
    Settings settings;
    GameEngine engine(nullptr, &settings);
    QQmlEngine qml;
    qml.rootContext()->setContextProperty("GameEngine", &engine);
    std::unique_ptr<QQuickItem> root = loadScene(qml, brokenFile, true);
    QVERIFY(root);
    QVERIFY(root->property("level").value<QObject *>() == nullptr);

    DebugLines debug;
    engine.setRootObject(root.get());
    engine.findSteer();
    engine.levelReady();
    engine.findQmlObjects();
    engine.enableEngineTimer(true);
    engine.handleAcc(1.0, -2.0, 9.0);
    engine.adjustFlight();
    engine.startFreeFall();
    deliverAll(engine, timerIds(engine));
    engine.saveResult(true, 100);

    QVERIFY(debug.lines().contains("no level found after load!"));
    QVERIFY(debug.lines().contains("ship missing"));
    QCOMPARE(engine.isReady().toBool(), false);
    QCOMPARE(engine.crashTimer(), 0);
    // The result of the level is stored even though the scene is broken.
    QCOMPARE(engine.getResult("g/l").toInt(), 100);
    engine.enableEngineTimer(false);
}

void HostileScenesTest::levelWithoutAeroplaneAndRootWithoutSteeringItem()
{
    Settings settings;
    GameEngine engine(nullptr, &settings);
    QQmlEngine qml;
    qml.rootContext()->setContextProperty("GameEngine", &engine);
    std::unique_ptr<QQuickItem> root = loadScene(qml, planelessFile, false);
    QVERIFY(root);
    QVERIFY(root->property("level").value<QObject *>() != nullptr);

    DebugLines debug;
    engine.setRootObject(root.get());
    engine.findSteer();
    engine.levelReady();
    engine.findQmlObjects();
    QVERIFY(engine.isReady().toBool());
    QVERIFY(!engine.currentAirplane());
    QVERIFY(!engine.currentSteer());
    QCOMPARE(engine.currentLandings().size(), 1);

    engine.enableEngineTimer(true);
    engine.handleAcc(3.0, 1.0, 9.0);
    QVERIFY(engine.steerTimer() != 0);
    for (int frame = 0; frame < 50; ++frame) {
        engine.adjustFlight();
        deliverAll(engine, timerIds(engine));
    }
    engine.startFreeFall();
    engine.refreshSteer();

    QVERIFY(debug.lines().contains("no steer found in the game"));
    QCOMPARE(debug.lines().count("ship missing"), 50);
    QCOMPARE(engine.landingTimer(), 0);
    QCOMPARE(engine.crashTimer(), 0);
    engine.enableEngineTimer(false);
}

void HostileScenesTest::sceneObjectsDestroyedWithoutTheClearingCalls_data()
{
    QTest::addColumn<QStringList>("destroyed");
    QTest::newRow("the whole level") << QStringList{"gameLevel"};
    QTest::newRow("the aeroplane in flight") << QStringList{"airplane"};
    QTest::newRow("runway, obstruction, cloud and buoy")
        << QStringList{"landing1", "obstruction1", "cloud1", "buoy1"};
    QTest::newRow("the steering item") << QStringList{"steer"};
    QTest::newRow("everything, root included") << QStringList{"root"};
}

void HostileScenesTest::sceneObjectsDestroyedWithoutTheClearingCalls()
{
    QFETCH(QStringList, destroyed);
    Settings settings;
    GameEngine engine(nullptr, &settings);
    QQmlEngine qml;
    qml.rootContext()->setContextProperty("GameEngine", &engine);
    std::unique_ptr<QQuickItem> root = loadScene(qml, levelFile, true);
    QVERIFY(root);

    engine.setRootObject(root.get());
    engine.findSteer();
    engine.levelReady();
    engine.findQmlObjects();
    QVERIFY(engine.currentAirplane());
    QVERIFY(engine.currentSteer());

    // In flight: engine timer, steering timer, a landing under way and a free fall.
    engine.enableEngineTimer(true);
    engine.handleAcc(2.0, 1.0, 9.5);
    auto *plane = qobject_cast<QQuickItem *>(engine.currentAirplane());
    plane->setPosition(QPointF(380, 290));
    deliver(engine, engine.engineTimer());
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
    if (destroyed.contains("gameLevel"))
        QVERIFY(!engine.currentLevel());

    // The engine keeps going on what is left.
    for (int frame = 0; frame < 20; ++frame) {
        engine.adjustFlight();
        engine.refreshSteer();
        deliverAll(engine, idsBefore);
        deliverAll(engine, timerIds(engine));
    }
    engine.handleAcc(-3.0, 2.0, 8.0);
    deliverAll(engine, timerIds(engine));
    engine.startFreeFall();
    engine.activationChangeFiltered();
    engine.saveResult(true, 5);
    (void)engine.getCurrentResult();
    (void)engine.isReady();
    engine.findQmlObjects();
    deliverAll(engine, timerIds(engine));
    engine.clearQmlObjects();
    engine.levelFinished();
    QVERIFY(!engine.currentAirplane());
    QCOMPARE(engine.isReady().toBool(), false);
    engine.enableEngineTimer(false);
    QCOMPARE(engine.engineTimer(), 0);
}

void HostileScenesTest::hostileAeroplaneValuesNeitherHangNorCrash_data()
{
    QTest::addColumn<QString>("property");
    QTest::addColumn<QVariant>("value");
    const double inf = std::numeric_limits<double>::infinity();
    // A heading this far out once kept the turn loop going for ever.
    QTest::newRow("heading 1e308") << "angle" << QVariant(1e308);
    QTest::newRow("heading -infinity") << "angle" << QVariant(-inf);
    QTest::newRow("heading infinity") << "angle" << QVariant(inf);
    QTest::newRow("heading NaN") << "angle" << QVariant(std::nan(""));
    QTest::newRow("heading 1e9") << "angle" << QVariant(1e9);
    // fps times petrolTime once overflowed an int.
    QTest::newRow("fps and petrol time at the int limit") << "fps+petrolTime" << QVariant(2147483647);
    QTest::newRow("fps 0") << "fps" << QVariant(0);
    QTest::newRow("landing time at the int limit") << "landingTime" << QVariant(2147483647);
    QTest::newRow("negative landing time") << "landingTime" << QVariant(-5);
    QTest::newRow("resistance 0") << "resistanceFactor" << QVariant(0);
    QTest::newRow("speed infinity") << "speed" << QVariant(inf);
    QTest::newRow("size 1e9") << "width+height" << QVariant(1e9);
}

void HostileScenesTest::hostileAeroplaneValuesNeitherHangNorCrash()
{
    QFETCH(QString, property);
    QFETCH(QVariant, value);
    Settings settings;
    GameEngine engine(nullptr, &settings);
    QQmlEngine qml;
    qml.rootContext()->setContextProperty("GameEngine", &engine);
    std::unique_ptr<QQuickItem> root = loadScene(qml, levelFile, true);
    QVERIFY(root);
    engine.setRootObject(root.get());
    engine.findSteer();
    engine.levelReady();
    engine.findQmlObjects();
    QObject *plane = engine.currentAirplane();
    QVERIFY(plane);
    for (const QString &name : property.split('+'))
        QVERIFY(plane->setProperty(qPrintable(name), value));

    const QtMessageHandler previous = qInstallMessageHandler(swallowDebug);
    engine.enableEngineTimer(true);
    engine.handleAcc(2.0, 1.0, 9.5);
    // Enough frames to burn the tank of 2 s at 25 fps and start the fall.
    for (int frame = 0; frame < 60; ++frame) {
        engine.adjustFlight();
        deliverAll(engine, timerIds(engine));
    }
    engine.startFreeFall();
    deliverAll(engine, timerIds(engine));
    qInstallMessageHandler(previous);
    engine.enableEngineTimer(false);
    QCOMPARE(engine.engineTimer(), 0);
}

void HostileScenesTest::randomCallsFromQmlWithArgumentsOfEveryType()
{
    Settings settings;
    GameEngine engine(nullptr, &settings);
    QQmlEngine qml;
    qml.rootContext()->setContextProperty("GameEngine", &engine);

    const QString rootFile = dir.filePath("randomroot.qml");
    writeFile(rootFile, QByteArray(rootSource).replace("STEER", steerSource));
    QQmlComponent rootComponent(&qml, QUrl::fromLocalFile(rootFile));
    std::unique_ptr<QQuickItem> root(qobject_cast<QQuickItem *>(rootComponent.create()));
    QVERIFY2(root, qPrintable(rootComponent.errorString()));
    root->setProperty("levelSource", QUrl::fromLocalFile(levelFile));
    QObject::connect(root.get(), SIGNAL(levelReady()), &engine, SLOT(levelReady()));
    engine.setRootObject(root.get());
    engine.findSteer();

    QQmlComponent callerComponent(&qml);
    callerComponent.setData(QByteArray(callerSource)
                                .replace("\"LEVEL\"", '"' + QUrl::fromLocalFile(levelFile).toEncoded() + '"')
                                .replace("\"BROKEN\"", '"' + QUrl::fromLocalFile(brokenFile).toEncoded() + '"'),
                            QUrl::fromLocalFile(dir.filePath("caller.qml")));
    std::unique_ptr<QObject> caller(callerComponent.create());
    QVERIFY2(caller, qPrintable(callerComponent.errorString()));

    // Every method of the engine's own table that QML can reach.
    QVariantList methods;
    const QMetaObject &meta = GameEngine::staticMetaObject;
    for (int i = meta.methodOffset(); i < meta.methodCount(); ++i) {
        const QMetaMethod method = meta.method(i);
        if (method.access() != QMetaMethod::Public)
            continue;
        methods.append(QVariantMap{{"name", QString::fromLatin1(method.name())},
                                   {"count", method.parameterCount()}});
    }
    QVERIFY(methods.size() >= 30);

    // The debug lines of 10,000 calls would drown the log.
    const QtMessageHandler previous = qInstallMessageHandler(swallowDebug);
    caller->setProperty("state", 20261205);
    const QJSValue jsEngine = qml.toScriptValue<QObject *>(&engine);
    const QJSValue jsMethods = qml.toScriptValue(methods);
    const QJSValue jsRoot = qml.toScriptValue<QObject *>(root.get());
    while (caller->property("calls").toInt() < 10000) {
        QVariant result;
        QVERIFY(QMetaObject::invokeMethod(caller.get(), "run", Q_RETURN_ARG(QVariant, result),
                                          Q_ARG(QVariant, QVariant::fromValue(jsEngine)),
                                          Q_ARG(QVariant, QVariant::fromValue(jsMethods)),
                                          Q_ARG(QVariant, QVariant::fromValue(jsRoot)),
                                          Q_ARG(QVariant, 500)));
        // Between batches the timers fire, by hand and from the event loop.
        deliverAll(engine, timerIds(engine));
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    qInstallMessageHandler(previous);
    const int calls = caller->property("calls").toInt();
    qInfo() << "random calls:" << calls << "thrown:" << caller->property("thrown").toInt();
    QVERIFY(calls >= 10000);

    // Still a working engine: a fresh level flies.
    engine.clearQmlObjects();
    engine.levelFinished();
    root->setProperty("levelSource", QString());
    root->setProperty("levelSource", QUrl::fromLocalFile(levelFile));
    QCoreApplication::processEvents();
    engine.levelReady();
    engine.findQmlObjects();
    QObject *plane = engine.currentAirplane();
    QVERIFY(plane);
    const qreal before = plane->property("realX").toReal();
    engine.adjustFlight();
    QVERIFY(plane->property("realX").toReal() != before);
    engine.enableEngineTimer(false);
    QCOMPARE(engine.engineTimer(), 0);
}

CIRROVANTA_TEST_MAIN(HostileScenesTest)
#include "tst_hostilescenes.moc"
