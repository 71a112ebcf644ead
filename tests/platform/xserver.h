#pragma once

#include <QProcess>
#include <QtGlobal>

// A private Xvfb for one test process, started before the application object
// and stopped with it. The game then draws into a real X window that other X
// clients can take the focus from.
class XServer
{
public:
    XServer()
    {
        server.setProgram(QStringLiteral("sh"));
        server.setArguments({QStringLiteral("-c"),
                             QStringLiteral("exec Xvfb -displayfd 1 -nolisten tcp -screen 0 "
                                            "1024x768x24 2>/dev/null")});
        server.start();
        if (!server.waitForReadyRead(10000))
            return;
        display = ':' + server.readLine().trimmed();
        qputenv("DISPLAY", display);
        qputenv("QT_QPA_PLATFORM", "xcb");
    }
    ~XServer()
    {
        server.terminate();
        server.waitForFinished(5000);
    }
    bool running() const { return display.size() > 1; }

private:
    QProcess server;
    QByteArray display;
};
