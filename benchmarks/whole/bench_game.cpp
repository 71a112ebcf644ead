// The real game, started exactly as the program starts it, with a frame probe
// on its window. Modes, after the program name:
//   startup                  the first frame of the title screen and the memory then
//   demo                     the first frame drawn once the title's demo flight
//                            has flown its first step (and the memory then)
//   pacing <s>               the title's demo flight (the first level flown along
//                            its route) while the menu music plays and an effect
//                            sounds every 700 ms
//   flight <s> <level> <dir> a real flight: <level> ("group/name") started from
//                            the menus as a player starts it, with the HUD, the
//                            engine's step, music and effects, steered along the
//                            level's route; the camera's path is written to
//                            <dir>/path.txt for the reference to replay
//   grab <level> <dir>       pictures for that reference: the level's world
//                            (<dir>/world.png) and its instruments (<dir>/hud.png)
// Run from the build directory, where qml/ and sounds/ are linked.

#include "app/startup.h"
#include "frameprobe.h"

#include <QColor>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QJSValue>
#include <QLineF>
#include <QQmlContext>
#include <QQuickItem>
#include <QQuickItemGrabResult>
#include <QQuickView>
#include <QTimer>
#include <QVariant>

#include <atomic>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <functional>
#include <memory>
#include <vector>

namespace {

// A slot for QML's own signals, which have no member function to connect a
// lambda to.
class Callback : public QObject
{
    Q_OBJECT
public:
    Callback(std::function<void()> fn, QObject *parent) : QObject(parent), fn(std::move(fn)) {}
public slots:
    void fire() { fn(); }
private:
    std::function<void()> fn;
};

qint64 monotonicNs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return qint64(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

QObject *flownLevel(QQuickView &view)
{
    return view.rootObject() ? view.rootObject()->findChild<QObject *>(QStringLiteral("gameLevel")) : nullptr;
}

QList<QPointF> routeOf(QObject *level)
{
    QList<QPointF> points;
    const QJSValue array = level->property("route").value<QJSValue>();
    for (int i = 0; i < array.property(QStringLiteral("length")).toInt(); ++i)
        points << array.property(quint32(i)).toVariant().toPointF();
    return points;
}

void playEffects(QQuickView &view)
{
    QObject *engine = view.rootContext()->contextProperty(QStringLiteral("GameEngine")).value<QObject *>();
    if (!engine)
        return;
    // Chime, page click, sonar, alarm and bump, in turn.
    auto *effects = new QTimer(&view);
    QObject::connect(effects, &QTimer::timeout, engine, [engine]() {
        static const int sounds[] = { 3, 5, 13, 2, 20 };
        static int next = 0;
        QMetaObject::invokeMethod(engine, "playSound", Q_ARG(QVariant, QVariant(sounds[next])));
        next = (next + 1) % 5;
    });
    effects->start(700);
}

// Opens the level the way the levels screen does.
void startLevel(QQuickView &view, const QString &levelName)
{
    QObject *session = view.rootObject()->property("session").value<QObject *>();
    session->setProperty("group", levelName.section('/', 0, 0));
    QMetaObject::invokeMethod(session, "startLevel", Q_ARG(QVariant, levelName.section('/', 1)));
}

// Calls back once the flown level is running (polled: the flight screen
// builds it from the event loop).
void whenFlying(QQuickView &view, std::function<void(QObject *)> then)
{
    auto *poll = new QTimer(&view);
    QObject::connect(poll, &QTimer::timeout, &view, [&view, poll, then] {
        QObject *level = flownLevel(view);
        if (!level || !level->property("running").toBool())
            return;
        poll->deleteLater();
        poll->stop();
        then(level);
    });
    poll->start(20);
}

// Steers the aeroplane along the level's route the way the level test does:
// straight for the next waypoint (reached within 36 units), past the last one
// along the last leg. The vector is set after every step of the flight, for
// the next one; pointer and keyboard steering are switched off so that
// nothing else steers.
void flyRoute(QObject *level)
{
    auto *plane = level->property("airplane").value<QQuickItem *>();
    const QList<QPointF> route = routeOf(level);
    if (!plane || route.isEmpty())
        return;
    level->setProperty("keyboardSteering", false);
    level->setProperty("pointerSteering", false);
    auto waypoint = std::make_shared<int>(0);
    auto steer = [plane, route, waypoint] {
        const QPointF centre(plane->property("realX").toReal() + plane->width() / 2,
                             plane->property("realY").toReal() + plane->height() / 2);
        int &next = *waypoint;
        if (next < route.size() && QLineF(centre, route[next]).length() < 36)
            ++next;
        const QPointF to = next < route.size() ? route[next] - centre
                                               : route.last() - route[std::max(0, int(route.size()) - 2)];
        const double length = std::hypot(to.x(), to.y());
        plane->setProperty("vectorX", length > 0 ? to.x() / length : 0.0);
        plane->setProperty("vectorY", length > 0 ? -to.y() / length : 0.0);
    };
    steer();
    auto *after = new Callback(steer, level);
    QObject::connect(level, SIGNAL(ticksChanged()), after, SLOT(fire()));
}

// Notes where the camera has the world on every frame (the level's position
// in the window, against the time since the flight started), for the
// reference to move its picture of the world the same way.
void recordCamera(QQuickView &view, QObject *level, const QString &dir)
{
    auto *item = qobject_cast<QQuickItem *>(level);
    if (!item)
        return;
    struct Sample { qint64 ns; double x, y; };
    auto samples = std::make_shared<std::vector<Sample>>();
    samples->reserve(8192);
    const qint64 start = monotonicNs();
    QObject::connect(&view, &QQuickWindow::afterAnimating, item, [item, samples, start] {
        samples->push_back({ monotonicNs() - start, item->x(), item->y() });
    });
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, [samples, dir] {
        QFile out(dir + QStringLiteral("/path.txt"));
        if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return;
        for (const Sample &s : *samples)
            out.write(QByteArray::number(double(s.ns) / 1e6, 'f', 2) + ' ' + QByteArray::number(s.x, 'f', 2) + ' '
                      + QByteArray::number(s.y, 'f', 2) + '\n');
    });
    QObject::connect(level, SIGNAL(flightEnded(bool)), new Callback([] {
        std::printf("probe: flight_ended_early=1\n");
        std::fflush(stdout);
    }, level), SLOT(fire()));
}

// The world without the instruments and without the open sea (both lie beside
// the level, not in it; the reference lays the sea's colour under the
// picture), then the instruments alone on a transparent ground.
void grabPictures(QQuickView &view, const QString &dir)
{
    auto *level = qobject_cast<QQuickItem *>(flownLevel(view));
    auto *hud = level ? level->property("hud").value<QQuickItem *>() : nullptr;
    if (!level || !hud) {
        std::fprintf(stderr, "bench_game: no level to grab\n");
        QCoreApplication::exit(1);
        return;
    }
    level->setProperty("running", false);
    const auto world = level->grabToImage();
    QObject::connect(world.data(), &QQuickItemGrabResult::ready, &view, [world, level, hud, dir] {
        world->saveToFile(dir + QStringLiteral("/world.png"));
        const QString water = level->property("water").value<QColor>().name();
        QFile waterFile(dir + QStringLiteral("/water.txt"));
        if (waterFile.open(QIODevice::WriteOnly | QIODevice::Truncate))
            waterFile.write(water.toLatin1());
        std::printf("probe: world=%dx%d water=%s\n", world->image().width(), world->image().height(),
                    qPrintable(water));
        const auto instruments = hud->grabToImage();
        QObject::connect(instruments.data(), &QQuickItemGrabResult::ready, hud, [instruments, dir] {
            instruments->saveToFile(dir + QStringLiteral("/hud.png"));
            std::printf("probe: hud=%dx%d\n", instruments->image().width(), instruments->image().height());
            std::fflush(stdout);
            QCoreApplication::quit();
        });
    });
}

} // namespace

