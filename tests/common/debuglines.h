#pragma once

#include <QStringList>
#include <QtGlobal>

// Collects every message while alive and passes it on to the handler that was
// installed before (QtTest's), so the test log still shows them.
class DebugLines
{
public:
    DebugLines()
    {
        active = this;
        previous = qInstallMessageHandler(&DebugLines::record);
    }
    ~DebugLines()
    {
        qInstallMessageHandler(previous);
        active = nullptr;
    }
    DebugLines(const DebugLines &) = delete;
    DebugLines &operator=(const DebugLines &) = delete;

    const QStringList &lines() const { return collected; }

private:
    static void record(QtMsgType type, const QMessageLogContext &context, const QString &text)
    {
        if (!active)
            return;
        active->collected.append(text);
        if (active->previous)
            active->previous(type, context, text);
    }

    static inline DebugLines *active = nullptr;
    QtMessageHandler previous = nullptr;
    QStringList collected;
};
