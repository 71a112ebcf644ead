// The game's main document in the Quick Test window on a real X server, wired
// as start-up wires it, with the desktop's tilt source on that window and
// xdotool for real key presses.
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
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QtQuickTest>

class Harness : public QObject
{
    Q_OBJECT

public:
    Harness(QQmlContext *context, const QString &noIio)
        : context(context), iioRoot(noIio), engine(this, &settings)
    {
        context->setContextProperty("GameEngine", &engine);
    }

    // The keyboard-and-mouse tilt on the test's window, made the active one.
    Q_INVOKABLE bool desktop(QObject *windowObject)
    {
        auto *window = qobject_cast<QWindow *>(windowObject);
        if (!window || registerTiltSources(window, iioRoot) != desktopTiltSourceId)
            return false;
        context->setContextProperty("TiltSource", TiltSourceInfo::forWindow(window));
        accelerometer.setIdentifier(desktopTiltSourceId);
        accelerometer.addFilter(&filter);
        connect(&filter, &AccelerometerFilter::accChanged, &engine, &GameEngine::handleAcc);
        accelerometer.start();
        window->requestActivate();
        return QTest::qWaitForWindowActive(window);
    }

    Q_INVOKABLE void attach(QObject *root)
    {
        engine.setRootObject(root);
        engine.findSteer();
        connect(root, SIGNAL(levelReady()), &engine, SLOT(levelReady()));
        connect(root, SIGNAL(saveCorrectionAngle(QVariant, QVariant, QVariant)), &settings,
                SLOT(saveCorrectionAngle(QVariant, QVariant, QVariant)));
        connect(&settings, SIGNAL(correctionAngle(QVariant, QVariant, QVariant)), root,
                SLOT(setCorrectionAngle(QVariant, QVariant, QVariant)));
        settings.loadCorrectionAngle();
        engine.connectEventFilter();
    }

    Q_INVOKABLE void store(const QString &key, const QVariant &value)
    {
        QSettings(Settings::organisation(), Settings::application()).setValue(key, value);
    }
    Q_INVOKABLE void resetStore() { settings.reset(); }
    Q_INVOKABLE int xdotool(const QStringList &arguments) { return QProcess::execute("xdotool", arguments); }

private:
    QQmlContext *context;
    QString iioRoot;
    Settings settings;
    GameEngine engine;
    QAccelerometer accelerometer;
    AccelerometerFilter filter;
};

class Setup : public QObject
{
    Q_OBJECT

public:
    Setup()
    {
        QDir(store.path()).mkpath("config");
        qputenv("XDG_CONFIG_HOME", store.filePath("config").toLocal8Bit());
        QDir::setCurrent(QStringLiteral(CIRROVANTA_SOURCE_DIR));
    }

public slots:
    void qmlEngineAvailable(QQmlEngine *qmlEngine)
    {
        qmlEngine->addImportPath(QStringLiteral(CIRROVANTA_SOURCE_DIR "/qml"));
        harness = new Harness(qmlEngine->rootContext(), store.filePath("no-iio"));
        qmlEngine->rootContext()->setContextProperty("TestHarness", harness);
    }
    void cleanupTestCase() { delete harness; }

private:
    QTemporaryDir store;
    Harness *harness = nullptr;
};

QUICK_TEST_MAIN_WITH_SETUP(newcomer, Setup)

#include "tst_newcomer.moc"
