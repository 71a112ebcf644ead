#include "audio/caudiomixer.h"

#include <QMutexLocker>

#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace GE {

CAudioMixer::CAudioMixer(QObject *parent) : IAudioSource(parent) {}

CAudioMixer::~CAudioMixer()
{
    destroyList();
    delete[] mixingBuffer;
}

IAudioSource *CAudioMixer::addAudioSource(IAudioSource *source)
{
    QMutexLocker locker(&lock);
    sources.append(source);
    return source;
}

bool CAudioMixer::removeAudioSource(IAudioSource *source)
{
    QMutexLocker locker(&lock);
    const qsizetype index = sources.indexOf(source);
    if (index < 0)
        return false;
    sources.removeAt(index);
    return true;
}

int CAudioMixer::audioSourceCount()
{
    QMutexLocker locker(&lock);
    return int(sources.size());
}

void CAudioMixer::destroyList()
{
    QMutexLocker locker(&lock);
    for (IAudioSource *source : std::as_const(sources))
        delete source;
    sources.clear();
}

void CAudioMixer::setGeneralVolume(float volume)
{
    // The volume comes from the settings file, which may hold anything: an
    // out-of-range float has no int value, so it saturates, and NaN is silence.
    const float scaled = volume * 1024.0f;
    int fixed = 0;
    if (scaled >= float(1 << 30))
        fixed = 1 << 30;
    else if (scaled <= -float(1 << 30))
        fixed = -(1 << 30);
    else if (scaled == scaled)
        fixed = int(scaled);
    fixedGeneralVolume.store(fixed, std::memory_order_relaxed);
}

float CAudioMixer::generalVolume() const
{
    return float(fixedGeneralVolume.load(std::memory_order_relaxed)) * (1.0f / 4096.0f) * 4.0f;
}

int CAudioMixer::mixingBufferCapacity()
{
    QMutexLocker locker(&lock);
    return mixingBufferLength;
}

// target[k] += (gain * samples[k]) >> 11 with a wrapping 32-bit product, an
// arithmetic shift and a wrapping 16-bit sum.
void CAudioMixer::addScaled(AudioSample *target, const AudioSample *samples, int count, int32_t gain)
{
    int k = 0;
#if defined(__SSE2__)
    // With a gain that fits in 16 bits the product is exact in 32 bits, and
    // the low 16 bits of (product >> 11) are bits 11..26 of it: the low half
    // of the product shifted down by 11 joined with the high half shifted up
    // by 5. Eight samples per step.
    if (gain >= -32768 && gain <= 32767) {
        const __m128i gains = _mm_set1_epi16(short(gain));
        for (; k + 8 <= count; k += 8) {
            const __m128i in = _mm_loadu_si128(reinterpret_cast<const __m128i *>(samples + k));
            const __m128i low = _mm_mullo_epi16(in, gains);
            const __m128i high = _mm_mulhi_epi16(in, gains);
            const __m128i scaled = _mm_or_si128(_mm_srli_epi16(low, 11), _mm_slli_epi16(high, 5));
            __m128i *out = reinterpret_cast<__m128i *>(target + k);
            _mm_storeu_si128(out, _mm_add_epi16(_mm_loadu_si128(out), scaled));
        }
    }
#endif
    const uint32_t factor = uint32_t(gain);
    for (; k < count; ++k) {
        const int32_t scaled = int32_t(factor * uint32_t(int32_t(samples[k]))) >> 11;
        target[k] = AudioSample(uint16_t(uint32_t(int32_t(target[k])) + uint32_t(scaled)));
    }
}

int CAudioMixer::pullAudio(AudioSample *target, int sampleCount)
{
    QMutexLocker locker(&lock);
    if (sources.isEmpty())
        return 0;
    if (sampleCount <= 0)
        return 0;

    if (mixingBufferLength < sampleCount) {
        delete[] mixingBuffer;
        mixingBuffer = new AudioSample[sampleCount];
        mixingBufferLength = sampleCount;
    }
    std::memset(target, 0, sizeof(AudioSample) * size_t(sampleCount));

    const int32_t gain = fixedGeneralVolume.load(std::memory_order_relaxed);
    for (qsizetype i = 0; i < sources.size();) {
        IAudioSource *source = sources.at(i);
        const int n = qMin(source->pullAudio(mixingBuffer, sampleCount), sampleCount);
        addScaled(target, mixingBuffer, n, gain);
        if (source->canBeDestroyed()) {
            delete source;
            sources.removeAt(i);
        } else {
            ++i;
        }
    }
    return sampleCount;
}

} // namespace GE
