// The settings store: what a stored value reads as, the volume bands, and
// nothing lost when the process is killed. The killed processes are this
// test program itself, started again in a child role.
#include "common/testenvironment.h"
#include "engine/gameengine.h"
#include "persistence/settings.h"

#include <QSettings>
#include <QSignalSpy>

#include <csignal>
#include <unistd.h>

namespace {

const char *saveRole = "--save-then-wait";

// Child: saves one result through the engine, says so, and waits to be killed.
int saveThenWait(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    Settings settings;
    GameEngine engine(nullptr, &settings);
    QObject root;
    root.setProperty("levelName", QStringLiteral("Durable/level1"));
    engine.setRootObject(&root);
    engine.saveResult(true, 4321);
    std::fputs("saved\n", stdout);
    std::fflush(stdout);
    for (;;)
        pause();
}

} // namespace

class SettingsTest : public QObject
{
    Q_OBJECT

public:
    explicit SettingsTest(const TestEnvironment &environment) : env(environment) {}

private slots:
    void init() { QFile::remove(env.settingsFile()); }

    // A null `stored` leaves the key out: the default, and no file made by reading.
    void storedValuesReadWithinTheirBounds_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<double>("read");
        QTest::newRow("no volume reads as 0.6") << "AudioVolume" << QString() << 0.6;
        QTest::newRow("volume 1000 reads as the default 0.6") << "AudioVolume" << "1000" << 0.6;
        QTest::newRow("volume inf reads as the default") << "AudioVolume" << "inf" << 0.6;
        QTest::newRow("volume 0.75 stays") << "AudioVolume" << "0.75" << 0.75;
        QTest::newRow("no mute reads as sound on") << "AudioMute" << QString() << 0.0;
        QTest::newRow("mute stays") << "AudioMute" << "true" << 1.0;
        QTest::newRow("no rank reads as cadet") << "pilot_rank" << QString() << 0.0;
        QTest::newRow("rank 4 stays") << "pilot_rank" << "4" << 4.0;
        QTest::newRow("rank 5, beyond captain, reads as cadet") << "pilot_rank" << "5" << 0.0;
        QTest::newRow("no angle reads as 0") << "CorrectionAngle_x" << QString() << 0.0;
        QTest::newRow("angle nan reads as 0") << "CorrectionAngle_x" << "nan" << 0.0;
        QTest::newRow("angle 1e30 reads as 0") << "CorrectionAngle_x" << "1e30" << 0.0;
        QTest::newRow("angle -12.5 stays") << "CorrectionAngle_x" << "-12.5" << -12.5;
        QTest::newRow("no best result reads as 0") << "Bay/1_result" << QString() << 0.0;
        QTest::newRow("a best result below 0 reads as 0") << "Bay/1_result" << "-20" << 0.0;
        QTest::newRow("no passed mark reads as not passed") << "Bay/1_passed" << QString() << 0.0;
        QTest::newRow("a passed mark stays") << "Bay/1_passed" << "true" << 1.0;
    }
    void storedValuesReadWithinTheirBounds()
    {
        QFETCH(QString, key);
        QFETCH(QString, stored);
        QFETCH(double, read);
        if (!stored.isNull())
            QSettings(Settings::organisation(), Settings::application()).setValue(key, stored);
        Settings settings;
        QSignalSpy angles(&settings, &Settings::correctionAngle);
        settings.loadCorrectionAngle();
        // The scene's calibration slots take floats.
        for (const QVariant &angle : angles.first())
            QCOMPARE(angle.metaType().id(), int(QMetaType::Float));
        const double value = key == "AudioVolume" ? settings.audioVolume()
                             : key == "AudioMute" ? settings.getMute()
                             : key == "pilot_rank" ? settings.getPilotRank()
                             : key == "Bay/1_result" ? settings.getLevelResult("Bay/1")
                             : key == "Bay/1_passed" ? settings.getLevelPassed("Bay/1")
                                                     : angles.first().first().toDouble();
        QCOMPARE(value, read);
        QVERIFY2(!stored.isNull() || !QFile::exists(env.settingsFile()), "reading must not create the store");
    }

    void resetForgetsEverything()
    {
        Settings settings;
        settings.setAudioVolume(0.2);
        settings.setMute(true);
        settings.setPilotRank(2);
        settings.setLevelResult("Basics/intro", 5);
        settings.setLevelPassed("Basics/intro", true);
        settings.saveCorrectionAngle(1, 2, 3);
        settings.reset();
        QVERIFY(QSettings(Settings::organisation(), Settings::application()).allKeys().isEmpty());
        QCOMPARE(settings.audioVolume(), 0.6);
    }

    void volumeLevel_data()
    {
        QTest::addColumn<double>("volume");
        QTest::addColumn<double>("level");
        // The bands hold (3/4)^k and give (9 - k) / 9; everything between them gives 0.
        QTest::newRow("full volume gives 1") << 1.0 << 1.0;
        QTest::newRow("just above 0.9 gives 1") << 0.91 << 1.0;
        QTest::newRow("0.9 itself falls between bands") << 0.9 << 0.0;
        QTest::newRow("0.85 falls between bands") << 0.85 << 0.0;
        QTest::newRow("3/4 gives 8/9") << 0.75 << 8.0 / 9;
        QTest::newRow("default 0.6 gives 7/9") << 0.6 << 7.0 / 9;
        QTest::newRow("0.5625 gives 7/9") << 0.5625 << 7.0 / 9;
        QTest::newRow("0.61 is outside the strict band") << 0.61 << 0.0;
        QTest::newRow("0.421875 gives 6/9") << 0.421875 << 6.0 / 9;
        QTest::newRow("0.3164 gives 5/9") << 0.3164 << 5.0 / 9;
        QTest::newRow("0.2373 gives 4/9") << 0.2373 << 4.0 / 9;
        QTest::newRow("0.178 gives 3/9") << 0.178 << 3.0 / 9;
        QTest::newRow("0.1335 gives 2/9") << 0.1335 << 2.0 / 9;
        QTest::newRow("0.1 gives 1/9") << 0.1 << 1.0 / 9;
        QTest::newRow("0.21, between 0.2 and 0.22, gives 0") << 0.21 << 0.0;
        QTest::newRow("0.15, between 0.14 and 0.16, gives 0") << 0.15 << 0.0;
        QTest::newRow("0.05 gives 0") << 0.05 << 0.0;
        QTest::newRow("silence gives 0") << 0.0 << 0.0;
    }
    void volumeLevel()
    {
        QFETCH(double, volume);
        QFETCH(double, level);
        Settings settings;
        QSignalSpy spy(&settings, SIGNAL(audioVolume(QVariant)));
        settings.setAudioVolume(volume);
        QCOMPARE(spy.size(), 1);
        const QVariant emitted = spy.first().first();
        QCOMPARE(emitted.metaType().id(), int(QMetaType::Float));
        QCOMPARE(emitted.toFloat(), float(level));
        QCOMPARE(float(settings.audioVolume()), float(volume));
    }

    // A result saved by saveResult is on disk the moment the call returns,
    // also past an empty lock file that a kill while taking the lock left
    // (Qt alone would wait until it is 30 s old, longer than the child is given).
    void savedResultSurvivesAKillRightAfterTheCall_data()
    {
        QTest::addColumn<bool>("abandonedLock");
        QTest::newRow("a clean store") << false;
        QTest::newRow("an abandoned lock file") << true;
    }
    void savedResultSurvivesAKillRightAfterTheCall()
    {
        QFETCH(bool, abandonedLock);
        if (abandonedLock) {
            QFile lock(env.settingsFile() + ".lock");
            QVERIFY(QDir().mkpath(QFileInfo(lock).path()) && lock.open(QIODevice::ReadWrite));
            QVERIFY(lock.setFileTime(QDateTime::currentDateTime().addSecs(-5), QFileDevice::FileModificationTime));
        }
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_CONFIG_HOME", env.configDir());
        environment.insert("QT_LOGGING_RULES", "default.debug=false");
        environment.remove("PULSE_SERVER");
        child.setProcessEnvironment(environment);
        child.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(saveRole)});
        QVERIFY(child.waitForStarted(10000));
        while (!child.canReadLine())
            QVERIFY(child.waitForReadyRead(20000));
        QCOMPARE(child.readLine().trimmed(), QByteArray("saved"));
        ::kill(pid_t(child.processId()), SIGKILL);
        QVERIFY(child.waitForFinished(10000));

        QSettings store(env.settingsFile(), QSettings::IniFormat);
        QCOMPARE(store.status(), QSettings::NoError);
        QCOMPARE(store.value("Durable/level1_result").toInt(), 4321);
        QCOMPARE(store.value("Durable/level1_passed").toBool(), true);
        // The group's total is the level's best; the group has no level
        // directory here, so it is not marked finished.
        QCOMPARE(store.value("Durable_result").toInt(), 4321);
    }

private:
    const TestEnvironment &env;
};

int main(int argc, char *argv[])
{
    if (argc > 1 && qstrcmp(argv[1], saveRole) == 0)
        return saveThenWait(argc, argv);
    TestEnvironment environment;
    QGuiApplication app(argc, argv);
    SettingsTest test(environment);
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_settings.moc"
