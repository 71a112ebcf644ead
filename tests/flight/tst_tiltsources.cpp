#include "common/scene.h"
#include "common/testenvironment.h"
#include "sensors/accelerometerfilter.h"
#include "sensors/desktoptiltaccelerometer.h"
#include "sensors/iioaccelerometer.h"
#include "sensors/tiltsourceinfo.h"
#include "sensors/tiltsources.h"

#include <QAccelerometer>
#include <QQuickItem>
#include <QQuickView>
#include <QSignalSpy>

#include <cmath>

using FakeFiles = QMap<QString, QByteArray>;

namespace {

// A window with the game's steering item. (The road on from the steering
// item to the aeroplane's heading is flown with real keys in tst_newcomer.)
const QByteArray windowScene = R"(
import QtQuick
Item {
    width: 854; height: 480
    Item {
        objectName: "steer"
        property real rawangleX: 90; property real rawangleY: 90; property real rawangleZ: 0
        property string axisY: "y"
    }
}
)";

// The QQuickView, the engine and a QAccelerometer reading the chosen backend
// through the game's filter, wired as at start-up.
struct TiltRig
{
    QQuickView view;
    GameEngine engine{nullptr, nullptr};
    QAccelerometer accelerometer;
    AccelerometerFilter filter;
    QByteArray identifier;

    bool load(const QString &qmlPath, const QString &iioRoot)
    {
        view.setSource(QUrl::fromLocalFile(qmlPath));
        if (!view.rootObject())
            return false;
        identifier = registerTiltSources(&view, iioRoot);
        engine.setRootObject(view.rootObject());
        engine.findSteer();
        accelerometer.setIdentifier(identifier);
        accelerometer.addFilter(&filter);
        QObject::connect(&filter, &AccelerometerFilter::accChanged, &engine,
                         &GameEngine::handleAcc);
        return accelerometer.start();
    }
    // Shows the window when the keyboard-and-mouse source was chosen.
    bool showDesktop()
    {
        if (identifier != desktopTiltSourceId)
            return false;
        view.show();
        return QTest::qWaitForWindowExposed(&view);
    }
    DesktopTiltAccelerometer *desktopBackend() { return accelerometer.findChild<DesktopTiltAccelerometer *>(); }
    void settle(int readings)
    {
        for (int i = 0; i < readings; ++i)
            desktopBackend()->step();
        engine.refreshSteer();
    }
    QObject *steer() const { return engine.currentSteer(); }
    qreal rightTilt() const { return steer()->property("rawangleY").toReal() - 90; }
    qreal upTilt() const { return steer()->property("rawangleX").toReal() - 90; }
};

} // namespace

class TiltSourcesTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(work.isValid());
        qmlPath = work.filePath("window.qml");
        QVERIFY(writeFile(qmlPath, windowScene));
        emptyIioRoot = work.filePath("no-iio");
        QVERIFY(QDir().mkpath(emptyIioRoot));
    }

    void heldKeySteersTheAeroplaneThatWay_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("rightSign");
        QTest::addColumn<int>("upSign");
        QTest::newRow("right arrow steers right") << int(Qt::Key_Right) << 1 << 0;
        QTest::newRow("D steers right") << int(Qt::Key_D) << 1 << 0;
        QTest::newRow("left arrow steers left") << int(Qt::Key_Left) << -1 << 0;
        QTest::newRow("A steers left") << int(Qt::Key_A) << -1 << 0;
        QTest::newRow("up arrow steers up the screen") << int(Qt::Key_Up) << 0 << 1;
        QTest::newRow("W steers up the screen") << int(Qt::Key_W) << 0 << 1;
        QTest::newRow("down arrow steers down the screen") << int(Qt::Key_Down) << 0 << -1;
        QTest::newRow("S steers down the screen") << int(Qt::Key_S) << 0 << -1;
    }

    void heldKeySteersTheAeroplaneThatWay()
    {
        QFETCH(int, key);
        QFETCH(int, rightSign);
        QFETCH(int, upSign);
        TiltRig rig;
        QVERIFY(rig.load(qmlPath, emptyIioRoot));
        if (!rig.showDesktop())
            QSKIP("this machine has an accelerometer of its own");
        QCOMPARE(TiltSourceInfo::forWindow(&rig.view)->source(), QStringLiteral("keys"));
        auto *backend = rig.desktopBackend();
        QVERIFY(backend);

        // Settle at level, then hold the key for two seconds of readings.
        rig.settle(100);
        QVERIFY(std::fabs(rig.rightTilt()) < 0.5);
        QVERIFY(std::fabs(rig.upTilt()) < 0.5);

        QTest::keyPress(&rig.view, Qt::Key(key));
        rig.settle(100);
        // About 30° of tilt towards the key, none across it.
        QCOMPARE(int(std::round(rig.rightTilt() / 25.0)), rightSign);
        QCOMPARE(int(std::round(rig.upTilt() / 25.0)), upSign);

        QTest::keyRelease(&rig.view, Qt::Key(key));
        rig.settle(200);
        QVERIFY(std::fabs(rig.rightTilt()) < 0.5);
        QVERIFY(std::fabs(rig.upTilt()) < 0.5);
    }

    void mouseOffsetTiltsAndSwitchesTheSource()
    {
        TiltRig rig;
        QVERIFY(rig.load(qmlPath, emptyIioRoot));
        if (!rig.showDesktop())
            QSKIP("this machine has an accelerometer of its own");
        TiltSourceInfo *info = TiltSourceInfo::forWindow(&rig.view);
        QSignalSpy sourceChanges(info, &TiltSourceInfo::sourceChanged);
        QVERIFY(rig.desktopBackend());

        // Right edge, vertically centred: full right tilt.
        QTest::mouseMove(&rig.view, QPoint(rig.view.width() - 1, rig.view.height() / 2));
        QCOMPARE(info->source(), QStringLiteral("mouse"));
        QCOMPARE(sourceChanges.count(), 1);
        rig.settle(200);
        QVERIFY2(rig.rightTilt() > 29 && rig.rightTilt() <= 30.01, qPrintable(QString::number(rig.rightTilt())));
        QVERIFY(std::fabs(rig.upTilt()) < 0.5);

        // Half way from the centre to the top: half the tilt, up the screen.
        QTest::mouseMove(&rig.view, QPoint(rig.view.width() / 2, rig.view.height() / 4));
        rig.settle(200);
        QVERIFY2(std::fabs(rig.upTilt() - 15) < 0.5, qPrintable(QString::number(rig.upTilt())));
        QVERIFY(std::fabs(rig.rightTilt()) < 0.5);

        QTest::keyPress(&rig.view, Qt::Key_Left);
        QCOMPARE(info->source(), QStringLiteral("keys"));
        QCOMPARE(sourceChanges.count(), 2);
        QTest::keyRelease(&rig.view, Qt::Key_Left);
    }

    void iioAccelerometerIsReadInQtAxes_data()
    {
        QTest::addColumn<FakeFiles>("files");
        QTest::addColumn<QVector3D>("expected");
        const QMap<QString, QByteArray> axes = {{"iio:device1/in_accel_x_raw", "120\n"},
                                                {"iio:device1/in_accel_y_raw", "-40\n"},
                                                {"iio:device1/in_accel_z_raw", "980\n"},
                                                {"iio:device0/name", "als\n"},
                                                {"iio:device0/in_illuminance_raw", "7\n"}};

        QMap<QString, QByteArray> shared = axes;
        shared.insert("iio:device1/in_accel_scale", "0.00980665\n");
        shared.insert("iio:device1/in_accel_offset", "-20\n");
        QTest::newRow("shared scale and offset: (raw + offset) * scale")
            << shared
            << QVector3D((120 - 20) * 0.00980665f, (-40 - 20) * 0.00980665f, (980 - 20) * 0.00980665f);

        QMap<QString, QByteArray> mounted = shared;
        mounted.insert("iio:device1/in_accel_mount_matrix", "0, 1, 0; -1, 0, 0; 0, 0, 1\n");
        QTest::newRow("mount matrix turns the sensor into the device's axes")
            << mounted
            << QVector3D((-40 - 20) * 0.00980665f, -(120 - 20) * 0.00980665f, (980 - 20) * 0.00980665f);

        QMap<QString, QByteArray> convertible = shared;
        convertible.insert("iio:device1/label", "accel-display\n");
        convertible.insert("iio:device0/label", "accel-base\n");
        convertible.insert("iio:device0/in_accel_x_raw", "999\n");
        convertible.insert("iio:device0/in_accel_y_raw", "999\n");
        convertible.insert("iio:device0/in_accel_z_raw", "999\n");
        QTest::newRow("a convertible's base accelerometer is passed over")
            << convertible
            << QVector3D((120 - 20) * 0.00980665f, (-40 - 20) * 0.00980665f, (980 - 20) * 0.00980665f);
    }

    void iioAccelerometerIsReadInQtAxes()
    {
        QFETCH(FakeFiles, files);
        QFETCH(QVector3D, expected);
        QTemporaryDir iio;
        for (auto it = files.cbegin(); it != files.cend(); ++it)
            QVERIFY(writeFile(iio.filePath(it.key()), it.value()));

        TiltRig rig;
        QVERIFY(rig.load(qmlPath, iio.path()));
        if (rig.identifier != iioTiltSourceId)
            QSKIP("this machine has an accelerometer of its own");
        QCOMPARE(TiltSourceInfo::forWindow(&rig.view)->source(), QStringLiteral("sensor"));
        auto *backend = rig.accelerometer.findChild<IioAccelerometer *>();
        QVERIFY(backend);

        QSignalSpy readings(&rig.filter, &AccelerometerFilter::accChanged);
        QVERIFY(backend->readNow());
        QCOMPARE(readings.count(), 1);
        // The filter passes (y, -x, z) on.
        QVERIFY(qFuzzyCompare(readings.at(0).at(0).toFloat(), expected.y()));
        QVERIFY(qFuzzyCompare(readings.at(0).at(1).toFloat(), -expected.x()));
        QVERIFY(qFuzzyCompare(readings.at(0).at(2).toFloat(), expected.z()));

        // Every poll reads the files afresh.
        QVERIFY(writeFile(iio.filePath("iio:device1/in_accel_z_raw"), "20\n"));
        QVERIFY(backend->readNow());
        QCOMPARE(readings.count(), 2);
        QVERIFY(std::fabs(readings.at(1).at(2).toFloat()) < 0.25f);
    }

private:
    QTemporaryDir work;
    QString qmlPath;
    QString emptyIioRoot;
};

CIRROVANTA_TEST_MAIN(TiltSourcesTest)
#include "tst_tiltsources.moc"
