#include "audio/caudiobuffer.h"
#include "audio/caudiobufferplayinstance.h"
#include "wavfiles.h"

#include <QTemporaryDir>
#include <QtTest>

#include <cstdio>
#include <memory>

using GE::CAudioBuffer;
using namespace WavFiles;

// Loading RIFF/WAVE files into PCM buffers, from sox's files and from
// hand-made broken ones, through both loadWav forms.
class WavLoaderTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void soxFilesLoadWithTheirFormatAndData_data();
    void soxFilesLoadWithTheirFormatAndData();

    void brokenFilesAreRefused_data();
    void brokenFilesAreRefused();

    void anotherChunkBeforeTheDataIsSkipped();
    void oddSizedChunkIsSkippedWithoutPadByte();
    void twentyFourBitFileLoadsWithoutReader();
    void dataShorterThanDeclaredLoadsWithSilentTail();
    void missingFileGivesNull();

    void streamFormLoadsAFileWhoseDataFollowsTheFmtChunk();
    void streamFormRefusesAChunkBetweenFmtAndData();
    void streamFormRefusesBrokenHeaders();

    void readersDecodeEightAndSixteenBitSamples();
    void stepFollowsTheSampleRate_data();
    void stepFollowsTheSampleRate();

private:
    QString path(const QString &name) const { return dir.filePath(name); }
    std::unique_ptr<CAudioBuffer> loadBytes(const QByteArray &bytes)
    {
        const QString file = path(QStringLiteral("case%1.wav").arg(++counter));
        if (!writeFile(file, bytes))
            return nullptr;
        return std::unique_ptr<CAudioBuffer>(CAudioBuffer::loadWav(file));
    }

    QTemporaryDir dir;
    int counter = 0;
};

void WavLoaderTest::initTestCase()
{
    QVERIFY(dir.isValid());
    if (QStandardPaths::findExecutable("sox").isEmpty())
        QSKIP("sox is not installed (Debian package sox)");
}

void WavLoaderTest::soxFilesLoadWithTheirFormatAndData_data()
{
    QTest::addColumn<int>("bits");
    QTest::addColumn<int>("channels");
    QTest::addColumn<int>("rate");

    QTest::newRow("8-bit mono 11025 Hz") << 8 << 1 << 11025;
    QTest::newRow("8-bit stereo 22050 Hz") << 8 << 2 << 22050;
    QTest::newRow("8-bit mono 44100 Hz") << 8 << 1 << 44100;
    QTest::newRow("16-bit mono 22050 Hz") << 16 << 1 << 22050;
    QTest::newRow("16-bit stereo 11025 Hz") << 16 << 2 << 11025;
    QTest::newRow("16-bit stereo 44100 Hz") << 16 << 2 << 44100;
}

void WavLoaderTest::soxFilesLoadWithTheirFormatAndData()
{
    QFETCH(int, bits);
    QFETCH(int, channels);
    QFETCH(int, rate);

    const QString file = path(QStringLiteral("sox-%1-%2-%3.wav").arg(bits).arg(channels).arg(rate));
    QVERIFY(soxTone(file, rate, channels, bits, 0.05, 440));
    const QByteArray raw = soxRawData(file, dir.path(), bits);
    QVERIFY(!raw.isEmpty());

    std::unique_ptr<CAudioBuffer> buffer(CAudioBuffer::loadWav(file));
    QVERIFY(buffer);
    QCOMPARE(int(buffer->channelCount), channels);
    QCOMPARE(int(buffer->bitsPerSample), bits);
    QCOMPARE(buffer->samplesPerSec, rate);
    QCOMPARE(buffer->dataLength, int(raw.size()));
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(buffer->data), buffer->dataLength), raw);
    QCOMPARE(buffer->frameCount(), int(raw.size()) / (channels * bits / 8));

    GE::SampleFunction expected = nullptr;
    if (channels == 1)
        expected = bits == 8 ? CAudioBuffer::readMono8 : CAudioBuffer::readMono16;
    else
        expected = bits == 8 ? CAudioBuffer::readMulti8 : CAudioBuffer::readMulti16;
    QVERIFY(buffer->sampleFunction == expected);

    // The stream form reads the same file to the same buffer.
    FILE *stream = std::fopen(QFile::encodeName(file).constData(), "rb");
    QVERIFY(stream);
    std::unique_ptr<CAudioBuffer> fromStream(CAudioBuffer::loadWav(stream));
    std::fclose(stream);
    QVERIFY(fromStream);
    QCOMPARE(fromStream->dataLength, buffer->dataLength);
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(fromStream->data), fromStream->dataLength), raw);
    QVERIFY(fromStream->sampleFunction == expected);
}

