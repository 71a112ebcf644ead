#pragma once

#include "audio/audiosource.h"

#include <QString>

#include <cstdio>

namespace GE {

class CAudioBuffer;
class CAudioMixer;
class CAudioBufferPlayInstance;

// Reads one sample (frame, channel) out of a buffer's PCM data.
using SampleFunction = AudioSample (*)(CAudioBuffer *buffer, int frame, int channel);

// PCM data of one WAV file with the format facts needed to read it.
class CAudioBuffer
{
public:
    CAudioBuffer() = default;
    virtual ~CAudioBuffer();

    CAudioBuffer(const CAudioBuffer &) = delete;
    CAudioBuffer &operator=(const CAudioBuffer &) = delete;

    // A new buffer owned by the caller, or null when the file is missing or
    // not a usable RIFF/WAVE file with a 16-byte fmt chunk.
    static CAudioBuffer *loadWav(const QString &fileName);
    // The same from an open stream; the data chunk must follow the fmt chunk.
    static CAudioBuffer *loadWav(FILE *stream);

    // Frees data and allocates length uninitialised bytes (none when length < 1).
    void reallocate(int length);

    // Starts a one-shot play instance at gain 1.0 and speed 1.0 owned by mixer.
    CAudioBufferPlayInstance *playWithMixer(CAudioMixer &mixer);

    // Frames in the buffer; 0 when the frame size is 0 or less.
    int frameCount() const;

    static AudioSample readMono8(CAudioBuffer *buffer, int frame, int channel);
    static AudioSample readMono16(CAudioBuffer *buffer, int frame, int channel);
    static AudioSample readMulti8(CAudioBuffer *buffer, int frame, int channel);
    static AudioSample readMulti16(CAudioBuffer *buffer, int frame, int channel);
    // The reader for a layout, null when none fits.
    static SampleFunction readerFor(int channelCount, int bitsPerSample);

    SampleFunction sampleFunction = nullptr;
    qint16 channelCount = 0;
    unsigned char *data = nullptr;
    qint32 dataLength = 0;
    qint16 bitsPerSample = 0;
    qint32 samplesPerSec = 0;
};

} // namespace GE
