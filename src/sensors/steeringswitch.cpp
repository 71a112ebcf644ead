#include "sensors/steeringswitch.h"

#include "engine/gameengine.h"
#include "engine/qmlcall.h"
#include "sensors/gamepadinput.h"
#include "sensors/takeoveraccelerometer.h"
#include "sensors/tiltbackendfactory.h"
#include "sensors/tiltsourceinfo.h"
#include "sensors/tiltsources.h"
#include "sensors/touchtiltinput.h"

#include <QCoreApplication>
#include <QInputDevice>
#include <QKeyEvent>
#include <QQuickItem>
#include <QQuickView>
#include <QSensorManager>

namespace {

constexpr char takeoverTiltSourceId[] = "cirrovanta.takeover";
constexpr quint16 crashRumble = 0xffff;
constexpr int crashRumbleMs = 400;
constexpr quint16 touchdownRumble = 0x6000;
constexpr int touchdownRumbleMs = 200;

// Registered factories must outlive every sensor that uses them.
TiltBackendFactory &takeoverFactory()
{
    static TiltBackendFactory factory;
    return factory;
}

bool isSteeringKey(int key)
{
    switch (key) {
    case Qt::Key_Left: case Qt::Key_Right: case Qt::Key_Up: case Qt::Key_Down:
    case Qt::Key_A: case Qt::Key_D: case Qt::Key_W: case Qt::Key_S:
        return true;
    default:
        return false;
    }
}

bool hasTouchScreen()
{
    const auto devices = QInputDevice::devices();
    return std::any_of(devices.begin(), devices.end(), [](const QInputDevice *device) {
        return device->type() == QInputDevice::DeviceType::TouchScreen;
    });
}

} // namespace

SteeringSwitch::SteeringSwitch(QQuickView *view, QAccelerometer *deviceSensor, GameEngine *engine)
    : QObject(view), view(view), deviceSensor(deviceSensor), engine(engine),
      info(TiltSourceInfo::forWindow(view))
{
    QPointer<SteeringSwitch> self(this);
    takeoverFactory().setCreate([self](QSensor *sensor) -> QSensorBackend * {
        return new TakeoverAccelerometer(sensor, self);
    });
    if (!QSensorManager::isBackendRegistered(QAccelerometer::sensorType, takeoverTiltSourceId))
        QSensorManager::registerBackend(QAccelerometer::sensorType, takeoverTiltSourceId,
                                        &takeoverFactory());
    takeoverSensor.setIdentifier(takeoverTiltSourceId);
    takeoverSensor.addFilter(&takeoverFilter);
    if (engine)
        connect(&takeoverFilter, &AccelerometerFilter::accChanged, engine, &GameEngine::handleAcc);

    gamepadInput = new GamepadInput(this);
    connect(gamepadInput, &GamepadInput::tookOver, this, [this] { takeOver(Steering::Gamepad); });
    connect(gamepadInput, &GamepadInput::padsChanged, this, &SteeringSwitch::publish);
    connect(gamepadInput, &GamepadInput::steeringPadRemoved, this, &SteeringSwitch::steeringPadRemoved);
    connect(gamepadInput, &GamepadInput::menuKey, this, &SteeringSwitch::deliverKey);
    connect(gamepadInput, &GamepadInput::startPressed, this, &SteeringSwitch::startPressed);
    if (info)
        connect(info, &TiltSourceInfo::controllerMotionRequested, gamepadInput,
                &GamepadInput::setUseMotion);

    // Touch steers only where the device has no tilt sensor of its own.
    const bool touchSteers = !deviceSensor || deviceSensor->identifier() == desktopTiltSourceId;
    touchInput = new TouchTiltInput(view, [this, touchSteers] { return touchSteers && flying(); });
    connect(touchInput, &TouchTiltInput::tookOver, this, [this] { takeOver(Steering::Touch); });
    if (info)
        info->setTouchAvailable(touchSteers && hasTouchScreen());

    if (view) {
        view->installEventFilter(this);
        if (QObject *root = view->rootObject())
            connect(root, SIGNAL(levelReady()), this, SLOT(followLevel()), Qt::QueuedConnection);
    }
    publish();
}

