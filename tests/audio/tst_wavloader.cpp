#include "audio/caudiobuffer.h"
#include "audio/caudiobufferplayinstance.h"
#include "common/wavfiles.h"

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
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        if (QStandardPaths::findExecutable("sox").isEmpty())
            QSKIP("sox is not installed (Debian package sox)");
    }

    void soxFilesLoadWithTheirFormatAndData_data()
    {
        QTest::addColumn<int>("bits");
        QTest::addColumn<int>("channels");
        QTest::addColumn<int>("rate");

        QTest::newRow("8-bit mono 11025 Hz") << 8 << 1 << 11025;
        QTest::newRow("16-bit mono 22050 Hz") << 16 << 1 << 22050;
        QTest::newRow("16-bit stereo 44100 Hz") << 16 << 2 << 44100;
    }

    void soxFilesLoadWithTheirFormatAndData()
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

        // The stream form reads the same file to the same buffer.
        const auto fromStream = loadStream(file);
        QVERIFY(fromStream);
        QCOMPARE(fromStream->dataLength, buffer->dataLength);
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(fromStream->data), fromStream->dataLength), raw);
    }

    void brokenFilesAreRefused_data()
    {
        QTest::addColumn<QByteArray>("bytes");

        const QByteArray data = samples16({1, 2, 3, 4});
        const QByteArray fmt = chunk("fmt ", fmtBody(1, 22050, 16));
        const QByteArray good = plainWav(1, 22050, 16, data);

        QTest::newRow("empty file") << QByteArray();
        QTest::newRow("header cut inside WAVE") << good.left(10);
        QTest::newRow("file ends after the fmt chunk") << riff(fmt);
        QTest::newRow("header cut inside the data chunk header") << good.left(40);
        QTest::newRow("RIFX instead of RIFF") << QByteArray("RIFX") + good.mid(4);
        QTest::newRow("first chunk is not fmt") << riff(chunk("LIST", "abcd") + fmt + chunk("data", data));
        QTest::newRow("zero-sized chunk before data") << riff(fmt + chunk("junk", QByteArray()) + chunk("data", data));
        QTest::newRow("chunk size larger than the file")
                << riff(fmt + "junk" + le32(0x7ffffff0u) + chunk("data", data));
        QTest::newRow("empty data chunk") << riff(fmt + chunk("data", QByteArray()));
        QTest::newRow("data size larger than the file") << riff(fmt + "data" + le32(0x40000000u) + data);
        QTest::newRow("zero channels") << plainWav(0, 22050, 16, data);
        QTest::newRow("four bits per sample") << plainWav(1, 22050, 4, data);
        QTest::newRow("sample rate zero") << plainWav(1, 0, 16, data);
        // An 18-byte fmt chunk: its two extra bytes and "da" are taken for the
        // next chunk id, and "ta" plus the low half of the data size (8) for a
        // chunk size of 0x00086174 bytes, more than the file holds.
        QTest::newRow("fmt chunk of 18 bytes")
                << riff(chunk("fmt ", fmtBody(1, 22050, 16) + le16(0)) + chunk("data", data));
    }

    void brokenFilesAreRefused()
    {
        QFETCH(QByteArray, bytes);
        QVERIFY(!loadBytes(bytes));
        QVERIFY(!loadStream(lastFile()));
    }

    void unusualLayoutsLoad_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QList<int>>("samples");
        QTest::addColumn<bool>("streamLoadsIt");
        const QByteArray fmt = chunk("fmt ", fmtBody(1, 22050, 16));
        // The stream form wants the data right after the fmt chunk.
        QTest::newRow("another chunk before the data is skipped")
            << riff(fmt + chunk("LIST", "INFOsome text") + chunk("data", samples16({100, -200, 300, -400, 500})))
            << QList<int>{100, -200, 300, -400, 500} << false;
        // "abc" has no pad byte after it; "data" follows at once.
        QTest::newRow("an odd-sized chunk is skipped without a pad byte")
            << riff(fmt + chunk("odd ", "abc") + chunk("data", samples16({7, 8}))) << QList<int>{7, 8} << false;
        QTest::newRow("data shorter than declared ends in silence")
            << riff(fmt) + "data" + le32(8) + samples16({9, 10}) << QList<int>{9, 10, 0, 0} << true;
    }

    void unusualLayoutsLoad()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QList<int>, samples);
        QFETCH(bool, streamLoadsIt);
        auto buffer = loadBytes(bytes);
        QVERIFY(buffer);
        QCOMPARE(buffer->dataLength, samples.size() * 2);
        QCOMPARE(buffer->frameCount(), samples.size());
        for (int frame = 0; frame < samples.size(); ++frame)
            QCOMPARE(CAudioBuffer::readMono16(buffer.get(), frame, 0), qint16(samples[frame]));
        QCOMPARE(bool(loadStream(lastFile())), streamLoadsIt);
    }

    void twentyFourBitFileLoadsWithoutReader()
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

    void oneByteIsOneFrame()
    {
        auto buffer = loadBytes(plainWav(1, 22050, 8, QByteArray(1, '\x90')));
        QVERIFY(buffer);
        QCOMPARE(buffer->frameCount(), 1);
        QCOMPARE(int(buffer->data[0]), 0x90);
    }

    void missingFileGivesNull()
    {
        QVERIFY(!CAudioBuffer::loadWav(path("does-not-exist.wav")));
        QVERIFY(!CAudioBuffer::loadWav(static_cast<FILE *>(nullptr)));
    }

private:
    QString path(const QString &name) const { return dir.filePath(name); }
    std::unique_ptr<CAudioBuffer> loadBytes(const QByteArray &bytes)
    {
        const QString file = path(QStringLiteral("case%1.wav").arg(++counter));
        if (!writeFile(file, bytes))
            return nullptr;
        return std::unique_ptr<CAudioBuffer>(CAudioBuffer::loadWav(file));
    }
    // The file loadBytes wrote last.
    QString lastFile() const { return path(QStringLiteral("case%1.wav").arg(counter)); }
    // The stream form of loadWav.
    static std::unique_ptr<CAudioBuffer> loadStream(const QString &file)
    {
        FILE *stream = std::fopen(QFile::encodeName(file).constData(), "rb");
        if (!stream)
            return nullptr;
        std::unique_ptr<CAudioBuffer> buffer(CAudioBuffer::loadWav(stream));
        std::fclose(stream);
        return buffer;
    }

    QTemporaryDir dir;
    int counter = 0;
};

QTEST_GUILESS_MAIN(WavLoaderTest)
#include "tst_wavloader.moc"
