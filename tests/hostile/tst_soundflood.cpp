// Ten thousand effects started at once with no sound device: the output
// thread pulls them at the real-time rate and the mixer lets every one go
// once it has played out.
#include "audio/audioout.h"
#include "audio/caudiomixer.h"
#include "audio/cinvsounds.h"
#include "common/debuglines.h"
#include "common/testenvironment.h"
#include "common/wavfiles.h"
#include "engine/gameengine.h"
#include "persistence/settings.h"

#include <limits>
#include <unistd.h>

class SoundFloodTest : public QObject
{
    Q_OBJECT

public:
    explicit SoundFloodTest(const TestEnvironment &) {}

private slots:
    // The master volume comes from the settings file, which may hold
    // anything; out of range it saturates instead of overflowing.
    void absurdMasterVolumesSaturate_data()
    {
        QTest::addColumn<float>("volume");
        QTest::addColumn<int>("fixed");
        QTest::newRow("0.5") << 0.5f << 512;
        QTest::newRow("-1") << -1.0f << -1024;
        QTest::newRow("1e12") << 1e12f << 1073741824;
        QTest::newRow("-1e12") << -1e12f << -1073741824;
        QTest::newRow("infinity") << std::numeric_limits<float>::infinity() << 1073741824;
        QTest::newRow("NaN") << std::numeric_limits<float>::quiet_NaN() << 0;
    }
    void absurdMasterVolumesSaturate()
    {
        QFETCH(float, volume);
        QFETCH(int, fixed);
        GE::CAudioMixer mixer;
        mixer.setGeneralVolume(volume);
        QCOMPARE(mixer.fixedGeneralVolumeValue(), fixed);
    }

    void tenThousandEffectsLeaveNoSourceBehind()
    {
        // Every sound of the bank is the tiny one; the bank finds them
        // relative to the working directory.
        // 20 ms of 22050 Hz mono 16-bit silence with a click.
        QByteArray click(441 * 2, '\0');
        qToLittleEndian<qint16>(qint16(12000), click.data() + 100);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        for (int slot = 0; slot < 21; ++slot)
            QVERIFY(WavFiles::writeFile(WavFiles::soundPath(dir.path(), slot), WavFiles::plainWav(1, 22050, 16, click)));
        const QString previousDir = QDir::currentPath();
        QVERIFY(QDir::setCurrent(dir.path()));

        Settings settings;
        GameEngine engine(nullptr, &settings);
        GE::CAudioMixer *mixer = engine.soundBank()->mixer();
        QVERIFY(engine.soundBank()->bufferAt(0));
        QTRY_VERIFY(engine.soundBank()->outputThread()->isRunning());
        QVERIFY(!engine.soundBank()->outputThread()->hasDevice());

        int peak = 0;
        {
            const QuietDebug quiet;
            for (int i = 0; i < 10000; ++i) {
                engine.playSound(i % 21);
                if (i % 1000 == 999)
                    peak = qMax(peak, mixer->audioSourceCount());
            }
        }
        qInfo("10000 effects started, %d sources at the most counted", peak);
        QVERIFY(peak > 0);
        QTRY_COMPARE_WITH_TIMEOUT(mixer->audioSourceCount(), 0, 30000);
        QVERIFY(QDir::setCurrent(previousDir));
    }
};

// No sound server: the output thread discards at the real-time rate.
CIRROVANTA_TEST_MAIN_AFTER(SoundFloodTest, qunsetenv("PULSE_SERVER"))

#include "tst_soundflood.moc"
