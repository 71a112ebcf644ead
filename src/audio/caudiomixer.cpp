#include "audio/caudiomixer.h"

#include <QMutexLocker>

#include <cstdint>
#include <cstring>

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
    fixedGeneralVolume.store(int(volume * 1024.0f), std::memory_order_relaxed);
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

    const uint32_t gain = uint32_t(fixedGeneralVolume.load(std::memory_order_relaxed));
    for (qsizetype i = 0; i < sources.size();) {
        IAudioSource *source = sources.at(i);
        const int n = qMin(source->pullAudio(mixingBuffer, sampleCount), sampleCount);
        // 32-bit wrapping product, arithmetic shift, 16-bit wrapping sum.
        for (int k = 0; k < n; ++k) {
            const int32_t scaled = int32_t(gain * uint32_t(int32_t(mixingBuffer[k]))) >> 11;
            target[k] = AudioSample(uint16_t(uint32_t(int32_t(target[k])) + uint32_t(scaled)));
        }
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
