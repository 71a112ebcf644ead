// How long a tilt takes from the player's hand to the steering item: a stick
// pushed fully right on an SDL virtual controller, against the right arrow key
// pressed on the window, both in the real game started as the program starts.
// Times to the first movement (rawangleY past 90.5°) and to half the tilt
// (105°), median of the rounds, as ratios against the key. The steering item
// is refreshed after every event, as a flight refreshes it every frame.
// Run from the build directory, where qml/ and sounds/ are linked.

#include "app/startup.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QQmlContext>
#include <QQuickItem>
#include <QQuickView>
#include <QTest>
#include <QTimer>

#include <SDL.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int rounds = 15;

struct Times
{
    std::vector<double> first;
    std::vector<double> half;
};

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

class Probe
{
public:
    explicit Probe(QQuickView &view)
        : steer(view.rootObject()->findChild<QObject *>("steer")),
          engine(view.rootContext()->contextProperty("GameEngine").value<QObject *>())
    {
    }

    double angle() const { return steer->property("rawangleY").toDouble(); }

    // Runs events until the angle satisfies done; milliseconds taken, or -1.
    double until(const std::function<bool(double)> &done, const QElapsedTimer &clock) const
    {
        while (clock.elapsed() < 5000) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
            QMetaObject::invokeMethod(engine, "refreshSteer");
            if (done(angle()))
                return clock.nsecsElapsed() / 1e6;
        }
        return -1;
    }

    void measure(const std::function<void()> &push, const std::function<void()> &release, Times &times)
    {
        for (int round = 0; round <= rounds; ++round) {
            QElapsedTimer clock;
            clock.start();
            push();
            const double first = until([](double a) { return a > 90.5; }, clock);
            const double half = until([](double a) { return a >= 105; }, clock);
            release();
            QElapsedTimer back;
            back.start();
            until([](double a) { return a < 90.2; }, back);
            if (round == 0) // the first one also switches the source over
                continue;
            times.first.push_back(first);
            times.half.push_back(half);
        }
    }

private:
    QObject *steer;
    QObject *engine;
};

void run(QQuickView &view)
{
    SDL_VirtualJoystickDesc desc{};
    desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
    desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
    desc.naxes = SDL_CONTROLLER_AXIS_MAX;
    desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
    desc.name = "Benchmark pad";
    SDL_Joystick *pad = SDL_JoystickOpen(SDL_JoystickAttachVirtualEx(&desc));
    if (!pad) {
        std::fprintf(stderr, "no virtual controller: %s\n", SDL_GetError());
        QCoreApplication::exit(1);
        return;
    }
    QTest::qWait(500); // the title settles, the controller is seen

    Probe probe(view);
    Times stick, keys;
    probe.measure([pad] { SDL_JoystickSetVirtualAxis(pad, SDL_CONTROLLER_AXIS_LEFTX, 32767); },
                  [pad] { SDL_JoystickSetVirtualAxis(pad, SDL_CONTROLLER_AXIS_LEFTX, 0); }, stick);
    probe.measure([&view] { QTest::keyPress(&view, Qt::Key_Right); },
                  [&view] { QTest::keyRelease(&view, Qt::Key_Right); }, keys);

    const double keyFirst = median(keys.first);
    const double keyHalf = median(keys.half);
    std::printf("tilt latency, median of %d rounds\n", rounds);
    std::printf("%-40s %9s %7s %9s %7s\n", "measurement", "first ms", "ratio", "half ms", "ratio");
    std::printf("%-40s %9.1f %7.2f %9.1f %7.2f\n", "right arrow key (reference)", keyFirst, 1.0,
                keyHalf, 1.0);
    std::printf("%-40s %9.1f %7.2f %9.1f %7.2f\n", "gamepad stick full right",
                median(stick.first), median(stick.first) / keyFirst, median(stick.half),
                median(stick.half) / keyHalf);
    SDL_JoystickClose(pad);
    QCoreApplication::exit(0);
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_LOGGING_RULES", "*.debug=false");
    return runCirrovanta(argc, argv, [](QQuickView &view) {
        QTimer::singleShot(0, &view, [&view] { run(view); });
    });
}
