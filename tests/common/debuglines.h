#pragma once

#include <QMutex>
#include <QMutexLocker>
#include <QStringList>
#include <QtGlobal>

// Collects every message while alive and passes it on to the handler that was
// installed before (QtTest's), so the test log still shows them. Messages come
// from the audio thread too, so collecting is serialised.
class DebugLines
{
public:
    DebugLines()
    {
        QMutexLocker locker(&mutex);
        active = this;
        previous = qInstallMessageHandler(&DebugLines::record);
    }
    ~DebugLines()
    {
        QMutexLocker locker(&mutex);
        qInstallMessageHandler(previous);
        active = nullptr;
    }
    DebugLines(const DebugLines &) = delete;
    DebugLines &operator=(const DebugLines &) = delete;

    QStringList lines() const
    {
        QMutexLocker locker(&mutex);
        return collected;
    }

private:
    static void record(QtMsgType type, const QMessageLogContext &context, const QString &text)
    {
        QMutexLocker locker(&mutex);
        if (!active)
            return;
        active->collected.append(text);
        if (active->previous)
            active->previous(type, context, text);
    }

    static inline QMutex mutex;
    static inline DebugLines *active = nullptr;
    QtMessageHandler previous = nullptr;
    QStringList collected;
};
