#include "frameprobe.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QQuickWindow>
#include <QSGRendererInterface>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <unistd.h>

namespace {

qint64 monotonicNs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return qint64(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

qint64 processCpuNs()
{
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return qint64(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

// One "Name:   123 kB" field of /proc/self/status, in KiB.
qint64 statusKiB(const QByteArray &field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(field + ':'))
            return line.mid(field.size() + 1).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// CPU time of one thread: the scheduler's nanosecond count when the kernel
// keeps it, else user + system time from the thread's stat line.
qint64 threadCpuNs(const QString &taskDir)
{
    const QByteArray sched = readFile(taskDir + QStringLiteral("/schedstat"));
    if (!sched.isEmpty())
        return sched.split(' ').value(0).toLongLong();
    const QByteArray stat = readFile(taskDir + QStringLiteral("/stat"));
    const int close = stat.lastIndexOf(')');
    if (close < 0)
        return 0;
    // Fields after the name: state is field 3, utime 14 and stime 15.
    const QList<QByteArray> fields = stat.mid(close + 2).split(' ');
    const qint64 ticks = fields.value(11).toLongLong() + fields.value(12).toLongLong();
    return ticks * (1000000000 / sysconf(_SC_CLK_TCK));
}

QByteArray threadName(const QString &taskDir)
{
    const QByteArray stat = readFile(taskDir + QStringLiteral("/stat"));
    const int open = stat.indexOf('(');
    const int close = stat.lastIndexOf(')');
    if (open < 0 || close < open)
        return "?";
    return stat.mid(open + 1, close - open - 1);
}

double percentile(std::vector<qint64> sorted, double p)
{
    if (sorted.empty())
        return 0;
    std::sort(sorted.begin(), sorted.end());
    const double rank = p * double(sorted.size() - 1);
    const size_t below = size_t(rank);
    const size_t above = std::min(below + 1, sorted.size() - 1);
    const double frac = rank - double(below);
    return double(sorted[below]) * (1 - frac) + double(sorted[above]) * frac;
}

} // namespace

FrameProbe::FrameProbe(QQuickWindow *window, Mode mode, double warmUpSeconds, double windowSeconds)
    : QObject(window), window(window), mode(mode),
      warmUp(std::chrono::nanoseconds(qint64(warmUpSeconds * 1e9))),
      span(std::chrono::nanoseconds(qint64(windowSeconds * 1e9)))
{
    intervals.reserve(size_t(windowSeconds * 200) + 16);
    // Direct: the signal comes from the render thread when there is one.
    connect(window, &QQuickWindow::frameSwapped, this, &FrameProbe::frameSwapped,
            Qt::DirectConnection);
    // A scene that stops drawing never completes its stretch of frames: give
    // up well after it should have ended, so a run can never hang.
    const int limitMs = int((warmUpSeconds + windowSeconds) * 1000) + 30000;
    QTimer::singleShot(limitMs, this, [] {
        std::printf("probe: timed_out=1\n");
        std::fflush(stdout);
        QCoreApplication::exit(3);
    });
}

FrameProbe::Mode FrameProbe::modeFromArguments(int argc, char *argv[], double *seconds)
{
    for (int i = 1; i < argc; ++i) {
        if (qstrcmp(argv[i], "pacing") == 0) {
            if (seconds && i + 1 < argc)
                *seconds = QByteArray(argv[i + 1]).toDouble();
            return Mode::Pacing;
        }
    }
    return Mode::FirstFrame;
}

void FrameProbe::frameSwapped()
{
    if (reported)
        return;
    const qint64 now = monotonicNs();
    if (firstFrameNs == 0) {
        firstFrameNs = now;
        if (mode == Mode::FirstFrame) {
            // For finding what the memory at the first frame is made of.
            const QString smapsCopy = qEnvironmentVariable("BENCH_SMAPS_COPY");
            if (!smapsCopy.isEmpty()) {
                QFile out(smapsCopy);
                if (out.open(QIODevice::WriteOnly))
                    out.write(readFile(QStringLiteral("/proc/self/smaps")));
            }
            reportFirstFrame(now);
            return;
        }
    }
    if (windowStartNs == 0) {
        if (now - firstFrameNs < warmUp.count())
            return;
        windowStartNs = now;
        lastFrameNs = now;
        processCpuAtStart = processCpuNs();
        const QString tasks = QStringLiteral("/proc/self/task");
        for (const QString &tid : QDir(tasks).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            const QString dir = tasks + '/' + tid;
            cpuAtStart.push_back({ tid.toInt(), threadName(dir), threadCpuNs(dir) });
        }
        return;
    }
    intervals.push_back(now - lastFrameNs);
    lastFrameNs = now;
    if (now - windowStartNs >= span.count())
        reportPacing();
}

void FrameProbe::reportFirstFrame(qint64 nowNs)
{
    reported = true;
    const bool renderThread = QThread::currentThread() != qApp->thread();
    QByteArray renderer = "none";
    if (QOpenGLContext *context = QOpenGLContext::currentContext())
        renderer = reinterpret_cast<const char *>(context->functions()->glGetString(GL_RENDERER));
    const auto api = window->rendererInterface()->graphicsApi();
    std::printf("probe: first_frame_ns=%lld rss_kib=%lld anon_kib=%lld file_kib=%lld cpu_ms=%.1f\n",
                static_cast<long long>(nowNs), static_cast<long long>(statusKiB("VmRSS")),
                static_cast<long long>(statusKiB("RssAnon")),
                static_cast<long long>(statusKiB("RssFile") + statusKiB("RssShmem")),
                double(processCpuNs()) / 1e6);
    std::printf("probe: window=%dx%d render_thread=%s graphics_api=%s renderer=%s\n",
                window->width(), window->height(), renderThread ? "yes" : "no",
                api == QSGRendererInterface::Software ? "software" : "opengl", renderer.constData());
    std::fflush(stdout);
    finish();
}

void FrameProbe::reportPacing()
{
    reported = true;
    const qint64 now = monotonicNs();
    const double elapsedNs = double(now - windowStartNs);
    const double processCpu = double(processCpuNs() - processCpuAtStart);
    const double processShare = processCpu / elapsedNs;

    const double median = percentile(intervals, 0.5);
    const double p99 = percentile(intervals, 0.99);
    const qint64 longest = intervals.empty() ? 0 : *std::max_element(intervals.begin(), intervals.end());
    const auto dropped = std::count_if(intervals.begin(), intervals.end(),
                                       [median](qint64 i) { return double(i) > 1.5 * median; });
    std::printf("probe: frames=%zu median_ms=%.3f p99_ms=%.3f max_ms=%.3f dropped=%lld over50ms=%lld\n",
                intervals.size(), median / 1e6, p99 / 1e6, double(longest) / 1e6,
                static_cast<long long>(dropped),
                static_cast<long long>(std::count_if(intervals.begin(), intervals.end(),
                                                     [](qint64 i) { return i > 50000000; })));
    std::printf("probe: process_cpu_pct=%.3f cpu_ms_per_frame=%.3f seconds=%.3f\n", processShare * 100,
                intervals.empty() ? 0.0 : processCpu / 1e6 / double(intervals.size()), elapsedNs / 1e9);

    const QString tasks = QStringLiteral("/proc/self/task");
    for (const ThreadTime &before : cpuAtStart) {
        const QString dir = tasks + '/' + QString::number(before.tid);
        if (!QFile::exists(dir))
            continue;
        const double share = double(threadCpuNs(dir) - before.cpuNs) / elapsedNs;
        QByteArray name = before.name;
        name.replace(' ', '_');
        std::printf("probe: thread tid=%d name=%s cpu_pct=%.3f\n", before.tid, name.constData(),
                    share * 100);
    }
    std::fflush(stdout);
    finish();
}

void FrameProbe::finish()
{
    QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
}
