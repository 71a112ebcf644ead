#include "audio/caudiobuffer.h"

#include "audio/caudiobufferplayinstance.h"
#include "audio/caudiomixer.h"

#include <QDebug>
#include <QFile>
#include <QtEndian>

#include <cstring>
#include <sys/stat.h>

namespace GE {

namespace {

constexpr quint32 fourCC(const char (&code)[5])
{
    return quint32(uchar(code[0])) | quint32(uchar(code[1])) << 8 | quint32(uchar(code[2])) << 16
            | quint32(uchar(code[3])) << 24;
}

constexpr quint32 riffTag = fourCC("RIFF");
constexpr quint32 waveTag = fourCC("WAVE");
constexpr quint32 fmtTag = fourCC("fmt ");
constexpr quint32 dataTag = fourCC("data");

// The fmt fields as they lie on disk after the "fmt " id; zero where a short
// file does not supply them.
struct FmtBody
{
    qint16 channelCount = 0;
    qint32 samplesPerSec = 0;
    qint16 bitsPerSample = 0;

    static constexpr int size = 20; // chunk size + the 16-byte body

    static FmtBody parse(const uchar *raw)
    {
        FmtBody body;
        body.channelCount = qFromLittleEndian<qint16>(raw + 6);
        body.samplesPerSec = qFromLittleEndian<qint32>(raw + 8);
        body.bitsPerSample = qFromLittleEndian<qint16>(raw + 18);
        return body;
    }

