#include "audio/caudiobufferplayinstance.h"

#include "audio/caudiobuffer.h"

#include <QtEndian>

#include <climits>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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

// The interpolation of interpolate() rewritten with one product:
// ((4096 - f) * a + f * b) >> 12 = (4096 * a + f * (b - a)) >> 12
// = a + ((f * (b - a)) >> 12), as the shift floors and 4096 * a is a whole
// multiple of 4096. Same result for every input.
inline int32_t interpolateFast(int32_t a, int32_t b, int32_t fraction)
{
    return a + ((fraction * (b - a)) >> 12);
}

// A Q12 gain of exactly 4096 gives back any 16-bit sample unchanged:
// (4096 * s) >> 12 = s without overflow.
template<bool UnityGain>
inline AudioSample applyGain(int32_t gain, int32_t sample)
{
    if constexpr (UnityGain)
        return AudioSample(sample);
    else
        return AudioSample(scaled(gain, sample));
}

// One run of frames of one layout, reading the data directly, with the
// layout, the stride (0: given at run time) and unity gains fixed at compile
// time. Gives the same samples as the reader path below.
template<bool EightBit, size_t FixedStride, bool Stereo, bool UnityGain>
void resampleRun(const unsigned char *data, size_t runtimeStride, AudioSample *out, int frames,
                 int &position, int step, int32_t left, int32_t right)
{
    const size_t stride = FixedStride ? FixedStride : runtimeStride;
    int pos = position;
    for (int i = 0; i < frames; ++i) {
        const size_t p = size_t(pos >> 12) * stride;
        const int32_t f = pos & 0xFFF;
        if constexpr (Stereo) {
            const int32_t l = interpolateFast(sampleAt<EightBit>(data, p), sampleAt<EightBit>(data, p + stride), f);
            const int32_t r = interpolateFast(sampleAt<EightBit>(data, p + 1), sampleAt<EightBit>(data, p + stride + 1), f);
            out[2 * i] = applyGain<UnityGain>(left, l);
            out[2 * i + 1] = applyGain<UnityGain>(right, r);
        } else {
            const int32_t s = interpolateFast(sampleAt<EightBit>(data, p), sampleAt<EightBit>(data, p + stride), f);
            out[2 * i] = applyGain<UnityGain>(left, s);
            out[2 * i + 1] = applyGain<UnityGain>(right, s);
        }
        pos += step;
    }
    position = pos;
}

#if defined(__SSE2__)
// SSE2 (part of every x86-64) runs of four frames for mono and stereo data.
// The pair of samples on either side of a position is loaded as two 16-bit
// lanes and weighted with (4096 - f, f) by one pmaddwd, which computes
// exactly (4096 - f) * a + f * b in 32 bits; gains use the wrapping 32-bit
// product and the result keeps its low 16 bits, as in the scalar code.

// Low 32 bits of the lane products (SSE2 has no pmulld).
inline __m128i multiplyLow32(__m128i a, __m128i b)
{
    const __m128i even = _mm_mul_epu32(a, b);
    const __m128i odd = _mm_mul_epu32(_mm_srli_epi64(a, 32), _mm_srli_epi64(b, 32));
    return _mm_unpacklo_epi32(_mm_shuffle_epi32(even, _MM_SHUFFLE(0, 0, 2, 0)),
                              _mm_shuffle_epi32(odd, _MM_SHUFFLE(0, 0, 2, 0)));
}

// Eight 16-bit samples from the low halves of eight 32-bit lanes, wrapping.
inline __m128i lowHalves(__m128i first, __m128i second)
{
    first = _mm_srai_epi32(_mm_slli_epi32(first, 16), 16);
    second = _mm_srai_epi32(_mm_slli_epi32(second, 16), 16);
    return _mm_packs_epi32(first, second);
}

// Per 32-bit lane of positions: low half 4096 - f, high half f.
inline __m128i weightLanes(__m128i positions)
{
    const __m128i f = _mm_and_si128(positions, _mm_set1_epi32(0xFFF));
    return _mm_or_si128(_mm_slli_epi32(f, 16), _mm_sub_epi32(_mm_set1_epi32(unity), f));
}

template<bool UnityGain>
inline __m128i gainLanes(__m128i samples, __m128i gain)
{
    if constexpr (UnityGain)
        return samples;
    else
        return _mm_srai_epi32(multiplyLow32(samples, gain), 12);
}

// The samples at p and p + 1 of a mono layout as two 16-bit lanes.
template<bool EightBit>
inline uint32_t monoPair(const unsigned char *data, size_t p)
{
    if constexpr (EightBit) {
        // (x - 128) * 256 is x << 8 with the sign bit flipped.
        const uint32_t bytes = uint32_t(data[p]) | uint32_t(data[p + 1]) << 16;
        return (bytes << 8) ^ 0x80008000u;
    } else {
        uint32_t pair;
        std::memcpy(&pair, data + 2 * p, 4);
        return qFromLittleEndian(pair);
    }
}

// Frames p and p + 1 of a stereo layout as 16-bit lanes L0 R0 L1 R1 in the
// low half of a register.
template<bool EightBit>
inline __m128i stereoFrames(const unsigned char *data, size_t p)
{
    if constexpr (EightBit) {
        uint32_t bytes;
        std::memcpy(&bytes, data + 2 * p, 4);
        const __m128i shifted = _mm_unpacklo_epi8(_mm_setzero_si128(), _mm_cvtsi32_si128(int(bytes)));
        return _mm_xor_si128(shifted, _mm_set1_epi16(short(0x8000)));
    } else {
        return _mm_loadl_epi64(reinterpret_cast<const __m128i *>(data + 4 * p));
    }
}

