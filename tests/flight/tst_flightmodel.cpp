#include "common/scene.h"
#include "common/testenvironment.h"

#include <cmath>

namespace {

// A level whose aeroplane counts the free falls started on it.
const QByteArray flightScene = R"(
import QtQuick
Item {
    Item { objectName: "steer"; property real rawangleX: -1; property real rawangleY: -1
           property real rawangleZ: -1; property string axisY: "unset" }
    Item {
        objectName: "gameLevel"
        function groundWarning(on) {}
        function seatbeltsSign(on) {}
        Item {
            objectName: "airplane"
            property real vectorX; property real vectorY; property real turningFactor
            property real speed; property real petrol; property real accFactor
            property real resistanceFactor; property int fps: 25; property int petrolTime: 30
            property int minSpeed; property int maxSpeed; property real angle
            property real tilt; property real realX; property real realY
            property int landingTime: 1000
            property int freeFalls: 0
            function doLanding(on) { freeFalls += 1 }
        }
    }
}
)";

const char *const inputs[] = {"vectorX", "vectorY", "turningFactor", "speed", "petrol", "accFactor",
                              "resistanceFactor", "minSpeed", "maxSpeed", "angle", "realX", "realY"};
const char *const outputs[] = {"tilt", "angle", "speed", "realX", "realY", "x", "y", "petrol"};
const double g = 9.80665;

} // namespace

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
    }

    void cleanup()
    {
        engine.reset();
        scene.reset();
        qml.reset();
    }

    // One 80 ms step at 25 fps, petrolTime 30 (one burn = 1/750). Worked by hand:
    // the vector (vx, vy) turns the heading towards atan2(vx, vy) by at most
    // the turning factor, adds |vector| * acc to the speed while there is petrol,
    // divides by the resistance, clamps to [min, max] (min only with petrol),
    // then moves by speed/fps along the heading (y grows downwards).
    void stepFollowsTheFlightRules_data()
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

    void stepFollowsTheFlightRules()
    {
        QFETCH(QList<double>, in);
        QFETCH(QList<double>, out);
        for (int i = 0; i < in.size(); ++i)
            airplane()->setProperty(inputs[i], in[i]);
        engine->adjustFlight();
        for (int i = 0; i < out.size(); ++i) {
            const double actual = airplane()->property(outputs[i]).toDouble();
            QVERIFY2(std::fabs(actual - out[i]) < 1e-4, qPrintable(QString("%1 = %2, not %3")
                                                                   .arg(outputs[i]).arg(actual).arg(out[i])));
        }
        QCOMPARE(airplane()->property("freeFalls").toInt(), 0);
        QCOMPARE(engine->crashTimer(), 0);
    }

    void lastBurnStartsOneFreeFall()
    {
        airplane()->setProperty("resistanceFactor", 1);
        airplane()->setProperty("petrol", 0.001); // less than one burn
        for (int i = 0; i < 3; ++i)
            engine->adjustFlight();
        QCOMPARE(airplane()->property("petrol").toDouble(), 0.0);
        QCOMPARE(airplane()->property("freeFalls").toInt(), 1);
        QVERIFY(engine->crashTimer() != 0);
    }

    void invisibleAeroplaneIsLeftAlone()
    {
        for (auto [name, value] : {std::pair{"vectorX", 1.0}, {"turningFactor", 0.1}, {"speed", 50.0},
                                   {"resistanceFactor", 1.0}, {"maxSpeed", 100.0}, {"opacity", 0.0}})
            airplane()->setProperty(name, value);
        engine->adjustFlight();
        QCOMPARE(airplane()->property("angle").toDouble(), 0.0);
        QCOMPARE(airplane()->property("realX").toDouble(), 0.0);
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
        engine->handleAcc(20 * g * reading[0], 20 * g * reading[1], 20 * g * reading[2]);
        QVERIFY(engine->steerTimer() != 0);
        engine->refreshSteer();
        const char *names[] = {"rawangleX", "rawangleY", "rawangleZ"};
        for (int i = 0; i < 3; ++i)
            QVERIFY2(std::fabs(steer()->property(names[i]).toDouble() - angles[i]) < 1e-3, names[i]);
        QCOMPARE(steer()->property("axisY").toString(), axisY);
    }

    void steeringTimerRefreshesOnlyWhileTheEngineTimerIsStopped()
    {
        engine->handleAcc(0.0, 20 * g, 0.0);
        engine->enableEngineTimer(true);
        deliverTimers(engine.get(), {engine->steerTimer()});
        QCOMPARE(steer()->property("rawangleX").toDouble(), -1.0);
        engine->enableEngineTimer(false);
        deliverTimers(engine.get(), {engine->steerTimer()});
        QCOMPARE(steer()->property("rawangleX").toDouble(), 0.0);
    }

private:
    QObject *airplane() const { return named(scene.get(), "airplane"); }
    QObject *steer() const { return named(scene.get(), "steer"); }

    std::unique_ptr<QQmlEngine> qml;
    std::unique_ptr<QObject> scene;
    std::unique_ptr<GameEngine> engine;
};

CIRROVANTA_TEST_MAIN(FlightModelTest)
#include "tst_flightmodel.moc"