void WavLoaderTest::brokenFilesAreRefused_data()
{
    QTest::addColumn<QByteArray>("bytes");

    const QByteArray data = samples16({1, 2, 3, 4});
    const QByteArray fmt = chunk("fmt ", fmtBody(1, 22050, 16));
    const QByteArray good = plainWav(1, 22050, 16, data);

    QTest::newRow("empty file") << QByteArray();
    QTest::newRow("header cut inside WAVE") << good.left(10);
    QTest::newRow("header cut inside the fmt chunk") << good.left(24);
    QTest::newRow("file ends after the fmt chunk") << riff(fmt);
    QTest::newRow("data chunk header cut short") << riff(fmt + "data" + QByteArray(2, '\x08'));
    QTest::newRow("RIFX instead of RIFF") << QByteArray("RIFX") + good.mid(4);
    QTest::newRow("AVI instead of WAVE") << good.left(8) + "AVI " + good.mid(12);
    QTest::newRow("first chunk is not fmt") << riff(chunk("LIST", "abcd") + fmt + chunk("data", data));
    QTest::newRow("zero-sized chunk before data") << riff(fmt + chunk("junk", QByteArray()) + chunk("data", data));
    QTest::newRow("chunk size larger than the file")
            << riff(fmt + "junk" + le32(0x7ffffff0u) + chunk("data", data));
    QTest::newRow("chunk size with the top bit set") << riff(fmt + "junk" + le32(0xfffffff0u) + chunk("data", data));
    QTest::newRow("empty data chunk") << riff(fmt + chunk("data", QByteArray()));
    QTest::newRow("data size larger than the file") << riff(fmt + "data" + le32(0x40000000u) + data);
    QTest::newRow("zero channels") << plainWav(0, 22050, 16, data);
    QTest::newRow("four bits per sample") << plainWav(1, 22050, 4, data);
    QTest::newRow("sample rate zero") << plainWav(1, 0, 16, data);
    QTest::newRow("negative sample rate") << plainWav(1, -22050, 16, data);
    // An 18-byte fmt chunk: its two extra bytes and "da" are taken for the
    // next chunk id, and "ta" plus the low half of the data size (8) for a
    // chunk size of 0x00086174 bytes, more than the file holds.
    QTest::newRow("fmt chunk of 18 bytes")
            << riff(chunk("fmt ", fmtBody(1, 22050, 16) + le16(0)) + chunk("data", data));
}

void WavLoaderTest::brokenFilesAreRefused()
{
    QFETCH(QByteArray, bytes);
    QVERIFY(!loadBytes(bytes));
}

void WavLoaderTest::anotherChunkBeforeTheDataIsSkipped()
{
    const QByteArray data = samples16({100, -200, 300, -400, 500});
    const QByteArray bytes = riff(chunk("fmt ", fmtBody(1, 22050, 16)) + chunk("LIST", "INFOsome text")
                                  + chunk("data", data));
    auto buffer = loadBytes(bytes);
    QVERIFY(buffer);
    QCOMPARE(buffer->dataLength, 10);
    QCOMPARE(buffer->frameCount(), 5);
    QCOMPARE(CAudioBuffer::readMono16(buffer.get(), 1, 0), qint16(-200));
    QCOMPARE(CAudioBuffer::readMono16(buffer.get(), 4, 0), qint16(500));
}

