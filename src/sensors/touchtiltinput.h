#pragma once

#include <QObject>
#include <QPointF>
#include <QPointer>
#include <QVector3D>

#include <functional>

class QWindow;

// Steering by touch on screens without a tilt sensor: a finger pressed
// anywhere on the play field and dragged tilts the device from the press
// point, 30° at a quarter of the window's width; lifting it levels out.
// Touches are only watched, never taken, so the menus and the HUD still get
// them; outside a flight (playing() false) a touch steers nothing.
class TouchTiltInput : public QObject
{
    Q_OBJECT

public:
    TouchTiltInput(QWindow *window, std::function<bool()> playing);

    bool isTouching() const { return touching; }
    void advance();
    QVector3D deviceReading() const;

signals:
    void tookOver();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPointer<QWindow> window;
    std::function<bool()> playing;
    bool touching = false;
    QPointF pressPoint;
    float targetRight = 0;
    float targetUp = 0;
    float right = 0;
    float up = 0;
};
