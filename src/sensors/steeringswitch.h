#pragma once

#include "sensors/accelerometerfilter.h"

#include <QAccelerometer>
#include <QObject>
#include <QPointer>
#include <QVector3D>

class GameEngine;
class GamepadInput;
class QQuickView;
class TiltSourceInfo;
class TouchTiltInput;

// Decides which tilt source steers: the device's own (the accelerometer that
// start-up reads: a real sensor, or keys and mouse), a game controller, or a
// touch drag. A controller takes over when it is connected or used, a touch
// when a finger goes down during a flight, the device's source again when a
// steering key is pressed or the last controller goes. Whatever steers
// reaches the engine's handleAcc through an accelerometer and the game's
// AccelerometerFilter, so the engine cannot tell them apart; only one of the
// two accelerometers runs at a time.
//
// It also lets the controller drive the menus (buttons and stick become the
// menus' keys), pauses a flight whose steering controller is unplugged and
// shakes the controller on a crash and on touchdown unless the sound is off.
class SteeringSwitch : public QObject
{
    Q_OBJECT

public:
    enum class Steering { Device, Gamepad, Touch };

    SteeringSwitch(QQuickView *view, QAccelerometer *deviceSensor, GameEngine *engine);
    ~SteeringSwitch() override;

    Steering steering() const { return current; }
    GamepadInput *gamepads() const { return gamepadInput; }

    // Used by the takeover accelerometer on each of its steps.
    void advance();
    QVector3D deviceReading() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void followLevel();
    void flightEnded(bool passed);

private:
    void takeOver(Steering steering);
    void publish();
    void deliverKey(int key, bool pressed);
    void startPressed();
    void steeringPadRemoved();
    void pauseFlight();
    bool flying() const;

    QPointer<QQuickView> view;
    QPointer<QAccelerometer> deviceSensor;
    QPointer<GameEngine> engine;
    QPointer<TiltSourceInfo> info;
    QPointer<QObject> followedLevel;
    GamepadInput *gamepadInput = nullptr;
    TouchTiltInput *touchInput = nullptr;
    QAccelerometer takeoverSensor;
    AccelerometerFilter takeoverFilter;
    Steering current = Steering::Device;
    bool deliveringKey = false;
};
