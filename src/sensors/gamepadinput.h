#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>
#include <QVector3D>

struct _SDL_GameController;

// Game controllers through SDL2 (its game-controller API only; SDL's video
// stays off), polled on the GUI thread. Tracks every connected controller and
// which one steers, turns the steering controller's left stick and D-pad into
// an eased tilt like the keys give (30° at full deflection, past a small dead
// zone), or passes on its own accelerometer where it has one and the player
// steers by motion. Buttons and stick also come out as the keys the menus
// know. When SDL cannot start, the game simply has no controllers.
class GamepadInput : public QObject
{
    Q_OBJECT

public:
    // Stick deflection (of full) that counts as none.
    static constexpr float deadZone = 0.15f;

    struct Pad
    {
        int id = -1; // SDL's instance id
        _SDL_GameController *controller = nullptr;
        QString name;
        QString guid;
        bool hasMotion = false;
        bool hasRumble = false;
        bool useMotion = false;
        bool motionRead = false;
        QVector3D motion; // last accelerometer reading, SDL's frame
        float targetRight = 0;
        float targetUp = 0;
        int heldKeys[4] = {0, 0, 0, 0}; // stick directions held as keys
    };

    explicit GamepadInput(QObject *parent = nullptr);
    ~GamepadInput() override;

    bool isAvailable() const { return started; }
    const QList<Pad> &pads() const { return connected; }
    int steeringPad() const { return steeringId; }
    bool steersByMotion() const;

    // Stick or motion for one controller; kept in the settings store.
    void setUseMotion(int id, bool motion);
    // A short shake of the steering controller, where it can.
    void rumble(quint16 strength, int milliseconds);

    // Moves the stick tilt one step of tiltStepSeconds towards the stick.
    void advance();
    // What a phone would read for the steering controller's tilt (m/s²,
    // Qt's device axes).
    QVector3D deviceReading() const;

    // Reads everything SDL has seen since the last call. Runs on its own timer.
    void poll();

signals:
    void padsChanged();
    // A controller was connected or used: it steers now.
    void tookOver();
    void steeringPadRemoved();
    // A key the menus understand, from a button or the stick.
    void menuKey(int key, bool pressed);
    void startPressed();

private:
    Pad *pad(int id);
    void addPad(int deviceIndex);
    void removePad(int id);
    void steerWith(int id);
    void axisMoved(Pad &pad);
    void buttonChanged(Pad &pad, int button, bool pressed);
    void updateTarget(Pad &pad);

    bool started = false;
    QList<Pad> connected;
    int steeringId = -1;
    float right = 0;
    float up = 0;
    QTimer pollTimer;
};
