#include "sensors/touchtiltinput.h"

#include "sensors/tiltreading.h"

#include <QTouchEvent>
#include <QWindow>

#include <algorithm>

TouchTiltInput::TouchTiltInput(QWindow *window, std::function<bool()> playing)
    : QObject(window), window(window), playing(std::move(playing))
{
    if (window)
        window->installEventFilter(this);
}

bool TouchTiltInput::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::TouchBegin && type != QEvent::TouchUpdate && type != QEvent::TouchEnd
        && type != QEvent::TouchCancel)
        return QObject::eventFilter(watched, event);
    const auto *touch = static_cast<QTouchEvent *>(event);
    if (type == QEvent::TouchEnd || type == QEvent::TouchCancel || touch->points().isEmpty()) {
        touching = false;
        targetRight = targetUp = 0;
    } else if (type == QEvent::TouchBegin) {
        touching = playing && playing();
        pressPoint = touch->points().first().position();
        if (touching)
            emit tookOver();
    } else if (touching && window && window->width() > 0) {
        const QPointF drag = touch->points().first().position() - pressPoint;
        const qreal quarter = window->width() / 4.0;
        targetRight = float(std::clamp(drag.x() / quarter, qreal(-1), qreal(1))) * maxTiltDegrees;
        targetUp = float(std::clamp(-drag.y() / quarter, qreal(-1), qreal(1))) * maxTiltDegrees;
    }
    return QObject::eventFilter(watched, event);
}

void TouchTiltInput::advance()
{
    right = easeTilt(right, targetRight);
    up = easeTilt(up, targetUp);
}

QVector3D TouchTiltInput::deviceReading() const
{
    return tiltDeviceReading(right, up);
}
