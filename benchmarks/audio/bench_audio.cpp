// Mixing speed: 4, 16 and 64 looping voices of assorted layouts and speeds
// rendered to 22050 Hz stereo by our mixer (per-layout loops), by the same
// mixer through the per-sample reader functions, and by OpenAL Soft's
// loopback device with its linear resampler. Printed as times real time.
// Then, when a PulseAudio server answers (run it under the test command's
// null sink), how long a lone click takes from playSound to the sink, beside
// the length of the device buffer that it queues behind.

#define AL_ALEXT_PROTOTYPES
#include <AL/al.h>
#include <AL/alc.h>
#include <AL/alext.h>

#include "audio/audioout.h"
#include "audio/caudiobuffer.h"
#include "audio/caudiobufferplayinstance.h"
#include "audio/caudiomixer.h"
#include "audio/cinvsounds.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLoggingCategory>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>
#include <QtEndian>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
#include <vector>

using GE::AudioSample;

namespace {

constexpr int outputRate = 22050;
constexpr int blockFrames = 2500; // one send buffer of the output thread

struct Layout
{
    int channels;
    int bits;
    int rate;
};

const Layout layouts[] = {{1, 16, 22050}, {2, 16, 44100}, {1, 8, 11025}, {2, 8, 22050}, {1, 16, 44100}};

struct Sound
{
    Layout layout;
    QByteArray bytes;
    std::unique_ptr<GE::CAudioBuffer> buffer;
};

// A second of a decaying chord with noise, in the layout's own encoding.
Sound makeSound(const Layout &layout, int seed)
{
    Sound sound{layout, {}, std::make_unique<GE::CAudioBuffer>()};
    QRandomGenerator random{quint32(seed)};
    const int frames = layout.rate * (1 + seed % 2);
    const int bytesPerSample = layout.bits / 8;
    sound.bytes.resize(frames * layout.channels * bytesPerSample);
    for (int f = 0; f < frames; ++f) {
        for (int ch = 0; ch < layout.channels; ++ch) {
            const double t = double(f) / layout.rate;
            const double v = 0.4 * std::sin(2 * M_PI * (220 + 40 * seed + 3 * ch) * t)
                    + 0.2 * std::sin(2 * M_PI * 660 * t) + 0.1 * (random.generateDouble() - 0.5);
            const int s16 = int(v * 32767);
            char *at = sound.bytes.data() + (f * layout.channels + ch) * bytesPerSample;
            if (layout.bits == 8)
                *reinterpret_cast<unsigned char *>(at) = (unsigned char)(128 + (s16 >> 8));
            else
                std::memcpy(at, &s16, 2);
        }
    }
    GE::CAudioBuffer &b = *sound.buffer;
    b.channelCount = qint16(layout.channels);
    b.bitsPerSample = qint16(layout.bits);
    b.samplesPerSec = layout.rate;
    b.reallocate(int(sound.bytes.size()));
    std::memcpy(b.data, sound.bytes.constData(), size_t(sound.bytes.size()));
    b.sampleFunction = GE::CAudioBuffer::readerFor(layout.channels, layout.bits);
    return sound;
}

float speedOf(int voice)
{
    return 0.45f + float((voice * 37) % 100) / 64.0f; // 0.45 .. 2.0
}

// Reads every sample through the buffer's reader function.
class ReaderInstance : public GE::CAudioBufferPlayInstance
{
public:
    using CAudioBufferPlayInstance::CAudioBufferPlayInstance;
    int pullAudio(AudioSample *target, int sampleCount) override
    {
        return pullAudioThroughReader(target, sampleCount);
    }
};

template<typename Instance>
std::unique_ptr<GE::CAudioMixer> makeMixer(std::vector<Sound> &sounds, int voices)
{
    auto mixer = std::make_unique<GE::CAudioMixer>();
    for (int v = 0; v < voices; ++v) {
        auto *instance = new Instance;
        instance->playBuffer(sounds[size_t(v) % sounds.size()].buffer.get(), 1.0f, speedOf(v), -1);
        mixer->addAudioSource(instance);
    }
    return mixer;
}

// CPU time of this thread, so that other processes on the machine do not
// count against either side.
double threadSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

// Audio seconds rendered per CPU second over at least 0.1 s of CPU time.
double timesRealTime(const std::function<void(AudioSample *, int)> &render)
{
    std::vector<AudioSample> block(blockFrames * 2);
    const double start = threadSeconds();
    long frames = 0;
    double seconds = 0;
    do {
        for (int i = 0; i < 10; ++i) {
            render(block.data(), blockFrames);
            frames += blockFrames;
        }
        seconds = threadSeconds() - start;
    } while (seconds < 0.1);
    return double(frames) / outputRate / seconds;
}

quint64 checksumOf(GE::CAudioMixer &mixer, int frames)
{
    std::vector<AudioSample> block(blockFrames * 2);
    quint64 sum = 1469598103934665603ull;
    for (int done = 0; done < frames; done += blockFrames) {
        mixer.pullAudio(block.data(), blockFrames * 2);
        for (AudioSample s : block)
            sum = (sum ^ quint16(s)) * 1099511628211ull;
    }
    return sum;
}

struct OpenAl
{
    ALCdevice *device = nullptr;
    ALCcontext *context = nullptr;
    std::vector<ALuint> buffers;
    std::vector<ALuint> sources;
    QString failure;

