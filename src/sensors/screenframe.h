#pragma once

#include <QMetaObject>
#include <QObject>
#include <QPointer>
#include <QVector3D>

class QScreen;
class QWindow;

// Turns what a device's accelerometer reads, in the device's own axes, into
// the pose the game's axes are made for: a device that is portrait by nature,
// held in landscape with its top edge on the right (AccelerometerFilter's
// (y, -x, z) is right, up, out of the screen only there).
//
// The turn is the angle between the screen's current orientation and its
// natural one, in quarter turns (QScreen::angleBetween(orientation,
// nativeOrientation) / 90). Qt's orientations follow each other as the device
// turns anticlockwise: Portrait, Landscape (a phone's top edge on the left),
// InvertedPortrait, InvertedLandscape (top edge on the right).
//
// A platform that does not say how its panel sits by nature is taken for a
// phone (portrait by nature); one that does not say how the screen is turned
// is taken to be in the game's own pose, so nothing turns.
class ScreenFrame : public QObject
{
    Q_OBJECT

public:
    explicit ScreenFrame(QObject *parent = nullptr);

    // Follows the orientation of the window's screen, and the window to
    // another screen, from now on.
    void followWindow(QWindow *window);
    // Sets both orientations by hand; the screen's next change overrides them.
    void setOrientations(Qt::ScreenOrientation natural, Qt::ScreenOrientation current);

    QVector3D toReferencePose(const QVector3D &device) const;

private:
    void followScreen(QScreen *screen);

    Qt::ScreenOrientation natural = Qt::PrimaryOrientation;
    Qt::ScreenOrientation current = Qt::PrimaryOrientation;
    QPointer<QScreen> screen;
    QMetaObject::Connection orientationConnection;
};
