#include "persistence/replayfile.h"

#include <QCborStreamReader>
#include <QCborStreamWriter>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSet>

#include <cmath>

namespace {

constexpr QLatin1String formatName("cirrovanta-replay");
constexpr int fieldsPerSample = 6;
constexpr int fieldsPerEvent = 3;
// Fixed steps of the stored values: time, x, y, heading, speed, petrol.
constexpr double scales[fieldsPerSample] = {1, 10, 10, 1000, 10, 10000};
// No number in the file may leave this range, which keeps sums of changes far
// from overflow; and no stored value may leave the second one, within which a
// float read back gives the same stored value again.
constexpr qint64 valueLimit = qint64(1) << 40;
constexpr qint64 storedLimit = qint64(1) << 23;

qint64 quantise(double value, double scale)
{
    const double scaled = std::round(value * scale);
    if (!std::isfinite(scaled))
        return 0;
    return qint64(qBound(-double(storedLimit), scaled, double(storedLimit)));
}

bool readInteger(QCborStreamReader &reader, qint64 &out)
{
    if (!reader.isInteger())
        return false;
    // Magnitudes first, in unsigned arithmetic: CBOR reaches -2^64, which no
    // signed conversion survives. (A wrapped 2^64 reads as 0 and is refused.)
    const bool negative = reader.isNegativeInteger();
    const quint64 magnitude = negative ? quint64(reader.toNegativeInteger()) : reader.toUnsignedInteger();
    if (magnitude > quint64(valueLimit) || (negative && magnitude == 0))
        return false;
    out = negative ? -qint64(magnitude) : qint64(magnitude);
    return reader.next();
}

bool readString(QCborStreamReader &reader, QString &out, qsizetype limit)
{
    if (!reader.isString())
        return false;
    out.clear();
    auto chunk = reader.readString();
    while (chunk.status == QCborStreamReader::Ok) {
        out += chunk.data;
        if (out.size() > limit)
            return false;
        chunk = reader.readString();
    }
    return chunk.status == QCborStreamReader::EndOfString;
}

// Reads an array of integers into values, refusing more than limit of them.
bool readIntegers(QCborStreamReader &reader, QVector<qint64> &values, qsizetype limit)
{
    if (!reader.isArray())
        return false;
    if (reader.isLengthKnown() && reader.length() > quint64(limit))
        return false;
    if (!reader.enterContainer())
        return false;
    while (reader.lastError() == QCborError::NoError && reader.hasNext()) {
        qint64 value = 0;
        if (values.size() >= limit || !readInteger(reader, value))
            return false;
        values << value;
    }
    return reader.lastError() == QCborError::NoError && reader.leaveContainer();
}

bool unpackSamples(const QVector<qint64> &values, QVector<ReplaySample> &samples)
{
    if (values.size() % fieldsPerSample != 0)
        return false;
    qint64 sum[fieldsPerSample] = {};
    samples.reserve(values.size() / fieldsPerSample);
    for (qsizetype at = 0; at < values.size(); at += fieldsPerSample) {
        for (int field = 0; field < fieldsPerSample; ++field) {
            sum[field] += values[at + field];
            if (sum[field] > storedLimit || sum[field] < -storedLimit)
                return false;
        }
        // Time never runs back, and no flight is kept past its limit.
        if (values[at] < 0 || sum[0] > ReplayFile::maxDurationMs + 1000)
            return false;
        ReplaySample sample;
        sample.timeMs = qint32(sum[0]);
        sample.x = float(double(sum[1]) / scales[1]);
        sample.y = float(double(sum[2]) / scales[2]);
        sample.angle = float(double(sum[3]) / scales[3]);
        sample.speed = float(double(sum[4]) / scales[4]);
        sample.petrol = float(double(sum[5]) / scales[5]);
        samples << sample;
    }
    return true;
}

bool unpackEvents(const QVector<qint64> &values, QVector<ReplayEvent> &events)
{
    if (values.size() % fieldsPerEvent != 0)
        return false;
    for (qsizetype at = 0; at < values.size(); at += fieldsPerEvent) {
        const qint64 time = values[at], kind = values[at + 1], detail = values[at + 2];
        if (time < 0 || time > ReplayFile::maxDurationMs + 1000)
            return false;
        if (kind < qint64(ReplayEventKind::BuoyBurst) || kind > qint64(ReplayEventKind::Landed))
            return false;
        if (detail < 0 || detail > 100000)
            return false;
        events << ReplayEvent{qint32(time), ReplayEventKind(kind), qint32(detail)};
    }
    return true;
}

} // namespace

