#pragma once

#include <QMutex>
#include <QMutexLocker>
#include <QStringList>
#include <QtGlobal>

// Collects every message while alive and passes it on to the handler that was
// installed before (QtTest's), so the test log still shows them. Messages come
// from the audio thread too, so collecting is serialised. Collectors may nest:
// each one alive sees every message.
class DebugLines
{
public:
    DebugLines()
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
        for (DebugLines *lines = active; lines; lines = lines->outer)
            lines->collected.append(text);
        if (previous)
            previous(type, context, text);
    }

    static inline QMutex mutex;
    static inline DebugLines *active = nullptr;
    static inline QtMessageHandler previous = nullptr;
    DebugLines *outer = nullptr;
    QStringList collected;
};

// Drops debug lines while alive; warnings and worse still reach the log.
class QuietDebug
{
public:
    QuietDebug() : previous(qInstallMessageHandler(&QuietDebug::handle)) {}
    ~QuietDebug() { qInstallMessageHandler(previous); }
    QuietDebug(const QuietDebug &) = delete;
    QuietDebug &operator=(const QuietDebug &) = delete;

private:
    static void handle(QtMsgType type, const QMessageLogContext &context, const QString &text)
    {
        if (type != QtDebugMsg)
            qt_message_output(type, context, text);
    }
    QtMessageHandler previous;
};

