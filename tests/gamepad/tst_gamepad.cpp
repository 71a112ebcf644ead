// Game controllers and touch drags steering the real game: the program started
// as it always is (main document, engine, settings store, the accelerometer it
// chooses), with SDL's virtual game controllers plugged in and out.
#include "app/startup.h"
#include "common/testenvironment.h"
#include "sensors/tiltreading.h"
#include "sensors/tiltsourceinfo.h"

#include <QQmlContext>
#include <QQuickItem>
#include <QQuickView>
#include <QtTest>

#include <SDL.h>

namespace {

constexpr float g = 9.80665f;
const float s30 = g * 0.5f;             // g · sin 30°
const float c30 = g * 0.8660254f;       // g · cos 30°

// One of SDL's virtual game controllers, with a rumble motor that counts.
struct VirtualPad
{
    static inline int rumbles = 0;
    SDL_Joystick *joystick = nullptr;

    bool attach()
    {
        SDL_VirtualJoystickDesc desc{};
        desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
        desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
        desc.naxes = SDL_CONTROLLER_AXIS_MAX;
        desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
        desc.name = "Virtual pad";
        desc.Rumble = [](void *, Uint16 low, Uint16) { rumbles += low > 0; return 0; };
        joystick = SDL_JoystickOpen(SDL_JoystickAttachVirtualEx(&desc));
        return joystick;
    }
    void detach()
    {
        const SDL_JoystickID id = joystick ? SDL_JoystickInstanceID(joystick) : -1;
        SDL_JoystickClose(joystick);
        joystick = nullptr;
        for (int i = 0; id >= 0 && i < SDL_NumJoysticks(); ++i)
            if (SDL_JoystickGetDeviceInstanceID(i) == id)
                SDL_JoystickDetachVirtual(i);
    }
    void axis(int axis, int value) { SDL_JoystickSetVirtualAxis(joystick, axis, Sint16(value)); }
    void press(int button, bool down = true) { SDL_JoystickSetVirtualButton(joystick, button, down); }
    void click(int button)
    {
        press(button);
        QTest::qWait(40); // the game polls every 10 ms
        press(button, false);
        QTest::qWait(40);
    }
};

} // namespace

class GamepadTest : public QObject
{
    Q_OBJECT

public:
    explicit GamepadTest(QQuickView &view) : view(view) {}

private:
    QQuickView &view;
    QObject *root = view.rootObject();
    TiltSourceInfo *info = TiltSourceInfo::forWindow(&view);
    QObject *session = root->property("session").value<QObject *>();
    QObject *steer = root->findChild<QObject *>("steer");
    QObject *engine = view.rootContext()->contextProperty("GameEngine").value<QObject *>();
    VirtualPad pad;

    QString screen() const { return session->property("screen").toString(); }
    bool paused() const { return root->property("paused").toBool(); }
    bool steersAt(qreal up, qreal right) const
    {
        return qAbs(steer->property("rawangleX").toReal() - 90 - up) < 0.3
            && qAbs(steer->property("rawangleY").toReal() - 90 - right) < 0.3;
    }
    void fly()
    {
        QMetaObject::invokeMethod(session, "openGroup", Q_ARG(QVariant, "1-FlightSchool"));
        QMetaObject::invokeMethod(session, "startLevel", Q_ARG(QVariant, "01_straight"));
        QTRY_VERIFY(session->property("flying").toBool());
        QTest::qWait(50); // the level is handed round after it is ready
    }

private slots:
    void initTestCase()
    {
        // The title shows first and builds its demo flight after.
        QTRY_VERIFY(root->property("screenItem").value<QObject *>()->property("demoLevel").value<QObject *>());
    }
    void init()
    {
        QMetaObject::invokeMethod(session, "go", Q_ARG(QVariant, "title"));
        QCOMPARE(info->source(), QStringLiteral("keys"));
        VirtualPad::rumbles = 0;
    }
    void cleanup()
    {
        pad.detach();
        QMetaObject::invokeMethod(engine, "setMuted", Q_ARG(QVariant, false));
        QTRY_COMPARE(info->source(), QStringLiteral("keys"));
    }

