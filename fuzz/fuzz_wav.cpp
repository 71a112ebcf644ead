// Feeds arbitrary bytes to both WAV loaders, checks that they agree, and
// plays whatever loads through play instances and the mixer with speeds,
// gains, loop counts and pull sizes taken from the input's last bytes.
#include "audio/caudiobuffer.h"
#include "audio/caudiobufferplayinstance.h"
#include "audio/caudiomixer.h"

#include "tailbytes.h"

#include <QPointer>
#include <QString>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <memory>
#include <sys/mman.h>
#include <unistd.h>
#include <vector>

using GE::AudioSample;

namespace {

// Output frames played per buffer at most, so that slow speeds and long
// files still finish quickly.
constexpr int maxFramesPlayed = 1 << 13;
constexpr int maxPullSamples = 4099;

void check(bool condition, const char *what)
{
    if (!condition) {
        std::fprintf(stderr, "fuzz_wav: %s\n", what);
        std::abort();
    }
}

// The file-name loader reads the input through a memory-backed file.
GE::CAudioBuffer *loadThroughPath(const uint8_t *data, size_t size)
{
    static const int fd = memfd_create("fuzz-wav", 0);
    check(fd >= 0, "memfd_create failed");
    check(ftruncate(fd, 0) == 0, "ftruncate failed");
    check(size == 0 || pwrite(fd, data, size, 0) == ssize_t(size), "pwrite failed");
    return GE::CAudioBuffer::loadWav(QStringLiteral("/proc/self/fd/%1").arg(fd));
}

GE::CAudioBuffer *loadThroughStream(const uint8_t *data, size_t size)
{
    if (size == 0)
        return GE::CAudioBuffer::loadWav(static_cast<FILE *>(nullptr));
    FILE *stream = fmemopen(const_cast<uint8_t *>(data), size, "rb");
    check(stream != nullptr, "fmemopen failed");
    GE::CAudioBuffer *buffer = GE::CAudioBuffer::loadWav(stream);
    std::fclose(stream);
    return buffer;
}

float pickSpeed(TailBytes &input)
{
    static const float speeds[] = {1.0f, 0.5f, 2.0f, 0.001f, 0.0f, -1.0f, 7.3f, 1000.0f, 1e9f,
                                   std::numeric_limits<float>::quiet_NaN(),
                                   std::numeric_limits<float>::infinity(), 1.5f};
    const size_t pick = input.inRange<size_t>(0, std::size(speeds));
    if (pick == std::size(speeds))
        return input.floatIn(-4.0f, 64.0f);
    return speeds[pick];
}

float pickVolume(TailBytes &input)
{
    static const float volumes[] = {1.0f, 0.0f, 0.5f, 2.0f, -1.0f, 1e12f,
                                    std::numeric_limits<float>::quiet_NaN()};
    return volumes[input.inRange<size_t>(0, std::size(volumes) - 1)];
}

// Plays one buffer twice side by side, through the fast loops and through the
// reader functions, and checks that both give the same samples.
void playBothWays(GE::CAudioBuffer *buffer, TailBytes &input)
{
    const float volume = pickVolume(input);
    const float speed = pickSpeed(input);
    const int loops = input.inRange<int>(-2, 4);
    GE::CAudioBufferPlayInstance fast;
    GE::CAudioBufferPlayInstance reference;
    fast.playBuffer(buffer, volume, speed, loops);
    reference.playBuffer(buffer, volume, speed, loops);

    std::vector<AudioSample> a(maxPullSamples), b(maxPullSamples);
    int played = 0;
    while (played < maxFramesPlayed && !fast.isFinished()) {
        const int request = input.inRange<int>(0, maxPullSamples);
        const int gotFast = fast.pullAudio(a.data(), request);
        const int gotReference = reference.pullAudioThroughReader(b.data(), request);
        check(gotFast == gotReference, "fast and reader paths returned different counts");
        check(gotFast >= 0 && gotFast <= request && gotFast % 2 == 0, "pull count out of range");
        check(std::memcmp(a.data(), b.data(), size_t(gotFast) * sizeof(AudioSample)) == 0,
              "fast and reader paths wrote different samples");
        check(fast.isFinished() == reference.isFinished(), "paths disagree on the end");
        // A pull that gives nothing must not be asked forever.
        played += gotFast > 0 ? gotFast / 2 : 1 + request / 2;
    }
}

// The mixer owns its instances and deletes those that finish while it pulls.
void playThroughMixer(GE::CAudioBuffer *buffer, TailBytes &input)
{
    GE::CAudioMixer mixer;
    mixer.setGeneralVolume(pickVolume(input));
    const int instances = input.inRange<int>(1, 3);
    for (int i = 0; i < instances; ++i) {
        GE::CAudioBufferPlayInstance *instance = buffer->playWithMixer(mixer);
        if (input.flag())
            instance->playBuffer(buffer, pickVolume(input), pickSpeed(input),
                                 input.inRange<int>(-1, 3));
    }
    // Deleted by the mixer once it finishes or is stopped; the guard sees that.
    QPointer<GE::CAudioBufferPlayInstance> loose = new GE::CAudioBufferPlayInstance(buffer);
    mixer.addAudioSource(loose);

    std::vector<AudioSample> out(maxPullSamples);
    int played = 0;
    while (played < maxFramesPlayed && mixer.audioSourceCount() > 0) {
        const int request = input.inRange<int>(0, maxPullSamples);
        const int got = mixer.pullAudio(out.data(), request);
        check(got == request, "the mixer returns what was asked");
        played += 1 + request / 2;
        switch (input.inRange<int>(0, 7)) {
        case 0:
            if (loose && mixer.removeAudioSource(loose))
                delete loose;
            break;
        case 1:
            if (loose)
                loose->setSpeed(pickSpeed(input));
            break;
        case 2:
            if (loose)
                loose->stop();
            break;
        default:
            break;
        }
        if (input.remaining() == 0)
            break;
    }
    // The mixer's destructor frees whatever is left.
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    std::unique_ptr<GE::CAudioBuffer> fromPath(loadThroughPath(data, size));
    std::unique_ptr<GE::CAudioBuffer> fromStream(loadThroughStream(data, size));

    for (GE::CAudioBuffer *buffer : {fromPath.get(), fromStream.get()}) {
        if (!buffer)
            continue;
        check(buffer->dataLength > 0 && buffer->data, "a loaded buffer has data");
        check(buffer->channelCount > 0 && buffer->bitsPerSample >= 8 && buffer->samplesPerSec > 0,
              "a loaded buffer has a playable layout");
    }
    // When the data follows the fmt chunk directly both loaders see the same file.
    if (fromPath && fromStream) {
        check(fromPath->channelCount == fromStream->channelCount
                  && fromPath->samplesPerSec == fromStream->samplesPerSec
                  && fromPath->bitsPerSample == fromStream->bitsPerSample
                  && fromPath->dataLength == fromStream->dataLength
                  && fromPath->sampleFunction == fromStream->sampleFunction,
              "the two loaders disagree on the format");
        check(std::memcmp(fromPath->data, fromStream->data, size_t(fromPath->dataLength)) == 0,
              "the two loaders disagree on the data");
    }

    // Playing parameters come from the end of the input, the WAV from all of it.
    TailBytes input(data, size);
    for (GE::CAudioBuffer *buffer : {fromPath.get(), fromStream.get()}) {
        if (!buffer)
            continue;
        playBothWays(buffer, input);
        playThroughMixer(buffer, input);
    }
    return 0;
}
