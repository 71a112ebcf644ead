// Checks the shipped sound files against what the WAV loader and the mixer expect:
// plain PCM headers, audible content, and music loops that join without a click.
#include "common/wavfiles.h"

#include <QtTest>

#include <cmath>

namespace {

struct Pcm {
    int channels = 0;
    int bits = 0;
    QByteArray data;

    int frames() const { return data.size() / (channels * (bits / 8)); }

    // One sample on the signed 16-bit scale: 8-bit files are unsigned around 128.
    int sample(int frame, int channel) const
    {
        const int index = frame * channels + channel;
        if (bits == 8)
            return (int(quint8(data.at(index))) - 128) * 256;
        return qFromLittleEndian<qint16>(data.constData() + 2 * index);
    }
};

quint16 u16(const QByteArray &bytes, int at) { return qFromLittleEndian<quint16>(bytes.constData() + at); }
quint32 u32(const QByteArray &bytes, int at) { return qFromLittleEndian<quint32>(bytes.constData() + at); }

// Empty when the file is RIFF/WAVE with a 16-byte PCM fmt chunk directly followed by
// "data", 22050 Hz, 1 or 2 channels of 8 or 16 bits; otherwise what is wrong.
QString readPlainWave(const QString &fileName, Pcm *pcm)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("cannot open");
    const QByteArray bytes = file.readAll();
    if (bytes.size() < 44)
        return QStringLiteral("shorter than a header");
    if (bytes.mid(0, 4) != "RIFF" || bytes.mid(8, 4) != "WAVE")
        return QStringLiteral("not RIFF/WAVE");
    if (bytes.mid(12, 4) != "fmt " || u32(bytes, 16) != 16 || u16(bytes, 20) != 1)
        return QStringLiteral("fmt chunk is not a 16-byte PCM chunk");
    if (bytes.mid(36, 4) != "data")
        return QStringLiteral("data does not follow fmt directly");
    pcm->channels = u16(bytes, 22);
    pcm->bits = u16(bytes, 34);
    if (pcm->channels != 1 && pcm->channels != 2)
        return QStringLiteral("channels %1").arg(pcm->channels);
    if (pcm->bits != 8 && pcm->bits != 16)
        return QStringLiteral("bits %1").arg(pcm->bits);
    if (u32(bytes, 24) != 22050)
        return QStringLiteral("rate %1").arg(u32(bytes, 24));
    const int blockAlign = pcm->channels * pcm->bits / 8;
    if (u16(bytes, 32) != blockAlign || u32(bytes, 28) != quint32(22050 * blockAlign))
        return QStringLiteral("block align or byte rate inconsistent");
    const quint32 dataSize = u32(bytes, 40);
    if (dataSize == 0 || dataSize > quint32(bytes.size() - 44) || dataSize % blockAlign != 0)
        return QStringLiteral("data size %1").arg(dataSize);
    pcm->data = bytes.mid(44, int(dataSize));
    return {};
}

QString soundPath(const QString &name)
{
    return QStringLiteral(CIRROVANTA_SOURCE_DIR "/sounds/") + name;
}

bool isMusicLoop(int index) { return index == 9 || index == 10 || (index >= 14 && index <= 18); }

void addSoundRows(bool musicOnly)
{
    QTest::addColumn<QString>("file");
    for (int index = 0; index < 21; ++index) {
        if (musicOnly && !isMusicLoop(index))
            continue;
        QTest::addRow("%d %s", index, qPrintable(WavFiles::soundNames[index])) << WavFiles::soundNames[index] + ".wav";
    }
}

} // namespace

class SoundFiles : public QObject
{
    Q_OBJECT

private slots:
    void everySoundIsAudiblePlainPcmTheLoaderReads_data() { addSoundRows(false); }
    void everySoundIsAudiblePlainPcmTheLoaderReads()
    {
        QFETCH(QString, file);
        Pcm pcm;
        const QString problem = readPlainWave(soundPath(file), &pcm);
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
        int peak = 0;
        for (int frame = 0; frame < pcm.frames(); ++frame)
            for (int channel = 0; channel < pcm.channels; ++channel)
                peak = qMax(peak, std::abs(pcm.sample(frame, channel)));
        QVERIFY2(peak >= 32768 / 8, qPrintable(QStringLiteral("peak %1").arg(peak)));
    }

    // The last frame leads back into the first one, and the end is not faded out:
    // the last quarter second keeps at least half the loop's overall RMS.
    void musicLoopsJoinWithoutAJumpOrFade_data() { addSoundRows(true); }
    void musicLoopsJoinWithoutAJumpOrFade()
    {
        QFETCH(QString, file);
        Pcm pcm;
        QVERIFY(readPlainWave(soundPath(file), &pcm).isEmpty());
        const int last = pcm.frames() - 1;
        const int tailStart = pcm.frames() - 22050 / 4;
        QVERIFY(tailStart > 0);
        double sumAll = 0.0;
        double sumTail = 0.0;
        for (int frame = 0; frame <= last; ++frame) {
            for (int channel = 0; channel < pcm.channels; ++channel) {
                const double v = pcm.sample(frame, channel);
                sumAll += v * v;
                if (frame >= tailStart)
                    sumTail += v * v;
            }
        }
        for (int channel = 0; channel < pcm.channels; ++channel) {
            const int jump = std::abs(pcm.sample(last, channel) - pcm.sample(0, channel));
            QVERIFY2(jump <= 32768 / 32, qPrintable(QStringLiteral("jump %1").arg(jump)));
        }
        const double rmsAll = std::sqrt(sumAll / (double(pcm.frames()) * pcm.channels));
        const double rmsTail = std::sqrt(sumTail / (double(last + 1 - tailStart) * pcm.channels));
        QVERIFY2(rmsTail >= 0.5 * rmsAll, qPrintable(QStringLiteral("tail %1 of %2").arg(rmsTail).arg(rmsAll)));
    }
};

QTEST_GUILESS_MAIN(SoundFiles)
#include "tst_soundfiles.moc"