    OpenAl(std::vector<Sound> &sounds, int voices)
    {
        device = alcLoopbackOpenDeviceSOFT(nullptr);
        if (!device) {
            failure = "no loopback device";
            return;
        }
        if (!alcIsRenderFormatSupportedSOFT(device, outputRate, ALC_STEREO_SOFT, ALC_SHORT_SOFT)) {
            failure = "22050 Hz stereo 16-bit not supported";
            return;
        }
        const ALCint attributes[] = {ALC_FREQUENCY, outputRate, ALC_FORMAT_CHANNELS_SOFT, ALC_STEREO_SOFT,
                                     ALC_FORMAT_TYPE_SOFT, ALC_SHORT_SOFT, ALC_MONO_SOURCES, voices,
                                     ALC_STEREO_SOURCES, voices, ALC_OUTPUT_LIMITER_SOFT, ALC_FALSE, 0};
        context = alcCreateContext(device, attributes);
        if (!context || !alcMakeContextCurrent(context)) {
            failure = "no context";
            return;
        }
        ALint linear = -1;
        const ALint resamplers = alGetInteger(AL_NUM_RESAMPLERS_SOFT);
        for (ALint i = 0; i < resamplers; ++i) {
            if (QByteArray(alGetStringiSOFT(AL_RESAMPLER_NAME_SOFT, i)).toLower().contains("linear"))
                linear = i;
        }
        if (linear < 0) {
            failure = "no linear resampler";
            return;
        }
        buffers.resize(sounds.size());
        alGenBuffers(ALsizei(buffers.size()), buffers.data());
        for (size_t i = 0; i < sounds.size(); ++i) {
            const Layout &l = sounds[i].layout;
            const ALenum format = l.channels == 1 ? (l.bits == 8 ? AL_FORMAT_MONO8 : AL_FORMAT_MONO16)
                                                  : (l.bits == 8 ? AL_FORMAT_STEREO8 : AL_FORMAT_STEREO16);
            alBufferData(buffers[i], format, sounds[i].bytes.constData(), ALsizei(sounds[i].bytes.size()), l.rate);
        }
        sources.resize(size_t(voices));
        alGenSources(voices, sources.data());
        for (int v = 0; v < voices; ++v) {
            const ALuint s = sources[size_t(v)];
            alSourcei(s, AL_BUFFER, ALint(buffers[size_t(v) % buffers.size()]));
            alSourcei(s, AL_LOOPING, AL_TRUE);
            alSourcef(s, AL_PITCH, speedOf(v));
            alSourcei(s, AL_SOURCE_RELATIVE, AL_TRUE);
            alSource3f(s, AL_POSITION, 0, 0, 0);
            alSourcei(s, AL_DIRECT_CHANNELS_SOFT, AL_TRUE);
            alSourcei(s, AL_SOURCE_RESAMPLER_SOFT, linear);
        }
        alSourcePlayv(voices, sources.data());
        if (alGetError() != AL_NO_ERROR)
            failure = "setting up the sources failed";
    }

