#include "common/debuglines.h"
#include "common/scene.h"
#include "common/testenvironment.h"
#include "persistence/settings.h"

#include <QAbstractEventDispatcher>
#include <QJSValue>
#include <QLoggingCategory>
#include <QQuickItem>
#include <QRegularExpression>
#include <QtMath>

// Time is driven by hand: the scenarios send the engine QTimerEvents with the
// ids its accessors report, in the order the timer intervals imply. The real
// timers that the engine starts stay registered, but their events are only
// delivered by an event loop, and these tests never enter one; each flight's
// engine kills its timers when it is destroyed at the end of the test.

namespace {

// A level as the game's documents provide it: every function of the scene
// contract, each recording its call into one list that the test reads. The
// aeroplane (40 x 20, so its centre lies at (20, 10)) and the buoys record
// into the same list, so the order of all calls is visible.
const char *levelDocument = R"(
import QtQuick
import QtQuick.Shapes
Item {
    id: level
    objectName: "gameLevel"
    width: 800; height: 600
    property var calls: []
    function record(entry) { calls.push(entry) }
    function gameOver(passed) { record(["gameOver", passed]) }
    function pauseGame(on) { record(["pauseGame", on]) }
    function explode(x, y) { record(["explode", x, y]) }
    function explodeHappy(x, y) { record(["explodeHappy", x, y]) }
    function showWarningText(text, duration) { record(["showWarningText", text, duration]) }
    function groundWarning(on) { record(["groundWarning", on]) }
    function seatbeltsSign(on) { record(["seatbeltsSign", on]) }

    Item {
        objectName: "airplane"
        width: 40; height: 20
        property real vectorX: 0; property real vectorY: 0
        property real turningFactor: 1; property real accFactor: 1; property real resistanceFactor: 1
        property real speed: 0; property real petrol: 100
        property int fps: 25; property int petrolTime: 60; property int minSpeed: 1; property int maxSpeed: 5
        property real angle: 0; property real tilt: 0
        property real realX: x; property real realY: y
        property int landingTime: 1000
        property int finalSound: 9
        function doLanding(on) { level.record(["doLanding", on]) }
    }
    SCENE
}
)";

QString describe(const QVariant &value)
{
    if (value.typeId() == QMetaType::Bool)
        return value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    if (value.typeId() == QMetaType::QString)
        return '"' + value.toString() + '"';
    return QString::number(value.toDouble());
}

QString point(qreal x, qreal y)
{
    return QString::number(x) + ", " + QString::number(y);
}

// One level loaded into a real item tree, with an engine that found it.
class Flight
{
public:
    explicit Flight(const QString &scene = QString())
    {
        level.reset(qobject_cast<QQuickItem *>(
            createScene(qml, QString::fromLatin1(levelDocument).replace("SCENE", scene).toUtf8()).release()));
        engine.setRootObject(level.get());
        engine.levelReady();
        engine.findQmlObjects();
        plane = qobject_cast<QQuickItem *>(engine.currentAirplane());
    }

    bool loaded() const { return level && plane; }

    // Puts the aeroplane's centre on a point of the level.
    void placeCentre(qreal x, qreal y) { plane->setPosition(QPointF(x - 20, y - 10)); }
    // Places it and starts the engine timer.
    void start(qreal x, qreal y)
    {
        placeCentre(x, y);
        engine.enableEngineTimer(true);
    }

    void deliver(int timerId) { deliverTimers(&engine, {timerId}); }
    void step(int count = 1)
    {
        for (int i = 0; i < count; ++i)
            deliver(engine.engineTimer());
    }

    int intervalOf(int timerId) const
    {
        const auto timers = QAbstractEventDispatcher::instance()->registeredTimers(
            const_cast<GameEngine *>(&engine));
        for (const auto &timer : timers) {
            if (timer.timerId == timerId)
                return int(timer.interval);
        }
        return -1;
    }
    int timersOfEngine() const
    {
        return QAbstractEventDispatcher::instance()
            ->registeredTimers(const_cast<GameEngine *>(&engine))
            .size();
    }

