// The tilt sources a window gets, read through the game's filter as start-up
// wires them: held keys and the mouse on a desktop, and a fake IIO
// accelerometer (a tree of files in a temporary directory) in every pose of
// the screen. The filter passes on the screen's right and up as the reading
// sees them: negative on the lowered edge, which the game steers towards
// (right, or up the screen). A tilt of a degrees reads -g sin a.
#include "common/debuglines.h"
#include "common/scene.h"
#include "common/testenvironment.h"
#include "sensors/accelerometerfilter.h"
#include "sensors/desktoptiltaccelerometer.h"
#include "sensors/iioaccelerometer.h"
#include "sensors/tiltsourceinfo.h"
#include "sensors/tiltsources.h"

#include <QAccelerometer>
#include <QQuickWindow>

using FakeFiles = QMap<QString, QByteArray>;

// A screen tipped 20° onto one edge: gravity's share on that edge's axis, and
// what stays on the axis out of the screen.
static const float g = 9.80665f, tipped = g * std::sin(0.349066f), flat = g * std::cos(0.349066f);

static bool near(QPointF a, QPointF b, qreal within = 0.05) { return std::hypot(a.x() - b.x(), a.y() - b.y()) < within; }

struct Rig
{
    QTemporaryDir iio; // empty: no accelerometer, the keys and the mouse then
    QQuickWindow window; // whose focus moves to its content item as the game's does
    QAccelerometer accelerometer;
    AccelerometerFilter filter;
    QSignalSpy readings{&filter, &AccelerometerFilter::accChanged};
    IioAccelerometer *backend = nullptr;

    // The screen tipped by (right, up) in raw counts of 0.01 m/s²; xAxis and
    // yAxis say where the device's own axes point on the screen, as (right, up).
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
    // The desktop's source on a shown window, stepped by hand.
    DesktopTiltAccelerometer *startDesktop()
    {
        window.resize(854, 480);
        window.show();
        accelerometer.setIdentifier(registerTiltSources(&window, iio.path()));
        accelerometer.addFilter(&filter);
        if (accelerometer.identifier() != desktopTiltSourceId || !accelerometer.start()
            || !QTest::qWaitForWindowExposed(&window))
            return nullptr;
        return accelerometer.findChild<DesktopTiltAccelerometer *>();
    }
    QString source() { return TiltSourceInfo::forWindow(&window)->source(); }
    QPointF at(int i) const { return {readings[i][0].toReal(), readings[i][1].toReal()}; }
    QPointF next()
    {
        const int seen = readings.size();
        return QTest::qWaitFor([&] { return readings.size() > seen; }) ? at(seen) : QPointF(9, 9);
    }
    QPointF latest() const { return readings.isEmpty() ? QPointF(9, 9) : at(readings.size() - 1); }
};

