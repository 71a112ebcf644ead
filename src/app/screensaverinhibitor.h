#pragma once

#include <QObject>

// Keeps the display from blanking while the game runs, through the
// freedesktop screen-saver interface on the session bus. Without a session
// bus or the service it does nothing.
class ScreenSaverInhibitor : public QObject
{
    Q_OBJECT

public:
    explicit ScreenSaverInhibitor(QObject *parent = nullptr);
    ~ScreenSaverInhibitor() override;

    void setScreenSaverInhibit();
    bool isInhibiting() const { return cookie != 0; }

private:
    uint cookie = 0;
};
