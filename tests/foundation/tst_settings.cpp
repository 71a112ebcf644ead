#include "common/testenvironment.h"
#include "persistence/settings.h"

#include <QSettings>
#include <QSignalSpy>


class SettingsTest : public QObject
{
    Q_OBJECT

public:
    explicit SettingsTest(const TestEnvironment &environment) : env(environment) {}

private slots:
    void init()
    {
        QFile::remove(env.settingsFile());
    }

    // A fresh store and one that was reset read alike.
    void emptyOrResetStoreGivesDefaults_data()
    {
        QTest::addColumn<bool>("reset");
        QTest::newRow("empty store") << false;
        QTest::newRow("reset store") << true;
    }

    void emptyOrResetStoreGivesDefaults()
    {
        QFETCH(bool, reset);
        Settings settings;
        if (reset) {
            settings.setAudioVolume(0.2);
            settings.setMute(true);
            settings.setPilotRank(2);
            settings.setLevelResult("Basics/intro", 5);
            settings.setLevelPassed("Basics/intro", true);
            settings.saveCorrectionAngle(1, 2, 3);
            settings.reset();
            QVERIFY(QSettings(Settings::organisation(), Settings::application()).allKeys().isEmpty());
        }
        QCOMPARE(settings.audioVolume(), 0.6);
        QCOMPARE(settings.getMute(), false);
        QCOMPARE(settings.getPilotRank(), 0);
        QCOMPARE(settings.getLevelResult("Basics/intro"), 0);
        QCOMPARE(settings.getLevelPassed("Basics/intro"), false);

        QSignalSpy angles(&settings, &Settings::correctionAngle);
        settings.loadCorrectionAngle();
        QCOMPARE(angles.size(), 1);
        for (const QVariant &angle : angles.first()) {
            QCOMPARE(angle.metaType().id(), int(QMetaType::Float));
            QCOMPARE(angle.toFloat(), 0.0f);
        }
        if (!reset)
            QVERIFY2(!QFile::exists(env.settingsFile()), "reading must not create the store");
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

    void garbageInTheStoreReadsAsDefaults()
    {
        QDir().mkpath(QFileInfo(env.settingsFile()).path());
        QFile file(env.settingsFile());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("\x00\xff\xfe[General\n=== AudioVolume\n\x01\x02pilot_rank=@Variant(\xff)\n"
                   "AudioMute=maybe\n[[[\n",
                   60);
        file.close();
        Settings settings;
        QCOMPARE(settings.getMute(), false);
        QCOMPARE(settings.getPilotRank(), 0);
        QCOMPARE(settings.getLevelResult("x/y"), 0);
        settings.setPilotRank(1);
        QCOMPARE(settings.getPilotRank(), 1);
    }

private:
    const TestEnvironment &env;
};

CIRROVANTA_TEST_MAIN(SettingsTest)
#include "tst_settings.moc"
