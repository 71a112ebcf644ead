#include "app/deviceprofile.h"
#include "app/myeventfilter.h"
#include "common/testenvironment.h"
#include "engine/gameengine.h"
#include "persistence/settings.h"

#include <QMetaMethod>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QSettings>
#include <QSignalSpy>

namespace {

struct MethodRow
{
    const char *signature;
    QMetaMethod::MethodType type;
    QMetaMethod::Access access;
    const char *returnType;
};

// The table QML and the start-up wiring rely on, in meta-object order.
const MethodRow engineMethods[] = {
    {"newVersionReady(QVariant)", QMetaMethod::Signal, QMetaMethod::Public, "void"},
    {"levelReady()", QMetaMethod::Slot, QMetaMethod::Public, "void"},
    {"activationChangeFiltered()", QMetaMethod::Slot, QMetaMethod::Public, "void"},
    {"handleAcc(QVariant,QVariant,QVariant)", QMetaMethod::Slot, QMetaMethod::Public, "void"},
    {"currentProfileChanged(DeviceProfile::Profile)", QMetaMethod::Slot, QMetaMethod::Private, "void"},
    {"delayedInit()", QMetaMethod::Slot, QMetaMethod::Private, "void"},
    {"handleServerResponse(QNetworkReply*)", QMetaMethod::Slot, QMetaMethod::Private, "void"},
    {"enableEngineTimer(QVariant)", QMetaMethod::Method, QMetaMethod::Public, "void"},
    {"enableSounds(QVariant)", QMetaMethod::Method, QMetaMethod::Public, "void"},
    {"playSound(QVariant)", QMetaMethod::Method, QMetaMethod::Public, "void"},
    {"playMusic(QVariant)", QMetaMethod::Method, QMetaMethod::Public, "void"},
    {"stopMusic()", QMetaMethod::Method, QMetaMethod::Public, "void"},
    {"findQmlObjects()", QMetaMethod::Method, QMetaMethod::Public, "void"},
    {"clearQmlObjects()", QMetaMethod::Method, QMetaMethod::Public, "void"},
    {"levelFinished()", QMetaMethod::Method, QMetaMethod::Public, "void"},
    {"isSymbian()", QMetaMethod::Method, QMetaMethod::Public, "QVariant"},
    {"isMaemo()", QMetaMethod::Method, QMetaMethod::Public, "QVariant"},
    {"isWindows()", QMetaMethod::Method, QMetaMethod::Public, "QVariant"},
    {"isReady()", QMetaMethod::Method, QMetaMethod::Public, "QVariant"},
    {"isMuted()", QMetaMethod::Method, QMetaMethod::Public, "QVariant"},
    {"setMuted(QVariant)", QMetaMethod::Method, QMetaMethod::Public, "void"},
    {"vibra()", QMetaMethod::Method, QMetaMethod::Public, "void"},
    {"fastVibra()", QMetaMethod::Method, QMetaMethod::Public, "void"},
    {"pluginList(QVariant)", QMetaMethod::Method, QMetaMethod::Public, "QVariant"},
    {"pluginGroups()", QMetaMethod::Method, QMetaMethod::Public, "QVariant"},
    {"speedMeter(QVariant)", QMetaMethod::Method, QMetaMethod::Public, "void"},
    {"startFreeFall()", QMetaMethod::Method, QMetaMethod::Public, "void"},
    {"saveResult(QVariant,QVariant)", QMetaMethod::Method, QMetaMethod::Public, "void"},
    {"getResult(QVariant)", QMetaMethod::Method, QMetaMethod::Public, "QVariant"},
    {"getPassed(QVariant)", QMetaMethod::Method, QMetaMethod::Public, "QVariant"},
    {"getCurrentResult()", QMetaMethod::Method, QMetaMethod::Public, "QVariant"},
    {"getCurrentPassed()", QMetaMethod::Method, QMetaMethod::Public, "QVariant"},
    {"gameLoaded()", QMetaMethod::Method, QMetaMethod::Public, "void"},
    {"setPilotRank(QVariant)", QMetaMethod::Method, QMetaMethod::Public, "void"},
    {"adjustFlight()", QMetaMethod::Method, QMetaMethod::Public, "void"},
    {"refreshSteer()", QMetaMethod::Method, QMetaMethod::Public, "void"},
};

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
        QCOMPARE(meta.className(), "GameEngine");
        QCOMPARE(meta.methodCount() - meta.methodOffset(), int(std::size(engineMethods)));
        for (int i = 0; i < int(std::size(engineMethods)); ++i) {
            const QMetaMethod method = meta.method(meta.methodOffset() + i);
            const MethodRow &row = engineMethods[i];
            QCOMPARE(method.methodSignature(), QByteArray(row.signature));
            QCOMPARE(method.methodType(), row.type);
            QCOMPARE(method.access(), row.access);
            QCOMPARE(QByteArray(method.typeName()), QByteArray(row.returnType));
        }
    }

    void platformQuestionsAnswerLikeTheOriginalPhone()
    {
        Settings settings;
        GameEngine engine(nullptr, &settings);
        QCOMPARE(engine.isSymbian(), QVariant(false));
        QCOMPARE(engine.isMaemo(), QVariant(true));
        QCOMPARE(engine.isWindows(), QVariant(false));
        QCOMPARE(engine.isReady(), QVariant(false));
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
        QQmlComponent component(&qml);
        component.setData(level, QUrl());
        std::unique_ptr<QObject> root(component.create());
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

        engine.setMuted(false);
        QCOMPARE(engine.isMuted(), QVariant(false));
        QCOMPARE(QSettings(Settings::organisation(), Settings::application())
                     .value("AudioMute").toBool(),
                 false);
        QVERIFY(engine.isSilent());

        engine.deviceProfile()->setCurrentProfile(DeviceProfile::NormalProfile);
        QVERIFY(!engine.isSilent());
    }

    void soundsStaySilentWhileMuted()
    {
        Settings settings;
        GameEngine engine(nullptr, &settings);
        engine.setMuted(true);
        engine.deviceProfile()->setCurrentProfile(DeviceProfile::SilentProfile);
        QTest::ignoreMessage(QtDebugMsg, "silent");
        QTest::ignoreMessage(QtDebugMsg, "muted");
        engine.playSound(QStringLiteral("boom"));
        QTest::ignoreMessage(QtDebugMsg, "silent");
        QTest::ignoreMessage(QtDebugMsg, "muted");
        engine.playMusic(9);
    }

    void rankNeverDecreases()
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
        QCOMPARE(spy.first().first().toInt(), 3);
        QCOMPARE(settings.getPilotRank(), 3);
    }

    void activationChangesBecomeOneSignalEach()
    {
        MyEventFilter filter;
        QObject receiver;
        receiver.installEventFilter(&filter);
        QSignalSpy spy(&filter, &MyEventFilter::activationChangeFiltered);

        QTest::ignoreMessage(QtDebugMsg, "ActivationChangeFiltered()");
        QEvent activation(QEvent::ActivationChange);
        QCoreApplication::sendEvent(&receiver, &activation);
        QCOMPARE(spy.size(), 1);

        QTest::failOnWarning(QRegularExpression(".*"));
        QEvent other(QEvent::WindowActivate);
        QCoreApplication::sendEvent(&receiver, &other);
        QEvent timer(QEvent::Timer);
        QCoreApplication::sendEvent(&receiver, &timer);
        QCOMPARE(spy.size(), 1);
    }

    void activationPausesOnlyALoadedVisibleGame()
    {
        QQmlEngine qml;
        QQmlComponent component(&qml);
        component.setData(rootDocument, QUrl());
        std::unique_ptr<QObject> root(component.create());
        QVERIFY2(root, qPrintable(component.errorString()));
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
