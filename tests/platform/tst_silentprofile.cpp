#include "audio/caudiomixer.h"
#include "audio/cinvsounds.h"
#include "common/testenvironment.h"
#include "engine/gameengine.h"
#include "persistence/settings.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QThread>

// feedbackd as far as the game sees it: the Profile property and its change
// signal. It has its own bus connection and thread, so the game reaches it
// through the bus daemon like any other program.
class FakeFeedbackd : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.sigxcpu.Feedback")
    Q_PROPERTY(QString Profile MEMBER profile)

public:
    QString profile;
    QDBusConnection bus = QDBusConnection::connectToBus(QDBusConnection::SessionBus, "feedbackd");
    QThread thread;

    bool start(const QString &initial)
    {
        profile = initial;
        moveToThread(&thread);
        thread.start();
        return bus.registerObject("/org/sigxcpu/Feedback", this,
                                  QDBusConnection::ExportAllProperties)
               && bus.registerService("org.sigxcpu.Feedback");
    }
    void setProfile(const QString &name) // only while no Get can be under way
    {
        profile = name;
        QDBusMessage changed = QDBusMessage::createSignal(
            "/org/sigxcpu/Feedback", "org.freedesktop.DBus.Properties", "PropertiesChanged");
        changed << "org.sigxcpu.Feedback" << QVariantMap{{"Profile", name}} << QStringList();
        bus.send(changed);
    }
    ~FakeFeedbackd() override
    {
        thread.quit();
        thread.wait();
    }
};

class SilentProfileTest : public QObject
{
    Q_OBJECT

private slots:
    // Needs a session bus, as the test command gives it. The phone's profile
    // switched while the game runs; the player's mute
    // choice stays the player's. The sound bank plays at the stored volume
    // (0.6 by default) only when neither silences it.
    void theGameFollowsThePhonesSilentProfile()
    {
        Settings settings;
        GameEngine engine(nullptr, &settings);
        const GE::CAudioMixer *mixer = engine.soundBank()->mixer();
        QVERIFY(!engine.isSilent()); // no feedbackd: a desktop is never silent

        FakeFeedbackd feedbackd;
        QVERIFY(feedbackd.start("silent")); // the service appears already silent
        QTRY_VERIFY(engine.isSilent());

        const float on = 614 / 1024.0f; // 0.6 in the mixer's fixed point (x1024)
        struct Step { const char *profile; bool mute; bool silent; float volume; };
        const Step steps[] = {
            {"quiet", false, false, on}, {"silent", false, true, 0},
            {"silent", true, true, 0},  {"full", true, false, 0}, // muted stays off
            {"silent", true, true, 0},  {"silent", false, true, 0}, // silent stays off
            {"quiet", false, false, on}, {"full", true, false, 0},
            {"full", false, false, on}, {"silent", false, true, 0}};
        for (const Step &step : steps) {
            engine.setMuted(step.mute);
            feedbackd.setProfile(step.profile);
            QTRY_COMPARE(engine.isSilent(), step.silent);
            QCOMPARE(mixer->generalVolume(), step.volume);
        }

        // Started while the phone is silent, the game starts silent.
        GameEngine second(nullptr, &settings);
        QVERIFY(second.isSilent());

        // The service goes away: nothing keeps the game silent.
        feedbackd.bus.unregisterService("org.sigxcpu.Feedback");
        QTRY_VERIFY(!engine.isSilent());
        QCOMPARE(mixer->generalVolume(), on);
    }
};

CIRROVANTA_TEST_MAIN(SilentProfileTest)
#include "tst_silentprofile.moc"
