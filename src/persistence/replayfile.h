#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>

#include <optional>

// One recorded flight: the aeroplane once per frame and the moments a viewer
// needs to show what happened. Times are milliseconds of the flight's clock.
struct ReplaySample
{
    qint32 timeMs = 0;
    float x = 0;
    float y = 0;
    float angle = 0;
    float speed = 0;
    float petrol = 0;
};

enum class ReplayEventKind : quint8 {
    BuoyBurst = 1,        // detail: the buoy's place among the level's buoys
    CloudEntered,
    SeatbeltsOn,
    SeatbeltsOff,
    TerrainWarning,
    TerrainClear,
    Touchdown,            // the landing starts
    LandingCancelled,
    FreeFall,             // the tank ran dry
    Crash,
    Landed,
};

struct ReplayEvent
{
    qint32 timeMs = 0;
    ReplayEventKind kind = ReplayEventKind::Landed;
    qint32 detail = 0;
};

struct Replay
{
    QString level;
    bool passed = false;
    int result = 0;
    int fps = 30;
    QVector<ReplaySample> samples;
    QVector<ReplayEvent> events;

    qint32 durationMs() const { return samples.isEmpty() ? 0 : samples.constLast().timeMs; }
};

// The file: a CBOR map with a format name and version, the level, its result,
// the frame rate, the samples as one flat array of integers (time, x, y,
// heading, speed, petrol, each the change from the sample before, in fixed
// steps of 1 ms, 0.1 unit, 0.001 rad, 0.1 unit/s and 0.0001 of a tank) and the
// events as (time, kind, detail) triples. Reading checks everything: a file
// that is not whole and sound is refused with the reason.
namespace ReplayFile {

constexpr int version = 1;
constexpr qint32 maxDurationMs = 10 * 60 * 1000;
constexpr int maxFps = 120;
constexpr qsizetype maxSamples = qsizetype(maxDurationMs / 1000 + 1) * maxFps;
constexpr qsizetype maxEvents = 20000;
constexpr qint64 maxBytes = 8 * 1024 * 1024;

QByteArray encode(const Replay &replay);
std::optional<Replay> decode(const QByteArray &bytes, QString *why = nullptr);

// Reading prints one debug line when there is no file or it cannot be used.
std::optional<Replay> read(const QString &path);
// Written through a temporary file renamed over the old one.
bool write(const QString &path, const Replay &replay);

} // namespace ReplayFile
