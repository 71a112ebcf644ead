#include "app/deviceprofile.h"
#include "app/myeventfilter.h"
#include "common/scene.h"
#include "common/testenvironment.h"
#include "persistence/settings.h"

#include <QAbstractEventDispatcher>
#include <QMetaMethod>
#include <QQuickItem>
#include <QSettings>
#include <QSignalSpy>

namespace {

// The table QML and the start-up wiring rely on, in meta-object order: one
// signal, six slots (three of them private), then the invokable methods.
const char *const engineMethods[] = {
    "newVersionReady(QVariant)", "levelReady()", "activationChangeFiltered()",
    "handleAcc(QVariant,QVariant,QVariant)", "currentProfileChanged(DeviceProfile::Profile)",
    "delayedInit()", "handleServerResponse(QNetworkReply*)", "enableEngineTimer(QVariant)",
    "enableSounds(QVariant)", "playSound(QVariant)", "playMusic(QVariant)", "stopMusic()",
    "findQmlObjects()", "clearQmlObjects()", "levelFinished()", "isSymbian()", "isMaemo()",
    "isWindows()", "isReady()", "isMuted()", "setMuted(QVariant)", "vibra()", "fastVibra()",
    "pluginList(QVariant)", "pluginGroups()", "speedMeter(QVariant)", "startFreeFall()",
    "saveResult(QVariant,QVariant)", "getResult(QVariant)", "getPassed(QVariant)",
    "getCurrentResult()", "getCurrentPassed()", "gameLoaded()", "setPilotRank(QVariant)",
    "adjustFlight()", "refreshSteer()"};

// A root item like the game's: records the pauses the engine asks for.
const char *rootDocument = R"(
import QtQuick
Item {
    property int pauses: 0
    function pauseGame(on) { if (on) pauses++ }
    Item { objectName: "gameLevel"; property int pauses: 0; function pauseGame(on) { if (on) pauses++ } }
}
)";

} // namespace

class EngineObjectTest : public QObject
{
    Q_OBJECT

public:
    explicit EngineObjectTest(const TestEnvironment &environment) : env(environment) {}

private slots:
    void init()
    {
        QFile::remove(env.settingsFile());
    }

    void metaObjectTableKeepsItsOrderAndKinds()
    {
        const QMetaObject &meta = GameEngine::staticMetaObject;
        QCOMPARE(meta.methodCount() - meta.methodOffset(), int(std::size(engineMethods)));
        for (int i = 0; i < int(std::size(engineMethods)); ++i) {
            const QMetaMethod method = meta.method(meta.methodOffset() + i);
            QCOMPARE(method.methodSignature(), QByteArray(engineMethods[i]));
            QCOMPARE(method.methodType(), i == 0 ? QMetaMethod::Signal
                                          : i < 7 ? QMetaMethod::Slot
                                                  : QMetaMethod::Method);
            QCOMPARE(method.access(), i >= 4 && i < 7 ? QMetaMethod::Private : QMetaMethod::Public);
            // Questions return a QVariant to QML; everything else returns nothing.
            const bool question = method.name().startsWith("is") || method.name().startsWith("get")
                                  || method.name().startsWith("plugin");
            QCOMPARE(QByteArray(method.typeName()), QByteArray(question ? "QVariant" : "void"));
        }
    }

    void engineTimerStartsOnceAndStopsOnlyWhenRunning()
    {
        Settings settings;
        GameEngine engine(nullptr, &settings);
        engine.enableEngineTimer(false);
        QCOMPARE(engine.engineTimer(), 0);
        engine.enableEngineTimer(true);
        const int first = engine.engineTimer();
        QVERIFY(first != 0);
        engine.enableEngineTimer(true);
        QCOMPARE(engine.engineTimer(), first);
        // One step stream of 80 ms, not two.
        const auto timers = QAbstractEventDispatcher::instance()->registeredTimers(&engine);
        QCOMPARE(timers.size(), 1);
        QCOMPARE(timers.first().interval, 80);
        engine.enableEngineTimer(QVariant()); // does not convert, so counts as false
        QCOMPARE(engine.engineTimer(), 0);
        engine.enableEngineTimer(false);
        QCOMPARE(engine.engineTimer(), 0);
    }

