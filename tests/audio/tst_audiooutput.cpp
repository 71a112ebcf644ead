#include "audio/audioout.h"
#include "common/testenvironment.h"

#include <QElapsedTimer>
#include <QtTest>

#include <atomic>
#include <memory>

namespace {

// A source that counts what it is asked for and hands out a ramp.
class CountingSource : public GE::IAudioSource
{
public:
    int pullAudio(GE::AudioSample *target, int sampleCount) override
    {
        for (int i = 0; i < sampleCount; ++i)
            target[i] = GE::AudioSample(i);
        pulled.fetch_add(sampleCount);
        calls.fetch_add(1);
        return sampleCount;
    }

    std::atomic<qint64> pulled{0};
    std::atomic<int> calls{0};
};

} // namespace

// The output thread without a sound server: transfer sizes, the sleep, the
// stop-and-join, and pulling at the real-time rate when no device exists.
class AudioOutputTest : public QObject
{
    Q_OBJECT

public:
    explicit AudioOutputTest(TestEnvironment &) {}

private slots:
    void roomInTheDeviceGivesWholeFramesUpToOneSendBuffer_data()
    {
        QTest::addColumn<qint64>("bytesFree");
        QTest::addColumn<int>("samples");
        // min((free / 4) * 2, 5000)
        QTest::newRow("6000 bytes free pull 3000 samples") << qint64(6000) << 3000;
        QTest::newRow("2 bytes free pull nothing") << qint64(2) << 0;
        QTest::newRow("7 bytes free pull one frame") << qint64(7) << 2;
        QTest::newRow("40000 bytes free pull one send buffer") << qint64(40000) << 5000;
        QTest::newRow("no room") << qint64(0) << 0;
    }

    void roomInTheDeviceGivesWholeFramesUpToOneSendBuffer()
    {
        QFETCH(qint64, bytesFree);
        QFETCH(int, samples);
        QCOMPARE(GE::AudioOut::samplesForBytesFree(bytesFree, 5000), samples);
    }

    void sleepIntervalIs77Milliseconds()
    {
        QCOMPARE(GE::AudioOut::sleepInterval(5000), 77); // 5000 * 340 / 22050 = 77.1
        QCOMPARE(GE::AudioOut::sleepInterval(100), 2);   // never below 2 ms
    }

    void withoutSourceTheThreadEndsAtOnce()
    {
        auto output = std::make_unique<GE::AudioOut>(nullptr, nullptr);
        QTRY_COMPARE(output->state(), 2);
        QVERIFY(output->wait(5000));
        output.reset();
    }

    void deletingStopsAndJoinsTheThread()
    {
        CountingSource source;
        auto *output = new GE::AudioOut(nullptr, &source);
        QVERIFY(output->isRunning());
        QTRY_VERIFY(source.calls.load() > 0);
        delete output;
        // Joined: nothing pulls any more.
        const int calls = source.calls.load();
        QTest::qWait(200);
        QCOMPARE(source.calls.load(), calls);
    }

    void withoutDeviceTheSourceIsPulledAtTheRealTimeRate()
    {
        CountingSource source;
        QElapsedTimer clock;
        clock.start();
        auto output = std::make_unique<GE::AudioOut>(nullptr, &source);
        QTRY_VERIFY(source.pulled.load() > 44100 / 4);
        QVERIFY(!output->hasDevice());
        QTest::qWait(300);
        output.reset();
        const qint64 elapsed = clock.elapsed();
        // Pulled as a 22050 Hz stereo device would take it: never ahead of the
        // clock by more than one send buffer (a busy loop would be far ahead).
        QVERIFY2(source.pulled.load() <= elapsed * 441 / 10 + 5000,
                 qPrintable(QStringLiteral("%1 samples in %2 ms").arg(source.pulled.load()).arg(elapsed)));
        QVERIFY(source.pulled.load() % 2 == 0);
    }
};

// No sound server for this test: the thread must work without a device.
CIRROVANTA_TEST_MAIN_AFTER(AudioOutputTest, qunsetenv("PULSE_SERVER"))

#include "tst_audiooutput.moc"
