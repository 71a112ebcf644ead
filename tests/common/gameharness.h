#pragma once

// Does for a main document made by a Quick Test what start-up does for the
// view's: engine, settings store and game settings as context properties,
// the root handed to the engine and wired to it and to the store, the stored
// settings pushed into the scene. On a desktop window it also gives the
// window the keyboard-and-mouse tilt and the engine's activation filter.
// restart() replaces engine and settings with new ones over the same store.

#include "app/gamesettings.h"
#include "engine/gameengine.h"
#include "persistence/settings.h"
#include "sensors/accelerometerfilter.h"
#include "sensors/tiltsourceinfo.h"
#include "sensors/tiltsources.h"

#include <QAccelerometer>
#include <QDir>
#include <QProcess>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickWindow>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

class GameHarness : public QObject
{
    Q_OBJECT

public:
    GameHarness(QQmlContext *context, const QString &noIio) : context(context), iioRoot(noIio) { build(); }
    ~GameHarness() override { tearDown(); }

    Q_INVOKABLE void attach(QObject *root)
    {
        engine->setRootObject(root);
        engine->findSteer();
        connect(root, SIGNAL(levelReady()), engine, SLOT(levelReady()));
        connect(engine, SIGNAL(newVersionReady(QVariant)), root, SLOT(updateIsReady(QVariant)));
        connect(root, SIGNAL(saveCorrectionAngle(QVariant, QVariant, QVariant)), settings,
                SLOT(saveCorrectionAngle(QVariant, QVariant, QVariant)));
        connect(settings, SIGNAL(correctionAngle(QVariant, QVariant, QVariant)), root,
                SLOT(setCorrectionAngle(QVariant, QVariant, QVariant)));
        connect(settings, SIGNAL(audioVolume(QVariant)), root, SLOT(adjustVolume(QVariant)));
        connect(settings, SIGNAL(pilotRank(QVariant)), root, SLOT(setPilotRank(QVariant)));
        settings->loadCorrectionAngle();
        settings->setAudioVolume(settings->audioVolume());
        settings->setPilotRank(settings->getPilotRank());
        if (onDesktop)
            engine->connectEventFilter();
    }

    // The keyboard-and-mouse tilt on the test's window, made the active one.
    Q_INVOKABLE bool desktop(QObject *windowObject)
    {
        auto *window = qobject_cast<QWindow *>(windowObject);
        if (!window || registerTiltSources(window, iioRoot) != desktopTiltSourceId)
            return false;
        onDesktop = true;
        context->setContextProperty("TiltSource", TiltSourceInfo::forWindow(window));
        accelerometer.setIdentifier(desktopTiltSourceId);
        accelerometer.addFilter(&filter);
        connect(&filter, &AccelerometerFilter::accChanged, engine, &GameEngine::handleAcc);
        accelerometer.start();
        window->requestActivate();
        return QTest::qWaitForWindowActive(window);
    }

    Q_INVOKABLE void restart()
    {
        tearDown();
        build();
    }

    Q_INVOKABLE void resetStore() { Settings().reset(); }
    Q_INVOKABLE void store(const QString &key, const QVariant &value) { QSettings(Settings::organisation(), Settings::application()).setValue(key, value); }
    Q_INVOKABLE QVariant stored(const QString &key) const { return QSettings(Settings::organisation(), Settings::application()).value(key); }
    Q_INVOKABLE bool engineTimerRunning() const { return engine->engineTimer() != 0; }
    Q_INVOKABLE QObject *engineLevel() const { return engine->currentLevel(); }
    Q_INVOKABLE QObject *engineAirplane() const { return engine->currentAirplane(); }
    Q_INVOKABLE int landingCount() const { return engine->currentLandings().size(); }
    Q_INVOKABLE int buoyCount() const { return engine->currentBuoys().size(); }
    Q_INVOKABLE int xdotool(const QStringList &arguments) { return QProcess::execute("xdotool", arguments); }

private:
    void build()
    {
        settings = new Settings(this);
        engine = new GameEngine(this, settings);
        gameSettings = new GameSettings(settings, engine, this);
        context->setContextProperty("GameEngine", engine);
        context->setContextProperty("GameSettings", gameSettings);
    }
    void tearDown()
    {
        delete gameSettings;
        delete engine;
        delete settings;
    }

    QQmlContext *context;
    QString iioRoot;
    bool onDesktop = false;
    Settings *settings = nullptr;
    GameEngine *engine = nullptr;
    GameSettings *gameSettings = nullptr;
    QAccelerometer accelerometer;
    AccelerometerFilter filter;
};

// The Quick Test setup: a private settings store, the repository as working
// directory (documents, levels and sounds are found relative to it), the
// harness as TestHarness, and the QML runtime faults collected for a run that
// fails on them (QML reports them as warnings and carries on).
class GameSetup : public QObject
{
    Q_OBJECT

public:
    GameSetup()
    {
        QDir(store.path()).mkpath("config");
        qputenv("XDG_CONFIG_HOME", store.filePath("config").toLocal8Bit());
        QDir::setCurrent(QStringLiteral(CIRROVANTA_SOURCE_DIR));
    }

    static inline QStringList qmlFaults;

public slots:
    void qmlEngineAvailable(QQmlEngine *qmlEngine)
    {
        qmlEngine->addImportPath(QStringLiteral(CIRROVANTA_SOURCE_DIR "/qml"));
        harness = new GameHarness(qmlEngine->rootContext(), store.filePath("no-iio"));
        qmlEngine->rootContext()->setContextProperty("TestHarness", harness);
        connect(qmlEngine, &QQmlEngine::warnings, this, [](const QList<QQmlError> &warnings) {
            static const QRegularExpression fault("TypeError|ReferenceError|Binding loop|Unable to assign|"
                                                  "Cannot assign|is not a function|Cannot read property|Cannot call method");
            for (const QQmlError &warning : warnings)
                if (fault.match(warning.description()).hasMatch())
                    qmlFaults << warning.toString();
        });
    }
    void cleanupTestCase()
    {
        delete harness;
        harness = nullptr;
    }

private:
    QTemporaryDir store;
    GameHarness *harness = nullptr;
};
