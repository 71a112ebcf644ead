#pragma once

#include <QObject>
#include <QtGlobal>

namespace GE {

// One signed 16-bit PCM sample. All audio between the audio objects is
// interleaved stereo at 22050 Hz, left first; counts are counts of samples.
using AudioSample = qint16;

// Anything the output thread or a mixer can pull samples from.
class IAudioSource : public QObject
{
public:
    explicit IAudioSource(QObject *parent = nullptr) : QObject(parent) {}
    ~IAudioSource() override = default;

    // Writes up to sampleCount samples to target and returns how many it wrote.
    virtual int pullAudio(AudioSample *target, int sampleCount) = 0;

    // True once the source has nothing more to give and its owner may delete it.
    virtual bool canBeDestroyed() { return false; }
};

} // namespace GE
