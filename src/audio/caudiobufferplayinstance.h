#pragma once

#include "audio/audiosource.h"

#include <atomic>

namespace GE {

class CAudioBuffer;

// One playing of one buffer: resamples it to 22050 Hz with linear
// interpolation in 20.12 fixed point, applies Q12 gains, loops or ends.
// The buffer is not owned; its owner keeps it alive while the instance can
// be pulled.
class CAudioBufferPlayInstance : public IAudioSource
{
public:
    CAudioBufferPlayInstance();
    explicit CAudioBufferPlayInstance(CAudioBuffer *buffer);
    ~CAudioBufferPlayInstance() override = default;

    void playBuffer(CAudioBuffer *buffer, float volume, float speed, int loopTimes);
    void setSpeed(float speed);
    void setLeftVolume(float volume);
    void setRightVolume(float volume);
    void stop();

    bool canBeDestroyed() override;
    int pullAudio(AudioSample *target, int sampleCount) override;

    // The same output through the buffer's reader for every sample, without
    // the per-layout loops; kept as the reference the fast path must equal.
    int pullAudioThroughReader(AudioSample *target, int sampleCount);

    bool isFinished() const { return finished.load(std::memory_order_relaxed); }
    int fixedPosition() const { return position; }
    int fixedStep() const { return step.load(std::memory_order_relaxed); }
    int fixedLeftVolume() const { return leftVolume.load(std::memory_order_relaxed); }
    int fixedRightVolume() const { return rightVolume.load(std::memory_order_relaxed); }
    CAudioBuffer *playedBuffer() const { return buffer.load(std::memory_order_relaxed); }

    // Written by the owner directly, from the GUI thread, without the mixer's
    // lock: 0 or 1 plays once, n > 1 plays n times, negative loops for ever.
    std::atomic<int> loopCount{0};
    std::atomic<bool> destroyWhenFinished{true};

private:
    int pull(AudioSample *target, int sampleCount, bool throughReader);
    int mixBlock(CAudioBuffer *source, AudioSample *target, int frames, int frameStep, bool throughReader);

    // Written on the GUI thread without the mixer's lock, read by the pull.
    std::atomic<bool> finished{false};
    // Only the pulling thread moves it (and the owner before adding the instance).
    int position = 0;
    std::atomic<int> step{0};
    std::atomic<int> leftVolume{4096};
    std::atomic<int> rightVolume{4096};
    std::atomic<CAudioBuffer *> buffer{nullptr};
};

} // namespace GE