int main(int argc, char *argv[])
{
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    const QString mode = args.value(0, QStringLiteral("startup"));

    double seconds = 20;
    const FrameProbe::Mode probeMode = FrameProbe::modeFromArguments(argc, argv, &seconds);
    if (mode == QLatin1String("flight"))
        seconds = args.value(1).toDouble() > 0 ? args.value(1).toDouble() : 20;
    return runCirrovanta(argc, argv, [=](QQuickView &view) {
        if (mode == QLatin1String("startup") || mode == QLatin1String("pacing")) {
            new FrameProbe(&view, probeMode, 2.0, seconds);
            if (probeMode == FrameProbe::Mode::Pacing)
                playEffects(view);
            return;
        }
        if (mode == QLatin1String("demo")) {
            // The GUI thread sees the demo's first step; the frame after it is
            // the first that shows the demo flying.
            auto flying = std::make_shared<std::atomic<bool>>(false);
            auto reported = std::make_shared<std::atomic<bool>>(false);
            QObject::connect(&view, &QQuickWindow::afterAnimating, &view, [&view, flying] {
                if (flying->load())
                    return;
                QObject *level = flownLevel(view);
                if (level && level->property("ticks").toInt() >= 1)
                    flying->store(true);
            });
            QObject::connect(&view, &QQuickWindow::frameSwapped, &view, [flying, reported] {
                if (!flying->load() || reported->exchange(true))
                    return;
                const qint64 now = monotonicNs();
                timespec cpu{};
                clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu);
                QFile status(QStringLiteral("/proc/self/status"));
                qint64 rss = -1;
                if (status.open(QIODevice::ReadOnly))
                    for (const QByteArray &line : status.readAll().split('\n'))
                        if (line.startsWith("VmRSS:"))
                            rss = line.mid(6).trimmed().split(' ').value(0).toLongLong();
                std::printf("probe: demo_flying_ns=%lld demo_rss_kib=%lld demo_cpu_ms=%.1f\n",
                            static_cast<long long>(now), static_cast<long long>(rss),
                            double(cpu.tv_sec) * 1e3 + double(cpu.tv_nsec) / 1e6);
                std::fflush(stdout);
                QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
            }, Qt::DirectConnection);
            QTimer::singleShot(30000, qApp, [] { QCoreApplication::exit(3); });
            return;
        }
        const QString levelName = mode == QLatin1String("flight") ? args.value(2) : args.value(1);
        const QString dir = mode == QLatin1String("flight") ? args.value(3) : args.value(2);
        if (levelName.isEmpty() || dir.isEmpty()) {
            std::fprintf(stderr, "bench_game: flight <s> <level> <dir> | grab <level> <dir>\n");
            QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(2); });
            return;
        }
        startLevel(view, levelName);
        QTimer::singleShot(60000, qApp, [] { QCoreApplication::exit(3); });
        if (mode == QLatin1String("grab")) {
            whenFlying(view, [&view, dir](QObject *levelObject) {
                flyRoute(levelObject);
                // 1.5 s into the flight, so that the briefing has gone and
                // the instruments show what they show in flight.
                QTimer::singleShot(1500, &view, [&view, dir] { grabPictures(view, dir); });
            });
            return;
        }
        whenFlying(view, [&view, seconds, dir](QObject *levelObject) {
            flyRoute(levelObject);
            new FrameProbe(&view, FrameProbe::Mode::Pacing, 2.0, seconds);
            playEffects(view);
            recordCamera(view, levelObject, dir);
        });
    });
}

#include "bench_game.moc"
