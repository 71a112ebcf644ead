// The real game, started exactly as the program starts it, with a frame probe
// on its window. "startup" reports the first frame of the title screen and the
// memory at that moment; "pacing <seconds>" watches the title's demo flight
// (the first level flown along its route) while the menu music plays and an
// effect sounds every 700 ms, as in a flight with buoys, clouds and warnings.
// Run from the build directory, where qml/ and sounds/ are linked.

#include "app/startup.h"
#include "frameprobe.h"

#include <QQmlContext>
#include <QQuickView>
#include <QTimer>
#include <QVariant>

int main(int argc, char *argv[])
{
    double seconds = 20;
    const FrameProbe::Mode mode = FrameProbe::modeFromArguments(argc, argv, &seconds);
    return runCirrovanta(argc, argv, [mode, seconds](QQuickView &view) {
        new FrameProbe(&view, mode, 2.0, seconds);
        if (mode != FrameProbe::Mode::Pacing)
            return;
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
    });
}
