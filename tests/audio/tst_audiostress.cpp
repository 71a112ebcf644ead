#include "audio/audioout.h"
#include "audio/caudiobufferplayinstance.h"
#include "audio/caudiomixer.h"
#include "audio/cinvsounds.h"
#include "common/debuglines.h"
#include "common/testenvironment.h"
#include "common/wavfiles.h"

#include <QRandomGenerator>
#include <QtTest>

#include <atomic>
#include <memory>
#include <thread>
#include <vector>

// The GUI thread plays, replaces and stops music and effects thousands of
// times while the output thread and a second, tight-looping thread pull the
// mixer. Meant to run under ThreadSanitizer as well as plainly.
class AudioStressTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        QVERIFY2(!WavFiles::installedSoundsShadowTheWorkingDirectory(),
                 "installed sounds beside the test executable would be played instead of the test's own");
        // Short effects and some missing or broken files among them.
        for (int i = 0; i < 21; ++i) {
            const QString path = WavFiles::soundPath(dir.path(), i);
            if (i == 15)
                continue; // missing
            if (i == 16) {
                QVERIFY(WavFiles::writeFile(path, "RIFF junk"));
                continue;
            }
            // Made without sox: a run under ThreadSanitizer must not fork.
            const int rate = i % 2 ? 11025 : 44100, channels = 1 + i % 2, bits = i % 3 == 0 ? 8 : 16;
            const int frames = rate * (10 + 5 * (i % 4)) / 1000;
            QVERIFY(WavFiles::writeFile(path, WavFiles::plainWav(channels, rate, bits, QByteArray(frames * channels * bits / 8, char(40 + i)))));
        }
        quiet = std::make_unique<QuietDebug>();
    }

    void playingStoppingAndReplacingWhilePulled()
    {
        const QString previous = QDir::currentPath();
        QVERIFY(QDir::setCurrent(dir.path()));
        auto bank = std::make_unique<CInvSounds>();
        QVERIFY(QDir::setCurrent(previous));
        GE::CAudioMixer *mixer = bank->mixer();

        std::atomic<bool> running{true};
        std::atomic<long> pulls{0};
        std::thread puller([&] {
            std::vector<GE::AudioSample> block(4000);
            while (running.load(std::memory_order_relaxed)) {
                mixer->pullAudio(block.data(), 1 + int(pulls.load(std::memory_order_relaxed) % 4000));
                pulls.fetch_add(1, std::memory_order_relaxed);
            }
        });

        QRandomGenerator random(20261205);
        const QString workDir = dir.path();
        for (int round = 0; round < 20000; ++round) {
            // The bank resolves its files against the working directory.
            QDir::setCurrent(workDir);
            const int index = int(random.bounded(23)) - 1; // -1 and 21 are out of range
            const quint32 op = random.bounded(10);
            if (op < 3) {
                bank->playInternalSound(index);
            } else if (op < 5) {
                bank->playMusic(index);
            } else if (op == 5) {
                bank->stopMusic();
            } else if (op == 6) {
                bank->setMusicSpeed(float(random.bounded(3.0)) - 0.2f);
            } else if (op == 7) {
                bank->enableSounds(random.bounded(2) == 1);
            } else if (op == 8) {
                if (GE::CAudioBufferPlayInstance *music = bank->currentMusic()) {
                    music->setLeftVolume(float(random.bounded(1.0)));
                    music->setRightVolume(float(random.bounded(1.0)));
                }
            } else if (round % 500 == 9) {
                bank->loadSounds();
            }
        }

        running.store(false);
        puller.join();
        QDir::setCurrent(previous);
        QVERIFY(pulls.load() > 0);
        qInfo("20000 bank operations against %ld pulls from the second thread", pulls.load());

        // Once the music stops, the output thread alone runs the effects out.
        bank->stopMusic();
        QTRY_COMPARE_WITH_TIMEOUT(mixer->audioSourceCount(), 0, 20000);
        bank.reset();
    }

private:
    QTemporaryDir dir;
    std::unique_ptr<QuietDebug> quiet;
};

// No sound server: the output thread pulls at the real-time rate and
// discards, the same on every machine.
CIRROVANTA_TEST_MAIN_AFTER(AudioStressTest, qunsetenv("PULSE_SERVER"))

#include "tst_audiostress.moc"
