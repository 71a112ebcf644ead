#pragma once

#include "audio/audiosource.h"

#include <QList>
#include <QMutex>

#include <atomic>
#include <cstdint>

namespace GE {

// Pulls every source it owns, scales each by the master gain and adds them
// up. Sources that report canBeDestroyed are deleted inside the pass, on the
// pulling thread, so one-shot sounds clean up after themselves.
class CAudioMixer : public IAudioSource
{
public:
    explicit CAudioMixer(QObject *parent = nullptr);
    ~CAudioMixer() override;

    // Appends source and takes ownership of it; returns it.
    IAudioSource *addAudioSource(IAudioSource *source);
    // Removes the first entry equal to source without deleting it: ownership
    // goes back to the caller. Waits for a mixing pass that is under way.
    bool removeAudioSource(IAudioSource *source);
    int audioSourceCount();
    void destroyList();

    void setGeneralVolume(float volume);
    float generalVolume() const;
    int fixedGeneralVolumeValue() const { return fixedGeneralVolume.load(std::memory_order_relaxed); }

    int pullAudio(AudioSample *target, int sampleCount) override;

    // Capacity of the scratch block in samples, for tests.
    int mixingBufferCapacity();

    // target[k] += (gain * samples[k]) >> 11 for k < count, wrapping in 16 bits.
    static void addScaled(AudioSample *target, const AudioSample *samples, int count, int32_t gain);

private:
    QMutex lock;
    // 1024 = 1.0; written by the GUI thread without the lock.
    std::atomic<int> fixedGeneralVolume{1024};
    AudioSample *mixingBuffer = nullptr;
    int mixingBufferLength = 0;
    QList<IAudioSource *> sources;
};

} // namespace GE
