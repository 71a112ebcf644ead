#include "sensors/gamepadinput.h"

#include "persistence/settings.h"
#include "sensors/tiltreading.h"

#include <QDebug>
#include <QLibrary>
#include <QSettings>

#include <SDL.h>

#include <algorithm>
#include <cmath>

namespace {

// SDL and what it pulls in (X11 and Wayland helpers, DRM, ALSA, PulseAudio)
// took about 13 million instructions of linking at every start, before the
// first frame. The library is opened when controllers are first looked for,
// which the game does after its first frame; its calls are reached through
// these pointers.
#define CIRROVANTA_SDL_CALLS(X)                                                                   \
    X(SetHint) X(InitSubSystem) X(QuitSubSystem) X(GetError) X(PollEvent) X(GameControllerOpen)   \
    X(GameControllerClose) X(GameControllerGetJoystick) X(JoystickInstanceID)                     \
    X(GameControllerName) X(JoystickGetGUIDString) X(JoystickGetGUID) X(GameControllerHasSensor)  \
    X(GameControllerSetSensorEnabled) X(GameControllerHasRumble) X(GameControllerRumble)         \
    X(GameControllerGetButton) X(GameControllerGetAxis)

struct SdlCalls
{
#define CIRROVANTA_SDL_POINTER(name) decltype(&SDL_##name) name = nullptr;
    CIRROVANTA_SDL_CALLS(CIRROVANTA_SDL_POINTER)
#undef CIRROVANTA_SDL_POINTER
    QString missing; // why SDL cannot be used; empty when every call was found
};

const SdlCalls &sdl()
{
    static const SdlCalls calls = [] {
        SdlCalls found;
        QLibrary library(QStringLiteral("SDL2-2.0"), 0); // libSDL2-2.0.so.0, never unloaded
        if (!library.load()) {
            found.missing = library.errorString();
            return found;
        }
#define CIRROVANTA_SDL_RESOLVE(name)                                                               \
    found.name = reinterpret_cast<decltype(&SDL_##name)>(library.resolve("SDL_" #name));         \
    if (!found.name && found.missing.isEmpty())                                                    \
        found.missing = QStringLiteral("SDL_" #name " not found");
        CIRROVANTA_SDL_CALLS(CIRROVANTA_SDL_RESOLVE)
#undef CIRROVANTA_SDL_RESOLVE
        return found;
    }();
    return calls;
}

// Often while a controller is there; without one only often enough to
// notice the next being plugged in.
constexpr int pollMilliseconds = 10;
constexpr int idlePollMilliseconds = 100;
// Deflection of the stick at which it moves through the menus like an arrow key.
constexpr float menuThreshold = 0.5f;
constexpr int stickKeys[4] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down};

QString steeringKey(const QString &guid)
{
    return QStringLiteral("GamepadSteering/") + guid;
}

float unitAxis(Sint16 value)
{
    return std::clamp(float(value) / 32767.0f, -1.0f, 1.0f);
}

// Stick deflection to tilt degrees: nothing inside the dead zone, then
// linear up to full tilt.
float stickTilt(float deflection)
{
    const float size = std::abs(deflection);
    if (size < GamepadInput::deadZone)
        return 0;
    return std::copysign((size - GamepadInput::deadZone) / (1 - GamepadInput::deadZone), deflection)
        * maxTiltDegrees;
}

int menuKeyOf(int button)
{
    switch (button) {
    case SDL_CONTROLLER_BUTTON_A: return Qt::Key_Return;
    case SDL_CONTROLLER_BUTTON_B: return Qt::Key_Escape;
    case SDL_CONTROLLER_BUTTON_DPAD_LEFT: return Qt::Key_Left;
    case SDL_CONTROLLER_BUTTON_DPAD_RIGHT: return Qt::Key_Right;
    case SDL_CONTROLLER_BUTTON_DPAD_UP: return Qt::Key_Up;
    case SDL_CONTROLLER_BUTTON_DPAD_DOWN: return Qt::Key_Down;
    default: return 0;
    }
}

bool held(SDL_GameController *controller, SDL_GameControllerButton button)
{
    return sdl().GameControllerGetButton(controller, button) != 0;
}

} // namespace

GamepadInput::GamepadInput(QObject *parent)
    : QObject(parent)
{
    if (!sdl().missing.isEmpty()) {
        qDebug() << "Gamepads unavailable:" << sdl().missing;
        return;
    }
    // Qt handles the signals; SDL must not take SIGINT and SIGTERM.
    sdl().SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    // PlayStation controllers on Bluetooth send their motion and take rumble
    // only in their full report mode.
    sdl().SetHint(SDL_HINT_JOYSTICK_HIDAPI_PS4_RUMBLE, "1");
    sdl().SetHint(SDL_HINT_JOYSTICK_HIDAPI_PS5_RUMBLE, "1");
    if (sdl().InitSubSystem(SDL_INIT_GAMECONTROLLER) < 0) {
        qDebug() << "Gamepads unavailable:" << sdl().GetError();
        return;
    }
    started = true;
    pollTimer.setInterval(idlePollMilliseconds);
    connect(&pollTimer, &QTimer::timeout, this, &GamepadInput::poll);
    pollTimer.start();
}

GamepadInput::~GamepadInput()
{
    if (!started)
        return;
    for (const Pad &pad : std::as_const(connected))
        sdl().GameControllerClose(pad.controller);
    sdl().QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}

GamepadInput::Pad *GamepadInput::pad(int id)
{
    for (Pad &pad : connected) {
        if (pad.id == id)
            return &pad;
    }
    return nullptr;
}

bool GamepadInput::steersByMotion() const
{
    for (const Pad &pad : connected) {
        if (pad.id == steeringId)
            return pad.useMotion && pad.hasMotion;
    }
    return false;
}

void GamepadInput::poll()
{
    if (!started)
        return;
    SDL_Event event;
    while (sdl().PollEvent(&event)) {
        switch (event.type) {
        case SDL_CONTROLLERDEVICEADDED:
            addPad(event.cdevice.which);
            break;
        case SDL_CONTROLLERDEVICEREMOVED:
            removePad(event.cdevice.which);
            break;
        case SDL_CONTROLLERAXISMOTION:
            if (Pad *p = pad(event.caxis.which))
                axisMoved(*p);
            break;
        case SDL_CONTROLLERBUTTONDOWN:
        case SDL_CONTROLLERBUTTONUP:
            if (Pad *p = pad(event.cbutton.which))
                buttonChanged(*p, event.cbutton.button, event.type == SDL_CONTROLLERBUTTONDOWN);
            break;
        case SDL_CONTROLLERSENSORUPDATE:
            if (Pad *p = pad(event.csensor.which); p && event.csensor.sensor == SDL_SENSOR_ACCEL) {
                p->motion = QVector3D(event.csensor.data[0], event.csensor.data[1],
                                      event.csensor.data[2]);
                p->motionRead = true;
            }
            break;
        default:
            break;
        }
    }
}

void GamepadInput::addPad(int deviceIndex)
{
    SDL_GameController *controller = sdl().GameControllerOpen(deviceIndex);
    if (!controller) {
        qDebug() << "Gamepad could not be opened:" << sdl().GetError();
        return;
    }
    const int id = sdl().JoystickInstanceID(sdl().GameControllerGetJoystick(controller));
    if (pad(id)) {
        sdl().GameControllerClose(controller); // SDL counts opens; one is enough
        return;
    }
    Pad added;
    added.id = id;
    added.controller = controller;
    const char *name = sdl().GameControllerName(controller);
    added.name = name ? QString::fromUtf8(name) : tr("Game controller");
    char guid[33] = {};
    sdl().JoystickGetGUIDString(sdl().JoystickGetGUID(sdl().GameControllerGetJoystick(controller)), guid,
                              sizeof guid);
    added.guid = QString::fromLatin1(guid);
    added.hasMotion = sdl().GameControllerHasSensor(controller, SDL_SENSOR_ACCEL)
        && sdl().GameControllerSetSensorEnabled(controller, SDL_SENSOR_ACCEL, SDL_TRUE) == 0;
    added.hasRumble = sdl().GameControllerHasRumble(controller);
    const QString stored = QSettings(Settings::organisation(), Settings::application())
                               .value(steeringKey(added.guid))
                               .toString();
    added.useMotion = added.hasMotion && stored != QLatin1String("stick");
    qDebug() << "Gamepad connected:" << added.name
             << (added.hasMotion ? "with motion sensor" : "without motion sensor");
    connected.append(added);
    pollTimer.setInterval(pollMilliseconds);
    steerWith(id);
    emit padsChanged();
    emit tookOver();
}

void GamepadInput::removePad(int id)
{
    const auto at = std::find_if(connected.begin(), connected.end(),
                                 [id](const Pad &pad) { return pad.id == id; });
    if (at == connected.end())
        return;
    qDebug() << "Gamepad disconnected:" << at->name;
    // Keys it held as arrows are let go, so no menu sees a key stuck down.
    for (int i = 0; i < 4; ++i) {
        if (at->heldKeys[i])
            emit menuKey(stickKeys[i], false);
    }
    sdl().GameControllerClose(at->controller);
    connected.erase(at);
    if (connected.isEmpty())
        pollTimer.setInterval(idlePollMilliseconds);
    const bool wasSteering = id == steeringId;
    if (wasSteering)
        steerWith(connected.isEmpty() ? -1 : connected.last().id);
    emit padsChanged();
    if (wasSteering)
        emit steeringPadRemoved();
}

void GamepadInput::steerWith(int id)
{
    if (id == steeringId)
        return;
    steeringId = id;
    right = 0;
    up = 0;
    if (Pad *p = pad(id))
        updateTarget(*p);
}

void GamepadInput::setUseMotion(int id, bool motion)
{
    Pad *p = pad(id);
    if (!p || !p->hasMotion || p->useMotion == motion)
        return;
    p->useMotion = motion;
    QSettings(Settings::organisation(), Settings::application())
        .setValue(steeringKey(p->guid), motion ? QStringLiteral("motion") : QStringLiteral("stick"));
    emit padsChanged();
}

void GamepadInput::rumble(quint16 strength, int milliseconds)
{
    Pad *p = pad(steeringId);
    if (!p || !p->hasRumble)
        return;
    sdl().GameControllerRumble(p->controller, strength, strength, Uint32(milliseconds));
}

void GamepadInput::updateTarget(Pad &pad)
{
    SDL_GameController *c = pad.controller;
    const float padRight = float(held(c, SDL_CONTROLLER_BUTTON_DPAD_RIGHT))
        - float(held(c, SDL_CONTROLLER_BUTTON_DPAD_LEFT));
    const float padUp = float(held(c, SDL_CONTROLLER_BUTTON_DPAD_UP))
        - float(held(c, SDL_CONTROLLER_BUTTON_DPAD_DOWN));
    // SDL's stick y grows towards the player; pushing away steers up the screen.
    const float stickRight = stickTilt(unitAxis(sdl().GameControllerGetAxis(c, SDL_CONTROLLER_AXIS_LEFTX)));
    const float stickUp = -stickTilt(unitAxis(sdl().GameControllerGetAxis(c, SDL_CONTROLLER_AXIS_LEFTY)));
    pad.targetRight = std::clamp(stickRight + padRight * maxTiltDegrees, -maxTiltDegrees, maxTiltDegrees);
    pad.targetUp = std::clamp(stickUp + padUp * maxTiltDegrees, -maxTiltDegrees, maxTiltDegrees);
}

void GamepadInput::axisMoved(Pad &pad)
{
    updateTarget(pad);
    const float x = unitAxis(sdl().GameControllerGetAxis(pad.controller, SDL_CONTROLLER_AXIS_LEFTX));
    const float y = unitAxis(sdl().GameControllerGetAxis(pad.controller, SDL_CONTROLLER_AXIS_LEFTY));
    const bool wanted[4] = {x < -menuThreshold, x > menuThreshold, y < -menuThreshold, y > menuThreshold};
    for (int i = 0; i < 4; ++i) {
        if (wanted[i] == bool(pad.heldKeys[i]))
            continue;
        pad.heldKeys[i] = wanted[i];
        emit menuKey(stickKeys[i], wanted[i]);
    }
    if (pad.id != steeringId && (std::abs(x) >= deadZone || std::abs(y) >= deadZone)) {
        steerWith(pad.id);
        emit padsChanged();
    }
    if (std::abs(x) >= deadZone || std::abs(y) >= deadZone)
        emit tookOver();
}

void GamepadInput::buttonChanged(Pad &pad, int button, bool pressed)
{
    updateTarget(pad);
    if (pressed && pad.id != steeringId) {
        steerWith(pad.id);
        emit padsChanged();
    }
    if (pressed)
        emit tookOver();
    if (button == SDL_CONTROLLER_BUTTON_START) {
        if (pressed)
            emit startPressed();
        return;
    }
    if (const int key = menuKeyOf(button))
        emit menuKey(key, pressed);
}

void GamepadInput::advance()
{
    const Pad *p = pad(steeringId);
    right = easeTilt(right, p ? p->targetRight : 0);
    up = easeTilt(up, p ? p->targetUp : 0);
}

QVector3D GamepadInput::deviceReading() const
{
    for (const Pad &pad : connected) {
        if (pad.id == steeringId && pad.useMotion && pad.hasMotion) {
            // Until its first reading the controller counts as held level.
            if (!pad.motionRead)
                return tiltDeviceReading(0, 0);
            return controllerDeviceReading(pad.motion.x(), pad.motion.y(), pad.motion.z());
        }
    }
    return tiltDeviceReading(right, up);
}
