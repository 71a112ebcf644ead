// The sound bank through a real PulseAudio server: the test command's null
// sink, whose monitor parec records. The bank plays the test's own tones.
#include "app/gamesettings.h"
#include "audio/audioout.h"
#include "audio/cinvsounds.h"
#include "audio/caudiomixer.h"
#include "common/debuglines.h"
#include "common/testenvironment.h"
#include "common/wavfiles.h"
#include "engine/gameengine.h"
#include "persistence/settings.h"

#include <QtTest>

#include <cmath>
#include <cstring>
#include <functional>
#include <memory>

namespace {

QByteArray callersRuntime;

using Recording = QVector<qint16>; // 22050 Hz stereo, left first

// Runs a PulseAudio command against the test command's own server.
bool pulse(const QStringList &arguments)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_RUNTIME_DIR", QString::fromLocal8Bit(callersRuntime));
    environment.remove("PULSE_SERVER");
    process.setProcessEnvironment(environment);
    process.start(arguments.first(), arguments.mid(1));
    return process.waitForFinished(20000) && process.exitCode() == 0;
}

// Plays `during` after `before` ms of recording, then records `after` ms more.
Recording record(int before, const std::function<void()> &during, int after)
{
    QProcess parec;
    parec.start("parec", {"-d", "null.monitor", "--format=s16le", "--rate=22050", "--channels=2", "--raw",
                  "--latency-msec=50"});
    if (!parec.waitForStarted(5000))
        return {};
    QTest::qWait(before);
    during();
    QTest::qWait(after);
    parec.terminate();
    parec.waitForFinished(5000);
    const QByteArray bytes = parec.readAllStandardOutput();
    Recording samples(bytes.size() / 2);
    std::memcpy(samples.data(), bytes.constData(), size_t(samples.size()) * 2);
    return samples;
}

// Frequency (zero crossings) and RMS of both channels over the loudest quarter
// second: a busy machine may leave a gap elsewhere.
struct Tone
{
    double frequency = 0, left = 0, right = 0;
};

Tone loudestQuarterSecond(const Recording &r)
{
    const qsizetype length = 22050 / 4, frames = r.size() / 2;
    Tone best;
    for (qsizetype from = 0; from + length <= frames; from += 1102) {
        double left = 0, right = 0;
        int crossings = 0;
        for (qsizetype i = from; i < from + length; ++i) {
            left += double(r[2 * i]) * r[2 * i];
            right += double(r[2 * i + 1]) * r[2 * i + 1];
            crossings += i > from && (r[2 * i - 2] < 0) != (r[2 * i] < 0);
        }
        if (std::sqrt(left / length) > best.left)
            best = {crossings / 2.0 / 0.25, std::sqrt(left / length), std::sqrt(right / length)};
    }
    return best;
}

} // namespace

class PulseOutputTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (!pulse({"pactl", "info"}))
            QSKIP("no PulseAudio server under XDG_RUNTIME_DIR (the test command starts one)");
        QVERIFY(!WavFiles::installedSoundsShadowTheWorkingDirectory());
        if (QStandardPaths::findExecutable("sox").isEmpty())
            QSKIP("sox is not installed (Debian package sox)");
        // A 1000 Hz sine at half scale as music (slot 2) and, 0.04 s = 882
        // frames long, as the button click (slot 4).
        QVERIFY(WavFiles::soxTone(WavFiles::soundPath(dir.path(), 2), 22050, 1, 16, 1.0, 1000, 0.5));
        QVERIFY(WavFiles::soxTone(WavFiles::soundPath(dir.path(), 4), 22050, 1, 16, 0.04, 1000, 0.5));
        // Files that load but could never sound (24 bits; 5 Hz, a step of
        // 5 * 4096 / 22050 < 1) and one with 16 MiB + 4 bytes of PCM data.
        using namespace WavFiles;
        QVERIFY(writeFile(soundPath(dir.path(), 5), plainWav(2, 22050, 24, QByteArray(60, 1))));
        QVERIFY(writeFile(soundPath(dir.path(), 6), plainWav(1, 5, 16, QByteArray(60, 1))));
        QVERIFY(writeFile(soundPath(dir.path(), 11), plainWav(1, 22050, 16, QByteArray((16 << 20) + 4, 1))));
        debug = std::make_unique<DebugLines>();
        const QString previous = QDir::currentPath();
        QVERIFY(QDir::setCurrent(dir.path()));
        bank = std::make_unique<CInvSounds>();
        QVERIFY(QDir::setCurrent(previous));
        QTRY_VERIFY_WITH_TIMEOUT(bank->outputThread()->hasDevice(), 5000);
    }

    void cleanupTestCase()
    {
        bank.reset();
        debug.reset();
    }

    // Refused when preloaded and again when played; playing them adds nothing.
    void unplayableAndHugeFilesAreRefused()
    {
        const QString previous = QDir::currentPath();
        QVERIFY(QDir::setCurrent(dir.path()));
        for (int slot : {5, 6, 11}) {
            QVERIFY(!bank->bufferAt(slot));
            bank->playInternalSound(slot);
        }
        QVERIFY(QDir::setCurrent(previous));
        QCOMPARE(bank->mixer()->audioSourceCount(), 0);
        QCOMPARE(debug->lines().filter("sound file cannot be played").size(), 4);
        QCOMPARE(debug->lines().filter("sound data over 16 MiB").size(), 2);
    }

    // Stored volume 0.6: the mixer holds 614, so the half-scale tone arrives
    // at 16384 * 614 / 2048 = 4912, RMS 4912 / sqrt(2) = 3473. Played at one
    // and a half times its speed, it sounds at 1500 Hz.
    void musicKeepsPitchAndLevel()
    {
        const float speed = 1.5f;
        const Recording r = record(0, [&] { bank->playMusic(2); bank->setMusicSpeed(speed); }, 3000);
        bank->stopMusic();
        const Tone tone = loudestQuarterSecond(r);
        qDebug() << "measured" << tone.frequency << "Hz, RMS" << tone.left << tone.right;
        QVERIFY(std::abs(tone.frequency - 1000.0 * speed) < 20.0 * speed);
        QVERIFY(std::abs(tone.left - 3473.0) < 3473.0 * 0.1);
        QVERIFY(std::abs(tone.right - tone.left) < tone.left * 0.02);
    }

    // From total silence a lone click sounds whole: of its 882 frames 880
    // are played (the last one only partners the interpolation), a 1000 Hz
    // sine of amplitude 4912, above 300 for all but 2 / pi * asin(300 / 4912)
    // of the time. Counted rather than spanned, so that a late pass on a busy
    // machine (a gap) cannot fail it.
    void loneClickFromSilenceIsHeardWhole()
    {
        QTest::qWait(1000);
        const Recording r = record(500, [&] { bank->playInternalSound(4); }, 1500);
        int loud = 0;
        for (qsizetype i = 0; i < r.size(); i += 2)
            loud += std::abs(r[i]) > 300;
        const double expected = 880 * (1 - 2 / M_PI * std::asin(300.0 / 4912));
        qDebug() << "click loud for" << loud << "frames, expected" << expected;
        QVERIFY(std::abs(loud - expected) < expected * 0.02);
    }

    // Pausing a flight holds the sounds: the music falls silent on the real
    // server once what it had queued has played, and comes back.
    void heldSoundsFallSilentAndComeBack()
    {
        const QString previous = QDir::currentPath();
        QVERIFY(QDir::setCurrent(dir.path()));
        Settings settings;
        GameEngine engine(nullptr, &settings);
        GameSettings gameSettings(&settings, &engine);
        engine.playMusic(2);
        QVERIFY(QDir::setCurrent(previous));
        const auto level = [] { return loudestQuarterSecond(record(0, [] {}, 1000)).left; };
        QTRY_VERIFY_WITH_TIMEOUT(level() > 1000, 20000); // once the output runs
        gameSettings.holdSounds(true);
        QTest::qWait(1000);
        const double held = level();
        QVERIFY2(held < 2, qPrintable(QString::number(held)));
        gameSettings.holdSounds(false);
        QTRY_VERIFY_WITH_TIMEOUT(level() > 1000, 20000);
    }

    // The server goes away mid-music and a new one starts (the test
    // command's command line): the music is heard through the new one.
    void musicComesBackAfterTheServerRestarts()
    {
        bank->playMusic(2);
        QVERIFY(pulse({"pulseaudio", "-k"}));
        QTRY_VERIFY_WITH_TIMEOUT(!bank->outputThread()->hasDevice(), 5000);
        QTest::qWait(500);
        QVERIFY(pulse({"pulseaudio", "-D", "--exit-idle-time=-1", "--system=false", "--disallow-exit", "-n",
                       "--load=module-null-sink", "--load=module-native-protocol-unix"}));
        QTRY_VERIFY_WITH_TIMEOUT(bank->outputThread()->hasDevice(), 15000);
        const Recording r = record(0, [] {}, 2000);
        bank->stopMusic();
        const Tone tone = loudestQuarterSecond(r);
        QVERIFY2(std::abs(tone.frequency - 1000.0) < 20.0, qPrintable(QString::number(tone.frequency)));
        QVERIFY(std::abs(tone.left - 3473.0) < 3473.0 * 0.1);
    }

private:
    QTemporaryDir dir;
    std::unique_ptr<DebugLines> debug;
    std::unique_ptr<CInvSounds> bank;
};

CIRROVANTA_TEST_MAIN_AFTER(PulseOutputTest, (callersRuntime = qgetenv("XDG_RUNTIME_DIR"), keepCallersSoundServer()))

#include "tst_pulseoutput.moc"
