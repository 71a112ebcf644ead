#pragma once

#include <QObject>
#include <QPointF>
#include <QPointer>
#include <QSet>
#include <QVector3D>

class QWindow;
class TiltSourceInfo;

// Turns a desktop's arrow keys / WASD, or the mouse position over the game
// window, into the tilt of a device held in landscape, for machines without
// an accelerometer.
//
// Keys: while held, the tilt eases towards 30° to that side; released, back to
// level. Mouse: the offset of the pointer from the window centre tilts the
// device, 30° at the window's edge; leaving the window levels it. The mouse
// takes over when it moves over the window, the keys when a steering key is
// pressed. Events are only watched, never consumed: the menus need them too.
//
// A key still held when the focus moves on (a menu or a result screen
// opens) belongs to what came before: its repeats are swallowed until it is
// let go, so a steering key held at the end of a flight cannot walk the
// result screen's buttons. The key whose own press moved the focus keeps
// repeating, so a held arrow still walks a menu.
//
// The tilt follows the "marble" rule: tilting right (right edge down) steers
// right, tilting up (top edge down) steers up the screen.
class DesktopTiltInput : public QObject
{
    Q_OBJECT

public:
    enum class Mode { Keys, Mouse };

    static constexpr float maxTiltDegrees = 30.0f;
    static constexpr float stepSeconds = 0.02f;

    DesktopTiltInput(QWindow *window, TiltSourceInfo *info);

    Mode mode() const { return currentMode; }
    // Current tilt in degrees: right > 0 when the right edge is down,
    // up > 0 when the top edge is down.
    float tiltRight() const { return right; }
    float tiltUp() const { return up; }

    // Moves the tilt one step of stepSeconds towards where the keys or the
    // mouse want it.
    void advance();

    // What the device's accelerometer reads at the current tilt, in m/s² in
    // Qt's axes of a device in portrait (x right, y up, z out of the screen),
    // held in landscape with its top edge on the right.
    QVector3D deviceReading() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void setMode(Mode mode);
    bool handleKey(int key, bool pressed);
    void targetTilt(float *targetRight, float *targetUp) const;
    void focusMoved();

    QPointer<QWindow> window;
    QPointer<TiltSourceInfo> info;
    Mode currentMode = Mode::Keys;
    bool leftHeld = false;
    bool rightHeld = false;
    bool upHeld = false;
    bool downHeld = false;
    bool mouseInside = false;
    QSet<int> keysDown;
    QSet<int> staleKeys;
    int keyBeingDelivered = 0;
    // The last release of a key that was stale, and the window system's time
    // of it (see eventFilter).
    int staleReleased = 0;
    quint64 staleReleaseTime = 0;
    QPointF mousePosition;
    float right = 0;
    float up = 0;
};
