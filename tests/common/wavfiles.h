#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QtEndian>

// WAV files for the audio tests: written by sox, or put together byte by
// byte where a test needs a particular (often broken) layout.
namespace WavFiles {

// The sound bank's files, in slot order.
inline const QStringList soundNames = QStringLiteral(
    "S_air1 S_air2 S_alarm S_warning S_click_button S_click_page S_explode S_fanfare "
    "S_clapping_short S_main_sound_low S_drumsandbass S_air3 S_wrong_beep S_sonar S_bass_3 "
    "S_bass_5 S_bass_6 S_bass_8 S_bass_7_1 S_clapping S_bump").split(' ');

inline QString soundPath(const QString &dir, int slot)
{
    return dir + QStringLiteral("/sounds/%1.wav").arg(soundNames.at(slot));
}

inline QByteArray le16(int value)
{
    QByteArray bytes(2, '\0');
    qToLittleEndian<qint16>(qint16(value), bytes.data());
    return bytes;
}

inline QByteArray le32(quint32 value)
{
    QByteArray bytes(4, '\0');
    qToLittleEndian<quint32>(value, bytes.data());
    return bytes;
}

inline QByteArray chunk(const QByteArray &id, const QByteArray &body)
{
    return id + le32(quint32(body.size())) + body;
}

// The 16-byte PCM fmt body.
inline QByteArray fmtBody(int channels, int rate, int bits)
{
    const int align = channels * bits / 8;
    return le16(1) + le16(channels) + le32(quint32(rate)) + le32(quint32(rate * align)) + le16(align)
            + le16(bits);
}

// "RIFF" size "WAVE" followed by the given chunks.
inline QByteArray riff(const QByteArray &chunks)
{
    return "RIFF" + le32(quint32(4 + chunks.size())) + "WAVE" + chunks;
}

inline QByteArray plainWav(int channels, int rate, int bits, const QByteArray &data)
{
    return riff(chunk("fmt ", fmtBody(channels, rate, bits)) + chunk("data", data));
}

inline QByteArray samples16(std::initializer_list<int> values)
{
    QByteArray bytes;
    for (int v : values)
        bytes += le16(v);
    return bytes;
}

inline bool writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Runs sox with the arguments; true when it succeeded.
inline bool sox(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral("sox"), arguments);
    return process.waitForFinished(30000) && process.exitStatus() == QProcess::NormalExit
            && process.exitCode() == 0;
}

// A plain PCM WAV (16-byte fmt chunk) of a sine tone.
inline bool soxTone(const QString &path, int rate, int channels, int bits, double seconds, int frequency,
                    double gain = 0.5)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QStringList args{"-n", "-r", QString::number(rate), "-c", QString::number(channels), "-b",
                     QString::number(bits)};
    if (bits == 8)
        args << "-e" << "unsigned-integer";
    else
        args << "-e" << "signed-integer";
    args << "-t" << "wavpcm" << path << "synth" << QString::number(seconds) << "sine"
         << QString::number(frequency) << "vol" << QString::number(gain);
    return sox(args);
}

// The PCM bytes of a WAV file as sox decodes them, in the file's own encoding.
inline QByteArray soxRawData(const QString &wavPath, const QString &scratchDir, int bits)
{
    const QString rawPath = scratchDir + "/decoded.raw";
    QStringList args{wavPath, "-t", "raw", "-e", bits == 8 ? "unsigned-integer" : "signed-integer", "-L",
                     rawPath};
    if (!sox(args))
        return {};
    QFile file(rawPath);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

// True when the sound bank would find installed sounds beside the running
// executable's directory instead of a test's own ones in the working directory.
inline bool installedSoundsShadowTheWorkingDirectory()
{
    QDir base(QCoreApplication::applicationDirPath());
    return base.cdUp() && base.exists(QStringLiteral("sounds"));
}

} // namespace WavFiles
