#include "app/startup.h"

#include "app/debugoutput.h"
#include "app/fontwarmup.h"
#include "app/gamesettings.h"
#include "app/qmlapplicationviewer.h"
#include "app/screensaverinhibitor.h"
#include "engine/flightrecorder.h"
#include "engine/gameengine.h"
#include "persistence/settings.h"
#include "sensors/accelerometerfilter.h"
#include "sensors/steeringswitch.h"
#include "sensors/tiltsources.h"
#include "sensors/tiltsourceinfo.h"

#include <QAccelerometer>
#include <QGuiApplication>
#include <QLocale>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickItem>
#include <QSurfaceFormat>
#include <QTimer>
#include <QTranslator>

#include <optional>

namespace {

// Every start writes the current values back, so after the first run the keys
// exist, and the scene receives them through the settings object's signals.
void pushStoredSettings(Settings &settings)
{
    settings.loadCorrectionAngle();
    settings.setMute(settings.getMute());
    settings.setAudioVolume(settings.audioVolume());
    settings.setPilotRank(settings.getPilotRank());
}

// Runs work from the event loop once the window has shown its first frame
// (after the frame's other listeners), or after a second when it draws none
// (hidden or minimised), whichever comes first.
void afterFirstFrame(QQuickWindow &window, std::function<void()> work)
{
    auto *wait = new QTimer(&window);
    wait->setSingleShot(true);
    QObject::connect(wait, &QTimer::timeout, &window, [&window, wait, work = std::move(work)] {
        QObject::disconnect(&window, nullptr, wait, nullptr);
        wait->deleteLater();
        work();
    });
    // Emitted on the render thread where there is one; queued to this one.
    QObject::connect(&window, &QQuickWindow::frameSwapped, wait, [wait] { wait->start(0); },
                     Qt::SingleShotConnection);
    wait->start(1000);
}

} // namespace

int runCirrovanta(int argc, char *argv[],
                  const std::function<void(QQuickView &)> &beforeEventLoop)
{
    QGuiApplication app(argc, argv);
    DebugOutput::takeOverXlibReports();

    QmlApplicationViewer view;
    view.setOrientation(QmlApplicationViewer::LockLandscape);
    QSurfaceFormat format = view.format();
    format.setSamples(0);
    view.setFormat(format);
    view.resize(854, 480);
    // The game's name, not the executable's, in the title bar and task list.
    view.setTitle(QStringLiteral("Cirrovanta"));
    // The documents import the game's module "Cirrovanta" from the directory
    // above qml/Cirrovanta, found by the same rule as the main document.
    view.addImportPath(QStringLiteral("qml"));
    // The documents are read on the engine's own thread while this one makes
    // the window, opens the fonts the first screen needs and sets up the
    // rest; they are needed only from setMainQmlFile() on.
    const QString mainQmlFile = QStringLiteral("qml/Cirrovanta/main.qml");
    view.startLoading(mainQmlFile);
    const FontWarmUp fontWarmUp;
    // Needed from the documents' first text on.
    const QString localeName = QLocale::system().name();
    QTranslator translator;
    // Looked up relative to the working directory, with Qt's fallbacks.
    (void)translator.load(QStringLiteral("Cirrovanta_") + localeName);
    app.installTranslator(&translator);
    view.create();
    FontWarmUp::openLastFonts();

    Settings settings;
    // The update check and the sound effects are not needed for the first
    // frame; they start after it (see afterFirstFrame below).
    auto *engine = new GameEngine(&view, &settings, GameEngine::StartUp::WhenAsked);
    view.rootContext()->setContextProperty(QStringLiteral("GameEngine"), engine);
    auto *gameSettings = new GameSettings(&settings, engine, &view);
    view.rootContext()->setContextProperty(QStringLiteral("GameSettings"), gameSettings);
    view.rootContext()->setContextProperty(QStringLiteral("Replays"), new FlightRecorder(engine, &view));
    view.rootContext()->setContextProperty(QStringLiteral("TiltSource"),
                                           TiltSourceInfo::forWindow(&view));
    view.setMainQmlFile(mainQmlFile);

    QObject *root = view.rootObject();
    engine->setRootObject(root);
    engine->findSteer();

    QObject::connect(view.engine(), SIGNAL(quit()), &app, SLOT(quit()));
    QObject::connect(root, SIGNAL(levelReady()), engine, SLOT(levelReady()));
    QObject::connect(engine, SIGNAL(newVersionReady(const QVariant &)), root,
                     SLOT(updateIsReady(const QVariant &)));

    // Made after the first frame: creating a sensor loads every sensor plugin.
    std::optional<QAccelerometer> accelerometer;
    AccelerometerFilter filter;

    QObject::connect(
        root, SIGNAL(saveCorrectionAngle(const QVariant &, const QVariant &, const QVariant &)),
        &settings, SLOT(saveCorrectionAngle(const QVariant &, const QVariant &, const QVariant &)));
    QObject::connect(
        &settings, SIGNAL(correctionAngle(const QVariant &, const QVariant &, const QVariant &)),
        root, SLOT(setCorrectionAngle(const QVariant &, const QVariant &, const QVariant &)));
    QObject::connect(&settings, SIGNAL(audioVolume(QVariant)), root, SLOT(adjustVolume(QVariant)));
    QObject::connect(&settings, SIGNAL(pilotRank(QVariant)), root, SLOT(setPilotRank(QVariant)));

    pushStoredSettings(settings);

    view.showExpanded();
    // Emitted on the render thread where there is one, so queued to this one.
    QObject::connect(
        &view, &QQuickWindow::frameSwapped, &view, [&view] { FontWarmUp::rememberFonts(view); },
        Qt::SingleShotConnection);
    engine->connectEventFilter();
    // The title shows the menu first; the tilt sensors (the IIO scan), the
    // controller library, the questions on the session bus (the screen saver,
    // the silent profile), the update check and the sound come right after.
    afterFirstFrame(view, [&view, &accelerometer, &filter, engine] {
        (new ScreenSaverInhibitor(&view))->setScreenSaverInhibit();
        accelerometer.emplace();
        const QByteArray tiltSource = registerTiltSources(&view);
        if (!tiltSource.isEmpty())
            accelerometer->setIdentifier(tiltSource);
        accelerometer->addFilter(&filter);
        QObject::connect(&filter,
                         SIGNAL(accChanged(const QVariant &, const QVariant &, const QVariant &)),
                         engine, SLOT(handleAcc(const QVariant &, const QVariant &, const QVariant &)));
        accelerometer->start();
        new SteeringSwitch(&view, &*accelerometer, engine); // controllers and touch take over from it
        engine->finishStartUp();
    });
    if (beforeEventLoop)
        beforeEventLoop(view);
    return app.exec();
}
