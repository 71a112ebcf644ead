#include "audio/audioout.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QCoreApplication>
#include <QDebug>
#include <QMediaDevices>

#include <cstring>

namespace GE {

AudioOut::AudioOut(QObject *parent, IAudioSource *source) : QThread(parent), source(source)
{
    sendBufferSize = sendBufferSamples;
    sendBuffer = new AudioSample[size_t(sendBufferSize)];
    threadState.store(0, std::memory_order_relaxed);
    start(QThread::InheritPriority);
}

AudioOut::~AudioOut()
{
    int running = 0;
    threadState.compare_exchange_strong(running, 1, std::memory_order_relaxed);
    if (!isRunning())
        threadState.store(2, std::memory_order_relaxed);
    // Acquire pairs with the loop's release of state 2: everything the
    // thread did before stopping is visible here.
    while (threadState.load(std::memory_order_acquire) != 2)
        QThread::msleep(50);
    // The loop has ended and the sink is gone with it; join the thread itself.
    wait();
    delete[] sendBuffer;
}

int AudioOut::samplesForBytesFree(qint64 bytesFree, int sendBufferSize)
{
    return int(qMin<qint64>((bytesFree / 4) * 2, sendBufferSize));
}

int AudioOut::sleepInterval(int sendBufferSize)
{
    return qMax(2, sendBufferSize * 340 / outputRate);
}

void AudioOut::run()
{
    if (!source) {
        threadState.store(2, std::memory_order_release);
        return;
    }
    const unsigned long interval = sleepInterval(sendBufferSize);
    if (!openDevice())
        startDiscarding();
    while (threadState.load(std::memory_order_relaxed) == 0) {
        transfer();
        QThread::msleep(interval);
        // The sink's notifications and, when Qt's sound server connection
        // was first made here, its timed reconnection run on this thread.
        QCoreApplication::processEvents();
    }
    closeDevice();
    threadState.store(2, std::memory_order_release);
}

void AudioOut::audioNotify()
{
    if (QThread::currentThread() == this)
        transfer();
}

bool AudioOut::openDevice()
{
    QAudioFormat format;
    format.setSampleRate(outputRate);
    format.setChannelCount(2);
    format.setSampleFormat(QAudioFormat::Int16);

    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    // Samples are always 22050 Hz stereo 16-bit; a device that cannot take
    // that would play them as noise, so it is treated as no device.
    if (device.isNull() || !device.isFormatSupported(format)) {
        if (!missingReported)
            qDebug() << "no audio output device";
        missingReported = true;
        return false;
    }
    audioOutput = new QAudioSink(device, format);
    audioOutput->setBufferSize(deviceBufferBytes);
    outputDevice = audioOutput->start();
    if (!outputDevice) {
        if (!missingReported)
            qDebug() << "audio output device did not start";
        missingReported = true;
        delete audioOutput;
        audioOutput = nullptr;
        return false;
    }
    if (missingReported)
        qDebug() << "audio output device opened";
    missingReported = false;
    deviceOpen.store(true, std::memory_order_relaxed);
    return true;
}

void AudioOut::closeDevice()
{
    deviceOpen.store(false, std::memory_order_relaxed);
    if (audioOutput) {
        audioOutput->stop();
        delete audioOutput;
    }
    audioOutput = nullptr;
    outputDevice = nullptr;
}

void AudioOut::startDiscarding()
{
    discardClock.start();
    discardedSamples = 0;
    reopenClock.start();
}

void AudioOut::transfer()
{
    if (!audioOutput) {
        discardAtRealTimeRate();
        // A sound server that went away may come back (or start late).
        if (reopenClock.hasExpired(reopenInterval)) {
            if (!openDevice())
                reopenClock.start();
        }
        return;
    }
    const qint64 bytesFree = audioOutput->bytesFree();
    const QAudio::Error error = audioOutput->error();
    if ((error != QAudio::NoError && error != QAudio::UnderrunError) || bytesFree < 0) {
        // The sound server went away (the sink stops with a fatal error) or
        // took our stream away (its room reads as -1, writes fail): keep the
        // mixer moving without it and try the default device again from
        // time to time.
        qDebug() << "audio output device failed";
        missingReported = true;
        closeDevice();
        startDiscarding();
        discardAtRealTimeRate();
        return;
    }
    const int n = samplesForBytesFree(bytesFree, sendBufferSize);
    if (n <= 0)
        return;
    int got = source->pullAudio(sendBuffer, n);
    if (got <= 0) {
        // Nothing to play: silence keeps the stream running, so that the
        // server never waits to refill its start-up buffer and the next
        // sound, however short, starts at once.
        std::memset(sendBuffer, 0, size_t(n) * sizeof(AudioSample));
        got = n;
    }
    outputDevice->write(reinterpret_cast<const char *>(sendBuffer), qint64(got) * 2);
}

// Without a device the mixer is still pulled as fast as a device would play,
// so one-shot sounds end and nothing piles up in it.
void AudioOut::discardAtRealTimeRate()
{
    const qint64 due = discardClock.elapsed() * outputRate * 2 / 1000;
    qint64 owed = due - discardedSamples;
    // After a long stall resume at the present rather than catch up.
    if (owed > 2 * sendBufferSize) {
        discardedSamples = due - sendBufferSize;
        owed = sendBufferSize;
    }
    while (owed >= 2) {
        const int n = int(qMin<qint64>(owed, sendBufferSize)) & ~1;
        source->pullAudio(sendBuffer, n);
        discardedSamples += n;
        owed -= n;
    }
}

} // namespace GE
