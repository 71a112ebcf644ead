#include "audio/caudiobufferplayinstance.h"

#include "audio/caudiobuffer.h"

#include <QtEndian>

#include <climits>
#include <cstdint>

namespace GE {

namespace {

constexpr int outputRate = 22050;
constexpr int unity = 4096;
// The furthest frame a 20.12 position in 32 bits can address with room for
// one step past the end; longer buffers play up to here.
constexpr int maxLast = (INT_MAX >> 12) - 1;

// trunc(value) into an int without the undefined conversion of an out-of-
// range float; NaN becomes 0.
int truncToFixed(float value)
{
    if (!(value == value))
        return 0;
    if (value >= float(1 << 30))
        return 1 << 30;
    if (value <= -float(1 << 30))
        return -(1 << 30);
    return int(value);
}

int stepFor(const CAudioBuffer *buffer, float speed)
{
    return truncToFixed(float(buffer->samplesPerSec) * 4096.0f * speed / float(outputRate));
}

// Product of two 32-bit values wrapped to 32 bits, as the fixed-point formulas
// expect, then shifted arithmetically.
inline int32_t scaled(int32_t gain, int32_t sample)
{
    return int32_t(uint32_t(gain) * uint32_t(sample)) >> 12;
}

inline int32_t interpolate(int32_t a, int32_t b, int32_t fraction)
{
    return ((unity - fraction) * a + fraction * b) >> 12;
}

template<bool EightBit>
inline int32_t sampleAt(const unsigned char *data, size_t index)
{
    if constexpr (EightBit)
        return (int32_t(data[index]) - 128) * 256;
    else
        return qFromLittleEndian<qint16>(data + 2 * index);
}

// One run of frames of one layout, reading the data directly; the formulas
// are those of the reader path below, so both give the same samples.
template<bool EightBit, bool Stereo>
void resampleRun(const unsigned char *data, size_t stride, AudioSample *out, int frames,
                 int &position, int step, int32_t left, int32_t right)
{
    int pos = position;
    for (int i = 0; i < frames; ++i) {
        const size_t p = size_t(pos >> 12) * stride;
        const int32_t f = pos & 0xFFF;
        if constexpr (Stereo) {
            const int32_t l = interpolate(sampleAt<EightBit>(data, p), sampleAt<EightBit>(data, p + stride), f);
            const int32_t r = interpolate(sampleAt<EightBit>(data, p + 1), sampleAt<EightBit>(data, p + stride + 1), f);
            out[2 * i] = AudioSample(scaled(left, l));
            out[2 * i + 1] = AudioSample(scaled(right, r));
        } else {
            const int32_t s = interpolate(sampleAt<EightBit>(data, p), sampleAt<EightBit>(data, p + stride), f);
            out[2 * i] = AudioSample(scaled(left, s));
            out[2 * i + 1] = AudioSample(scaled(right, s));
        }
        pos += step;
    }
    position = pos;
}

} // namespace

CAudioBufferPlayInstance::CAudioBufferPlayInstance() = default;

CAudioBufferPlayInstance::CAudioBufferPlayInstance(CAudioBuffer *buffer)
{
    this->buffer.store(buffer, std::memory_order_relaxed);
    if (buffer)
        step.store(stepFor(buffer, 1.0f), std::memory_order_relaxed);
}

void CAudioBufferPlayInstance::playBuffer(CAudioBuffer *buffer, float volume, float speed, int loopTimes)
{
    this->buffer.store(buffer, std::memory_order_relaxed);
    position = 0;
    const int gain = truncToFixed(volume * 4096.0f);
    leftVolume.store(gain, std::memory_order_relaxed);
    rightVolume.store(gain, std::memory_order_relaxed);
    if (buffer)
        step.store(stepFor(buffer, speed), std::memory_order_relaxed);
    loopCount.store(loopTimes, std::memory_order_relaxed);
}

void CAudioBufferPlayInstance::setSpeed(float speed)
{
    const CAudioBuffer *current = buffer.load(std::memory_order_relaxed);
    if (current)
        step.store(stepFor(current, speed), std::memory_order_relaxed);
}

void CAudioBufferPlayInstance::setLeftVolume(float volume)
{
    leftVolume.store(truncToFixed(volume * 4096.0f), std::memory_order_relaxed);
}

void CAudioBufferPlayInstance::setRightVolume(float volume)
{
    rightVolume.store(truncToFixed(volume * 4096.0f), std::memory_order_relaxed);
}

void CAudioBufferPlayInstance::stop()
{
    buffer.store(nullptr, std::memory_order_relaxed);
    finished.store(true, std::memory_order_relaxed);
}

bool CAudioBufferPlayInstance::canBeDestroyed()
{
    return finished.load(std::memory_order_relaxed) && destroyWhenFinished.load(std::memory_order_relaxed);
}

int CAudioBufferPlayInstance::pullAudio(AudioSample *target, int sampleCount)
{
    return pull(target, sampleCount, false);
}

int CAudioBufferPlayInstance::pullAudioThroughReader(AudioSample *target, int sampleCount)
{
    return pull(target, sampleCount, true);
}

int CAudioBufferPlayInstance::mixBlock(CAudioBuffer *source, AudioSample *target, int frames, int frameStep,
                                       bool throughReader)
{
    const SampleFunction read = source->sampleFunction;
    if (!read)
        return 0;
    const int32_t left = leftVolume.load(std::memory_order_relaxed);
    const int32_t right = rightVolume.load(std::memory_order_relaxed);
    const bool stereo = source->channelCount == 2;

    if (!throughReader) {
        const unsigned char *data = source->data;
        const size_t channels = size_t(source->channelCount);
        if (read == CAudioBuffer::readMono16) {
            resampleRun<false, false>(data, 1, target, frames, position, frameStep, left, right);
            return frames;
        }
        if (read == CAudioBuffer::readMono8) {
            resampleRun<true, false>(data, 1, target, frames, position, frameStep, left, right);
            return frames;
        }
        if (read == CAudioBuffer::readMulti16) {
            if (stereo)
                resampleRun<false, true>(data, 2, target, frames, position, frameStep, left, right);
            else
                resampleRun<false, false>(data, channels, target, frames, position, frameStep, left, right);
            return frames;
        }
        if (read == CAudioBuffer::readMulti8) {
            if (stereo)
                resampleRun<true, true>(data, 2, target, frames, position, frameStep, left, right);
            else
                resampleRun<true, false>(data, channels, target, frames, position, frameStep, left, right);
            return frames;
        }
    }

    // One reader call per sample: any reader, and the reference for the loops above.
    for (int i = 0; i < frames; ++i) {
        const int p = position >> 12;
        const int32_t f = position & 0xFFF;
        if (!stereo) {
            const int32_t s = interpolate(read(source, p, 0), read(source, p + 1, 0), f);
            target[2 * i] = AudioSample(scaled(left, s));
            target[2 * i + 1] = AudioSample(scaled(right, s));
        } else {
            const int32_t l = interpolate(read(source, p, 0), read(source, p + 1, 0), f);
            const int32_t r = interpolate(read(source, p, 1), read(source, p + 1, 1), f);
            target[2 * i] = AudioSample(scaled(left, l));
            target[2 * i + 1] = AudioSample(scaled(right, r));
        }
        position += frameStep;
    }
    return frames;
}

int CAudioBufferPlayInstance::pull(AudioSample *target, int sampleCount, bool throughReader)
{
    // Read once: stop() may clear it meanwhile, but the owner frees a buffer
    // only after the instance has left the mixer.
    CAudioBuffer *source = buffer.load(std::memory_order_relaxed);
    if (!source)
        return 0;
    const int last = qMin(source->frameCount() - 2, maxLast);
    int remaining = sampleCount / 2;
    if (remaining <= 0)
        return 0;
    // A step that does not advance would never reach the end.
    const int frameStep = step.load(std::memory_order_relaxed);
    if (frameStep <= 0)
        return 0;

    int written = 0;
    bool previousPassEmpty = false;
    for (;;) {
        // Frames that fit before the end; the fraction of the position is ignored.
        int64_t n = (int64_t(last) - int64_t(position >> 12)) * unity / frameStep;
        n = qMin<int64_t>(n, remaining);
        int done = 0;
        if (n > 0) {
            done = mixBlock(source, target + 2 * written, int(n), frameStep, throughReader);
            if (done == 0)
                return written * 2;
            written += done;
        } else {
            position = last * unity;
        }

        if ((position >> 12) >= last) {
            int loops = loopCount.load(std::memory_order_relaxed);
            if (loops > 0) {
                --loops;
                loopCount.store(loops, std::memory_order_relaxed);
            }
            // Keep the overshoot so that loops join without a gap.
            position -= last * unity;
            if (loops == 0) {
                buffer.store(nullptr, std::memory_order_relaxed);
                finished.store(true, std::memory_order_relaxed);
                return written * 2;
            }
        }

        remaining -= done;
        if (remaining <= 0)
            return written * 2;
        // Two passes without a frame: the buffer is too short for this step
        // (fewer than three frames, or a step longer than the whole loop).
        if (done == 0 && previousPassEmpty)
            return written * 2;
        previousPassEmpty = done == 0;
    }
}

} // namespace GE