    // The calls recorded since the last look, as "name(arg, arg)".
    QStringList takeCalls()
    {
        QVariant recorded = level->property("calls");
        if (recorded.metaType() == QMetaType::fromType<QJSValue>())
            recorded = recorded.value<QJSValue>().toVariant();
        const QVariantList all = recorded.toList();
        QStringList fresh;
        for (qsizetype i = seenCalls; i < all.size(); ++i) {
            QVariantList entry = all.at(i).toList();
            const QString name = entry.takeFirst().toString();
            QStringList args;
            for (const QVariant &arg : std::as_const(entry))
                args << describe(arg);
            fresh << name + '(' + args.join(", ") + ')';
        }
        seenCalls = all.size();
        return fresh;
    }

    // Sound indices the bank reported since the last look.
    QList<int> takeSounds()
    {
        static const QRegularExpression played(QStringLiteral("^starts playing sound (\\d+)$"));
        QList<int> sounds;
        const QStringList lines = debug.lines();
        for (qsizetype i = seenLines; i < lines.size(); ++i) {
            const QRegularExpressionMatch match = played.match(lines.at(i));
            if (match.hasMatch())
                sounds << match.captured(1).toInt();
        }
        seenLines = lines.size();
        return sounds;
    }

    DebugLines debug;
    QQmlEngine qml;
    std::unique_ptr<QQuickItem> level;
    Settings settings;
    GameEngine engine{nullptr, &settings};
    QQuickItem *plane = nullptr;

private:
    qsizetype seenCalls = 0;
    qsizetype seenLines = 0;
};

const QString landingStrip = QString(
    R"(Item { objectName: "landingStrip"; x: 100; y: 400; width: 400; height: 40 })");

// The warnings as the level records them; kept out of the test macros,
// whose argument splitting does not know raw strings.
const QString terrainWarning = QString(R"(showWarningText("WARNING! Terrain ahead!", 1500))");
const QString landingWarning = QString(R"(showWarningText("Landing. Fasten seatbelts!", 3000))");
const QString landingCancelled =
    QString(R"(showWarningText("Out of the runway, landing cancelled!", 1500))");
const QString dangerousLanding = QString(R"(showWarningText("Dangerous landing!", 1500))");
const QString rockCollision = QString(R"(Collision with  "obstructionRock"  at  QPointF(330,240))");

} // namespace

// Sounds are observed through the bank's debug line "starts playing sound" N.
#define COMPARE_SOUNDS(flight, ...) QCOMPARE((flight).takeSounds(), QList<int> __VA_ARGS__)
// A flight over the given scene; the test fails unless its level loads.
#define FLIGHT(name, ...)                                                                          \
    Flight name{__VA_ARGS__};                                                                      \
    QVERIFY(name.loaded())

class GameStepTest : public QObject
{
    Q_OBJECT

public:
    explicit GameStepTest(const TestEnvironment &) {}

private slots:
    void initTestCase()
    {
        QLoggingCategory::setFilterRules(QStringLiteral("default.debug=true"));
        // Sounds are seen only through the bank's debug line.
        Flight probe;
        probe.engine.playSound(0);
        COMPARE_SOUNDS(probe, {0});
    }

    void hittingAnObstructionEndsTheFlightOnce()
    {
        FLIGHT(flight, QString(R"(Rectangle { objectName: "obstructionRock"; x: 300; y: 200; width: 100; height: 100 })"));
        flight.start(100, 100);
        const int engineId = flight.engine.engineTimer();
        flight.step();
        QCOMPARE(flight.takeCalls(), QStringList{"groundWarning(false)"});

        flight.placeCentre(350, 250);
        flight.step();
        // The explosion is at the middle of the lower edge: P + (w / 2, h).
        QCOMPARE(flight.takeCalls(), (QStringList{"explode(" + point(330 + 20, 240 + 20) + ')',
                                                  "gameOver(false)"}));
        COMPARE_SOUNDS(flight, {6});
        QCOMPARE(flight.plane->opacity(), 0.0);
        QVERIFY(flight.debug.lines().contains(rockCollision));
        QCOMPARE(flight.engine.engineTimer(), 0);
        QCOMPARE(flight.engine.landingTimer(), 0);
        QCOMPARE(flight.engine.crashTimer(), 0);

        // Events of the stopped timer still in flight change nothing.
        flight.deliver(engineId);
        flight.deliver(engineId);
        QCOMPARE(flight.takeCalls(), QStringList());
        COMPARE_SOUNDS(flight, {});
    }

