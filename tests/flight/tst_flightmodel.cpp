#include "common/scene.h"
#include "common/testenvironment.h"

#include <cmath>

namespace {

// A level with an aeroplane that counts the free falls started on it.
const QByteArray flightScene = R"(
import QtQuick
Item {
    Item {
        objectName: "steer"
        property real rawangleX: -1
        property real rawangleY: -1
        property real rawangleZ: -1
        property string axisY: "unset"
    }
    Item {
        objectName: "gameLevel"
        function groundWarning(on) {}
        function seatbeltsSign(on) {}
        Item {
            objectName: "airplane"
            property real vectorX; property real vectorY; property real turningFactor
            property real speed; property real petrol; property real accFactor
            property real resistanceFactor; property int fps; property int petrolTime
            property int minSpeed; property int maxSpeed; property real angle
            property real tilt; property real realX; property real realY
            property int landingTime: 1000
            property int freeFalls: 0
            function doLanding(on) { freeFalls += 1 }
        }
    }
}
)";

struct Plane
{
    double vectorX, vectorY, turningFactor, speed, petrol, accFactor, resistanceFactor;
    int fps, petrolTime, minSpeed, maxSpeed;
    double angle, realX, realY;
};

struct Step
{
    double tilt, angle, speed, realX, realY, x, y, petrol;
};

// The flight step written out from its rules, independent of the engine.
Step expectedStep(const Plane &p)
{
    double turn = 0;
    double length = 0;
    double theta = p.angle;
    if (!(p.vectorX == 0 && p.vectorY == 0)) {
        const float target = float(std::atan2(p.vectorX, p.vectorY));
        double d = target - theta;
        while (d < -3.14159f)
            d += 6.28318f;
        while (d > 3.14159f)
            d -= 6.28318f;
        turn = d < -p.turningFactor ? -p.turningFactor : d > p.turningFactor ? p.turningFactor : d;
        theta += turn;
        length = p.vectorY * std::cos(double(target)) + p.vectorX * std::sin(double(target));
    }
    double v = p.speed;
    if (p.petrol > 0)
        v += length * p.accFactor;
    v /= p.resistanceFactor;
    if (v < p.minSpeed && p.petrol != 0)
        v = p.minSpeed;
    else if (v > p.maxSpeed)
        v = p.maxSpeed;
    const float realX = float(p.realX + float(std::sin(theta) * v) / p.fps);
    const float realY = float(p.realY - float(std::cos(theta) * v) / p.fps);
    float petrol = float(p.petrol);
    if (p.petrol > 0)
        petrol = float(p.petrol - 1.0 / (p.fps * p.petrolTime));
    if (petrol < 0)
        petrol = 0;
    return {float(-turn), float(theta), float(v), realX, realY,
            std::floor(double(realX)), std::floor(double(realY)), petrol};
}

} // namespace

Q_DECLARE_METATYPE(Plane)

namespace {

const Plane cruising = {0, 1, 0.05, 120, 0.5, 4, 1.05, 25, 30, 60, 200, 0, 100.25, 200.5};

bool closeTo(double actual, double expected)
{
    return std::fabs(actual - expected) <= 1e-6 * std::max(1.0, std::fabs(expected));
}

} // namespace

#define COMPARE_STEP(actual, expected)                                                            \
    do {                                                                                           \
        const Step a_ = (actual), e_ = (expected);                                                 \
        QVERIFY2(closeTo(a_.tilt, e_.tilt), qPrintable(QString::number(a_.tilt)));                 \
        QVERIFY2(closeTo(a_.angle, e_.angle), qPrintable(QString::number(a_.angle)));              \
        QVERIFY2(closeTo(a_.speed, e_.speed), qPrintable(QString::number(a_.speed)));              \
        QVERIFY2(closeTo(a_.realX, e_.realX), qPrintable(QString::number(a_.realX)));              \
        QVERIFY2(closeTo(a_.realY, e_.realY), qPrintable(QString::number(a_.realY)));              \
        QCOMPARE(a_.x, e_.x);                                                                      \
        QCOMPARE(a_.y, e_.y);                                                                      \
        QVERIFY2(closeTo(a_.petrol, e_.petrol), qPrintable(QString::number(a_.petrol)));           \
    } while (false)

class FlightModelTest : public QObject
{
    Q_OBJECT

public:
    explicit FlightModelTest(const TestEnvironment &) {}

private slots:
    void init()
    {
        qml = std::make_unique<QQmlEngine>();
        scene = createScene(*qml, flightScene);
        QVERIFY(scene);
        engine = std::make_unique<GameEngine>(nullptr, nullptr);
        engine->setRootObject(scene.get());
        engine->findSteer();
        engine->levelReady();
        engine->findQmlObjects();
        QCOMPARE(engine->currentAirplane(), airplane());
    }

    void cleanup()
    {
        engine.reset();
        scene.reset();
        qml.reset();
    }