template<bool EightBit, bool Stereo, bool UnityGain>
void resampleRunSimd(const unsigned char *data, AudioSample *out, int frames, int &position, int step,
                     int32_t left, int32_t right)
{
    int pos = position;
    const int blocks = frames / 4;
    // Lane i holds the position of frame i of the block. Offsets are formed
    // in unsigned arithmetic: past the last block they may wrap, unused.
    const uint32_t laneStep = uint32_t(step);
    __m128i positions = _mm_add_epi32(_mm_set1_epi32(pos),
                                      _mm_set_epi32(int(3u * laneStep), int(2u * laneStep), int(laneStep), 0));
    const __m128i blockStep = _mm_set1_epi32(int(4u * laneStep));
    if constexpr (Stereo) {
        const __m128i gains = _mm_set_epi32(right, left, right, left);
        for (int i = 0; i < blocks; ++i) {
            const int p1 = pos + step, p2 = p1 + step, p3 = p2 + step;
            // L0 R0 L1 R1 per frame pair, reordered to L0 L1 R0 R1 for pmaddwd.
            __m128i frames01 = _mm_unpacklo_epi64(stereoFrames<EightBit>(data, size_t(pos >> 12)),
                                                  stereoFrames<EightBit>(data, size_t(p1 >> 12)));
            __m128i frames23 = _mm_unpacklo_epi64(stereoFrames<EightBit>(data, size_t(p2 >> 12)),
                                                  stereoFrames<EightBit>(data, size_t(p3 >> 12)));
            frames01 = _mm_shufflehi_epi16(_mm_shufflelo_epi16(frames01, _MM_SHUFFLE(3, 1, 2, 0)), _MM_SHUFFLE(3, 1, 2, 0));
            frames23 = _mm_shufflehi_epi16(_mm_shufflelo_epi16(frames23, _MM_SHUFFLE(3, 1, 2, 0)), _MM_SHUFFLE(3, 1, 2, 0));
            const __m128i weights = weightLanes(positions);
            const __m128i lr01 = _mm_srai_epi32(_mm_madd_epi16(frames01, _mm_unpacklo_epi32(weights, weights)), 12);
            const __m128i lr23 = _mm_srai_epi32(_mm_madd_epi16(frames23, _mm_unpackhi_epi32(weights, weights)), 12);
            _mm_storeu_si128(reinterpret_cast<__m128i *>(out + 8 * i),
                             lowHalves(gainLanes<UnityGain>(lr01, gains), gainLanes<UnityGain>(lr23, gains)));
            pos = p3 + step;
            positions = _mm_add_epi32(positions, blockStep);
        }
    } else {
        const __m128i leftGain = _mm_set1_epi32(left);
        const __m128i rightGain = _mm_set1_epi32(right);
        for (int i = 0; i < blocks; ++i) {
            const int p1 = pos + step, p2 = p1 + step, p3 = p2 + step;
            const __m128i pairs = _mm_set_epi32(int(monoPair<EightBit>(data, size_t(p3 >> 12))),
                                                int(monoPair<EightBit>(data, size_t(p2 >> 12))),
                                                int(monoPair<EightBit>(data, size_t(p1 >> 12))),
                                                int(monoPair<EightBit>(data, size_t(pos >> 12))));
            const __m128i s = _mm_srai_epi32(_mm_madd_epi16(pairs, weightLanes(positions)), 12);
            const __m128i l = gainLanes<UnityGain>(s, leftGain);
            const __m128i r = gainLanes<UnityGain>(s, rightGain);
            _mm_storeu_si128(reinterpret_cast<__m128i *>(out + 8 * i),
                             lowHalves(_mm_unpacklo_epi32(l, r), _mm_unpackhi_epi32(l, r)));
            pos = p3 + step;
            positions = _mm_add_epi32(positions, blockStep);
        }
    }
    position = pos;
    const int done = blocks * 4;
    resampleRun<EightBit, Stereo ? 2 : 1, Stereo, UnityGain>(data, Stereo ? 2 : 1, out + 2 * done, frames - done,
                                                            position, step, left, right);
}
#endif

template<bool EightBit, size_t FixedStride, bool Stereo>
void resampleRun(const unsigned char *data, size_t runtimeStride, AudioSample *out, int frames,
                 int &position, int step, int32_t left, int32_t right)
{
    const bool unityGains = left == unity && right == unity;
#if defined(__SSE2__)
    if constexpr (FixedStride != 0) {
        if (unityGains)
            resampleRunSimd<EightBit, Stereo, true>(data, out, frames, position, step, left, right);
        else
            resampleRunSimd<EightBit, Stereo, false>(data, out, frames, position, step, left, right);
        return;
    }
#endif
    if (unityGains)
        resampleRun<EightBit, FixedStride, Stereo, true>(data, runtimeStride, out, frames, position, step, left, right);
    else
        resampleRun<EightBit, FixedStride, Stereo, false>(data, runtimeStride, out, frames, position, step, left, right);
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
            resampleRun<false, 1, false>(data, 1, target, frames, position, frameStep, left, right);
            return frames;
        }
        if (read == CAudioBuffer::readMono8) {
            resampleRun<true, 1, false>(data, 1, target, frames, position, frameStep, left, right);
            return frames;
        }
        if (read == CAudioBuffer::readMulti16) {
            if (stereo)
                resampleRun<false, 2, true>(data, 2, target, frames, position, frameStep, left, right);
            else
                resampleRun<false, 0, false>(data, channels, target, frames, position, frameStep, left, right);
            return frames;
        }
        if (read == CAudioBuffer::readMulti8) {
            if (stereo)
                resampleRun<true, 2, true>(data, 2, target, frames, position, frameStep, left, right);
            else
                resampleRun<true, 0, false>(data, channels, target, frames, position, frameStep, left, right);
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