QByteArray ReplayFile::encode(const Replay &replay)
{
    QByteArray bytes;
    QCborStreamWriter writer(&bytes);
    writer.startMap(8);
    writer.append(QLatin1String("format"));
    writer.append(formatName);
    writer.append(QLatin1String("version"));
    writer.append(version);
    writer.append(QLatin1String("level"));
    writer.append(replay.level);
    writer.append(QLatin1String("passed"));
    writer.append(replay.passed);
    writer.append(QLatin1String("result"));
    writer.append(replay.result);
    writer.append(QLatin1String("fps"));
    writer.append(replay.fps);

    writer.append(QLatin1String("samples"));
    writer.startArray(quint64(replay.samples.size()) * fieldsPerSample);
    qint64 previous[fieldsPerSample] = {};
    for (const ReplaySample &sample : replay.samples) {
        const double values[fieldsPerSample] = {double(sample.timeMs), sample.x, sample.y,
                                                sample.angle, sample.speed, sample.petrol};
        for (int field = 0; field < fieldsPerSample; ++field) {
            const qint64 stored = quantise(values[field], scales[field]);
            writer.append(stored - previous[field]);
            previous[field] = stored;
        }
    }
    writer.endArray();

    writer.append(QLatin1String("events"));
    writer.startArray(quint64(replay.events.size()) * fieldsPerEvent);
    for (const ReplayEvent &event : replay.events) {
        writer.append(qint64(event.timeMs));
        writer.append(qint64(event.kind));
        writer.append(qint64(event.detail));
    }
    writer.endArray();
    writer.endMap();
    return bytes;
}

std::optional<Replay> ReplayFile::decode(const QByteArray &bytes, QString *why)
{
    const auto refuse = [why](const char *reason) {
        if (why)
            *why = QString::fromLatin1(reason);
        return std::nullopt;
    };
    if (bytes.size() > maxBytes)
        return refuse("too large");
    QCborStreamReader reader(bytes);
    if (!reader.isMap() || !reader.enterContainer())
        return refuse("not a replay");

    Replay replay;
    QString format;
    qint64 fileVersion = 0;
    bool haveSamples = false;
    QVector<qint64> values;
    QSet<QString> seenKeys;
    while (reader.lastError() == QCborError::NoError && reader.hasNext()) {
        QString key;
        if (!readString(reader, key, 32))
            return refuse("corrupt");
        // A second "samples" would append a flight starting over in time.
        if (seenKeys.contains(key))
            return refuse("corrupt");
        seenKeys.insert(key);
        bool ok = true;
        qint64 number = 0;
        if (key == QLatin1String("format")) {
            ok = readString(reader, format, 64);
        } else if (key == QLatin1String("version")) {
            ok = readInteger(reader, fileVersion);
            // A later game's file says so before anything else is trusted.
            if (ok && fileVersion > version)
                return refuse("written by a newer version");
        } else if (key == QLatin1String("level")) {
            ok = readString(reader, replay.level, 512);
        } else if (key == QLatin1String("passed")) {
            ok = reader.isBool();
            if (ok) {
                replay.passed = reader.toBool();
                ok = reader.next();
            }
        } else if (key == QLatin1String("result")) {
            ok = readInteger(reader, number) && number >= INT_MIN && number <= INT_MAX;
            replay.result = int(number);
        } else if (key == QLatin1String("fps")) {
            ok = readInteger(reader, number) && number >= 1 && number <= maxFps;
            replay.fps = int(number);
        } else if (key == QLatin1String("samples")) {
            values.clear();
            ok = readIntegers(reader, values, maxSamples * fieldsPerSample)
                && unpackSamples(values, replay.samples);
            haveSamples = ok;
        } else if (key == QLatin1String("events")) {
            values.clear();
            ok = readIntegers(reader, values, maxEvents * fieldsPerEvent)
                && unpackEvents(values, replay.events);
        } else {
            ok = reader.next();
        }
        if (!ok)
            return refuse("corrupt");
    }
    if (reader.lastError() != QCborError::NoError || !reader.leaveContainer())
        return refuse("truncated or corrupt");
    if (format != formatName || fileVersion < 1)
        return refuse("not a replay");
    if (!haveSamples || replay.samples.isEmpty() || replay.level.isEmpty())
        return refuse("incomplete");
    return replay;
}

std::optional<Replay> ReplayFile::read(const QString &path)
{
    QFile file(path);
    QString why;
    std::optional<Replay> replay;
    if (!file.exists())
        why = QStringLiteral("missing");
    else if (file.size() > maxBytes)
        why = QStringLiteral("too large");
    else if (!file.open(QIODevice::ReadOnly))
        why = file.errorString();
    else
        replay = decode(file.readAll(), &why);
    if (!replay)
        qDebug() << "replay ignored:" << path << why;
    return replay;
}

bool ReplayFile::write(const QString &path, const Replay &replay)
{
    QDir().mkpath(QFileInfo(path).path());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        qDebug() << "replay not saved:" << path << file.errorString();
        return false;
    }
    file.write(encode(replay));
    if (!file.commit()) {
        qDebug() << "replay not saved:" << path << file.errorString();
        return false;
    }
    return true;
}