    void stepFollowsTheFlightRules_data()
    {
        QTest::addColumn<Plane>("plane");
        QTest::newRow("straight up the screen with thrust")
            << cruising;
        QTest::newRow("turn right limited by the turning factor")
            << Plane{1, 0, 0.05, 120, 0.5, 4, 1.05, 25, 30, 60, 200, 0, 100.25, 200.5};
        QTest::newRow("small turn left reached in one step")
            << Plane{-0.02, 1, 0.05, 120, 0.5, 4, 1.05, 25, 30, 60, 200, 0.01, 10, 10};
        QTest::newRow("speed capped at the maximum")
            << Plane{0.6, 0.8, 0.1, 300, 1, 50, 1.0, 30, 60, 60, 200, 0.6435, 0, 0};
        QTest::newRow("speed raised to the minimum while there is petrol")
            << Plane{0, 0.1, 0.1, 20, 1, 1, 2.0, 30, 60, 60, 200, 0, 0, 0};
        QTest::newRow("half vector gives half the thrust")
            << Plane{0.3, -0.4, 4, 100, 1, 10, 1.0, 20, 100, 0, 1000, 2.5, -3, 7};
        // No turn writes a tilt of -0.
        QTest::newRow("zero vector keeps the heading, only resistance acts")
            << Plane{0, 0, 0.05, 100, 0.5, 4, 1.05, 25, 30, 60, 200, 0.75, 100.25, 200.5};
        // From 3.0 towards -3.0: -6.0 wraps to about +0.283, clockwise past pi.
        QTest::newRow("turn across pi takes the short way, limited, heading not wrapped")
            << Plane{std::sin(-3.0), std::cos(-3.0), 0.2, 120, 0.5, 4, 1.05, 25, 30, 60, 200, 3.0, 100.25, 200.5};
        QTest::newRow("turn across pi takes the short way in full")
            << Plane{std::sin(-3.0), std::cos(-3.0), 1.0, 120, 0.5, 4, 1.05, 25, 30, 60, 200, 3.0, 100.25, 200.5};
        QTest::newRow("without petrol the speed decays below the minimum, no free fall")
            << Plane{0, 1, 0.05, 60, 0, 4, 1.25, 25, 30, 50, 200, 0, 100.25, 200.5};
        // Speed 25 at 25 fps moves one unit per step along the heading.
        QTest::newRow("0.5 moving left rounds down to x -1")
            << Plane{0, 0, 0.1, 25, 0, 0, 1, 25, 30, 0, 100, -M_PI / 2, 0.5, 4.5};
        QTest::newRow("-3.25 moving right rounds down to x -3")
            << Plane{0, 0, 0.1, 25, 0, 0, 1, 25, 30, 0, 100, M_PI / 2, -3.25, 4.5};
    }

    void stepFollowsTheFlightRules()
    {
        QFETCH(Plane, plane);
        load(plane);
        engine->adjustFlight();
        const Step expected = expectedStep(plane);
        COMPARE_STEP(written(), expected);
        QCOMPARE(std::signbit(written().tilt), std::signbit(expected.tilt));
        QCOMPARE(airplane()->property("freeFalls").toInt(), 0);
        QCOMPARE(engine->crashTimer(), 0);
    }

    void stepThatEmptiesTheTankStartsTheFreeFallOnce()
    {
        Plane plane = cruising;
        // One burn is 1 / (25 * 30) = 0.001333.
        plane.petrol = 0.001;
        load(plane);
        engine->adjustFlight();
        QCOMPARE(written().petrol, 0.0);
        QCOMPARE(airplane()->property("freeFalls").toInt(), 1);
        QVERIFY(engine->crashTimer() != 0);
        const int crashTimer = engine->crashTimer();

        engine->adjustFlight();
        engine->adjustFlight();
        QCOMPARE(written().petrol, 0.0);
        QCOMPARE(airplane()->property("freeFalls").toInt(), 1);
        QCOMPARE(engine->crashTimer(), crashTimer);
    }