void WavLoaderTest::oddSizedChunkIsSkippedWithoutPadByte()
{
    // "abc" has no pad byte after it; "data" follows at once.
    const QByteArray data = samples16({7, 8});
    auto buffer = loadBytes(riff(chunk("fmt ", fmtBody(1, 22050, 16)) + chunk("odd ", "abc") + chunk("data", data)));
    QVERIFY(buffer);
    QCOMPARE(buffer->dataLength, 4);
    QCOMPARE(CAudioBuffer::readMono16(buffer.get(), 0, 0), qint16(7));
    QCOMPARE(CAudioBuffer::readMono16(buffer.get(), 1, 0), qint16(8));
}

void WavLoaderTest::twentyFourBitFileLoadsWithoutReader()
{
    auto buffer = loadBytes(plainWav(2, 22050, 24, QByteArray(60, '\x11')));
    QVERIFY(buffer);
    QVERIFY(buffer->sampleFunction == nullptr);
    QCOMPARE(int(buffer->bitsPerSample), 24);
    QCOMPARE(buffer->frameCount(), 10);

    // Its play instance produces nothing and does not end by itself.
    GE::CAudioBufferPlayInstance instance(buffer.get());
    GE::AudioSample out[64];
    QCOMPARE(instance.pullAudio(out, 64), 0);
    QVERIFY(!instance.canBeDestroyed());
}

void WavLoaderTest::dataShorterThanDeclaredLoadsWithSilentTail()
{
    const QByteArray bytes = riff(chunk("fmt ", fmtBody(1, 22050, 16))) + "data" + le32(8) + samples16({9, 10});
    auto buffer = loadBytes(bytes);
    QVERIFY(buffer);
    QCOMPARE(buffer->dataLength, 8);
    QCOMPARE(CAudioBuffer::readMono16(buffer.get(), 1, 0), qint16(10));
    QCOMPARE(CAudioBuffer::readMono16(buffer.get(), 2, 0), qint16(0));
    QCOMPARE(CAudioBuffer::readMono16(buffer.get(), 3, 0), qint16(0));
}

void WavLoaderTest::missingFileGivesNull()
{
    QVERIFY(!CAudioBuffer::loadWav(path("does-not-exist.wav")));
    QVERIFY(!CAudioBuffer::loadWav(static_cast<FILE *>(nullptr)));
}

void WavLoaderTest::streamFormLoadsAFileWhoseDataFollowsTheFmtChunk()
{
    const QString file = path("stream.wav");
    QVERIFY(writeFile(file, plainWav(2, 11025, 8, QByteArray("\x80\xff\x00\x80", 4))));
    FILE *stream = std::fopen(QFile::encodeName(file).constData(), "rb");
    QVERIFY(stream);
    std::unique_ptr<CAudioBuffer> buffer(CAudioBuffer::loadWav(stream));
    std::fclose(stream);
    QVERIFY(buffer);
    QCOMPARE(buffer->samplesPerSec, 11025);
    QCOMPARE(buffer->frameCount(), 2);
    QVERIFY(buffer->sampleFunction == CAudioBuffer::readMulti8);
    QCOMPARE(buffer->sampleFunction(buffer.get(), 0, 1), qint16(32512));
}

void WavLoaderTest::streamFormRefusesAChunkBetweenFmtAndData()
{
    const QString file = path("stream-list.wav");
    QVERIFY(writeFile(file, riff(chunk("fmt ", fmtBody(1, 22050, 16)) + chunk("LIST", "abcd")
                                 + chunk("data", samples16({1, 2})))));
    FILE *stream = std::fopen(QFile::encodeName(file).constData(), "rb");
    QVERIFY(stream);
    std::unique_ptr<CAudioBuffer> buffer(CAudioBuffer::loadWav(stream));
    std::fclose(stream);
    QVERIFY(!buffer);
    // The file-name form skips the chunk.
    std::unique_ptr<CAudioBuffer> named(CAudioBuffer::loadWav(file));
    QVERIFY(named);
    QCOMPARE(named->dataLength, 4);
}