class TiltSourcesTest : public QObject
{
    Q_OBJECT

private slots:
    void heldKeyTiltsThatWay_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QPointF>("lowered"); // right, up
        QTest::newRow("right arrow lowers the right edge") << int(Qt::Key_Right) << QPointF(1, 0);
        QTest::newRow("D lowers the right edge") << int(Qt::Key_D) << QPointF(1, 0);
        QTest::newRow("left arrow lowers the left edge") << int(Qt::Key_Left) << QPointF(-1, 0);
        QTest::newRow("A lowers the left edge") << int(Qt::Key_A) << QPointF(-1, 0);
        QTest::newRow("up arrow lowers the top edge") << int(Qt::Key_Up) << QPointF(0, 1);
        QTest::newRow("W lowers the top edge") << int(Qt::Key_W) << QPointF(0, 1);
        QTest::newRow("down arrow lowers the bottom edge") << int(Qt::Key_Down) << QPointF(0, -1);
        QTest::newRow("S lowers the bottom edge") << int(Qt::Key_S) << QPointF(0, -1);
    }
    void heldKeyTiltsThatWay()
    {
        QFETCH(int, key);
        QFETCH(QPointF, lowered);
        Rig rig;
        DesktopTiltAccelerometer *backend = rig.startDesktop();
        if (!backend)
            QSKIP("this machine has an accelerometer of its own");
        QCOMPARE(rig.source(), QStringLiteral("keys"));
        const auto settle = [&](int steps) {
            for (int i = 0; i < steps; ++i)
                backend->step();
            return rig.latest();
        };
        QVERIFY(near(settle(100), {0, 0}));
        // Held for two seconds of steps: 30° towards the key, none across it.
        QTest::keyPress(&rig.window, Qt::Key(key));
        QVERIFY(near(settle(100), -g * std::sin(qDegreesToRadians(30.0)) * lowered));
        QTest::keyRelease(&rig.window, Qt::Key(key));
        QVERIFY(near(settle(200), {0, 0}));
    }

    // The pointer's offset from the centre, over half the window, of 30°.
    void mouseOffsetTiltsAndSwitchesTheSource()
    {
        Rig rig;
        DesktopTiltAccelerometer *backend = rig.startDesktop();
        if (!backend)
            QSKIP("this machine has an accelerometer of its own");
        QSignalSpy sourceChanges(TiltSourceInfo::forWindow(&rig.window), &TiltSourceInfo::sourceChanged);
        const auto settle = [&] {
            for (int i = 0; i < 200; ++i)
                backend->step();
            return rig.latest();
        };
        QTest::mouseMove(&rig.window, QPoint(853, 240)); // 426 of 427 to the right
        QCOMPARE(rig.source(), QStringLiteral("mouse"));
        QCOMPARE(sourceChanges.count(), 1);
        QVERIFY(near(settle(), {-g * std::sin(qDegreesToRadians(30.0 * 426 / 427)), 0}));
        QTest::mouseMove(&rig.window, QPoint(427, 120)); // half way to the top
        QVERIFY(near(settle(), {0, -g * std::sin(qDegreesToRadians(15.0))}));

        QTest::keyPress(&rig.window, Qt::Key_Left);
        QCOMPARE(rig.source(), QStringLiteral("keys"));
        QCOMPARE(sourceChanges.count(), 2);
        QTest::keyRelease(&rig.window, Qt::Key_Left);
    }

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
        QTest::newRow("a screen that keeps its turn to itself: landscape, top edge right")
            << P << Qt::PrimaryOrientation << QPoint(0, -1) << QPoint(1, 0);
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

    // The upright phone's right edge lowered, as a driver may write it: the
    // device's x is the screen's right.
    void everyWayADriverWritesAPoseReadsAlike_data()
    {
        QTest::addColumn<FakeFiles>("files");
        const int x = qRound(-tipped * 100), z = qRound(flat * 100);
        const auto axes = [](const QString &device, int ax, int ay, int az) {
            return FakeFiles{{device + "/in_accel_x_raw", QByteArray::number(ax)},
                             {device + "/in_accel_y_raw", QByteArray::number(ay)},
                             {device + "/in_accel_z_raw", QByteArray::number(az)},
                             {device + "/in_accel_scale", "0.01"}};
        };
        FakeFiles offset = axes("iio:device1", x + 20, 20, z + 20);
        offset.insert({{"iio:device1/in_accel_offset", "-20"}, {"iio:device0/name", "als"},
                       {"iio:device0/in_illuminance_raw", "7"}});
        QTest::newRow("(raw + offset) * scale; a light sensor passed over") << offset;
        // The matrix M takes the sensor's reading r to the device's axes, M r.
        FakeFiles mounted = axes("iio:device0", 0, x, z);
        mounted.insert("iio:device0/in_accel_mount_matrix", "0, 1, 0; -1, 0, 0; 0, 0, 1\n");
        QTest::newRow("a mount matrix turns the sensor into the device's axes") << mounted;
        FakeFiles convertible = axes("iio:device0", 999, 999, 999);
        convertible.insert(axes("iio:device1", x, 0, z));
        convertible.insert({{"iio:device0/label", "accel-base"}, {"iio:device1/label", "accel-display"}});
        QTest::newRow("a convertible's base accelerometer is passed over") << convertible;
    }
    void everyWayADriverWritesAPoseReadsAlike()
    {
        QFETCH(FakeFiles, files);
        Rig rig;
        for (auto it = files.cbegin(); it != files.cend(); ++it)
            QVERIFY(writeFile(rig.iio.filePath(it.key()), it.value()));
        QVERIFY(rig.start(Qt::PortraitOrientation, Qt::PortraitOrientation));
        QCOMPARE(rig.source(), QStringLiteral("sensor"));
        QVERIFY(near(rig.next(), {-tipped, 0}));
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
        QCOMPARE(rig.source(), QStringLiteral("keys"));
        QTRY_VERIFY(near(rig.next(), {0, 0})); // level until a key is held
    }
};

CIRROVANTA_TEST_MAIN(TiltSourcesTest)
#include "tst_tiltsources.moc"
