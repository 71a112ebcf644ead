#include "audio/caudiomixer.h"
#include "audio/cinvsounds.h"
#include "common/debuglines.h"
#include "common/testenvironment.h"
#include "engine/gameengine.h"
#include "persistence/settings.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QMutex>
#include <QThread>

namespace {

const QString service = QStringLiteral("org.sigxcpu.Feedback");
const QString path = QStringLiteral("/org/sigxcpu/Feedback");

// feedbackd as far as the game sees it: the Profile property and its change
// signal. It has its own bus connection and thread, so the game reaches it
// through the bus daemon like any other program would.
class FakeFeedbackd : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.sigxcpu.Feedback")
    Q_PROPERTY(QString Profile READ profile)

public:
    FakeFeedbackd() : bus(QDBusConnection::connectToBus(QDBusConnection::SessionBus, "feedbackd"))
    {
        thread.start();
        moveToThread(&thread);
    }
    ~FakeFeedbackd() override
    {
        stop();
        thread.quit();
        thread.wait();
        QDBusConnection::disconnectFromBus("feedbackd");
    }
    bool start(const QString &initial)
    {
        setProfile(initial, false);
        return bus.registerObject(path, this, QDBusConnection::ExportAllProperties)
               && bus.registerService(service);
    }
    void stop()
    {
        bus.unregisterService(service);
        bus.unregisterObject(path);
    }
    QString profile() const
    {
        QMutexLocker locker(&mutex);
        return current;
    }
    void setProfile(const QString &name, bool announce = true)
    {
        {
            QMutexLocker locker(&mutex);
            current = name;
        }
        if (!announce)
            return;
        QDBusMessage changed = QDBusMessage::createSignal(
            path, "org.freedesktop.DBus.Properties", "PropertiesChanged");
        changed << service << QVariantMap{{"Profile", name}} << QStringList();
        bus.send(changed);
    }

private:
    QDBusConnection bus;
    QThread thread;
    mutable QMutex mutex;
    QString current;
};

} // namespace

class SilentProfileTest : public QObject
{
    Q_OBJECT

public:
    explicit SilentProfileTest(const TestEnvironment &) {}

private slots:
    void initTestCase()
    {
        if (!QDBusConnection::sessionBus().isConnected())
            QSKIP("no session bus: run under dbus-run-session, as the test command does");
    }

    // The phone's profile switched while the game runs; the player's mute
    // choice stays the player's. The sound bank plays at the stored volume
    // (0.6 by default) only when neither silences it.
    void theGameFollowsThePhonesSilentProfile()
    {
        QuietDebug quiet;
        Settings settings;
        GameEngine engine(nullptr, &settings);
        const GE::CAudioMixer *mixer = engine.soundBank()->mixer();
        QVERIFY(!engine.isSilent()); // no feedbackd: a desktop is never silent

        FakeFeedbackd feedbackd;
        QVERIFY(feedbackd.start("silent")); // the service appears already silent
        QTRY_VERIFY(engine.isSilent());
        QCOMPARE(mixer->generalVolume(), 0.0f);

        const float on = 614 / 1024.0f; // 0.6 in the mixer's fixed point (x1024)
        struct Step { const char *profile; bool mute; bool silent; float volume; };
        const Step steps[] = {
            {"quiet", false, false, on}, {"silent", false, true, 0},
            {"silent", true, true, 0},  {"full", true, false, 0}, // muted stays off
            {"silent", true, true, 0},  {"silent", false, true, 0}, // silent stays off
            {"quiet", false, false, on}, {"full", true, false, 0},
            {"full", false, false, on}};
        for (const Step &step : steps) {
            engine.setMuted(step.mute);
            feedbackd.setProfile(step.profile);
            QTRY_COMPARE(engine.isSilent(), step.silent);
            QCOMPARE(mixer->generalVolume(), step.volume);
        }

        // Started while the phone is silent, the game starts silent.
        feedbackd.setProfile("silent");
        QTRY_VERIFY(engine.isSilent());
        GameEngine second(nullptr, &settings);
        QVERIFY(second.isSilent());

        feedbackd.stop(); // the service goes away: nothing keeps the game silent
        QTRY_VERIFY(!engine.isSilent());
        QCOMPARE(mixer->generalVolume(), on);
    }
};

CIRROVANTA_TEST_MAIN(SilentProfileTest)
#include "tst_silentprofile.moc"
