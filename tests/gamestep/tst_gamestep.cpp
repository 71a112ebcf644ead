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

#include <cmath>
#include <limits>

// The flight model's step and steering angles, what the 80 ms step meets, and
// scenes that break the contract the engine relies on.
// Time is driven by hand: the scenarios send the engine QTimerEvents with the
// ids its accessors report, in the order the timer intervals imply. The real
// timers that the engine starts stay registered, but their events are only
// delivered by an event loop, and these tests never enter one; each flight's
// engine kills its timers when it is destroyed at the end of the test.

namespace {

// A level as the game's documents provide it: every function of the scene
// contract, each recording its call into one list that the test reads. The
// aeroplane (40 x 20, so its centre lies at (20, 10)) and the buoys record
// into the same list, so the order of all calls is visible. The steering item
// starts at -1 everywhere, so that a refresh shows.
const char *levelDocument = R"(
import QtQuick
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
    Item { objectName: "steer"; property real rawangleX: -1; property real rawangleY: -1
           property real rawangleZ: -1; property string axisY: "unset" }
    Item {
        objectName: "airplane"
        width: 40; height: 20
        property real vectorX: 0; property real vectorY: 0
        property real turningFactor: 1; property real accFactor: 1; property real resistanceFactor: 1
        property real speed: 0; property real petrol: 100
        property int fps: 25; property int petrolTime: 30; property int minSpeed: 1; property int maxSpeed: 5
        property real angle: 0; property real tilt: 0
        property real realX; property real realY
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
        engine.findSteer();
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

const char *const inputs[] = {"vectorX", "vectorY", "turningFactor", "speed", "petrol", "accFactor",
                              "resistanceFactor", "minSpeed", "maxSpeed", "angle", "realX", "realY"};
const char *const outputs[] = {"tilt", "angle", "speed", "realX", "realY", "x", "y", "petrol"};
const double g = 9.80665;

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

private slots:
    void initTestCase()
    {
        QLoggingCategory::setFilterRules(QStringLiteral("default.debug=true"));
        // Sounds are seen only through the bank's debug line.
        Flight probe;
        probe.engine.playSound(0);
        COMPARE_SOUNDS(probe, {0});
    }

    // One frame at 25 fps, petrolTime 30 (one burn = 1/750). Worked by hand:
    // the vector (vx, vy) turns the heading towards atan2(vx, vy) by at most
    // the turning factor, adds |vector| * acc to the speed while there is petrol,
    // divides by the resistance, clamps to [min, max] (min only with petrol),
    // then moves by speed/fps along the heading (y grows downwards).
    void frameFollowsTheFlightRules_data()
    {
        QTest::addColumn<QList<double>>("in");
        QTest::addColumn<QList<double>>("out");
        // in: vx vy turn speed petrol acc resistance min max angle realX realY
        // out: tilt angle speed realX realY x y petrol
        QTest::newRow("straight up: (120 + 4) / 2 = 62, 62/25 = 2.48 up")
            << QList<double>{0, 1, 0.05, 120, 0.5, 4, 2, 60, 200, 0, 100, 200}
            << QList<double>{0, 0, 62, 100, 197.52, 100, 197, 0.5 - 1.0 / 750};
        QTest::newRow("right turn limited to 0.05")
            << QList<double>{1, 0, 0.05, 120, 0.5, 4, 2, 60, 200, 0, 100, 200}
            << QList<double>{-0.05, 0.05, 62, 100 + 2.48 * std::sin(0.05), 200 - 2.48 * std::cos(0.05),
                             100, 197, 0.5 - 1.0 / 750};
        QTest::newRow("left turn reached at once: a 3-4-5 heading")
            << QList<double>{-0.6, 0.8, 1, 120, 0.5, 4, 2, 60, 200, 0, 100, 200}
            << QList<double>{std::atan2(0.6, 0.8), -std::atan2(0.6, 0.8), 62, 100 - 0.6 * 2.48,
                             200 - 0.8 * 2.48, 98, 198, 0.5 - 1.0 / 750};
        QTest::newRow("speed capped at the maximum")
            << QList<double>{0, 1, 0.05, 300, 0.5, 4, 2, 60, 100, 0, 100, 200}
            << QList<double>{0, 0, 100, 100, 196, 100, 196, 0.5 - 1.0 / 750};
        QTest::newRow("speed raised to the minimum while there is petrol")
            << QList<double>{0, 1, 0.05, 20, 0.5, 4, 2, 60, 200, 0, 100, 200}
            << QList<double>{0, 0, 60, 100, 197.6, 100, 197, 0.5 - 1.0 / 750};
        QTest::newRow("no petrol: no thrust, no minimum, no burn")
            << QList<double>{0, 1, 0.05, 60, 0, 4, 1.25, 60, 200, 0, 100, 200}
            << QList<double>{0, 0, 48, 100, 198.08, 100, 198, 0};
        QTest::newRow("3.0 towards -3.0 turns the short way across pi, unwrapped")
            << QList<double>{std::sin(-3.0), std::cos(-3.0), 0.2, 120, 0.5, 4, 2, 60, 200, 3, 100, 200}
            << QList<double>{-0.2, 3.2, 62, 100 + 2.48 * std::sin(3.2), 200 - 2.48 * std::cos(3.2), 99, 202,
                             0.5 - 1.0 / 750};
        QTest::newRow("zero vector keeps the heading; 0.5 - 1 rounds down to -1")
            << QList<double>{0, 0, 0.1, 25, 0, 0, 1, 0, 100, -M_PI_2, 0.5, 4.5}
            << QList<double>{0, -M_PI_2, 25, -0.5, 4.5, -1, 4, 0};
    }
    void frameFollowsTheFlightRules()
    {
        QFETCH(QList<double>, in);
        QFETCH(QList<double>, out);
        FLIGHT(flight);
        for (int i = 0; i < in.size(); ++i)
            flight.plane->setProperty(inputs[i], in[i]);
        flight.engine.adjustFlight();
        for (int i = 0; i < out.size(); ++i) {
            const double actual = flight.plane->property(outputs[i]).toDouble();
            QVERIFY2(std::fabs(actual - out[i]) < 1e-4, qPrintable(QString("%1 = %2, not %3")
                                                                   .arg(outputs[i]).arg(actual).arg(out[i])));
        }
        QCOMPARE(flight.takeCalls(), QStringList());
        QCOMPARE(flight.engine.crashTimer(), 0);
    }

    void lastBurnStartsOneFreeFall()
    {
        FLIGHT(flight);
        flight.plane->setProperty("resistanceFactor", 1);
        flight.plane->setProperty("petrol", 0.001); // less than one burn
        for (int i = 0; i < 3; ++i)
            flight.engine.adjustFlight();
        QCOMPARE(flight.plane->property("petrol").toDouble(), 0.0);
        QCOMPARE(flight.takeCalls().filter("doLanding"), QStringList{"doLanding(true)"});
        QVERIFY(flight.engine.crashTimer() != 0);
    }

    void invisibleAeroplaneIsLeftAlone()
    {
        FLIGHT(flight);
        for (auto [name, value] : {std::pair{"vectorX", 1.0}, {"turningFactor", 0.1}, {"speed", 50.0},
                                   {"realX", 0.0}, {"opacity", 0.0}})
            flight.plane->setProperty(name, value);
        flight.engine.adjustFlight();
        QCOMPARE(flight.plane->property("angle").toDouble(), 0.0);
        QCOMPARE(flight.plane->property("realX").toDouble(), 0.0);
    }

    // One reading from rest is filtered to 0.05 of itself, so a reading of
    // 20 g is a filtered 1 g. Each angle is atan2 of the root of the other two
    // squared axes against its own, in degrees; beyond 1 g an axis is 1 g.
    void steeringAnglesFollowTheFilteredReading_data()
    {
        QTest::addColumn<QList<double>>("reading"); // in g, filtered
        QTest::addColumn<QList<double>>("angles");  // X Y Z in degrees
        QTest::addColumn<QString>("axisY");
        QTest::newRow("lying flat") << QList<double>{0, 0, 1} << QList<double>{90, 90, 0} << "y";
        QTest::newRow("standing on its bottom edge") << QList<double>{0, 1, 0} << QList<double>{0, 90, 90} << "y";
        QTest::newRow("on its left edge: x > 0 negates Z, x > y picks z")
            << QList<double>{1, 0, 0} << QList<double>{90, 0, -90} << "z";
        QTest::newRow("face down negates Y") << QList<double>{0, 0, -1} << QList<double>{90, -90, 180} << "y";
        QTest::newRow("three g counts as one") << QList<double>{0, 3, 0} << QList<double>{0, 90, 90} << "y";
        QTest::newRow("three g across counts as one") << QList<double>{3, 0, 1} << QList<double>{90, 45, -45} << "z";
        QTest::newRow("halfway between flat and upright")
            << QList<double>{0, M_SQRT1_2, M_SQRT1_2} << QList<double>{45, 90, 45} << "y";
    }
    void steeringAnglesFollowTheFilteredReading()
    {
        QFETCH(QList<double>, reading);
        QFETCH(QList<double>, angles);
        QFETCH(QString, axisY);
        FLIGHT(flight);
        flight.engine.handleAcc(20 * g * reading[0], 20 * g * reading[1], 20 * g * reading[2]);
        QVERIFY(flight.engine.steerTimer() != 0);
        flight.engine.refreshSteer();
        QObject *steer = named(flight.level.get(), "steer");
        const char *names[] = {"rawangleX", "rawangleY", "rawangleZ"};
        for (int i = 0; i < 3; ++i)
            QVERIFY2(std::fabs(steer->property(names[i]).toDouble() - angles[i]) < 1e-3, names[i]);
        QCOMPARE(steer->property("axisY").toString(), axisY);
    }

    void steeringTimerRefreshesOnlyWhileTheEngineTimerIsStopped()
    {
        FLIGHT(flight);
        QObject *steer = named(flight.level.get(), "steer");
        flight.engine.handleAcc(0.0, 20 * g, 0.0);
        flight.engine.enableEngineTimer(true);
        flight.deliver(flight.engine.steerTimer());
        QCOMPARE(steer->property("rawangleX").toDouble(), -1.0);
        flight.engine.enableEngineTimer(false);
        flight.deliver(flight.engine.steerTimer());
        QCOMPARE(steer->property("rawangleX").toDouble(), 0.0);
    }

    // One step of the 80 ms clock against one thing in the level. Rocks warn
    // when they lie in the near zone and the fan ahead of the nose (from the
    // centre m to m + (trunc(sin(a +- 15deg) * 1.5 * w/2), trunc(cos(a +- 15deg) * -1.5 * h*2)),
    // i.e. tips (27, -47) and (13, -47) at heading 0, (48, 25) and (48, -5) at 90deg,
    // in the aeroplane's own coordinates); they end the flight when the centre
    // is inside their outline, exploding at the middle of the lower edge P + (w/2, h).
    // A cloud (w x h) is entered when |dx| <= |w/2 sin a| and |dy| <= |h/2 cos a|,
    // truncated, with a = atan2(dx, dy) from its centre.
    void oneStepMeetsWhatLiesAhead_data()
    {
        QTest::addColumn<QString>("scene");
        QTest::addColumn<QPointF>("centre");
        QTest::addColumn<qreal>("heading");
        QTest::addColumn<QStringList>("calls");
        QTest::addColumn<QList<int>>("sounds");
        const auto item = [](const char *name, int x, int y, int w, int h) {
            return QString(R"(Item { objectName: "%1"; x: %2; y: %3; width: %4; height: %5 })")
                .arg(name).arg(x).arg(y).arg(w).arg(h);
        };
        const QStringList warned{terrainWarning, "groundWarning(true)", "seatbeltsSign(true)"};
        const QStringList quiet{"groundWarning(false)"};
        const QStringList inCloud{"groundWarning(false)", "seatbeltsSign(true)"};
        const auto crash = [](qreal x, qreal y) { return QStringList{"explode(" + point(x, y + 10) + ')', "gameOver(false)"}; };
        const QString tilted = QString(
            R"(Rectangle { objectName: "obstructionTilted"; x: 300; y: 300; width: 100; height: 100; rotation: 45 })");
        // A mountain 200 wide and 100 high with its peak at (100, 0).
        const QString mountain = QString(R"(
            Item {
                objectName: "obstructionMountain"; x: 300; y: 300; width: 200; height: 100
                containmentMask: QtObject {
                    function contains(point: point) : bool {
                        return point.y <= 100 && Math.abs(point.x - 100) <= point.y
                    }
                }
            })");
        const QPointF m(200, 300); // the aeroplane's corner at (180, 290)
        QTest::newRow("heading 0: rock straight ahead") << item("obstructionRock", 190, 250, 20, 30) << m << 0.0 << warned << QList<int>{2};
        QTest::newRow("heading 0: rock beside the nose") << item("obstructionRock", 210, 250, 10, 25) << m << 0.0 << quiet << QList<int>{};
        QTest::newRow("heading 0: rock behind") << item("obstructionRock", 190, 315, 20, 10) << m << 0.0 << quiet << QList<int>{};
        QTest::newRow("heading 90deg: rock to the right") << item("obstructionRock", 225, 290, 20, 10) << m << M_PI_2 << warned << QList<int>{2};
        QTest::newRow("heading 90deg: rock above") << item("obstructionRock", 190, 250, 20, 30) << m << M_PI_2 << quiet << QList<int>{};
        // Heading 180deg: the fan reaches 57 below the centre, the near zone only 30.
        QTest::newRow("heading 180deg: rock in the fan beyond the near zone") << item("obstructionRock", 195, 335, 10, 10) << m << M_PI << quiet << QList<int>{};
        // The square turned by 45 degrees is a diamond around (350, 350) with
        // a half diagonal of 70.7; its mapped bounding box spans 279.3 to 420.7.
        QTest::newRow("tilted square: its box's corner warns") << tilted << QPointF(290, 290) << 0.0 << warned << QList<int>{2};
        QTest::newRow("tilted square: in the diamond above the unturned square") << tilted << QPointF(350, 285) << 0.0 << crash(350, 285) << QList<int>{6};
        QTest::newRow("mountain: sky beside the slope warns") << mountain << QPointF(320, 320) << 0.0 << warned << QList<int>{2};
        QTest::newRow("mountain: inside the rock") << mountain << QPointF(400, 380) << 0.0 << crash(400, 380) << QList<int>{6};
        QTest::newRow("square cloud: its centre") << item("cloudPuff", 500, 100, 100, 100) << QPointF(550, 150) << 0.0 << inCloud << QList<int>{3};
        // dx = dy = 45, a = 45 degrees, reach 35 each way.
        QTest::newRow("square cloud: a corner of the box") << item("cloudPuff", 500, 100, 100, 100) << QPointF(505, 105) << 0.0 << quiet << QList<int>{};
        // dx = 0, dy = 48, a = 0: reach 0 across, 50 along.
        QTest::newRow("square cloud: just inside the top") << item("cloudPuff", 500, 100, 100, 100) << QPointF(550, 102) << 0.0 << inCloud << QList<int>{3};
        // dx = 85, dy = 0, a = 90 degrees: reach 100 across.
        QTest::newRow("wide cloud: near the left end") << item("cloudPuff", 500, 100, 200, 100) << QPointF(515, 150) << 0.0 << inCloud << QList<int>{3};
        // dx = 70, dy = 40: reach 86 across but only 24 along.
        QTest::newRow("wide cloud: above the left end") << item("cloudPuff", 500, 100, 200, 100) << QPointF(530, 110) << 0.0 << quiet << QList<int>{};
        // dx = 42, dy = 56 from the centre of a tall cloud: reach 30 across, 80 along.
        QTest::newRow("tall cloud: beside its middle") << item("cloudPuff", 500, 100, 100, 200) << QPointF(508, 144) << 0.0 << quiet << QList<int>{};
    }

    void oneStepMeetsWhatLiesAhead()
    {
        QFETCH(QString, scene);
        QFETCH(QPointF, centre);
        QFETCH(qreal, heading);
        QFETCH(QStringList, calls);
        QFETCH(QList<int>, sounds);
        FLIGHT(flight, scene);
        flight.placeCentre(centre.x(), centre.y());
        flight.plane->setProperty("angle", heading);
        flight.engine.enableEngineTimer(true);
        flight.step();
        QCOMPARE(flight.takeCalls(), calls);
        QCOMPARE(flight.takeSounds(), sounds);
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

    void stoppingTheEngineEndsALandingAndAFall()
    {
        FLIGHT(flight, landingStrip);
        flight.start(300, 420);
        flight.step();
        flight.engine.startFreeFall();
        QVERIFY(flight.engine.landingTimer() != 0 && flight.engine.crashTimer() != 0);
        flight.engine.enableEngineTimer(false);
        QCOMPARE(flight.engine.landingTimer(), 0);
        QCOMPARE(flight.engine.crashTimer(), 0);
        QCOMPARE(flight.timersOfEngine(), 0);
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

    // Scene objects destroyed without the clearing calls: what is gone reads as
    // null, never as a dangling pointer, and the engine keeps going on what is
    // left. (A sanitizer build turns any fault on the way into a failure.)
    void sceneObjectsDestroyedWithoutTheClearingCalls_data()
    {
        QTest::addColumn<QStringList>("destroyed");
        QTest::newRow("the whole level") << QStringList{"gameLevel"};
        QTest::newRow("the aeroplane in flight") << QStringList{"airplane"};
        QTest::newRow("runway, obstruction, cloud and buoy") << QStringList{"landing1", "obstruction1", "cloud1", "buoy1"};
        QTest::newRow("the steering item") << QStringList{"steer"};
    }
    void sceneObjectsDestroyedWithoutTheClearingCalls()
    {
        QFETCH(QStringList, destroyed);
        FLIGHT(flight, QString(R"(
            Rectangle { objectName: "landing1"; x: 300; y: 280; width: 200; height: 40 }
            Rectangle { objectName: "obstruction1"; x: 600; y: 0; width: 50; height: 600 }
            Rectangle { objectName: "cloud1"; x: 100; y: 300; width: 120; height: 80 }
            Rectangle { objectName: "buoy1"; x: 200; y: 200; width: 20; height: 20; property bool isAlive: true
                        function explode() { isAlive = false } })"));
        GameEngine &engine = flight.engine;
        // In flight: engine timer, steering timer, a landing under way and a free fall.
        engine.handleAcc(2.0, 1.0, 9.5);
        flight.start(400, 300);
        flight.step();
        QVERIFY(engine.landingTimer() != 0);
        engine.startFreeFall();
        for (int frame = 0; frame < 5; ++frame)
            engine.adjustFlight();
        const QList<int> idsBefore = timerIds(engine);
        for (const QString &name : destroyed) {
            if (name == "gameLevel")
                flight.level.reset();
            else
                delete named(flight.level.get(), name);
        }
        const bool levelGone = destroyed.contains("gameLevel");
        QCOMPARE(engine.currentLevel() == nullptr, levelGone);
        QCOMPARE(engine.currentAirplane() == nullptr, levelGone || destroyed.contains("airplane"));
        if (levelGone || destroyed.contains("landing1"))
            for (QObject *object : engine.currentObstructions() + engine.currentBuoys())
                QCOMPARE(object, nullptr);
        const QuietDebug quiet;
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

    // Aeroplane values no level should set neither hang nor crash the engine.
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
        FLIGHT(flight, landingStrip);
        // Under way, with a tank of 0.01 that the first frames burn.
        for (auto [name, start] : {std::pair{"vectorX", 0.3}, {"vectorY", 0.7}, {"turningFactor", 0.1},
                                   {"speed", 30.0}, {"maxSpeed", 80.0}, {"petrol", 0.01}})
            flight.plane->setProperty(name, start);
        for (const QString &name : property.split('+'))
            QVERIFY(flight.plane->setProperty(qPrintable(name), value));
        {
            const QuietDebug quiet;
            flight.start(300, 300);
            flight.engine.handleAcc(2.0, 1.0, 9.5);
            for (int frame = 0; frame < 60; ++frame) {
                flight.engine.adjustFlight();
                deliverTimers(flight.engine);
            }
            flight.engine.startFreeFall();
            deliverTimers(flight.engine);
        }
        flight.engine.enableEngineTimer(false);
        QCOMPARE(flight.engine.engineTimer(), 0);
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

};

CIRROVANTA_TEST_MAIN(GameStepTest)
#include "tst_gamestep.moc"
