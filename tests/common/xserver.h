#pragma once

// A private Xvfb, from construction to destruction, as DISPLAY; and xdotool,
// for the real X requests a user's window manager or keyboard would make.

#include <QProcess>

struct XServer
{
    QProcess server;
    XServer()
    {
        server.start("Xvfb", {"-displayfd", "1", "-screen", "0", "1024x768x24", "-nolisten", "tcp"});
        if (server.waitForReadyRead(20000))
            qputenv("DISPLAY", ':' + server.readLine().trimmed());
    }
    ~XServer() { server.kill(), server.waitForFinished(); }
    bool running() const { return server.state() == QProcess::Running; }
};

// xdotool's first line of output (a window id, say).
inline QString xdotool(const QStringList &arguments)
{
    QProcess tool;
    tool.start("xdotool", arguments);
    if (!tool.waitForFinished(60000))
        tool.kill(), tool.waitForFinished();
    return QString::fromUtf8(tool.readAllStandardOutput()).section('\n', 0, 0);
}