    void stoppedEngineTimerLeavesARunningCrashTimerAlone()
    {
        const char *level = R"(
import QtQuick
Item {
    objectName: "Level"
    function groundWarning(on) {}
    function seatbeltsSign(on) {}
    Item { objectName: "airplane"; property int landingTime: 60000; function doLanding(on) {} }
})";
        QQmlEngine qml;
        const auto root = createScene(qml, level);
        QVERIFY(root);
        Settings settings;
        GameEngine engine(nullptr, &settings);
        engine.setRootObject(root.get());
        engine.levelReady();
        engine.findQmlObjects();
        engine.startFreeFall();
        const int crash = engine.crashTimer();
        QVERIFY(crash != 0);
        engine.enableEngineTimer(false);
        QCOMPARE(engine.crashTimer(), crash);
    }

    void mutingUnderTheSilentProfileIsRememberedButKeepsTheBankOff()
    {
        Settings settings;
        settings.setMute(true);
        GameEngine engine(nullptr, &settings);
        QCOMPARE(engine.isMuted(), QVariant(true));
        engine.deviceProfile()->setCurrentProfile(DeviceProfile::SilentProfile);
        QVERIFY(engine.isSilent());
        // Muted and silent: effects and music stay off.
        for (int i = 0; i < 2; ++i) {
            QTest::ignoreMessage(QtDebugMsg, "silent");
            QTest::ignoreMessage(QtDebugMsg, "muted");
        }
        engine.playSound(QStringLiteral("boom"));
        engine.playMusic(9);

        engine.setMuted(false);
        QCOMPARE(engine.isMuted(), QVariant(false));
        QCOMPARE(QSettings(Settings::organisation(), Settings::application()).value("AudioMute").toBool(), false);
        QVERIFY(engine.isSilent());

        engine.deviceProfile()->setCurrentProfile(DeviceProfile::NormalProfile);
        QVERIFY(!engine.isSilent());
    }

    void rankIsStoredAndAnnouncedButNeverDecreases()
    {
        Settings settings;
        settings.setPilotRank(2);
        GameEngine engine(nullptr, &settings);
        QSignalSpy spy(&settings, SIGNAL(pilotRank(QVariant)));
        engine.setPilotRank(2);
        engine.setPilotRank(1);
        engine.setPilotRank(QStringLiteral("captain"));
        QCOMPARE(spy.size(), 0);
        QCOMPARE(settings.getPilotRank(), 2);
        engine.setPilotRank(3);
        QCOMPARE(spy.size(), 1);
        QCOMPARE(spy.first().first().metaType().id(), int(QMetaType::Int));
        QCOMPARE(spy.first().first().toInt(), 3);
        QCOMPARE(Settings().getPilotRank(), 3); // stored, not only kept
    }

    void activationPausesOnlyALoadedVisibleGame()
    {
        QQmlEngine qml;
        const auto root = createScene(qml, rootDocument);
        QVERIFY(root);
        QObject *level = root->findChild<QObject *>("gameLevel");

        Settings settings;
        GameEngine engine(nullptr, &settings);
        engine.activationChangeFiltered(); // no root yet: nothing
        engine.setRootObject(root.get());
        engine.activationChangeFiltered(); // game not loaded yet
        QCOMPARE(root->property("pauses").toInt(), 0);

        engine.gameLoaded();
        engine.activationChangeFiltered(); // no level object yet: root only
        QCOMPARE(root->property("pauses").toInt(), 1);
        QCOMPARE(level->property("pauses").toInt(), 0);

        engine.levelReady();
        QCOMPARE(engine.isReady(), QVariant(true));
        engine.activationChangeFiltered();
        QCOMPARE(root->property("pauses").toInt(), 2);
        QCOMPARE(level->property("pauses").toInt(), 1);

        qobject_cast<QQuickItem *>(root.get())->setVisible(false);
        engine.activationChangeFiltered();
        QCOMPARE(root->property("pauses").toInt(), 2);

        engine.levelFinished();
        QCOMPARE(engine.isReady(), QVariant(false));
    }

private:
    const TestEnvironment &env;
};

CIRROVANTA_TEST_MAIN(EngineObjectTest)
#include "tst_engineobject.moc"