    void terrainAheadWarnsOnceUntilTheWayIsClear()
    {
        // Two rocks in front of the nose (the heading 0 points up), inside the
        // near zone, the centre (200, 300) in neither.
        FLIGHT(flight, QString(R"(
            Rectangle { objectName: "obstructionNear"; x: 190; y: 250; width: 20; height: 30 }
            Rectangle { objectName: "obstructionNext"; x: 215; y: 260; width: 20; height: 20 })"));
        flight.start(200, 300);
        flight.step();
        QCOMPARE(flight.takeCalls(),
                 (QStringList{terrainWarning, "groundWarning(true)", "seatbeltsSign(true)"}));
        COMPARE_SOUNDS(flight, {2});
        QVERIFY(flight.engine.isGroundWarningShown());

        flight.step(2);
        QCOMPARE(flight.takeCalls(), QStringList());
        COMPARE_SOUNDS(flight, {});

        // Turned round, the rocks are still near but no longer ahead.
        flight.plane->setProperty("angle", 3.14159265);
        flight.step();
        QCOMPARE(flight.takeCalls(), (QStringList{"groundWarning(false)", "seatbeltsSign(false)"}));
        QVERIFY(!flight.engine.isGroundWarningShown());
        flight.step();
        QCOMPARE(flight.takeCalls(), QStringList{"groundWarning(false)"});

        flight.plane->setProperty("angle", 0.0);
        flight.step();
        QCOMPARE(flight.takeCalls(),
                 (QStringList{terrainWarning, "groundWarning(true)", "seatbeltsSign(true)"}));
        COMPARE_SOUNDS(flight, {2});
    }

    void terrainFanFollowsTheHeading_data()
    {
        QTest::addColumn<QRectF>("rock");
        QTest::addColumn<qreal>("heading");
        QTest::addColumn<bool>("warned");
        // The aeroplane (40 x 20) has its centre m = (20, 10); the fan runs
        // from m to m + (trunc(sin(a +- 15deg) * 1.5 * 20), trunc(cos(a +- 15deg) * -1.5 * 40)).
        // Heading 0: tips (27, -47) and (13, -47). Heading 90deg: tips (48, 25), (48, -5).
        // Rocks are given in the aeroplane's coordinates, all inside the near zone.
        QTest::newRow("heading 0: rock straight ahead") << QRectF(10, -40, 20, 30) << 0.0 << true;
        QTest::newRow("heading 0: rock beside the nose, outside the fan")
            << QRectF(30, -40, 10, 25) << 0.0 << false;
        QTest::newRow("heading 0: rock behind") << QRectF(10, 25, 20, 10) << 0.0 << false;
        QTest::newRow("heading 90deg: rock to the right") << QRectF(45, 0, 20, 10) << M_PI_2 << true;
        QTest::newRow("heading 90deg: rock above") << QRectF(10, -40, 20, 30) << M_PI_2 << false;
    }

    void terrainFanFollowsTheHeading()
    {
        QFETCH(QRectF, rock);
        QFETCH(qreal, heading);
        QFETCH(bool, warned);

        // The aeroplane's corner lies at (180, 290) in the level.
        const QString scene = QString(R"(Item { objectName: "obstructionRock"; x: %1; y: %2; width: %3; height: %4 })")
                                  .arg(180 + rock.x())
                                  .arg(290 + rock.y())
                                  .arg(rock.width())
                                  .arg(rock.height());
        FLIGHT(flight, scene);
        flight.placeCentre(200, 300);
        flight.plane->setProperty("angle", heading);
        flight.engine.enableEngineTimer(true);
        flight.step();
        if (warned) {
            QCOMPARE(flight.takeCalls(),
                     (QStringList{terrainWarning, "groundWarning(true)", "seatbeltsSign(true)"}));
        } else {
            QCOMPARE(flight.takeCalls(), QStringList{"groundWarning(false)"});
        }
    }

    void anObstructionAheadHidesLaterOnesForThatStep()
    {
        FLIGHT(flight, QString(R"(
            Rectangle { objectName: "obstructionAhead"; x: 190; y: 250; width: 20; height: 30 }
            Rectangle { objectName: "obstructionUnder"; x: 150; y: 280; width: 100; height: 100 })"));
        flight.start(200, 300);
        flight.step();
        QCOMPARE(flight.takeCalls(),
                 (QStringList{terrainWarning, "groundWarning(true)", "seatbeltsSign(true)"}));
        QCOMPARE(flight.plane->opacity(), 1.0);

        flight.engine.currentObstructions().at(0)->setProperty("opacity", 0.0);
        flight.step();
        QCOMPARE(flight.takeCalls(), (QStringList{"explode(" + point(200, 310) + ')', "gameOver(false)"}));
    }

    void obstructionsHitOnlyInsideTheirOutline_data()
    {
        QTest::addColumn<QString>("scene");
        QTest::addColumn<QPointF>("centre");
        QTest::addColumn<bool>("crash");

        const QString tilted = QString(
            R"(Rectangle { objectName: "obstructionTilted"; x: 300; y: 300; width: 100; height: 100; rotation: 45 })");
        // A mountain 200 wide and 100 high with its peak at (100, 0).
        const QString typedMask = QString(R"(
            Item {
                objectName: "obstructionMountain"; x: 300; y: 300; width: 200; height: 100
                containmentMask: QtObject {
                    function contains(point: point) : bool {
                        return point.y <= 100 && Math.abs(point.x - 100) <= point.y
                    }
                }
            })");
        const QString shapeMask = QString(R"(
            Item {
                objectName: "obstructionRidge"; x: 300; y: 300; width: 200; height: 100
                containmentMask: outline
                Shape {
                    id: outline
                    width: 200; height: 100
                    containsMode: Shape.FillContains
                    ShapePath {
                        startX: 0; startY: 100
                        PathLine { x: 100; y: 0 }
                        PathLine { x: 200; y: 100 }
                        PathLine { x: 0; y: 100 }
                    }
                }
            })");

        // The square turned by 45 degrees is a diamond around (350, 350) with
        // a half diagonal of 70.7; its mapped bounding box spans 279.3 to 420.7.
        QTest::newRow("tilted square: corner of its box outside the diamond")
            << tilted << QPointF(290, 290) << false;
        QTest::newRow("tilted square: in the diamond above the unturned square")
            << tilted << QPointF(350, 285) << true;
        QTest::newRow("tilted square: its centre") << tilted << QPointF(350, 350) << true;
        QTest::newRow("mountain function: sky beside the slope")
            << typedMask << QPointF(320, 320) << false;
        QTest::newRow("mountain function: inside the rock")
            << typedMask << QPointF(400, 380) << true;
        QTest::newRow("mountain shape: sky beside the slope")
            << shapeMask << QPointF(320, 320) << false;
        QTest::newRow("mountain shape: inside the rock") << shapeMask << QPointF(400, 380) << true;
    }

    void obstructionsHitOnlyInsideTheirOutline()
    {
        QFETCH(QString, scene);
        QFETCH(QPointF, centre);
        QFETCH(bool, crash);

        FLIGHT(flight, scene);
        QCOMPARE(flight.engine.currentObstructions().size(), 1);
        flight.start(centre.x(), centre.y());
        flight.step();
        if (crash) {
            QCOMPARE(flight.takeCalls(),
                     (QStringList{"explode(" + point(centre.x(), centre.y() + 10) + ')',
                                  "gameOver(false)"}));
            COMPARE_SOUNDS(flight, {6});
        } else {
            // Outside the outline but inside the box: the box still warns.
            QCOMPARE(flight.takeCalls(),
                     (QStringList{terrainWarning, "groundWarning(true)", "seatbeltsSign(true)"}));
            COMPARE_SOUNDS(flight, {2});
            QCOMPARE(flight.plane->opacity(), 1.0);
        }
    }

    void fadingAeroplaneMeetsNothing()
    {
        FLIGHT(flight, QString(R"(
            Item { objectName: "cloudBank"; x: 100; y: 100; width: 200; height: 200 }
            Rectangle { objectName: "obstructionRock"; x: 150; y: 150; width: 100; height: 100 })"));
        flight.plane->setOpacity(0.5);
        flight.start(200, 200);
        flight.step();
        QCOMPARE(flight.takeCalls(), QStringList());
        QCOMPARE(flight.plane->opacity(), 0.5);
        QVERIFY(flight.engine.engineTimer() != 0);

        // In the cloud at full opacity the sign goes on; fading again, the
        // aeroplane counts as in no cloud and the sign goes off.
        flight.plane->setOpacity(1.0);
        flight.placeCentre(120 + 80, 100 + 40);
        flight.step();
        QCOMPARE(flight.takeCalls(), (QStringList{"groundWarning(false)", "seatbeltsSign(true)"}));
        flight.plane->setOpacity(0.5);
        flight.step();
        QCOMPARE(flight.takeCalls(), QStringList{"seatbeltsSign(false)"});
    }

    void stayingOnTheRunwayCompletesTheLanding()
    {
        FLIGHT(flight, landingStrip);
        flight.start(300, 420);
        const int engineId = flight.engine.engineTimer();
        flight.step();
        // No timer ran while the obstructions were walked, so the quiet
        // clear still comes first; the running landing keeps the sign off.
        QCOMPARE(flight.takeCalls(),
                 (QStringList{"groundWarning(false)", "doLanding(true)", "groundWarning(true)",
                              landingWarning}));
        COMPARE_SOUNDS(flight, {3});
        const int landingId = flight.engine.landingTimer();
        QVERIFY(landingId != 0);
        QCOMPARE(flight.intervalOf(landingId), 2 * 1000 / 3);

        flight.step(2);
        QCOMPARE(flight.takeCalls(), QStringList());
        QCOMPARE(flight.engine.landingTimer(), landingId);

        flight.deliver(landingId);
        // Touchdown at P + (w / 2, h) with P = (280, 410).
        QCOMPARE(flight.takeCalls(),
                 (QStringList{"explodeHappy(" + point(300, 430) + ')', "gameOver(true)"}));
        COMPARE_SOUNDS(flight, {9});
        QCOMPARE(flight.engine.engineTimer(), 0);
        QCOMPARE(flight.engine.landingTimer(), 0);
        QCOMPARE(flight.engine.crashTimer(), 0);

        flight.deliver(landingId);
        flight.deliver(engineId);
        QCOMPARE(flight.takeCalls(), QStringList());
    }

    void leavingTheRunwayCancelsTheLanding_data()
    {
        QTest::addColumn<bool>("falling");
        QTest::addColumn<QStringList>("calls");
        QTest::newRow("in flight: the gear goes up") << false
            << QStringList{"doLanding(false)", "groundWarning(false)", landingCancelled};
        QTest::newRow("falling: the gear stays down, the sign on") << true << QStringList{landingCancelled};
    }

    void leavingTheRunwayCancelsTheLanding()
    {
        QFETCH(bool, falling);
        QFETCH(QStringList, calls);
        FLIGHT(flight, landingStrip);
        flight.start(300, 420);
        if (falling)
            flight.engine.startFreeFall();
        flight.step();
        const QStringList before = falling ? QStringList{"doLanding(true)", "groundWarning(false)",
                                                         "seatbeltsSign(true)"}
                                           : QStringList{"groundWarning(false)"};
        QCOMPARE(flight.takeCalls(), (before + QStringList{"doLanding(true)", "groundWarning(true)", landingWarning}));
        const int landingId = flight.engine.landingTimer();

        flight.placeCentre(300, 300);
        flight.step();
        QCOMPARE(flight.takeCalls(), calls);
        QCOMPARE(flight.engine.landingTimer(), 0);
        QCOMPARE(flight.intervalOf(landingId), -1);
        QCOMPARE(flight.engine.crashTimer() != 0, falling);
        QCOMPARE(flight.engine.isSeatbeltsLit(), falling);

        flight.deliver(landingId);
        flight.step();
        QCOMPARE(flight.takeCalls(), falling ? QStringList() : QStringList(1, "groundWarning(false)"));
    }

    void freeFallEndsInACrash()
    {
        FLIGHT(flight, landingStrip);
        flight.start(300, 100);
        flight.engine.startFreeFall();
        QCOMPARE(flight.takeCalls(),
                 (QStringList{"doLanding(true)", "groundWarning(false)", "seatbeltsSign(true)"}));
        const int crashId = flight.engine.crashTimer();
        QCOMPARE(flight.intervalOf(crashId), 2 * 1000);

        // While falling no quiet clear is sent and the sign stays on.
        flight.step(2);
        QCOMPARE(flight.takeCalls(), QStringList());

        flight.plane->setPosition(QPointF(40, 500));
        flight.deliver(crashId);
        QCOMPARE(flight.takeCalls(),
                 (QStringList{"explode(" + point(40 + 20, 500 + 20) + ')', "gameOver(false)"}));
        COMPARE_SOUNDS(flight, {6});
        QCOMPARE(flight.engine.engineTimer(), 0);
        QCOMPARE(flight.engine.crashTimer(), 0);
        QCOMPARE(flight.timersOfEngine(), 0);

        flight.deliver(crashId);
        QCOMPARE(flight.takeCalls(), QStringList());
    }

    void aSecondFreeFallReplacesTheFirst()
    {
        FLIGHT(flight, landingStrip);
        flight.start(300, 100);
        flight.engine.startFreeFall();
        const int firstId = flight.engine.crashTimer();
        flight.engine.startFreeFall();
        const int secondId = flight.engine.crashTimer();
        QVERIFY(secondId != firstId);
        QCOMPARE(flight.takeCalls(),
                 (QStringList{"doLanding(true)", "groundWarning(false)", "seatbeltsSign(true)",
                              "doLanding(true)", "groundWarning(false)"}));
        QCOMPARE(flight.timersOfEngine(), 2);

        flight.deliver(firstId);
        QCOMPARE(flight.takeCalls(), QStringList());
        flight.deliver(secondId);
        QCOMPARE(flight.takeCalls(),
                 (QStringList{"explode(" + point(300, 110) + ')', "gameOver(false)"}));
    }

    void glidingOntoTheRunwayWhileFalling_data()
    {
        QTest::addColumn<int>("arrival");
        QTest::addColumn<bool>("dangerous");
        const int landingTime = 1000;
        QTest::newRow("runway reached at 2L - L/2: the fall ends first, a dangerous landing")
            << 2 * landingTime - landingTime / 2 << true;
        QTest::newRow("runway reached at L: the landing completes first")
            << landingTime << false;
    }

    // Petrol runs out at time 0; a step at `arrival` finds the runway. Which
    // ending wins follows from the two timers' intervals as registered.
    void glidingOntoTheRunwayWhileFalling()
    {
        QFETCH(int, arrival);
        QFETCH(bool, dangerous);

        FLIGHT(flight, landingStrip);
        flight.start(300, 300);
        flight.engine.startFreeFall();
        const int crashId = flight.engine.crashTimer();
        const int crashDue = flight.intervalOf(crashId);
        QCOMPARE(crashDue, 2 * 1000);

        flight.placeCentre(300, 420);
        flight.step();
        const int landingId = flight.engine.landingTimer();
        QVERIFY(landingId != 0);
        QCOMPARE(flight.intervalOf(landingId), 2 * 1000 / 3);
        const int landingDue = arrival + flight.intervalOf(landingId);
        QCOMPARE(crashDue < landingDue, dangerous);
        flight.takeCalls();
        flight.takeSounds();

        flight.deliver(crashDue < landingDue ? crashId : landingId);
        const QString touchdown = point(300, 430);
        if (dangerous) {
            QCOMPARE(flight.takeCalls(),
                     (QStringList{"explode(" + touchdown + ')',
                                  dangerousLanding,
                                  "gameOver(true)"}));
        } else {
            QCOMPARE(flight.takeCalls(),
                     (QStringList{"explodeHappy(" + touchdown + ')', "gameOver(true)"}));
        }
        COMPARE_SOUNDS(flight, {9});
        QCOMPARE(flight.engine.landingTimer(), 0);
        QCOMPARE(flight.engine.crashTimer(), 0);
        QCOMPARE(flight.timersOfEngine(), 0);

        // The timer that lost never ends the flight a second time.
        flight.deliver(crashDue < landingDue ? landingId : crashId);
        QCOMPARE(flight.takeCalls(), QStringList());
        COMPARE_SOUNDS(flight, {});
    }

    void cloudsAreEnteredInsideTheirEllipse_data()
    {
        QTest::addColumn<QSizeF>("size");
        QTest::addColumn<QPointF>("inCloud");
        QTest::addColumn<bool>("entered");
        // The direction a = atan2(dx, dy) from the cloud's centre: the point
        // is in when |dx| <= |w/2 sin a| and |dy| <= |h/2 cos a|, truncated.
        QTest::newRow("square: the centre") << QSizeF(100, 100) << QPointF(50, 50) << true;
        // dx = dy = 45, a = 45 degrees, reach 35 each way.
        QTest::newRow("square: a corner of the box outside the circle")
            << QSizeF(100, 100) << QPointF(5, 5) << false;
        // dx = 0, dy = 48, a = 0: reach 0 across, 50 along.
        QTest::newRow("square: just inside the top") << QSizeF(100, 100) << QPointF(50, 2) << true;
        // dx = 85, dy = 0, a = 90 degrees: reach 100 across.
        QTest::newRow("wide: near the left end") << QSizeF(200, 100) << QPointF(15, 50) << true;
        // dx = 70, dy = 40: reach 86 across but only 24 along.
        QTest::newRow("wide: above the left end") << QSizeF(200, 100) << QPointF(30, 10) << false;
    }

    void cloudsAreEnteredInsideTheirEllipse()
    {
        QFETCH(QSizeF, size);
        QFETCH(QPointF, inCloud);
        QFETCH(bool, entered);

        const QString cloud =
            QString(R"(Item { objectName: "cloudPuff"; x: 500; y: 100; width: %1; height: %2 })")
                .arg(size.width())
                .arg(size.height());
        FLIGHT(flight, cloud);
        flight.start(500 + inCloud.x(), 100 + inCloud.y());
        flight.step();
        if (entered) {
            QCOMPARE(flight.takeCalls(), (QStringList{"groundWarning(false)", "seatbeltsSign(true)"}));
            COMPARE_SOUNDS(flight, {3});
            // With the sign on, the cloud no longer rings.
            flight.step();
            QCOMPARE(flight.takeCalls(), QStringList{"groundWarning(false)"});
            COMPARE_SOUNDS(flight, {});
        } else {
            QCOMPARE(flight.takeCalls(), QStringList{"groundWarning(false)"});
            COMPARE_SOUNDS(flight, {});
            QVERIFY(!flight.engine.isSeatbeltsLit());
        }
    }

    void eachStepTakesAtMostOneLiveBuoy()
    {
        // Four buoys on one spot: a dead one and a faded one come first.
        FLIGHT(flight, QString(R"(
            Item { objectName: "buoyDead"; x: 600; y: 100; width: 30; height: 30; property bool isAlive: false
                   function explode() { level.record(["buoy", objectName]) } }
            Item { objectName: "buoyFaded"; x: 600; y: 100; width: 30; height: 30; opacity: 0; property bool isAlive: true
                   function explode() { level.record(["buoy", objectName]) } }
            Item { objectName: "buoyFirst"; x: 600; y: 100; width: 30; height: 30; property bool isAlive: true
                   function explode() { level.record(["buoy", objectName]); isAlive = false } }
            Item { objectName: "buoySecond"; x: 600; y: 100; width: 30; height: 30; property bool isAlive: true
                   function explode() { level.record(["buoy", objectName]); isAlive = false } })"));
        QCOMPARE(flight.engine.currentBuoys().size(), 4);
        flight.start(615, 115);
        flight.step();
        QCOMPARE(flight.takeCalls(), (QStringList{"groundWarning(false)", "buoy(\"buoyFirst\")"}));
        COMPARE_SOUNDS(flight, {5});
        flight.step();
        QCOMPARE(flight.takeCalls(), (QStringList{"groundWarning(false)", "buoy(\"buoySecond\")"}));
        COMPARE_SOUNDS(flight, {5});
        flight.step();
        QCOMPARE(flight.takeCalls(), QStringList{"groundWarning(false)"});
        COMPARE_SOUNDS(flight, {});
    }

    void aeroplaneGoneBeforeTheEndStillEndsTheFlight_data()
    {
        QTest::addColumn<bool>("falling");
        QTest::addColumn<QString>("ending");
        QTest::addColumn<QList<int>>("sounds");
        QTest::newRow("landing timer fires") << false << "gameOver(true)" << QList<int>{};
        QTest::newRow("crash timer fires") << true << "gameOver(false)" << QList<int>{6};
    }

    void aeroplaneGoneBeforeTheEndStillEndsTheFlight()
    {
        QFETCH(bool, falling);
        QFETCH(QString, ending);
        QFETCH(QList<int>, sounds);

        FLIGHT(flight, landingStrip);
        flight.start(300, falling ? 300 : 420);
        if (falling)
            flight.engine.startFreeFall();
        else
            flight.step();
        const int endingId = falling ? flight.engine.crashTimer() : flight.engine.landingTimer();
        QVERIFY(endingId != 0);
        flight.takeCalls();
        flight.takeSounds();

        delete flight.plane;
        QCOMPARE(flight.engine.currentAirplane(), nullptr);
        flight.deliver(endingId);
        QCOMPARE(flight.takeCalls(), QStringList{ending});
        COMPARE_SOUNDS(flight, (sounds));
        QCOMPARE(flight.timersOfEngine(), 0);

        flight.deliver(endingId);
        QCOMPARE(flight.takeCalls(), QStringList());
    }
};

CIRROVANTA_TEST_MAIN(GameStepTest)
#include "tst_gamestep.moc"
