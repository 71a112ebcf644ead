#pragma once

#include "audio/audiosource.h"

#include <QElapsedTimer>
#include <QThread>

#include <atomic>

class QAudioSink;
class QIODevice;

namespace GE {

// The audio output thread: tops up the default output device from one source
// every 77 ms. Starts itself on construction; the destructor stops and joins.
class AudioOut : public QThread
{
    Q_OBJECT

public:
    AudioOut(QObject *parent, IAudioSource *source);
    ~AudioOut() override;

    static constexpr int sendBufferSamples = 5000;
    static constexpr int deviceBufferBytes = 20000;
    static constexpr int outputRate = 22050;
    static constexpr int reopenInterval = 1000;

    // Samples to pull for the room a device reports: whole stereo frames, at
    // most one send buffer.
    static int samplesForBytesFree(qint64 bytesFree, int sendBufferSize);
    // The sleep between two passes, in milliseconds.
    static int sleepInterval(int sendBufferSize);

    int state() const { return threadState.load(std::memory_order_relaxed); }
    // True while the thread writes to a sound device; false while it pulls
    // at the real-time rate and discards (no device, or the device failed)
    // and tries the default device again every reopenInterval ms.
    bool hasDevice() const { return deviceOpen.load(std::memory_order_relaxed); }

protected:
    void run() override;

private slots:
    // One transfer without the sleep. Only meaningful on the audio thread,
    // which owns the sink; nothing connects it.
    void audioNotify();

private:
    bool openDevice();
    void closeDevice();
    void startDiscarding();
    void transfer();
    void discardAtRealTimeRate();

    // Created, used and stopped on the audio thread: Qt 6 audio objects
    // belong to the thread that created them.
    QAudioSink *audioOutput = nullptr;
    QIODevice *outputDevice = nullptr;
    IAudioSource *source = nullptr;
    // 0 running, 1 stop requested, 2 stopped.
    std::atomic<int> threadState{0};
    AudioSample *sendBuffer = nullptr;
    int sendBufferSize = 0;

    std::atomic<bool> deviceOpen{false};
    QElapsedTimer discardClock;
    qint64 discardedSamples = 0;
    QElapsedTimer reopenClock;
    // Reports a missing device once, not on every try to reopen it.
    bool missingReported = false;
};

} // namespace GE
