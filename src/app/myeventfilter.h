#pragma once

#include <QObject>

// Installed on the application: turns every activation change, of any object,
// into one signal, so the game can pause when it loses the foreground.
class MyEventFilter : public QObject
{
    Q_OBJECT

public:
    explicit MyEventFilter(QObject *parent = nullptr);

signals:
    void activationChangeFiltered();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
