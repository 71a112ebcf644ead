// What recording a flight costs. The real game flies its first level hands off
// in its real window; the process's whole CPU time per flight frame over 12 s
// of that flight is the reference. The recorder's own work for one frame is
// then timed on the same level, aeroplane and engine (the flight clock
// stopped), and set against it. Last, the size of the replay file per minute
// of flight. Run from the build directory under a display (Xvfb will do):
//   bench_replays [seconds]
#include "app/startup.h"
#include "engine/flightrecorder.h"

#include <QGuiApplication>
#include <QMetaMethod>
#include <QQmlContext>
#include <QQuickItem>
#include <QQuickView>
#include <QTimer>

#include <cstdio>
#include <ctime>

namespace {

qint64 cpuNs(clockid_t clock)
{
    timespec now{};
    clock_gettime(clock, &now);
    return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
}

QObject *flownLevel(QObject *root)
{
    return root->findChild<QObject *>(QStringLiteral("gameLevel"));
}

void report(QQuickView &view, qint64 startCpu, int startTicks)
{
    QObject *level = flownLevel(view.rootObject());
    auto *recorder = qobject_cast<FlightRecorder *>(
        view.rootContext()->contextProperty(QStringLiteral("Replays")).value<QObject *>());
    if (!level || !recorder) {
        std::fprintf(stderr, "bench_replays: no flight to measure\n");
        QGuiApplication::exit(1);
        return;
    }
    const int frames = level->property("ticks").toInt() - startTicks;
    const double frameCpuUs = double(cpuNs(CLOCK_PROCESS_CPUTIME_ID) - startCpu) / 1000.0 / frames;

    // The recorder's frame, called the way the level's clock calls it, with
    // the clock stopped so that nothing else runs in between.
    level->setProperty("running", false);
    const QMetaMethod frame = recorder->metaObject()->method(recorder->metaObject()->indexOfSlot("frame()"));
    constexpr int calls = 20000;
    double best = 1e9;
    for (int round = 0; round < 7; ++round) {
        const qint64 before = cpuNs(CLOCK_THREAD_CPUTIME_ID);
        for (int i = 0; i < calls; ++i)
            frame.invoke(recorder, Qt::DirectConnection);
        best = std::min(best, double(cpuNs(CLOCK_THREAD_CPUTIME_ID) - before) / 1000.0 / calls);
    }
    const Replay &flight = recorder->lastFlight();
    const double minutes = flight.durationMs() / 60000.0;
    const qsizetype bytes = ReplayFile::encode(flight).size();

    std::printf("flight frames measured         %d (%.1f s at %d fps)\n", frames, frames / double(flight.fps), flight.fps);
    std::printf("whole process CPU per frame    %.1f us\n", frameCpuUs);
    std::printf("recorder CPU per frame         %.2f us\n", best);
    std::printf("recording share of the frame   %.3f %%\n", 100.0 * best / frameCpuUs);
    std::printf("replay file                    %lld bytes for %.1f s: %.1f KiB per minute (%.1f bytes per frame)\n",
                qint64(bytes), minutes * 60, bytes / 1024.0 / minutes, double(bytes) / flight.samples.size());
    QGuiApplication::quit();
}

} // namespace

int main(int argc, char *argv[])
{
    const double seconds = argc > 1 ? std::max(2.0, std::atof(argv[1])) : 12.0;
    return runCirrovanta(argc, argv, [seconds](QQuickView &view) {
        QObject *session = view.rootObject()->property("session").value<QObject *>();
        session->setProperty("group", QStringLiteral("1-FlightSchool"));
        QMetaObject::invokeMethod(session, "startLevel", Q_ARG(QVariant, QStringLiteral("01_straight")));
        // Measured from 2 s into the flight, once the level is built.
        auto *start = new QTimer(&view);
        start->setSingleShot(true);
        QObject::connect(start, &QTimer::timeout, &view, [&view, seconds] {
            QObject *level = flownLevel(view.rootObject());
            const qint64 startCpu = cpuNs(CLOCK_PROCESS_CPUTIME_ID);
            const int startTicks = level ? level->property("ticks").toInt() : 0;
            QTimer::singleShot(int(seconds * 1000), &view, [&view, startCpu, startTicks] {
                report(view, startCpu, startTicks);
            });
        });
        start->start(2000);
    });
}