void WavLoaderTest::streamFormRefusesBrokenHeaders()
{
    const QByteArray good = plainWav(1, 22050, 16, samples16({1, 2}));
    const QList<QByteArray> broken{
        good.left(10),
        good.left(40),
        plainWav(0, 22050, 16, samples16({1, 2})),
        riff(chunk("fmt ", fmtBody(1, 22050, 16))) + "data" + le32(0x7fffff00u) + samples16({1}),
        riff(chunk("fmt ", fmtBody(1, 22050, 16)) + chunk("data", QByteArray())),
    };
    for (const QByteArray &bytes : broken) {
        const QString file = path(QStringLiteral("stream-broken%1.wav").arg(++counter));
        QVERIFY(writeFile(file, bytes));
        FILE *stream = std::fopen(QFile::encodeName(file).constData(), "rb");
        QVERIFY(stream);
        std::unique_ptr<CAudioBuffer> buffer(CAudioBuffer::loadWav(stream));
        std::fclose(stream);
        QVERIFY2(!buffer, qPrintable(QStringLiteral("case %1").arg(counter)));
    }
}

void WavLoaderTest::readersDecodeEightAndSixteenBitSamples()
{
    // 8-bit: unsigned with 128 as silence, times 256.
    auto mono8 = loadBytes(plainWav(1, 22050, 8, QByteArray("\x80\xff\x00", 3)));
    QVERIFY(mono8);
    QCOMPARE(CAudioBuffer::readMono8(mono8.get(), 0, 0), qint16(0));
    QCOMPARE(CAudioBuffer::readMono8(mono8.get(), 1, 0), qint16(32512));
    QCOMPARE(CAudioBuffer::readMono8(mono8.get(), 2, 0), qint16(-32768));

    auto multi8 = loadBytes(plainWav(3, 22050, 8, QByteArray("\x80\xff\x00\x01\x02\x03", 6)));
    QVERIFY(multi8);
    QCOMPARE(CAudioBuffer::readMulti8(multi8.get(), 0, 0), qint16(0));
    QCOMPARE(CAudioBuffer::readMulti8(multi8.get(), 0, 1), qint16(32512));
    QCOMPARE(CAudioBuffer::readMulti8(multi8.get(), 0, 2), qint16(-32768));
    QCOMPARE(CAudioBuffer::readMulti8(multi8.get(), 1, 2), qint16((3 - 128) * 256));

    auto multi16 = loadBytes(plainWav(2, 22050, 16, samples16({-32768, 32767, 1, -1})));
    QVERIFY(multi16);
    QCOMPARE(CAudioBuffer::readMulti16(multi16.get(), 0, 0), qint16(-32768));
    QCOMPARE(CAudioBuffer::readMulti16(multi16.get(), 0, 1), qint16(32767));
    QCOMPARE(CAudioBuffer::readMulti16(multi16.get(), 1, 0), qint16(1));
    QCOMPARE(CAudioBuffer::readMulti16(multi16.get(), 1, 1), qint16(-1));
}

void WavLoaderTest::stepFollowsTheSampleRate_data()
{
    QTest::addColumn<int>("rate");
    QTest::addColumn<int>("expectedStep");
    // trunc(rate * 4096 / 22050)
    QTest::newRow("22050 Hz plays at 4096") << 22050 << 4096;
    QTest::newRow("44100 Hz plays at 8192") << 44100 << 8192;
    QTest::newRow("11025 Hz plays at 2048") << 11025 << 2048;
    QTest::newRow("8000 Hz plays at 1486") << 8000 << 1486; // 1486.14
}

void WavLoaderTest::stepFollowsTheSampleRate()
{
    QFETCH(int, rate);
    QFETCH(int, expectedStep);
    const QString file = path(QStringLiteral("rate%1.wav").arg(rate));
    QVERIFY(soxTone(file, rate, 1, 16, 0.01, 300));
    std::unique_ptr<CAudioBuffer> buffer(CAudioBuffer::loadWav(file));
    QVERIFY(buffer);
    GE::CAudioBufferPlayInstance instance(buffer.get());
    QCOMPARE(instance.fixedStep(), expectedStep);
}

QTEST_GUILESS_MAIN(WavLoaderTest)
#include "tst_wavloader.moc"
