#include "audio/audioout.h"
#include "audio/caudiobuffer.h"
#include "audio/caudiobufferplayinstance.h"
#include "audio/caudiomixer.h"
#include "audio/cinvsounds.h"
#include "common/testenvironment.h"
#include "common/wavfiles.h"

#include <QtTest>

#include <cmath>
#include <memory>
#include <vector>

namespace {

struct ToneMeasure
{
    double frequency = 0; // Hz, from zero crossings of the left channel
    double rms = 0;       // of the left channel
    double rightRms = 0;
    bool found = false;
};

// Measures the loudest `seconds` of a 22050 Hz stereo s16le recording. A
// loaded machine can delay the server or the output thread now and then;
// the loudest stretch is one that played without a gap.
ToneMeasure measureTone(const QByteArray &recording, double seconds)
{
    ToneMeasure measure;
    const auto *samples = reinterpret_cast<const qint16 *>(recording.constData());
    const qsizetype frames = recording.size() / 4;
    const qsizetype length = qsizetype(seconds * 22050);
    if (length > frames)
        return measure;

    auto energy = [samples](qsizetype from, qsizetype count) {
        double sum = 0;
        for (qsizetype i = from; i < from + count; ++i)
            sum += double(samples[2 * i]) * samples[2 * i];
        return sum;
    };
    qsizetype start = 0;
    double loudest = -1;
    for (qsizetype from = 0; from + length <= frames; from += 1102) {
        const double sum = energy(from, length);
        if (sum > loudest) {
            loudest = sum;
            start = from;
        }
    }
    if (loudest / double(length) < 1000.0 * 1000.0)
        return measure;

    int crossings = 0;
    double sumRight = 0;
    for (qsizetype i = start; i < start + length; ++i) {
        const int left = samples[2 * i];
        const int right = samples[2 * i + 1];
        sumRight += double(right) * right;
        if (i > start && (samples[2 * (i - 1)] < 0) != (left < 0))
            ++crossings;
    }
    measure.frequency = crossings / 2.0 / seconds;
    measure.rms = std::sqrt(loudest / double(length));
    measure.rightRms = std::sqrt(sumRight / double(length));
    measure.found = true;
    return measure;
}

QString pulseFailure;

} // namespace

// Output through a real PulseAudio server: a known tone goes through the
// mixer and the output thread (and through the sound bank) into a null
// sink, whose monitor parec records.
class PulseOutputTest : public QObject
{
    Q_OBJECT

public:
    explicit PulseOutputTest(TestEnvironment &) {}

private slots:
    void initTestCase()
    {
        if (!pulseFailure.isEmpty())
            QSKIP(qPrintable(pulseFailure));
        QVERIFY(dir.isValid());
        QVERIFY2(!WavFiles::installedSoundsShadowTheWorkingDirectory(),
                 "installed sounds beside the test executable would be played instead of the test's own");
        if (QStandardPaths::findExecutable("sox").isEmpty())
            QSKIP("sox is not installed (Debian package sox)");
        // A 1000 Hz sine at half scale: amplitude 16384, RMS 16384 / sqrt(2) = 11585.
        QVERIFY(WavFiles::soxTone(dir.filePath("tone.wav"), 22050, 1, 16, 1.0, 1000, 0.5));
        QVERIFY(WavFiles::soxTone(dir.filePath("sounds/S_alarm.wav"), 22050, 1, 16, 1.0, 1000, 0.5));
    }

    void toneThroughTheOutputThreadKeepsPitchAndLevel()
    {
        std::unique_ptr<GE::CAudioBuffer> tone(GE::CAudioBuffer::loadWav(dir.filePath("tone.wav")));
        QVERIFY(tone);
        GE::CAudioMixer mixer;
        mixer.setGeneralVolume(2.0f); // 2048 >> 11: each source at unity
        auto *instance = new GE::CAudioBufferPlayInstance(tone.get());
        instance->loopCount = -1;
        mixer.addAudioSource(instance);

        auto output = std::make_unique<GE::AudioOut>(nullptr, &mixer);
        QTRY_VERIFY_WITH_TIMEOUT(output->hasDevice() || output->state() == 2, 5000);
        QVERIFY2(output->hasDevice(), "the sound server gave no output device");

        const QByteArray recording = record(4000);
        output.reset();
        QVERIFY2(recording.size() > 22050 * 4, qPrintable(QString::number(recording.size())));

        const ToneMeasure measure = measureTone(recording, 0.25);
        QVERIFY2(measure.found, "no tone in the recording");
        qDebug() << "measured" << measure.frequency << "Hz, RMS" << measure.rms << measure.rightRms;
        QVERIFY(std::abs(measure.frequency - 1000.0) < 20.0);
        QVERIFY(std::abs(measure.rms - 11585.0) < 11585.0 * 0.1);
        QVERIFY(std::abs(measure.rightRms - measure.rms) < measure.rms * 0.02);
    }

    void musicFromTheSoundBankFollowsItsSpeed()
    {
        const QString previous = QDir::currentPath();
        QVERIFY(QDir::setCurrent(dir.path()));
        auto bank = std::make_unique<CInvSounds>();
        QVERIFY(QDir::setCurrent(previous));
        QTRY_VERIFY_WITH_TIMEOUT(bank->outputThread()->hasDevice(), 5000);

        // Stored volume 0.6: the mixer holds 614, so the half-scale tone
        // arrives at 16384 * 614 / 2048 = 4912, RMS 3473; at speed 1.5 the
        // 22050 Hz file plays at 1500 Hz.
        bank->playMusic(2);
        bank->setMusicSpeed(1.5f);
        const QByteArray recording = record(4000);
        bank->stopMusic();
        bank.reset();

        const ToneMeasure measure = measureTone(recording, 0.25);
        QVERIFY2(measure.found, "no tone in the recording");
        qDebug() << "measured" << measure.frequency << "Hz, RMS" << measure.rms;
        QVERIFY(std::abs(measure.frequency - 1500.0) < 30.0);
        QVERIFY(std::abs(measure.rms - 3473.0) < 3473.0 * 0.1);
    }

private:
    QByteArray record(int milliseconds);

    QTemporaryDir dir;
};

QByteArray PulseOutputTest::record(int milliseconds)
{
    QProcess parec;
    parec.start("parec", {"-d", "null.monitor", "--format=s16le", "--rate=22050", "--channels=2", "--raw"});
    if (!parec.waitForStarted(5000))
        return {};
    QTest::qWait(milliseconds);
    parec.terminate();
    parec.waitForFinished(5000);
    return parec.readAllStandardOutput();
}

int main(int argc, char *argv[])
{
    keepCallersSoundServer();
    QProcess pactl;
    pactl.start("pactl", {"info"});
    const bool reachable = pactl.waitForFinished(10000) && pactl.exitStatus() == QProcess::NormalExit
            && pactl.exitCode() == 0;

    TestEnvironment environment;
    QGuiApplication app(argc, argv);
    if (!reachable)
        pulseFailure = "no PulseAudio server reachable (pactl info failed): start one with a null "
                       "sink and export PULSE_SERVER (Debian packages pulseaudio, pulseaudio-utils)";
    PulseOutputTest test(environment);
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_pulseoutput.moc"
