#include "audio/audioout.h"
#include "audio/caudiobuffer.h"
#include "audio/caudiobufferplayinstance.h"
#include "audio/caudiomixer.h"
#include "audio/cinvsounds.h"
#include "engine/gameengine.h"
#include "persistence/settings.h"
#include "common/debuglines.h"
#include "common/testenvironment.h"
#include "common/wavfiles.h"

#include <QtTest>

#include <memory>

// The sound bank on a working directory that holds a sounds/ folder of sox
// files: preloading, loading on demand, music replacement and the volume.
class SoundBankTest : public QObject
{
    Q_OBJECT

public:
    explicit SoundBankTest(TestEnvironment &environment) : environment(environment) {}

private slots:
    void initTestCase()
    {
        QVERIFY(workDir.isValid());
        QVERIFY2(!WavFiles::installedSoundsShadowTheWorkingDirectory(),
                 "installed sounds beside the test executable would be played instead of the test's own");
        if (QStandardPaths::findExecutable("sox").isEmpty())
            QSKIP("sox is not installed (Debian package sox)");
        // Every file is distinguishable by its rate and length: entry i lasts
        // 0.02 + i/1000 s at 8000 + 1000 * (i % 5) Hz, stereo for odd i.
        for (int i = 0; i < 21; ++i) {
            QVERIFY(WavFiles::soxTone(WavFiles::soundPath(workDir.path(), i), 8000 + 1000 * (i % 5), 1 + i % 2, i % 3 == 0 ? 8 : 16,
                                      0.02 + i / 1000.0, 300 + 20 * i));
        }
        previousDir = QDir::currentPath();
        QVERIFY(QDir::setCurrent(workDir.path()));
    }

    void init()
    {
        QFile::remove(environment.settingsFile());
        debug = std::make_unique<DebugLines>();
    }

    void cleanup()
    {
        debug.reset();
    }

    void cleanupTestCase()
    {
        QDir::setCurrent(previousDir);
    }

    void preloadedSlotsHoldBuffersAndTheOthersWait()
    {
        auto bank = makeBank();
        QCOMPARE(bank->bufferCount(), 21);
        const QList<int> preloaded{0, 1, 2, 3, 4, 5, 6, 11, 12, 13, 20};
        for (int i = 0; i < 21; ++i) {
            QCOMPARE(bank->bufferAt(i) != nullptr, preloaded.contains(i));
            if (GE::CAudioBuffer *buffer = bank->bufferAt(i))
                QCOMPARE(buffer->samplesPerSec, 8000 + 1000 * (i % 5));
        }
        QVERIFY(!bank->currentMusic());
        QVERIFY(bank->outputThread()->isRunning());
    }

    void effectLoadedOnDemandIsKeptAndReusedAsMusic()
    {
        auto bank = makeBank();
        QVERIFY(!bank->bufferAt(9));
        bank->playInternalSound(9);
        QVERIFY(lines().contains("starts playing sound 9"));
        GE::CAudioBuffer *loaded = bank->bufferAt(9);
        QVERIFY(loaded);
        QCOMPARE(loaded->samplesPerSec, 12000);

        bank->playInternalSound(9);
        QCOMPARE(bank->bufferAt(9), loaded);

        bank->playMusic(9);
        QVERIFY(bank->currentMusic());
        QCOMPARE(bank->currentMusic()->playedBuffer(), loaded);
        QCOMPARE(bank->currentMusic()->loopCount.load(), -1);
        QVERIFY(!bank->musicBufferOnDemand());
    }

    void replacingMusicFreesItsOnDemandBuffer()
    {
        auto bank = makeBank();
        bank->playMusic(7);
        GE::CAudioBuffer *fanfare = bank->musicBufferOnDemand();
        QVERIFY(fanfare);
        QCOMPARE(fanfare->samplesPerSec, 10000);
        QCOMPARE(bank->currentMusic()->playedBuffer(), fanfare);

        bank->playMusic(8);
        GE::CAudioBuffer *clapping = bank->musicBufferOnDemand();
        QVERIFY(clapping);
        QCOMPARE(clapping->samplesPerSec, 11000);
        QCOMPARE(clapping->channelCount, qint16(1));
        QCOMPARE(bank->currentMusic()->playedBuffer(), clapping);
        // The fanfare's instance left the mixer with its buffer; only slot 8's music plays.
        QCOMPARE(bank->mixer()->audioSourceCount(), 1);
        QVERIFY(!bank->bufferAt(7));
        QVERIFY(!bank->bufferAt(8));

        bank->stopMusic();
        QVERIFY(!bank->currentMusic());
        QVERIFY(!bank->musicBufferOnDemand());
        QCOMPARE(bank->mixer()->audioSourceCount(), 0);
    }

    void missingFilesLeaveSlotsEmptyAndMusicSilent()
    {
        QTemporaryDir emptyDir;
        QVERIFY(QDir::setCurrent(emptyDir.path()));
        auto bank = makeBank();
        for (int i = 0; i < 21; ++i)
            QVERIFY(!bank->bufferAt(i));
        bank->playInternalSound(0);
        QVERIFY(!bank->bufferAt(0));
        QCOMPARE(bank->mixer()->audioSourceCount(), 0);
        QVERIFY(QDir::setCurrent(workDir.path()));

        // Now the files are there (working directory): the next play loads it.
        bank->playInternalSound(0);
        QVERIFY(bank->bufferAt(0));

        QVERIFY(QDir::setCurrent(emptyDir.path()));
        bank->playMusic(10);
        QVERIFY(QDir::setCurrent(workDir.path()));
        QVERIFY(bank->currentMusic());
        QVERIFY(!bank->currentMusic()->playedBuffer());
        bank->setMusicSpeed(2.0f);
        bank->stopMusic();
        QVERIFY(!bank->currentMusic());
    }

    // The bank plays at the stored volume, read when sounds are enabled again.
    void theEngineMutesAndSpeedsItsBank()
    {
        Settings settings;
        settings.setMute(true);
        GameEngine engine(nullptr, &settings);
        engine.enableSounds(true);
        QCOMPARE(engine.soundBank()->mixer()->fixedGeneralVolumeValue(), 0);
        settings.setAudioVolume(0.3);
        engine.setMuted(false);
        QCOMPARE(engine.soundBank()->mixer()->fixedGeneralVolumeValue(), 307); // trunc(0.3 * 1024)
        engine.playMusic(0);   // 8000 Hz
        engine.speedMeter(2.0);
        QCOMPARE(engine.soundBank()->currentMusic()->fixedStep(), 2972); // trunc(8000 * 4096 * 2 / 22050)
    }

private:
    std::unique_ptr<CInvSounds> makeBank() { return std::make_unique<CInvSounds>(); }

    TestEnvironment &environment;
    QTemporaryDir workDir;
    QString previousDir;
    std::unique_ptr<DebugLines> debug;
    QStringList lines() const { return debug->lines(); }
};

CIRROVANTA_TEST_MAIN(SoundBankTest)
#include "tst_soundbank.moc"
