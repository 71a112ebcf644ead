#include "sensors/desktoptiltinput.h"

#include "sensors/tiltsourceinfo.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWindow>

#include <algorithm>
#include <cmath>

namespace {

constexpr float standardGravity = 9.80665f;
// Full tilt is reached in a tenth of a second.
constexpr float easingDegreesPerStep =
    DesktopTiltInput::maxTiltDegrees * DesktopTiltInput::stepSeconds / 0.1f;
constexpr float degToRad = 0.017453292f;

float approach(float current, float target)
{
    if (current < target)
        return std::min(current + easingDegreesPerStep, target);
    return std::max(current - easingDegreesPerStep, target);
}

float clampUnit(qreal value)
{
    return float(std::clamp(value, qreal(-1), qreal(1)));
}

// A key press is delivered in one go: a focus change it causes happens
// before any timer fires or any queued call runs. So the first of those after
// the press ends its delivery. (A posted reset of its own could run after a
// timer that was already due, such as the one that ends a flight and opens
// the result screen, and so let a held key walk that screen.)
class KeyDeliveryEnd : public QObject
{
public:
    KeyDeliveryEnd(QObject *parent, int *keyBeingDelivered)
        : QObject(parent), keyBeingDelivered(keyBeingDelivered)
    {
        QCoreApplication::instance()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::Timer:
        case QEvent::MetaCall:
        case QEvent::UpdateRequest:
            *keyBeingDelivered = 0;
            break;
        default:
            break;
        }
        return false;
    }

private:
    int *keyBeingDelivered;
};

} // namespace

DesktopTiltInput::DesktopTiltInput(QWindow *window, TiltSourceInfo *info)
    : QObject(window), window(window), info(info)
{
    if (QCoreApplication::instance())
        new KeyDeliveryEnd(this, &keyBeingDelivered);
    if (window) {
        window->installEventFilter(this);
        connect(window, &QWindow::focusObjectChanged, this, &DesktopTiltInput::focusMoved);
    }
    if (info)
        info->setSource(QStringLiteral("keys"));
}

void DesktopTiltInput::setMode(Mode mode)
{
    if (mode == currentMode)
        return;
    currentMode = mode;
    if (info)
        info->setSource(mode == Mode::Keys ? QStringLiteral("keys") : QStringLiteral("mouse"));
}

bool DesktopTiltInput::handleKey(int key, bool pressed)
{
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_A:
        leftHeld = pressed;
        return true;
    case Qt::Key_Right:
    case Qt::Key_D:
        rightHeld = pressed;
        return true;
    case Qt::Key_Up:
    case Qt::Key_W:
        upHeld = pressed;
        return true;
    case Qt::Key_Down:
    case Qt::Key_S:
        downHeld = pressed;
        return true;
    default:
        return false;
    }
}

bool DesktopTiltInput::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        auto *key = static_cast<QKeyEvent *>(event);
        const bool pressed = event->type() == QEvent::KeyPress;
        if (key->isAutoRepeat()) {
            if (staleKeys.contains(key->key()))
                return true;
            break;
        }
        // The window system repeats a held key as a release and a press
        // with the same time. On a busy machine Qt can read the release before
        // the press has arrived and then hands both on as real: that press
        // carries the released key's time and stays a repeat of a stale key.
        if (pressed && key->key() == staleReleased && key->timestamp() == staleReleaseTime) {
            keysDown.insert(key->key());
            staleKeys.insert(key->key());
            return true;
        }
        staleReleased = 0;
        if (pressed) {
            // Whatever focus change this press makes happens while it is
            // delivered; the next timer or queued call ends that (see
            // KeyDeliveryEnd). A repeat is no new press: a screen that takes
            // the focus while one is delivered (a screen built over several
            // events) must still find the held key stale.
            keyBeingDelivered = key->key();
            keysDown.insert(key->key());
        } else {
            keysDown.remove(key->key());
            if (staleKeys.remove(key->key())) {
                staleReleased = key->key();
                staleReleaseTime = key->timestamp();
            }
        }
        if (handleKey(key->key(), pressed) && pressed)
            setMode(Mode::Keys);
        break;
    }
    case QEvent::MouseMove:
        mousePosition = static_cast<QMouseEvent *>(event)->position();
        mouseInside = true;
        setMode(Mode::Mouse);
        break;
    case QEvent::Enter:
        mouseInside = true;
        break;
    case QEvent::Leave:
        mouseInside = false;
        break;
    case QEvent::FocusOut:
        // Releases that go to another window never arrive here.
        leftHeld = rightHeld = upHeld = downHeld = false;
        keysDown.clear();
        staleKeys.clear();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void DesktopTiltInput::focusMoved()
{
    staleKeys = keysDown;
    staleKeys.remove(keyBeingDelivered);
    leftHeld = rightHeld = upHeld = downHeld = false;
}

void DesktopTiltInput::targetTilt(float *targetRight, float *targetUp) const
{
    *targetRight = 0;
    *targetUp = 0;
    if (currentMode == Mode::Keys) {
        *targetRight = maxTiltDegrees * (float(rightHeld) - float(leftHeld));
        *targetUp = maxTiltDegrees * (float(upHeld) - float(downHeld));
        return;
    }
    if (!mouseInside || !window || window->width() <= 0 || window->height() <= 0)
        return;
    const qreal halfWidth = window->width() / 2.0;
    const qreal halfHeight = window->height() / 2.0;
    *targetRight = maxTiltDegrees * clampUnit((mousePosition.x() - halfWidth) / halfWidth);
    *targetUp = maxTiltDegrees * clampUnit((halfHeight - mousePosition.y()) / halfHeight);
}

void DesktopTiltInput::advance()
{
    float targetRight = 0;
    float targetUp = 0;
    targetTilt(&targetRight, &targetUp);
    right = approach(right, targetRight);
    up = approach(up, targetUp);
}

QVector3D DesktopTiltInput::deviceReading() const
{
    // Screen axes of the landscape device (x right, y up, z out of the
    // screen): the reading points away from the ground, so the lowered edge
    // reads negative.
    const float screenX = -std::sin(right * degToRad);
    const float screenY = -std::sin(up * degToRad);
    const float screenZ = std::sqrt(std::max(0.0f, 1.0f - screenX * screenX - screenY * screenY));
    // The device lies in landscape with its top edge on the right: its own x
    // axis points down the screen and its y axis to the right.
    return QVector3D(-screenY, screenX, screenZ) * standardGravity;
}