    // Layouts whose frames have no size, or that have no rate, cannot be
    // played: the play position would never advance. A negative channel
    // count and a negative depth would multiply to a positive frame size.
    bool playable() const
    {
        return channelCount > 0 && bitsPerSample >= 8 && samplesPerSec > 0;
    }
};

quint32 readWord(QFile &file, bool *complete = nullptr)
{
    uchar raw[4] = {0, 0, 0, 0};
    const qint64 got = file.read(reinterpret_cast<char *>(raw), 4);
    if (complete)
        *complete = got == 4;
    return qFromLittleEndian<quint32>(raw);
}

quint32 readWord(FILE *stream)
{
    uchar raw[4] = {0, 0, 0, 0};
    if (std::fread(raw, 1, 4, stream) != 4) {
        // A short stream supplies zeros, which no check accepts.
    }
    return qFromLittleEndian<quint32>(raw);
}

CAudioBuffer *newBuffer(const FmtBody &fmt, quint32 dataSize)
{
    auto *buffer = new CAudioBuffer;
    buffer->channelCount = fmt.channelCount;
    buffer->samplesPerSec = fmt.samplesPerSec;
    buffer->bitsPerSample = fmt.bitsPerSample;
    buffer->reallocate(int(dataSize));
    buffer->sampleFunction = CAudioBuffer::readerFor(fmt.channelCount, fmt.bitsPerSample);
    return buffer;
}

// No game sound comes near this much PCM data; a file that declares more is
// refused before anything is allocated for it.
constexpr qint64 maxDataBytes = qint64(16) << 20;

bool tooLarge(quint32 dataSize, const QString &fileName)
{
    if (qint64(dataSize) <= maxDataBytes)
        return false;
    qDebug() << "sound data over 16 MiB" << fileName << dataSize;
    return true;
}

// Bytes a stream can hold at most, or -1 when it cannot tell (a pipe).
qint64 streamSize(FILE *stream)
{
    struct stat info;
    if (fstat(fileno(stream), &info) == 0 && S_ISREG(info.st_mode))
        return info.st_size;
    // A memory stream (fmemopen) has no descriptor but knows where it ends.
    const long here = std::ftell(stream);
    if (here < 0 || std::fseek(stream, 0, SEEK_END) != 0)
        return -1;
    const long end = std::ftell(stream);
    if (std::fseek(stream, here, SEEK_SET) != 0)
        return -1;
    return end;
}

} // namespace

CAudioBuffer::~CAudioBuffer()
{
    delete[] data;
}

void CAudioBuffer::reallocate(int length)
{
    delete[] data;
    data = nullptr;
    dataLength = length;
    if (length >= 1)
        data = new unsigned char[size_t(length)];
}

int CAudioBuffer::frameCount() const
{
    const int bytesPerFrame = channelCount * (bitsPerSample >> 3);
    if (bytesPerFrame <= 0 || dataLength <= 0)
        return 0;
    return dataLength / bytesPerFrame;
}

CAudioBuffer *CAudioBuffer::loadWav(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return nullptr;
    const qint64 fileSize = file.size();

    if (readWord(file) != riffTag)
        return nullptr;
    readWord(file);
    if (readWord(file) != waveTag)
        return nullptr;
    if (readWord(file) != fmtTag)
        return nullptr;

    uchar raw[FmtBody::size] = {};
    file.read(reinterpret_cast<char *>(raw), FmtBody::size);
    const FmtBody fmt = FmtBody::parse(raw);

    quint32 chunkSize = 0;
    for (;;) {
        bool complete = false;
        const quint32 id = readWord(file, &complete);
        if (!complete)
            return nullptr;
        chunkSize = readWord(file, &complete);
        if (!complete)
            return nullptr;
        if (id == dataTag)
            break;
        if (chunkSize == 0 || qint64(chunkSize) > fileSize)
            return nullptr;
        // Seeking past the end leaves the next header read short.
        if (!file.seek(file.pos() + qint64(chunkSize)))
            return nullptr;
    }

    if (chunkSize == 0 || qint64(chunkSize) > fileSize || !fmt.playable() || tooLarge(chunkSize, fileName))
        return nullptr;

    CAudioBuffer *buffer = newBuffer(fmt, chunkSize);
    const qint64 got = qMax<qint64>(0, file.read(reinterpret_cast<char *>(buffer->data), chunkSize));
    std::memset(buffer->data + got, 0, size_t(chunkSize - quint32(got)));
    return buffer;
}

CAudioBuffer *CAudioBuffer::loadWav(FILE *stream)
{
    if (!stream)
        return nullptr;
    if (readWord(stream) != riffTag)
        return nullptr;
    readWord(stream);
    if (readWord(stream) != waveTag)
        return nullptr;
    if (readWord(stream) != fmtTag)
        return nullptr;

    uchar raw[FmtBody::size] = {};
    if (std::fread(raw, 1, FmtBody::size, stream) != size_t(FmtBody::size)) {
        // Missing fields stay 0 and fail the checks below.
    }
    const FmtBody fmt = FmtBody::parse(raw);

    if (readWord(stream) != dataTag)
        return nullptr;
    const quint32 dataSize = readWord(stream);
    // A stream that cannot tell its size is held to the size limit alone.
    const qint64 limit = streamSize(stream);
    const qint64 maxSize = limit >= 0 ? limit : maxDataBytes;
    if (dataSize == 0 || qint64(dataSize) > maxSize || !fmt.playable() || tooLarge(dataSize, QString()))
        return nullptr;

    CAudioBuffer *buffer = newBuffer(fmt, dataSize);
    const size_t got = std::fread(buffer->data, 1, dataSize, stream);
    std::memset(buffer->data + got, 0, dataSize - got);
    return buffer;
}

CAudioBufferPlayInstance *CAudioBuffer::playWithMixer(CAudioMixer &mixer)
{
    auto *instance = new CAudioBufferPlayInstance(this);
    mixer.addAudioSource(instance);
    return instance;
}

AudioSample CAudioBuffer::readMono8(CAudioBuffer *buffer, int frame, int)
{
    return AudioSample((int(buffer->data[frame]) - 128) * 256);
}

AudioSample CAudioBuffer::readMono16(CAudioBuffer *buffer, int frame, int)
{
    return qFromLittleEndian<qint16>(buffer->data + 2 * size_t(frame));
}

AudioSample CAudioBuffer::readMulti8(CAudioBuffer *buffer, int frame, int channel)
{
    return AudioSample((int(buffer->data[size_t(frame) * size_t(buffer->channelCount) + size_t(channel)]) - 128) * 256);
}

AudioSample CAudioBuffer::readMulti16(CAudioBuffer *buffer, int frame, int channel)
{
    const size_t word = size_t(frame) * size_t(buffer->channelCount) + size_t(channel);
    return qFromLittleEndian<qint16>(buffer->data + 2 * word);
}

SampleFunction CAudioBuffer::readerFor(int channelCount, int bitsPerSample)
{
    if (channelCount == 1) {
        if (bitsPerSample == 8)
            return readMono8;
        if (bitsPerSample == 16)
            return readMono16;
        return nullptr;
    }
    if (bitsPerSample == 8)
        return readMulti8;
    if (bitsPerSample == 16)
        return readMulti16;
    return nullptr;
}

} // namespace GE