SteeringSwitch::~SteeringSwitch()
{
    takeoverSensor.stop();
}

bool SteeringSwitch::flying() const
{
    return engine && engine->engineTimer() != 0;
}

void SteeringSwitch::takeOver(Steering steering)
{
    if (steering == current)
        return;
    current = steering;
    if (steering == Steering::Device) {
        takeoverSensor.stop();
        if (deviceSensor)
            deviceSensor->start();
    } else {
        if (deviceSensor)
            deviceSensor->stop();
        if (!takeoverSensor.isActive())
            takeoverSensor.start();
    }
    publish();
}

void SteeringSwitch::publish()
{
    if (!info)
        return;
    QVariantList controllers;
    for (const GamepadInput::Pad &pad : gamepadInput->pads()) {
        controllers.append(QVariantMap{
            {QStringLiteral("id"), pad.id},
            {QStringLiteral("name"), pad.name},
            {QStringLiteral("hasMotion"), pad.hasMotion},
            {QStringLiteral("motion"), pad.useMotion},
            {QStringLiteral("steering"),
             current == Steering::Gamepad && pad.id == gamepadInput->steeringPad()}});
    }
    info->setControllers(controllers);
    switch (current) {
    case Steering::Device:
        info->setTakenOver(QString());
        break;
    case Steering::Gamepad:
        info->setTakenOver(gamepadInput->steersByMotion() ? QStringLiteral("motion")
                                                          : QStringLiteral("stick"));
        break;
    case Steering::Touch:
        info->setTakenOver(QStringLiteral("touch"));
        break;
    }
}

void SteeringSwitch::advance()
{
    gamepadInput->advance();
    touchInput->advance();
}

QVector3D SteeringSwitch::deviceReading() const
{
    if (current == Steering::Touch)
        return touchInput->deviceReading();
    return gamepadInput->deviceReading();
}

bool SteeringSwitch::eventFilter(QObject *watched, QEvent *event)
{
    // A steering key of the player's own hands steering back to the device's source.
    if (event->type() == QEvent::KeyPress && !deliveringKey && current != Steering::Device) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (!key->isAutoRepeat() && isSteeringKey(key->key()))
            takeOver(Steering::Device);
    }
    return QObject::eventFilter(watched, event);
}

// Sent to the window, as the keyboard's keys are, so they reach the item with
// the focus and travel up to the screen like real ones.
void SteeringSwitch::deliverKey(int key, bool pressed)
{
    if (!view)
        return;
    QKeyEvent event(pressed ? QEvent::KeyPress : QEvent::KeyRelease, key, Qt::NoModifier);
    deliveringKey = true;
    QCoreApplication::sendEvent(view, &event);
    deliveringKey = false;
}

void SteeringSwitch::startPressed()
{
    QObject *root = view ? view->rootObject() : nullptr;
    if (root && root->property("paused").toBool()) {
        deliverKey(Qt::Key_Escape, true); // the pause menu resumes on Esc
        deliverKey(Qt::Key_Escape, false);
        return;
    }
    pauseFlight();
}

void SteeringSwitch::steeringPadRemoved()
{
    if (current != Steering::Gamepad)
        return;
    pauseFlight();
    if (gamepadInput->pads().isEmpty())
        takeOver(Steering::Device);
    publish();
}

// As when the window loses the focus: the level, then the root.
void SteeringSwitch::pauseFlight()
{
    if (!engine)
        return;
    callQml(engine->currentLevel(), "pauseGame", true);
    callQml(view ? view->rootObject() : nullptr, "pauseGame", true);
}

void SteeringSwitch::followLevel()
{
    QObject *level = engine ? engine->currentLevel() : nullptr;
    if (!level || level == followedLevel)
        return;
    followedLevel = level;
    connect(level, SIGNAL(flightEnded(bool)), this, SLOT(flightEnded(bool)), Qt::UniqueConnection);
}

void SteeringSwitch::flightEnded(bool passed)
{
    if (!engine || engine->isMuted().toBool() || engine->isSilent() || current != Steering::Gamepad)
        return;
    if (passed)
        gamepadInput->rumble(touchdownRumble, touchdownRumbleMs);
    else
        gamepadInput->rumble(crashRumble, crashRumbleMs);
}
