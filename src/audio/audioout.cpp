#include "audio/audioout.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QCoreApplication>
#include <QDebug>
#include <QMediaDevices>

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
    openDevice();
    while (threadState.load(std::memory_order_relaxed) == 0) {
        transfer();
        QThread::msleep(interval);
        // Lets the sink's own notifications reach it on this thread.
        QCoreApplication::sendPostedEvents();
    }
    closeDevice();
    threadState.store(2, std::memory_order_release);
}

void AudioOut::audioNotify()
{
    if (QThread::currentThread() == this)
        transfer();
}

void AudioOut::openDevice()
{
    QAudioFormat format;
    format.setSampleRate(outputRate);
    format.setChannelCount(2);
    format.setSampleFormat(QAudioFormat::Int16);

    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    // Samples are always 22050 Hz stereo 16-bit; a device that cannot take
    // that would play them as noise, so it is treated as no device.
    if (device.isNull() || !device.isFormatSupported(format)) {
        qDebug() << "no audio output device";
        discardClock.start();
        return;
    }
    audioOutput = new QAudioSink(device, format);
    audioOutput->setBufferSize(deviceBufferBytes);
    outputDevice = audioOutput->start();
    if (!outputDevice) {
        qDebug() << "audio output device did not start";
        delete audioOutput;
        audioOutput = nullptr;
        discardClock.start();
        return;
    }
    deviceOpen.store(true, std::memory_order_relaxed);
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

void AudioOut::transfer()
{
    if (!audioOutput) {
        discardAtRealTimeRate();
        return;
    }
    if (audioOutput->state() == QAudio::StoppedState && audioOutput->error() != QAudio::NoError) {
        // The sound server went away: keep the mixer moving without it.
        qDebug() << "audio output device failed";
        closeDevice();
        discardClock.start();
        discardedSamples = 0;
        discardAtRealTimeRate();
        return;
    }
    const int n = samplesForBytesFree(audioOutput->bytesFree(), sendBufferSize);
    if (n <= 0)
        return;
    const int got = source->pullAudio(sendBuffer, n);
    if (got > 0)
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
