#include "common/debuglines.h"
#include "common/scene.h"
#include "common/testenvironment.h"
#include "sensors/accelerometerfilter.h"
#include "sensors/iioaccelerometer.h"
#include "sensors/tiltsourceinfo.h"
#include "sensors/tiltsources.h"

#include <QAccelerometer>

// A screen tipped 20° onto one edge: gravity's share on that edge's axis, and
// what stays on the axis out of the screen.
static const float g = 9.80665f, tipped = g * std::sin(0.349066f), flat = g * std::cos(0.349066f);

static bool near(QPointF a, QPointF b) { return std::hypot(a.x() - b.x(), a.y() - b.y()) < 0.05; }

// A fake IIO accelerometer (raw counts of 0.01 m/s²) read through the game's
// tilt source and filter. The filter passes on the screen's right and up as
// the reading sees them: negative on the lowered edge, which the game steers
// towards (right, or up the screen), as it does for the keys.
struct Rig
{
    QTemporaryDir iio;
    QWindow window;
    QAccelerometer accelerometer;
    AccelerometerFilter filter;
    QSignalSpy readings{&filter, &AccelerometerFilter::accChanged};
    IioAccelerometer *backend = nullptr;

    // The screen tipped by (right, up); xAxis and yAxis say where the
    // device's own axes point on the screen, as (right, up).
    void hold(QPointF screen, QPoint xAxis, QPoint yAxis)
    {
        const qreal device[3] = {QPointF::dotProduct(xAxis, screen),
                                 QPointF::dotProduct(yAxis, screen), flat};
        writeFile(iio.filePath("iio:device0/in_accel_scale"), "0.01");
        for (int i = 0; i < 3; ++i)
            writeFile(iio.filePath(QString("iio:device0/in_accel_%1_raw").arg(char('x' + i))),
                      QByteArray::number(qRound(device[i] * 100)));
    }
    // Starts the source with the screen's orientations handed to it.
    bool start(Qt::ScreenOrientation natural, Qt::ScreenOrientation current)
    {
        accelerometer.setIdentifier(registerTiltSources(&window, iio.path()));
        accelerometer.addFilter(&filter);
        if (!accelerometer.start() || !(backend = accelerometer.findChild<IioAccelerometer *>()))
            return false;
        backend->screenFrame().setOrientations(natural, current);
        return true;
    }
    QPointF at(int i) const { return {readings[i][0].toReal(), readings[i][1].toReal()}; }
    QPointF next()
    {
        const int seen = readings.size();
        return QTest::qWaitFor([&] { return readings.size() > seen; }) ? at(seen) : QPointF(9, 9);
    }
    QPointF latest() const { return readings.isEmpty() ? QPointF(9, 9) : at(readings.size() - 1); }
};

class ScreenFrameTest : public QObject
{
    Q_OBJECT

private slots:
    void loweringAnEdgeSteersThatWayInEveryPose_data()
    {
        QTest::addColumn<Qt::ScreenOrientation>("natural");
        QTest::addColumn<Qt::ScreenOrientation>("current");
        QTest::addColumn<QPoint>("xAxis");
        QTest::addColumn<QPoint>("yAxis");
        // Each of Qt's orientations is the one before turned a quarter anticlockwise.
        const auto P = Qt::PortraitOrientation, L = Qt::LandscapeOrientation;
        const auto IP = Qt::InvertedPortraitOrientation, IL = Qt::InvertedLandscapeOrientation;
        QTest::newRow("phone upright") << P << P << QPoint(1, 0) << QPoint(0, 1);
        QTest::newRow("phone, top edge left") << P << L << QPoint(0, 1) << QPoint(-1, 0);
        QTest::newRow("phone upside down") << P << IP << QPoint(-1, 0) << QPoint(0, -1);
        QTest::newRow("phone, top edge right") << P << IL << QPoint(0, -1) << QPoint(1, 0);
        QTest::newRow("tablet as it sits") << L << L << QPoint(1, 0) << QPoint(0, 1);
        QTest::newRow("tablet, top edge left") << L << IP << QPoint(0, 1) << QPoint(-1, 0);
        QTest::newRow("tablet upside down") << L << IL << QPoint(-1, 0) << QPoint(0, -1);
        QTest::newRow("tablet, top edge right") << L << P << QPoint(0, -1) << QPoint(1, 0);
    }
    void loweringAnEdgeSteersThatWayInEveryPose()
    {
        QFETCH(Qt::ScreenOrientation, natural);
        QFETCH(Qt::ScreenOrientation, current);
        QFETCH(QPoint, xAxis);
        QFETCH(QPoint, yAxis);
        Rig rig;
        rig.hold({-tipped, 0}, xAxis, yAxis); // right edge down
        QVERIFY(rig.start(natural, current));
        QVERIFY(near(rig.next(), {-tipped, 0}));
        rig.hold({0, -tipped}, xAxis, yAxis); // top edge down
        QTRY_VERIFY(near(rig.latest(), {0, -tipped}));
    }

    // The player turns the phone round mid-flight, from top edge right to top
    // edge left, and again lowers the screen's right edge.
    void aTurnCountsFromTheNextReadingAndALostDeviceLeavesTheKeys()
    {
        Rig rig;
        rig.hold({-tipped, 0}, {0, -1}, {1, 0});
        QVERIFY(rig.start(Qt::PortraitOrientation, Qt::InvertedLandscapeOrientation));
        QTRY_VERIFY(near(rig.latest(), {-tipped, 0}));
        rig.hold({-tipped, 0}, {0, 1}, {-1, 0});
        QTRY_VERIFY(near(rig.latest(), {tipped, 0})); // the screen has not turned yet
        rig.backend->screenFrame().setOrientations(Qt::PortraitOrientation,
                                                   Qt::LandscapeOrientation);
        QVERIFY(near(rig.next(), {-tipped, 0}));

        DebugLines lines;
        QVERIFY(rig.iio.remove());
        QTRY_VERIFY(!lines.lines().filter("IIO accelerometer gone").isEmpty());
        QCOMPARE(TiltSourceInfo::forWindow(&rig.window)->source(), QStringLiteral("keys"));
        QTRY_VERIFY(near(rig.next(), {0, 0})); // level until a key is held
    }
};

CIRROVANTA_TEST_MAIN(ScreenFrameTest)
#include "tst_screenframe.moc"
