#include "audio/caudiobuffer.h"
#include "audio/caudiobufferplayinstance.h"
#include "audio/caudiomixer.h"

#include <QRandomGenerator>
#include <QtTest>

#include <cstring>
#include <limits>
#include <memory>
#include <vector>

using GE::AudioSample;
using GE::CAudioBuffer;
using GE::CAudioBufferPlayInstance;
using GE::CAudioMixer;

namespace {

// An in-memory buffer laid out as a loaded WAV file would be.
std::unique_ptr<CAudioBuffer> makeBuffer(int channels, int rate, int bits, const QByteArray &bytes)
{
    auto buffer = std::make_unique<CAudioBuffer>();
    buffer->channelCount = qint16(channels);
    buffer->samplesPerSec = rate;
    buffer->bitsPerSample = qint16(bits);
    buffer->reallocate(int(bytes.size()));
    if (!bytes.isEmpty())
        std::memcpy(buffer->data, bytes.constData(), size_t(bytes.size()));
    buffer->sampleFunction = CAudioBuffer::readerFor(channels, bits);
    return buffer;
}

std::unique_ptr<CAudioBuffer> mono16(const std::vector<qint16> &values, int rate = 22050)
{
    QByteArray bytes(int(values.size()) * 2, '\0');
    for (size_t i = 0; i < values.size(); ++i)
        qToLittleEndian<qint16>(values[i], bytes.data() + 2 * i);
    return makeBuffer(1, rate, 16, bytes);
}

std::unique_ptr<CAudioBuffer> constantBuffer(qint16 value, int frames)
{
    return mono16(std::vector<qint16>(size_t(frames), value));
}

CAudioBufferPlayInstance *looping(CAudioBuffer *buffer)
{
    auto *instance = new CAudioBufferPlayInstance(buffer);
    instance->loopCount = -1;
    return instance;
}

} // namespace

// The mixer and the play instances: fixed-point mixing, resampling, looping
// and ending, and the guards for degenerate buffers.
class MixingTest : public QObject
{
    Q_OBJECT

private slots:

    void anyMasterGainScalesAndWrapsLikeTheFormula_data()
    {
        QTest::addColumn<float>("volume");
        QTest::addColumn<int>("gain");
        // The volume is stored as a truncated multiple of 1024.
        QTest::newRow("silent") << 0.0f << 0;
        QTest::newRow("unity 1024") << 1.0f << 1024;
        QTest::newRow("half as 512") << 0.5f << 512;
        QTest::newRow("0.3 truncated to 307") << 0.3f << 307;
        QTest::newRow("largest 16-bit gain") << 32767 / 1024.0f << 32767;
        QTest::newRow("smallest 16-bit gain") << -32768 / 1024.0f << -32768;
        QTest::newRow("negative") << -5 / 1024.0f << -5;
        QTest::newRow("beyond 16 bits") << 40000 / 1024.0f << 40000;
        QTest::newRow("product wraps in 32 bits") << 1024.0f << (1 << 20);
        // A settings file may hold anything: out of range saturates at 2^30.
        QTest::newRow("1e12 saturates") << 1e12f << (1 << 30);
        QTest::newRow("-1e12 saturates") << -1e12f << -(1 << 30);
        QTest::newRow("infinity saturates") << std::numeric_limits<float>::infinity() << (1 << 30);
        QTest::newRow("NaN is silence") << std::numeric_limits<float>::quiet_NaN() << 0;
    }

    void anyMasterGainScalesAndWrapsLikeTheFormula()
    {
        QFETCH(float, volume);
        QFETCH(int, gain);
        // Two sources of random samples played at their own rate with unity
        // gains, so each pulls exactly its samples (frames 0..n-3 per loop).
        QRandomGenerator random(uint(gain) + 17u);
        std::vector<qint16> first(403), second(403);
        for (size_t i = 0; i < first.size(); ++i) {
            first[i] = qint16(random.bounded(65536) - 32768);
            second[i] = qint16(random.bounded(65536) - 32768);
        }
        first[0] = -32768;
        first[1] = 32767;
        auto a = mono16(first);
        auto b = mono16(second);
        CAudioMixer mixer;
        QCOMPARE(mixer.fixedGeneralVolumeValue(), 1024);
        mixer.addAudioSource(looping(a.get()));
        mixer.addAudioSource(looping(b.get()));
        mixer.setGeneralVolume(volume);
        QCOMPARE(mixer.fixedGeneralVolumeValue(), gain);

        std::vector<AudioSample> out(801);
        QCOMPARE(mixer.pullAudio(out.data(), 801), 801);
        for (int k = 0; k < 800; ++k) {
            const int frame = k / 2;
            // low 16 bits of 0 + ((gain * a) >> 11) + ((gain * b) >> 11), products wrapping in 32 bits
            const int32_t fromA = int32_t(uint32_t(gain) * uint32_t(int32_t(first[size_t(frame)]))) >> 11;
            const int32_t fromB = int32_t(uint32_t(gain) * uint32_t(int32_t(second[size_t(frame)]))) >> 11;
            const qint16 expected = qint16(uint16_t(uint32_t(fromA) + uint32_t(fromB)));
            QCOMPARE(out[size_t(k)], expected);
        }
    }

