#pragma once

#include <QObject>
#include <QString>

class QWindow;

// Tells the settings screen where the tilt comes from: "sensor" (a real
// accelerometer), "keys" (arrow keys / WASD) or "mouse" (mouse position over
// the window). Empty until a source has been chosen.
class TiltSourceInfo : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString source READ source NOTIFY sourceChanged)

public:
    explicit TiltSourceInfo(QObject *parent = nullptr);

    // The one info object of a window, created as its child on first use.
    static TiltSourceInfo *forWindow(QWindow *window);

    QString source() const { return currentSource; }
    void setSource(const QString &source);

signals:
    void sourceChanged();

private:
    QString currentSource;
};
