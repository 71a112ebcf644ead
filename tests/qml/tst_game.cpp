// The player's game over the real documents: a real GameEngine, Settings and
// GameSettings behind qml/Cirrovanta/main.qml, with a private settings store.
#include "app/gamesettings.h"
#include "engine/gameengine.h"
#include "persistence/settings.h"

#include <QDir>
#include <QGuiApplication>
#include <QQmlContext>
#include <QQmlEngine>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QtQuickTest>

// Does for a main document made by a test what start-up does for the view's:
// hands the root to the engine and wires the root, the engine and the
// settings store the same way, then pushes the stored settings into the scene.
// restart() replaces engine and settings with new ones over the same store.
class Harness : public QObject
{
    Q_OBJECT

public:
    explicit Harness(QQmlContext *context) : context(context) { build(); }
    ~Harness() override { tearDown(); }

    Q_INVOKABLE void attach(QObject *root)
    {
        engine->setRootObject(root);
        engine->findSteer();
        connect(root, SIGNAL(levelReady()), engine, SLOT(levelReady()));
        connect(engine, SIGNAL(newVersionReady(const QVariant &)), root,
                SLOT(updateIsReady(const QVariant &)));
        connect(root,
                SIGNAL(saveCorrectionAngle(const QVariant &, const QVariant &, const QVariant &)),
                settings, SLOT(saveCorrectionAngle(const QVariant &, const QVariant &, const QVariant &)));
        connect(settings,
                SIGNAL(correctionAngle(const QVariant &, const QVariant &, const QVariant &)), root,
                SLOT(setCorrectionAngle(const QVariant &, const QVariant &, const QVariant &)));
        connect(settings, SIGNAL(audioVolume(QVariant)), root, SLOT(adjustVolume(QVariant)));
        connect(settings, SIGNAL(pilotRank(QVariant)), root, SLOT(setPilotRank(QVariant)));
        settings->loadCorrectionAngle();
        settings->setAudioVolume(settings->audioVolume());
        settings->setPilotRank(settings->getPilotRank());
    }

    Q_INVOKABLE void restart()
    {
        tearDown();
        build();
    }

    Q_INVOKABLE void resetStore() { Settings().reset(); }
    Q_INVOKABLE bool engineTimerRunning() const { return engine->engineTimer() != 0; }
    Q_INVOKABLE QObject *engineLevel() const { return engine->currentLevel(); }
    Q_INVOKABLE QObject *engineAirplane() const { return engine->currentAirplane(); }
    Q_INVOKABLE int landingCount() const { return engine->currentLandings().size(); }
    Q_INVOKABLE int buoyCount() const { return engine->currentBuoys().size(); }
    Q_INVOKABLE QVariant stored(const QString &key) const
    {
        return QSettings(Settings::organisation(), Settings::application()).value(key);
    }

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
        gameSettings = nullptr;
        engine = nullptr;
        settings = nullptr;
    }

    QQmlContext *context;
    Settings *settings = nullptr;
    GameEngine *engine = nullptr;
    GameSettings *gameSettings = nullptr;
};

class Setup : public QObject
{
    Q_OBJECT

public:
    Setup()
    {
        QDir(store.path()).mkpath("config");
        QDir(store.path()).mkpath("runtime");
        QFile::setPermissions(store.filePath("runtime"),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        qputenv("XDG_CONFIG_HOME", store.filePath("config").toLocal8Bit());
        qputenv("XDG_RUNTIME_DIR", store.filePath("runtime").toLocal8Bit());
        // The documents and level groups are found relative to the repository.
        QDir::setCurrent(QStringLiteral(CIRROVANTA_SOURCE_DIR));
    }

    // QML reports its runtime faults as warnings and carries on; here they fail the run.
    static int reportQmlFaults()
    {
        for (const QString &fault : std::as_const(qmlFaults))
            fprintf(stderr, "FAIL: QML runtime warning: %s\n", qPrintable(fault));
        return int(qmlFaults.size());
    }

public slots:
    void qmlEngineAvailable(QQmlEngine *qmlEngine)
    {
        qmlEngine->addImportPath(QStringLiteral(CIRROVANTA_SOURCE_DIR "/qml"));
        harness = new Harness(qmlEngine->rootContext());
        qmlEngine->rootContext()->setContextProperty("TestHarness", harness);
        // Every runtime fault of the documents reaches the engine's warnings.
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
    Harness *harness = nullptr;
    static inline QStringList qmlFaults;
};

int main(int argc, char **argv)
{
    QTEST_SET_MAIN_SOURCE_PATH
    Setup setup;
    const int failed = quick_test_main_with_setup(argc, argv, "game", QUICK_TEST_SOURCE_DIR, &setup);
    return failed ? failed : Setup::reportQmlFaults();
}

#include "tst_game.moc"