    void oneShotEndsInsideAPullAndLeavesTheMixer()
    {
        // Ten frames: the loop region is frames 0..7, so eight frames play.
        auto buffer = mono16({1000, 2000, 3000, 4000, 5000, 6000, 7000, 8000, 9000, 10000});
        CAudioMixer mixer;
        auto longOne = constantBuffer(0, 1000);
        mixer.addAudioSource(looping(longOne.get()));
        QPointer<CAudioBufferPlayInstance> oneShot = buffer->playWithMixer(mixer);
        QCOMPARE(mixer.audioSourceCount(), 2);

        std::vector<AudioSample> out(100, 77);
        QCOMPARE(mixer.pullAudio(out.data(), 100), 100);
        QCOMPARE(mixer.audioSourceCount(), 1);
        QVERIFY(oneShot.isNull());
        for (int frame = 0; frame < 8; ++frame) {
            QCOMPARE(int(out[size_t(2 * frame)]), (frame + 1) * 500);
            QCOMPARE(int(out[size_t(2 * frame + 1)]), (frame + 1) * 500);
        }
        for (int i = 16; i < 100; ++i)
            QCOMPARE(int(out[size_t(i)]), 0);

        // Pulled on its own, a one-shot returns the even count it wrote.
        CAudioBufferPlayInstance alone(buffer.get());
        QCOMPARE(alone.pullAudio(out.data(), 101), 16);
        QVERIFY(alone.canBeDestroyed());
        QVERIFY(!alone.playedBuffer());
        QCOMPARE(alone.pullAudio(out.data(), 100), 0);
    }

    void eightBitSamplesAreCentredOn128_data()
    {
        QTest::addColumn<int>("channels");
        QTest::newRow("mono") << 1;
        QTest::newRow("stereo") << 2;
        QTest::newRow("three channels, first one played") << 3;
    }

    void eightBitSamplesAreCentredOn128()
    {
        QFETCH(int, channels);
        // Frames of 128, 255, 0 on channel 0 and 128 elsewhere, then two padding frames.
        const QByteArray firstChannel("\x80\xff\x00\x80\x80", 5);
        QByteArray bytes;
        for (char c : firstChannel) {
            bytes += c;
            for (int ch = 1; ch < channels; ++ch)
                bytes += char(0x80);
        }
        auto buffer = makeBuffer(channels, 22050, 8, bytes);
        CAudioBufferPlayInstance instance(buffer.get());
        AudioSample out[6];
        QCOMPARE(instance.pullAudio(out, 6), 6);
        const int expectedLeft[3] = {0, 32512, -32768};
        for (int frame = 0; frame < 3; ++frame) {
            QCOMPARE(int(out[2 * frame]), expectedLeft[frame]);
            // A stereo file's right side comes from channel 1 (silence here);
            // any other layout plays channel 0 on both sides.
            QCOMPARE(int(out[2 * frame + 1]), channels == 2 ? 0 : expectedLeft[frame]);
        }
    }

    void stereoGainsApplyPerSide()
    {
        QByteArray bytes;
        for (int v : {10000, -8000, 10000, -8000, 10000, -8000})
            bytes += QByteArray(reinterpret_cast<const char *>(&v), 2);
        auto buffer = makeBuffer(2, 22050, 16, bytes);
        CAudioBufferPlayInstance instance(buffer.get());
        instance.setLeftVolume(0.5f);  // 2048
        instance.setRightVolume(0.3f); // trunc(1228.8) = 1228
        QCOMPARE(instance.fixedRightVolume(), 1228);
        AudioSample out[2];
        QCOMPARE(instance.pullAudio(out, 2), 2);
        QCOMPARE(int(out[0]), 5000);
        QCOMPARE(int(out[1]), (1228 * -8000) >> 12); // -2399 (arithmetic shift rounds down)
    }

