#pragma once

#include <QObject>
#include <QString>
#include <QVariantList>

class QWindow;

// Tells the settings screen every tilt source the game found and which one
// steers now. `source` is the one steering: "sensor" (a real accelerometer),
// "keys" (arrow keys / WASD), "mouse" (mouse position over the window),
// "stick" (a game controller's stick or D-pad), "motion" (a game controller's
// own accelerometer) or "touch" (drags on the play field); empty until a
// source has been chosen. `sources` lists them all, each a map with "kind"
// (one of the above, or "controller"), "steering" and for controllers "id",
// "name", "hasMotion" and "motion" (steers by motion rather than stick).
class TiltSourceInfo : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString source READ source NOTIFY sourceChanged)
    Q_PROPERTY(QVariantList sources READ sources NOTIFY sourcesChanged)
    // Whether what steers has a resting pose worth calibrating: a phone's or a
    // controller's accelerometer (or a source not chosen yet). Keys, mouse,
    // stick and touch always start level.
    Q_PROPERTY(bool hasPose READ hasPose NOTIFY sourceChanged)

public:
    explicit TiltSourceInfo(QObject *parent = nullptr);

    // The one info object of a window, created as its child on first use.
    static TiltSourceInfo *forWindow(QWindow *window);

    QString source() const;
    QVariantList sources() const;
    bool hasPose() const;

    // The device's own source, which steers unless something took over.
    void setSource(const QString &source);
    // What took over from it ("stick", "motion", "touch"), or empty.
    void setTakenOver(const QString &source);
    // Each a map with "id", "name", "hasMotion", "motion" and "steering".
    void setControllers(const QVariantList &controllers);
    void setTouchAvailable(bool available);

    // Settings asks a controller to steer by its motion sensor or its stick.
    Q_INVOKABLE void setControllerMotion(int id, bool motion);

signals:
    void sourceChanged();
    void sourcesChanged();
    void controllerMotionRequested(int id, bool motion);

private:
    // Sets deviceSource or takenOver and tells what changed.
    void replace(QString &which, const QString &source);

    QString deviceSource;
    QString takenOver;
    QVariantList controllers;
    bool touchAvailable = false;
};
