#include "app/debugoutput.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QLoggingCategory>
#include <QString>

#include <cerrno>
#include <climits>
#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <mutex>
#include <thread>

#include <dlfcn.h>
#include <poll.h>
#include <unistd.h>

namespace {

// Enough for a burst such as the level scan of thousands of groups while a
// reader catches up; beyond it lines are dropped and counted.
constexpr int queueLimit = 4 * 1024 * 1024;
constexpr auto drainWait = std::chrono::seconds(2);

bool writeAll(const char *data, qsizetype size)
{
    while (size > 0) {
        const ssize_t written = ::write(STDERR_FILENO, data, size_t(size));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += written;
        size -= written;
    }
    return true;
}

// Only writes what fits at once: a pipe that reports room takes PIPE_BUF
// bytes without waiting.
void writeIfRoom(const QByteArray &line)
{
    pollfd out{STDERR_FILENO, POLLOUT, 0};
    if (::poll(&out, 1, 0) == 1 && (out.revents & POLLOUT))
        writeAll(line.constData(), qMin<qsizetype>(line.size(), PIPE_BUF));
}

class Writer
{
public:
    Writer() { std::thread([this] { run(); }).detach(); }

    void post(const QByteArray &line)
    {
        std::unique_lock<std::mutex> lock(mutex);
        if (closed) {
            lock.unlock();
            writeIfRoom(line);
            return;
        }
        if (pending.size() + line.size() > queueLimit) {
            ++dropped;
            return;
        }
        pending += line;
        wake.notify_one();
    }

    // Waits a moment for what is queued to go out; a reader that never reads
    // does not hold up the exit. Later lines are written only when they fit.
    void drain(bool close)
    {
        std::unique_lock<std::mutex> lock(mutex);
        idle.wait_for(lock, drainWait, [this] { return pending.isEmpty() && !writing; });
        closed = closed || close;
    }

private:
    void run()
    {
        std::unique_lock<std::mutex> lock(mutex);
        for (;;) {
            wake.wait(lock, [this] { return !pending.isEmpty(); });
            QByteArray chunk;
            chunk.swap(pending);
            if (dropped > 0)
                chunk += QByteArray::number(dropped) + " debug lines dropped: standard error was full\n";
            dropped = 0;
            writing = true;
            lock.unlock();
            writeAll(chunk.constData(), chunk.size());
            lock.lock();
            writing = false;
            idle.notify_all();
        }
    }

    std::mutex mutex;
    std::condition_variable wake;
    std::condition_variable idle;
    QByteArray pending;
    qint64 dropped = 0;
    bool writing = false;
    bool closed = false;
};

// Never destroyed: its thread may sit in a write nobody reads until the exit.
Writer *writer = nullptr;

void handleMessage(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    writer->post(qFormatLogMessage(type, context, message).toLocal8Bit() + '\n');
    if (type == QtFatalMsg)
        writer->drain(true);
}

} // namespace

void DebugOutput::quietByDefault()
{
    // Rules from the environment (QT_LOGGING_RULES, QT_LOGGING_CONF) are
    // applied after these, so they can switch debug lines back on.
    QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false"));
}

void DebugOutput::install()
{
    if (writer)
        return;
    writer = new Writer;
    qInstallMessageHandler(&handleMessage);
    std::atexit([] { writer->drain(true); });
}

void DebugOutput::takeOverXlibReports()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return;
    // Already loaded by the window system plugin; the game does not link it.
    void *xlib = dlopen("libX11.so.6", RTLD_LAZY | RTLD_NOLOAD);
    if (!xlib)
        return;
    using IOErrorHandler = int (*)(void *display);
    using SetIOErrorHandler = IOErrorHandler (*)(IOErrorHandler);
    if (auto setHandler = reinterpret_cast<SetIOErrorHandler>(dlsym(xlib, "XSetIOErrorHandler"))) {
        // When it returns, Xlib ends the process as its own handler would.
        setHandler([](void *) {
            qWarning("lost the connection to the X server");
            return 0;
        });
    }
    dlclose(xlib);
}