    ~OpenAl()
    {
        if (!sources.empty()) {
            alSourceStopv(ALsizei(sources.size()), sources.data());
            alDeleteSources(ALsizei(sources.size()), sources.data());
        }
        if (!buffers.empty())
            alDeleteBuffers(ALsizei(buffers.size()), buffers.data());
        alcMakeContextCurrent(nullptr);
        if (context)
            alcDestroyContext(context);
        if (device)
            alcCloseDevice(device);
    }
};

// A plain 22050 Hz mono 16-bit WAV of a 1000 Hz sine at half scale.
QByteArray clickWav(int frames)
{
    QByteArray data(frames * 2, '\0');
    for (int f = 0; f < frames; ++f)
        qToLittleEndian<qint16>(qint16(16384 * std::sin(2 * M_PI * 1000 * f / outputRate)), data.data() + 2 * f);
    QByteArray wav("RIFF....WAVEfmt ");
    const quint32 fields[] = {16, 0x00010001, quint32(outputRate), quint32(outputRate * 2), 0x00100002};
    for (quint32 field : fields) {
        char raw[4];
        qToLittleEndian<quint32>(field, raw);
        wav.append(raw, 4);
    }
    char size[4];
    qToLittleEndian<quint32>(quint32(data.size()), size);
    return wav + "data" + QByteArray(size, 4) + data;
}

// Milliseconds from playInternalSound (4) to the first loud sample of the
// click in the null sink's monitor, for rounds clicks each after a second of
// silence; empty when there is no sound server.
std::vector<double> effectStartTimes(int rounds)
{
    QProcess pactl;
    pactl.start("pactl", {"info"});
    if (!pactl.waitForFinished(5000) || pactl.exitCode() != 0)
        return {};
    QTemporaryDir dir;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.path())); // the stored volume: the default 0.6
    QDir(dir.path()).mkpath("sounds");
    QFile file(dir.filePath("sounds/S_click_button.wav"));
    if (!file.open(QIODevice::WriteOnly) || file.write(clickWav(882)) < 0)
        return {};
    file.close();
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    CInvSounds bank;
    QDir::setCurrent(previous);
    QElapsedTimer waited;
    waited.start();
    while (!bank.outputThread()->hasDevice() && waited.elapsed() < 5000)
        QThread::msleep(10);
    if (!bank.outputThread()->hasDevice())
        return {};

    QProcess parec;
    parec.start("parec", {"-d", "null.monitor", "--format=s16le", "--rate=22050", "--channels=2", "--raw",
                          "--latency-msec=5"});
    if (!parec.waitForStarted(5000))
        return {};
    std::vector<double> times;
    for (int round = 0; round < rounds; ++round) {
        waited.restart();
        while (waited.elapsed() < 1000) {
            parec.waitForReadyRead(20);
            parec.readAll();
        }
        QByteArray pending;
        const auto start = std::chrono::steady_clock::now();
        bank.playInternalSound(4);
        while (std::chrono::steady_clock::now() - start < std::chrono::seconds(2)) {
            parec.waitForReadyRead(1);
            pending += parec.readAll();
            const auto read = std::chrono::steady_clock::now();
            const auto *samples = reinterpret_cast<const qint16 *>(pending.constData());
            const int frames = int(pending.size() / 4);
            int onset = 0;
            while (onset < frames && std::abs(samples[2 * onset]) <= 300)
                ++onset;
            if (onset < frames) {
                // The samples after the onset arrived in the same read.
                const double ms = std::chrono::duration<double, std::milli>(read - start).count()
                        - 1000.0 * (frames - onset) / outputRate;
                times.push_back(ms);
                break;
            }
        }
    }
    parec.terminate();
    parec.waitForFinished(5000);
    return times;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    // --ours-only: time only our fast path (for profiling it alone).
    const bool oursOnly = app.arguments().contains("--ours-only");
    std::vector<Sound> sounds;
    for (int i = 0; i < 10; ++i)
        sounds.push_back(makeSound(layouts[i % 5], i));

    std::printf("Mixing looping voices (assorted layouts, speeds 0.45-2.0) into 22050 Hz stereo\n");
    std::printf("OpenAL Soft through its loopback device: linear resampler, direct channels, no limiter\n");
    std::printf("Times real time = seconds of audio per second of this thread's CPU time, best of 5 rounds\n\n");
    std::printf("%6s | %14s | %14s | %14s | %10s | %s\n", "voices", "ours (x RT)", "reader (x RT)",
                "OpenAL (x RT)", "ours/AL", "ours = reader");
    std::printf("-------+----------------+----------------+----------------+------------+--------------\n");

    bool allIdentical = true;
    double worstRatio = 1e9;
    for (int voices : {4, 16, 64}) {
        auto fastMixer = makeMixer<GE::CAudioBufferPlayInstance>(sounds, voices);
        auto readerMixer = makeMixer<ReaderInstance>(sounds, voices);
        const bool identical = checksumOf(*fastMixer, outputRate * 30) == checksumOf(*readerMixer, outputRate * 30);
        allIdentical = allIdentical && identical;

        // Rounds alternate between the three so that any drift in the
        // machine's speed touches them alike; the best round counts.
        double ours = 0;
        double reader = 0;
        double openal = 0;
        OpenAl al(sounds, voices);
        const QString failure = al.failure;
        for (int round = 0; round < 5; ++round) {
            ours = std::max(ours, timesRealTime([&](AudioSample *out, int frames) {
                fastMixer->pullAudio(out, frames * 2);
            }));
            if (oursOnly)
                continue;
            reader = std::max(reader, timesRealTime([&](AudioSample *out, int frames) {
                readerMixer->pullAudio(out, frames * 2);
            }));
            if (failure.isEmpty())
                openal = std::max(openal, timesRealTime([&](AudioSample *out, int frames) {
                    alcRenderSamplesSOFT(al.device, out, frames);
                }));
        }
        if (!failure.isEmpty()) {
            std::printf("%6d | %14.1f | %14.1f | %14s | %10s | %s\n", voices, ours, reader,
                        qPrintable(failure), "-", identical ? "yes" : "NO");
            continue;
        }
        worstRatio = std::min(worstRatio, ours / openal);
        std::printf("%6d | %14.1f | %14.1f | %14.1f | %9.2fx | %s\n", voices, ours, reader, openal, ours / openal,
                    identical ? "yes" : "NO");
    }
    std::printf("\nslowest ratio ours/OpenAL: %.2fx (goal >= 2x); fast path %s the reader path\n", worstRatio,
                allIdentical ? "bit-identical to" : "DIFFERS from");

    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
    const int rounds = 10;
    std::vector<double> start = effectStartTimes(rounds);
    const double bufferMs = 1000.0 * GE::AudioOut::deviceBufferBytes / 4 / outputRate;
    std::printf("\nA lone click from silence: playSound (4) to its first sample in the sink's monitor (parec, 5 ms)\n");
    if (start.empty()) {
        std::printf("skipped: no PulseAudio server with a null sink answered\n");
    } else {
        std::sort(start.begin(), start.end());
        const double median = start[start.size() / 2];
        std::printf("%6s | %11s | %11s | %11s | %18s | %s\n", "heard", "median (ms)", "min (ms)", "max (ms)",
                    "device buffer (ms)", "median/buffer");
        std::printf("-------+-------------+-------------+-------------+--------------------+--------------\n");
        std::printf("%3zu/%-2d | %11.1f | %11.1f | %11.1f | %18.1f | %.2fx\n", start.size(), rounds, median,
                    start.front(), start.back(), bufferMs, median / bufferMs);
    }
    return allIdentical && (start.empty() || int(start.size()) == rounds) ? 0 : 1;
}
