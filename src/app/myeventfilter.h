#pragma once

#include <QObject>

// Installed on the application: turns every change of the game between the
// foreground and the background, both ways, into one signal, so the game can
// pause when the player leaves it.
//
// Qt 6 tells the application object with one ApplicationStateChange per
// change. The windows' own WindowActivate/WindowDeactivate reach every item of
// the scene and would count one change many times, and a window-less
// ActivationChange is never delivered at all.
class MyEventFilter : public QObject
{
    Q_OBJECT

public:
    explicit MyEventFilter(QObject *parent = nullptr);

signals:
    void activationChangeFiltered();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool inForeground = false;
};
