#pragma once

#include <QMutex>
#include <QMutexLocker>
#include <QStringList>
#include <QtGlobal>

// Collects every message while alive and passes it on to the handler that was
// installed before (QtTest's), so the test log still shows them. Messages come
// from the audio thread too, so collecting is serialised. Collectors may nest:
// each one alive sees every message. A quiet one collects nothing and keeps
// debug lines out of the log while alive; warnings and worse still reach it.
class DebugLines
{
public:
    explicit DebugLines(bool quiet = false) : quiet(quiet)
    {
        QMutexLocker locker(&mutex);
        outer = active;
        active = this;
        if (!outer)
            previous = qInstallMessageHandler(&DebugLines::record);
    }
    ~DebugLines()
    {
        QMutexLocker locker(&mutex);
        active = outer;
        if (!outer)
            qInstallMessageHandler(previous);
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
        bool quieted = false;
        for (DebugLines *lines = active; lines; lines = lines->outer) {
            quieted = quieted || lines->quiet;
            if (!lines->quiet)
                lines->collected.append(text);
        }
        if (previous && !(quieted && type == QtDebugMsg))
            previous(type, context, text);
    }

    static inline QMutex mutex;
    static inline DebugLines *active = nullptr;
    static inline QtMessageHandler previous = nullptr;
    const bool quiet;
    DebugLines *outer = nullptr;
    QStringList collected;
};

struct QuietDebug : DebugLines
{
    QuietDebug() : DebugLines(true) {}
};