    void invisibleAeroplaneIsLeftAlone()
    {
        load(cruising);
        airplane()->setProperty("opacity", 0.0);
        airplane()->setProperty("tilt", 0.125);
        airplane()->setProperty("x", 3.0);
        const Step before = written();
        QTest::ignoreMessage(QtDebugMsg, "ship not available yet");
        engine->adjustFlight();
        const Step after = written();
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(&after), sizeof after),
                 QByteArray(reinterpret_cast<const char *>(&before), sizeof before));
    }

    void missingAeroplaneOnlyUpdatesTheSteering()
    {
        engine->clearQmlObjects();
        QTest::ignoreMessage(QtDebugMsg, "ship missing");
        engine->adjustFlight();
        // Without readings every angle is atan2(0, 0) = 0, written over the -1.
        QCOMPARE(steer()->property("rawangleX").toDouble(), 0.0);
        QCOMPARE(steer()->property("axisY").toString(), QStringLiteral("y"));
    }

    void steeringAnglesFollowTheFilteredReading_data()
    {
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("y");
        QTest::addColumn<double>("z");
        QTest::newRow("lying flat") << 0.0 << 0.0 << 9.80665;
        QTest::newRow("tilted on x, right edge down") << -4.9 << 0.0 << 8.5;
        QTest::newRow("tilted on y, top edge down") << 0.0 << -4.9 << 8.5;
        QTest::newRow("face down negates Y") << 2.0 << 1.0 << -9.0;
        QTest::newRow("positive x negates Z") << 3.0 << 0.5 << 9.0;
        QTest::newRow("beyond one g counts as one g") << 25.0 << -30.0 << 12.0;
        QTest::newRow("x equal to y chooses y") << 2.5 << 2.5 << 9.0;
        QTest::newRow("x above y chooses z") << 2.6 << 2.5 << 9.0;
    }

    void steeringAnglesFollowTheFilteredReading()
    {
        QFETCH(double, x);
        QFETCH(double, y);
        QFETCH(double, z);
        engine->handleAcc(x, y, z);

        // One reading from a zero start: filtered = 0 + (reading - 0) * 0.05.
        const double filtered[3] = {0 + (x - 0) * 0.05, 0 + (y - 0) * 0.05, 0 + (z - 0) * 0.05};
        float m[3], q[3];
        for (int i = 0; i < 3; ++i) {
            const float n = float(filtered[i]) / 9.80665f;
            m[i] = n > 1 ? 1.0f : n < -1 ? -1.0f : n;
            q[i] = (n > 1 || n < -1) ? 1.0f : n * n;
        }
        const double toDegrees = double(57.29578f);
        const float angleX = float(std::atan2(std::sqrt(double(q[0] + q[2])), double(m[1])) * toDegrees);
        float angleZ = float(std::atan2(std::sqrt(double(q[0] + q[1])), double(m[2])) * toDegrees);
        float angleY = float(std::atan2(std::sqrt(double(q[1] + q[2])), double(m[0])) * toDegrees);
        if (filtered[2] < 0)
            angleY = -angleY;
        if (filtered[0] > 0)
            angleZ = -angleZ;

        engine->refreshSteer();
        QCOMPARE(steer()->property("rawangleX").toDouble(), double(angleX));
        QCOMPARE(steer()->property("rawangleY").toDouble(), double(angleY));
        QCOMPARE(steer()->property("rawangleZ").toDouble(), double(angleZ));
        QCOMPARE(steer()->property("axisY").toString(),
                 filtered[0] > filtered[1] ? QStringLiteral("z") : QStringLiteral("y"));
    }

    void firstReadingStartsTheSteeringTimerOnce()
    {
        QCOMPARE(engine->steerTimer(), 0);
        engine->handleAcc(0.0, 0.0, 9.8);
        const int timer = engine->steerTimer();
        QVERIFY(timer != 0);
        engine->handleAcc(1.0, 0.0, 9.8);
        QCOMPARE(engine->steerTimer(), timer);
    }

    void steeringTimerRefreshesOnlyWhileTheEngineTimerIsStopped()
    {
        // 20 readings of 9.80665 on y: filtered y = 9.80665 * (1 - 0.95^20).
        for (int i = 0; i < 20; ++i)
            engine->handleAcc(0.0, 9.80665, 0.0);
        engine->enableEngineTimer(true);
        QTimerEvent tick(engine->steerTimer());
        QCoreApplication::sendEvent(engine.get(), &tick);
        QCOMPARE(steer()->property("rawangleX").toDouble(), -1.0);

        engine->enableEngineTimer(false);
        QCoreApplication::sendEvent(engine.get(), &tick);
        const double filteredY = 9.80665 * (1 - std::pow(0.95, 20));
        const double expected = std::atan2(0.0, filteredY / 9.80665) * 57.29578;
        QVERIFY(std::fabs(steer()->property("rawangleX").toDouble() - expected) < 1e-3);
    }

private:
    void load(const Plane &plane);
    Step written() const;
    QObject *airplane() const { return named(scene.get(), "airplane"); }
    QObject *steer() const { return named(scene.get(), "steer"); }

    std::unique_ptr<QQmlEngine> qml;
    std::unique_ptr<QObject> scene;
    std::unique_ptr<GameEngine> engine;
};

void FlightModelTest::load(const Plane &p)
{
    const QVariantMap values = {
        {"vectorX", p.vectorX}, {"vectorY", p.vectorY}, {"turningFactor", p.turningFactor},
        {"speed", p.speed}, {"petrol", p.petrol}, {"accFactor", p.accFactor},
        {"resistanceFactor", p.resistanceFactor}, {"fps", p.fps}, {"petrolTime", p.petrolTime},
        {"minSpeed", p.minSpeed}, {"maxSpeed", p.maxSpeed}, {"angle", p.angle},
        {"realX", p.realX}, {"realY", p.realY}};
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        QVERIFY(airplane()->setProperty(qPrintable(it.key()), it.value()));
}

Step FlightModelTest::written() const
{
    const QObject *a = airplane();
    return {a->property("tilt").toDouble(),  a->property("angle").toDouble(),
            a->property("speed").toDouble(), a->property("realX").toDouble(),
            a->property("realY").toDouble(), a->property("x").toDouble(),
            a->property("y").toDouble(),     a->property("petrol").toDouble()};
}


CIRROVANTA_TEST_MAIN(FlightModelTest)
#include "tst_flightmodel.moc"
