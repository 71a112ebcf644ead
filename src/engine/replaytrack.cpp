#include "engine/replaytrack.h"

#include <algorithm>

ReplayTrack::ReplayTrack(Replay replay, QObject *parent) : QObject(parent), data(std::move(replay)) {}

QVariantMap ReplayTrack::sampleAt(qreal seconds) const
{
    if (data.samples.isEmpty())
        return {};
    // Sample times are whole milliseconds, rounded from the frame's time.
    const double limit = seconds * 1000 + 0.5 + 1e-6;
    auto after = std::upper_bound(data.samples.cbegin(), data.samples.cend(), limit,
                                  [](double t, const ReplaySample &s) { return t < s.timeMs; });
    const qsizetype index = std::max<qsizetype>(0, (after - data.samples.cbegin()) - 1);
    const ReplaySample &s = data.samples[index];
    const float before = index > 0 ? data.samples[index - 1].angle : s.angle;
    return {{QStringLiteral("x"), s.x},         {QStringLiteral("y"), s.y},
            {QStringLiteral("angle"), s.angle}, {QStringLiteral("speed"), s.speed},
            {QStringLiteral("petrol"), s.petrol}, {QStringLiteral("tilt"), before - s.angle},
            {QStringLiteral("time"), s.timeMs / 1000.0}};
}

QVariantList ReplayTrack::eventsBetween(qreal from, qreal to) const
{
    QVariantList out;
    for (const ReplayEvent &event : data.events) {
        const double t = event.timeMs / 1000.0;
        if (t > from && t <= to)
            out << QVariantMap{{QStringLiteral("kind"), kindName(event.kind)},
                               {QStringLiteral("time"), t},
                               {QStringLiteral("detail"), event.detail}};
    }
    return out;
}

QString ReplayTrack::kindName(ReplayEventKind kind)
{
    switch (kind) {
    case ReplayEventKind::BuoyBurst: return QStringLiteral("buoy");
    case ReplayEventKind::CloudEntered: return QStringLiteral("cloud");
    case ReplayEventKind::SeatbeltsOn: return QStringLiteral("seatbeltsOn");
    case ReplayEventKind::SeatbeltsOff: return QStringLiteral("seatbeltsOff");
    case ReplayEventKind::TerrainWarning: return QStringLiteral("terrainWarning");
    case ReplayEventKind::TerrainClear: return QStringLiteral("terrainClear");
    case ReplayEventKind::Touchdown: return QStringLiteral("touchdown");
    case ReplayEventKind::LandingCancelled: return QStringLiteral("landingCancelled");
    case ReplayEventKind::FreeFall: return QStringLiteral("freeFall");
    case ReplayEventKind::Crash: return QStringLiteral("crash");
    case ReplayEventKind::Landed: return QStringLiteral("landed");
    }
    return {};
}