    void loopJoinKeepsTheFractionalOvershoot()
    {
        // A ramp of 1000 per frame, five frames: the loop region is frames 0..2
        // (last = 3, 12288 in 20.12). Step 3000 visits 0, 3000, 6000, 9000, 12000;
        // the run ends at 15000 and the loop restarts at 15000 - 12288 = 2712, then
        // 5712, 8712, 11712, and wraps again from 14712 to 2424.
        // The value at a position x is ((4096 - f) * a + f * b) >> 12 = (x * 1000) >> 12.
        auto buffer = mono16({0, 1000, 2000, 3000, 4000});
        auto *instance = looping(buffer.get());
        std::unique_ptr<CAudioBufferPlayInstance> owner(instance);
        instance->setSpeed(3000.0f / 4096.0f);
        QCOMPARE(instance->fixedStep(), 3000);

        const int positions[] = {0, 3000, 6000, 9000, 12000, 2712, 5712, 8712, 11712, 2424};
        AudioSample out[20];
        QCOMPARE(instance->pullAudio(out, 20), 20);
        for (int frame = 0; frame < 10; ++frame) {
            const int expected = positions[frame] * 1000 / 4096;
            QCOMPARE(int(out[2 * frame]), expected);
            QCOMPARE(int(out[2 * frame + 1]), expected);
        }
        QCOMPARE(instance->fixedPosition(), 2424 + 3000);
        QVERIFY(!instance->canBeDestroyed());
    }

    void finiteLoopCountPlaysThatManyTimes()
    {
        auto buffer = mono16({11, 22, 33, 44});
        CAudioBufferPlayInstance instance;
        instance.playBuffer(buffer.get(), 1.0f, 1.0f, 3);
        AudioSample out[40];
        // last = 2: frames 0 and 1 per loop, three loops.
        QCOMPARE(instance.pullAudio(out, 40), 12);
        const int expected[] = {11, 22, 11, 22, 11, 22};
        for (int frame = 0; frame < 6; ++frame)
            QCOMPARE(int(out[2 * frame]), expected[frame]);
        QVERIFY(instance.canBeDestroyed());
        QCOMPARE(instance.loopCount.load(), 0);
    }

    void oneSampleRequestWritesNothing()
    {
        auto buffer = mono16({100, 200, 300, 400});
        CAudioBufferPlayInstance instance(buffer.get());
        AudioSample out[2] = {-7, -7};
        QCOMPARE(instance.pullAudio(out, 1), 0);
        QCOMPARE(instance.pullAudio(out, 0), 0);
        QCOMPARE(instance.pullAudio(out, -4), 0);
        QCOMPARE(int(out[0]), -7);
        QCOMPARE(instance.fixedPosition(), 0);
        QVERIFY(!instance.canBeDestroyed());
    }

    void shortAndDegenerateInstancesNeverStall_data()
    {
        QTest::addColumn<int>("frames");
        QTest::addColumn<float>("speed");
        QTest::addColumn<int>("loops");
        QTest::addColumn<int>("expectedSamples");
        QTest::addColumn<bool>("ends");

        QTest::newRow("two frames looping for ever") << 2 << 1.0f << -1 << 0 << false;
        QTest::newRow("one frame looping for ever") << 1 << 1.0f << -1 << 0 << false;
        QTest::newRow("no frames looping for ever") << 0 << 1.0f << -1 << 0 << false;
        QTest::newRow("two frames once ends at once") << 2 << 1.0f << 0 << 0 << true;
        QTest::newRow("speed 0 never moves") << 100 << 0.0f << -1 << 0 << false;
        QTest::newRow("negative speed never moves") << 100 << -1.0f << 0 << 0 << false;
        QTest::newRow("step longer than the whole loop") << 4 << 1000.0f << -1 << 0 << false;
        QTest::newRow("step longer than the whole loop, once") << 4 << 1000.0f << 0 << 0 << true;
        QTest::newRow("huge speed is clamped") << 100 << 1e30f << -1 << 0 << false;
        QTest::newRow("three frames at double speed loops on") << 3 << 2.0f << -1 << 0 << false;
        QTest::newRow("three frames loop their first frame") << 3 << 1.0f << -1 << 1000 << false;
    }

