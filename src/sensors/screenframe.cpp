#include "sensors/screenframe.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWindow>

namespace {

// Quarter turns anticlockwise from Portrait.
int quarterTurns(Qt::ScreenOrientation orientation)
{
    switch (orientation) {
    case Qt::LandscapeOrientation:
        return 1;
    case Qt::InvertedPortraitOrientation:
        return 2;
    case Qt::InvertedLandscapeOrientation:
        return 3;
    default:
        return 0;
    }
}

} // namespace

ScreenFrame::ScreenFrame(QObject *parent) : QObject(parent) {}

void ScreenFrame::followWindow(QWindow *window)
{
    if (!window) {
        followScreen(QGuiApplication::primaryScreen());
        return;
    }
    connect(window, &QWindow::screenChanged, this, &ScreenFrame::followScreen);
    followScreen(window->screen());
}

void ScreenFrame::followScreen(QScreen *newScreen)
{
    disconnect(orientationConnection);
    screen = newScreen;
    if (!screen)
        return;
    setOrientations(screen->nativeOrientation(), screen->orientation());
    orientationConnection = connect(screen, &QScreen::orientationChanged, this,
                                    [this](Qt::ScreenOrientation orientation) {
                                        setOrientations(screen->nativeOrientation(), orientation);
                                    });
}

void ScreenFrame::setOrientations(Qt::ScreenOrientation newNatural,
                                  Qt::ScreenOrientation newCurrent)
{
    natural = newNatural;
    current = newCurrent;
}

QVector3D ScreenFrame::toReferencePose(const QVector3D &device) const
{
    if (current == Qt::PrimaryOrientation)
        return device;
    const int turns = (quarterTurns(current) - quarterTurns(natural) + 4) % 4;
    const float x = device.x();
    const float y = device.y();
    // The screen's right and up in device axes, turn by turn: (x, y),
    // (-y, x), (-x, -y), (y, -x); the game's pose reads (-up, right).
    switch (turns) {
    case 0:
        return QVector3D(-y, x, device.z());
    case 1:
        return QVector3D(-x, -y, device.z());
    case 2:
        return QVector3D(y, -x, device.z());
    default:
        return device;
    }
}