    void buttonsDriveTheMenus()
    {
        QVERIFY(pad.attach());
        QTRY_COMPARE(info->source(), QStringLiteral("stick"));
        pad.click(SDL_CONTROLLER_BUTTON_A);
        QCOMPARE(screen(), QStringLiteral("groups"));
        pad.click(SDL_CONTROLLER_BUTTON_B);
        QCOMPARE(screen(), QStringLiteral("title"));
        pad.click(SDL_CONTROLLER_BUTTON_DPAD_DOWN);
        pad.click(SDL_CONTROLLER_BUTTON_A);
        QCOMPARE(screen(), QStringLiteral("settings"));
        pad.axis(SDL_CONTROLLER_AXIS_LEFTY, 32767); // the stick moves down like the D-pad
        QTest::qWait(40);
        pad.axis(SDL_CONTROLLER_AXIS_LEFTY, 0);
        QTest::qWait(40);
        QVERIFY(view.activeFocusItem());
        QCOMPARE(view.activeFocusItem()->objectName(), QStringLiteral("ghostButton"));
    }

    void stickAndDpadTiltTheSteeringItem_data()
    {
        QTest::addColumn<int>("axis");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("button");
        QTest::addColumn<qreal>("up");
        QTest::addColumn<qreal>("right");
        // Past the dead zone of 0.15 the tilt grows linearly to 30° at full deflection.
        const int half = qRound(32767 * (0.15 + 0.85 * 0.5));
        QTest::newRow("stick full right") << int(SDL_CONTROLLER_AXIS_LEFTX) << 32767 << -1 << 0.0 << 30.0;
        QTest::newRow("stick half left") << int(SDL_CONTROLLER_AXIS_LEFTX) << -half << -1 << 0.0 << -15.0;
        QTest::newRow("stick pushed away") << int(SDL_CONTROLLER_AXIS_LEFTY) << -32767 << -1 << 30.0 << 0.0;
        QTest::newRow("stick in the dead zone") << int(SDL_CONTROLLER_AXIS_LEFTX) << 3000 << -1 << 0.0 << 0.0;
        QTest::newRow("D-pad down") << -1 << 0 << int(SDL_CONTROLLER_BUTTON_DPAD_DOWN) << -30.0 << 0.0;
        QTest::newRow("D-pad right") << -1 << 0 << int(SDL_CONTROLLER_BUTTON_DPAD_RIGHT) << 0.0 << 30.0;
    }
    void stickAndDpadTiltTheSteeringItem()
    {
        QFETCH(int, axis);
        QFETCH(int, value);
        QFETCH(int, button);
        QFETCH(qreal, up);
        QFETCH(qreal, right);
        QVERIFY(pad.attach());
        QTRY_COMPARE(info->source(), QStringLiteral("stick"));
        if (axis >= 0)
            pad.axis(axis, value);
        else
            pad.press(button);
        // A lying-flat device reads 90°, 90°; a tilt adds to it.
        QTRY_VERIFY_WITH_TIMEOUT(steersAt(up, right), 8000);
    }

    void aControllerTakesOverMidFlightAndUnpluggingItPauses()
    {
        fly();
        QVERIFY(pad.attach());
        QTRY_COMPARE(info->source(), QStringLiteral("stick"));
        pad.axis(SDL_CONTROLLER_AXIS_LEFTX, 32767);
        QTRY_VERIFY_WITH_TIMEOUT(steersAt(0, 30), 8000);
        pad.click(SDL_CONTROLLER_BUTTON_START);
        QVERIFY(paused());
        pad.click(SDL_CONTROLLER_BUTTON_START);
        QVERIFY(!paused());
        pad.detach();
        QTRY_VERIFY(paused());
        QCOMPARE(info->source(), QStringLiteral("keys"));
    }