    void shortAndDegenerateInstancesNeverStall()
    {
        QFETCH(int, frames);
        QFETCH(float, speed);
        QFETCH(int, loops);
        QFETCH(int, expectedSamples);
        QFETCH(bool, ends);

        auto buffer = constantBuffer(500, frames);
        CAudioBufferPlayInstance instance;
        instance.playBuffer(buffer.get(), 1.0f, speed, loops);
        std::vector<AudioSample> out(1000);
        for (int pull = 0; pull < 3; ++pull) {
            QCOMPARE(instance.pullAudio(out.data(), 1000), expectedSamples);
            QVERIFY(std::all_of(out.cbegin(), out.cbegin() + expectedSamples,
                                [](AudioSample sample) { return sample == 500; }));
        }
        QCOMPARE(instance.canBeDestroyed(), ends);

        // In a mixer such an instance only costs a pass, never stalls it.
        CAudioMixer mixer;
        auto *inMixer = new CAudioBufferPlayInstance;
        inMixer->playBuffer(buffer.get(), 1.0f, speed, loops);
        mixer.addAudioSource(inMixer);
        QCOMPARE(mixer.pullAudio(out.data(), 1000), 1000);
        QCOMPARE(mixer.audioSourceCount(), ends ? 0 : 1);
    }

    void fastPathMatchesTheReaderPath_data()
    {
        QTest::addColumn<int>("channels");
        QTest::addColumn<int>("bits");
        QTest::addColumn<int>("rate");
        QTest::addColumn<float>("speed");
        QTest::addColumn<int>("loops");
        QTest::addColumn<float>("volume");

        const float speeds[] = {1.0f, 0.37f, 1.31f, 2.9f, 0.5f};
        const int loops[] = {-1, 0, 3};
        const int layouts[][3] = {{1, 8, 11025}, {1, 16, 22050}, {2, 8, 44100}, {2, 16, 22050}, {3, 16, 32000}, {4, 8, 8000}};
        int row = 0;
        for (const auto &layout : layouts) {
            for (float speed : speeds) {
                const int loop = loops[row % 3];
                // Gains above 1.0 let the products wrap; both paths must wrap alike.
                const float volume = row % 4 == 0 ? 1.9f : (row % 4 == 1 ? 0.7f : 1.0f);
                QTest::addRow("%d ch %d bit %d Hz speed %g loops %d gain %g", layout[0], layout[1], layout[2],
                              double(speed), loop, double(volume))
                        << layout[0] << layout[1] << layout[2] << speed << loop << volume;
                ++row;
            }
        }
    }

    void fastPathMatchesTheReaderPath()
    {
        QFETCH(int, channels);
        QFETCH(int, bits);
        QFETCH(int, rate);
        QFETCH(float, speed);
        QFETCH(int, loops);
        QFETCH(float, volume);

        QRandomGenerator random(uint(channels * 1000 + bits * 10 + loops + 5));
        const int frames = 257 + int(random.bounded(500));
        QByteArray bytes(frames * channels * bits / 8, '\0');
        for (char &byte : bytes)
            byte = char(random.bounded(256));
        auto buffer = makeBuffer(channels, rate, bits, bytes);

        CAudioBufferPlayInstance fast;
        CAudioBufferPlayInstance reference;
        for (CAudioBufferPlayInstance *instance : {&fast, &reference}) {
            instance->playBuffer(buffer.get(), volume, speed, loops);
            // Unity gains on both sides take a path of their own.
            if (volume != 1.0f)
                instance->setRightVolume(volume * 0.61f);
        }

        std::vector<AudioSample> a(6000, 0x5555);
        std::vector<AudioSample> b(6000, 0x5555);
        for (int pull = 0; pull < 40; ++pull) {
            const int count = 1 + int(random.bounded(5000));
            const int gotFast = fast.pullAudio(a.data(), count);
            const int gotReference = reference.pullAudioThroughReader(b.data(), count);
            QCOMPARE(gotFast, gotReference);
            QVERIFY2(std::equal(a.begin(), a.begin() + gotFast, b.begin()),
                     qPrintable(QStringLiteral("pull %1 differs").arg(pull)));
            QCOMPARE(fast.fixedPosition(), reference.fixedPosition());
            QCOMPARE(fast.isFinished(), reference.isFinished());
        }
    }
};

QTEST_GUILESS_MAIN(MixingTest)
#include "tst_mixing.moc"