    void rumbleOnCrashAndTouchdownUnlessMuted_data()
    {
        QTest::addColumn<bool>("passed");
        QTest::addColumn<bool>("muted");
        QTest::addColumn<int>("rumbles");
        QTest::newRow("a crash shakes") << false << false << 1;
        QTest::newRow("a touchdown shakes") << true << false << 1;
        QTest::newRow("muted, a crash does not") << false << true << 0;
    }
    void rumbleOnCrashAndTouchdownUnlessMuted()
    {
        QFETCH(bool, passed);
        QFETCH(bool, muted);
        QFETCH(int, rumbles);
        QVERIFY(pad.attach());
        QTRY_COMPARE(info->source(), QStringLiteral("stick"));
        fly();
        QMetaObject::invokeMethod(engine, "setMuted", Q_ARG(QVariant, muted));
        // What the engine calls when the aeroplane hits the ground or has landed.
        QMetaObject::invokeMethod(root->findChild<QObject *>("gameLevel"), "gameOver",
                                  Q_ARG(QVariant, passed));
        QTRY_COMPARE(VirtualPad::rumbles, rumbles);
    }

    void aTouchDragSteersDuringAFlight()
    {
        static QPointingDevice *screenTouch = QTest::createTouchDevice();
        fly();
        const qreal quarter = view.width() / 4.0; // 30° of tilt
        const QPoint press(view.width() / 2, view.height() / 2);
        QTest::touchEvent(&view, screenTouch).press(0, press);
        QTest::touchEvent(&view, screenTouch).move(0, press + QPoint(qRound(quarter / 2), 0));
        QCOMPARE(info->source(), QStringLiteral("touch"));
        QTRY_VERIFY_WITH_TIMEOUT(steersAt(0, 30.0 * qRound(quarter / 2) / quarter), 8000);
        QTest::touchEvent(&view, screenTouch).move(0, press - QPoint(0, qRound(2 * quarter)));
        QTRY_VERIFY_WITH_TIMEOUT(steersAt(30, 0), 8000);
        QTest::touchEvent(&view, screenTouch).release(0, press - QPoint(0, qRound(2 * quarter)));
        QTRY_VERIFY_WITH_TIMEOUT(steersAt(0, 0), 8000);
        QTest::keyClick(&view, Qt::Key_Left); // the keys take steering back
        QCOMPARE(info->source(), QStringLiteral("keys"));
    }

    void controllerAccelerometerReadsAsThePhone_data()
    {
        QTest::addColumn<QVector3D>("controller"); // SDL: x right, y up, z towards the player
        QTest::addColumn<QVector3D>("phone");      // Qt: lying flat reads (0, 0, g)
        QTest::newRow("flat") << QVector3D(0, g, 0) << QVector3D(0, 0, g);
        QTest::newRow("right grip down 30°") << QVector3D(-s30, c30, 0) << QVector3D(0, -s30, c30);
        QTest::newRow("left grip down 30°") << QVector3D(s30, c30, 0) << QVector3D(0, s30, c30);
        QTest::newRow("far edge down 30°") << QVector3D(0, c30, s30) << QVector3D(s30, 0, c30);
        QTest::newRow("near edge down 30°") << QVector3D(0, c30, -s30) << QVector3D(-s30, 0, c30);
        QTest::newRow("upside down") << QVector3D(0, -g, 0) << QVector3D(0, 0, -g);
    }
    void controllerAccelerometerReadsAsThePhone()
    {
        QFETCH(QVector3D, controller);
        QFETCH(QVector3D, phone);
        QVERIFY((controllerDeviceReading(controller.x(), controller.y(), controller.z()) - phone).length() < 1e-4f);
    }
};

int main(int argc, char *argv[])
{
    TestEnvironment environment;
    QDir::setCurrent(QStringLiteral(CIRROVANTA_SOURCE_DIR)); // the documents and sounds
    int status = 1;
    runCirrovanta(argc, argv, [&](QQuickView &view) {
        QTimer::singleShot(0, &view, [&] {
            GamepadTest test(view);
            status = QTest::qExec(&test, argc, argv);
            QCoreApplication::exit(status);
        });
    });
    return status;
}

#include "tst_gamepad.moc"
