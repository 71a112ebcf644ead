#include "engine/flightrecorder.h"

#include "engine/gameengine.h"
#include "engine/replaytrack.h"
#include "persistence/settings.h"

#include <QDebug>
#include <QQuickItem>
#include <QSettings>
#include <QStandardPaths>
#include <QUrl>

namespace {

const char *const ghostKey = "GhostEnabled";

QMetaProperty propertyOf(const QObject *object, const char *name)
{
    const QMetaObject *meta = object->metaObject();
    return meta->property(meta->indexOfProperty(name));
}

float readFloat(const QMetaProperty &property, const QObject *object)
{
    return property.isValid() ? property.read(object).toFloat() : 0.0f;
}

} // namespace

FlightRecorder::FlightRecorder(GameEngine *engine, QObject *parent, const QString &directory)
    : QObject(parent), engine(engine), directory(directory.isEmpty() ? defaultDirectory() : directory)
{
}

FlightRecorder::~FlightRecorder() = default;

// The data directory of the game's own organisation and application names,
// which the settings store uses too.
QString FlightRecorder::defaultDirectory()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + '/'
        + Settings::organisation() + '/' + Settings::application() + QStringLiteral("/replays");
}

QString FlightRecorder::fileFor(const QString &level) const
{
    // Percent-encoded, so a level name never reaches outside the directory.
    return directory + '/' + QString::fromLatin1(QUrl::toPercentEncoding(level))
        + QStringLiteral(".replay");
}

bool FlightRecorder::ghostEnabled() const
{
    return QSettings(Settings::organisation(), Settings::application()).value(ghostKey, true).toBool();
}

void FlightRecorder::setGhostEnabled(bool enabled)
{
    if (enabled == ghostEnabled())
        return;
    QSettings(Settings::organisation(), Settings::application()).setValue(ghostKey, enabled);
    emit ghostEnabledChanged();
}

QObject *FlightRecorder::watching() const
{
    return watched;
}

void FlightRecorder::attach(QObject *levelItem, const QString &levelName)
{
    stop();
    if (!levelItem || levelItem->property("demo").toBool())
        return;
    level = levelItem;
    flight = Replay();
    flight.level = levelName;
    begun = complete = overLong = false;
    seatbelts = terrain = landing = falling = inCloud = false;
    recording = true;
    connect(levelItem, SIGNAL(runningChanged()), this, SLOT(runningChanged()));
    connect(levelItem, SIGNAL(ticksChanged()), this, SLOT(frame()));
    connect(levelItem, SIGNAL(flightEnded(bool)), this, SLOT(flightEnded(bool)));
}

void FlightRecorder::stop()
{
    recording = false;
    if (level)
        disconnect(level, nullptr, this, nullptr);
    for (const QPointer<QObject> &buoy : std::as_const(buoys)) {
        if (buoy)
            disconnect(buoy, nullptr, this, nullptr);
    }
    buoys.clear();
    clouds.clear();
}

// The level is prepared and the aeroplane at its start once it runs or its
// first frame has been flown: the first sample is the start.
void FlightRecorder::begin()
{
    begun = true;
    plane = qobject_cast<QQuickItem *>(level->property("airplane").value<QObject *>());
    if (!plane) {
        qDebug() << "replay: the level has no aeroplane, nothing recorded";
        stop();
        return;
    }
    flight.fps = qBound(1, plane->property("fps").toInt(), ReplayFile::maxFps);
    realX = propertyOf(plane, "realX");
    realY = propertyOf(plane, "realY");
    angle = propertyOf(plane, "angle");
    speed = propertyOf(plane, "speed");
    petrol = propertyOf(plane, "petrol");
    // The same buoys, in the same order, as the level finds them.
    if (auto *item = qobject_cast<QQuickItem *>(level.data())) {
        for (QQuickItem *child : item->childItems()) {
            if (child->property("isAlive").isValid()
                && child->objectName().contains(QLatin1String("buoy"))) {
                buoys << child;
                connect(child, SIGNAL(isAliveChanged()), this, SLOT(buoyChanged()));
            }
        }
    }
    flight.samples.reserve(flight.fps * 120);
    takeSample();
}

void FlightRecorder::runningChanged()
{
    if (recording && !begun && level && level->property("running").toBool())
        begin();
}

void FlightRecorder::frame()
{
    if (!recording || !level)
        return;
    if (!begun) {
        begin();
        if (!recording)
            return;
    }
    if (clockMs() > ReplayFile::maxDurationMs) {
        qDebug() << "replay: flight longer than 10 minutes, recording stopped";
        overLong = true;
        stop();
        return;
    }
    takeSample();
    watchEngine();
}

qint32 FlightRecorder::clockMs() const
{
    const qint64 ticks = level ? level->property("ticks").toLongLong() : 0;
    return qint32(qMin<qint64>(qRound64(ticks * 1000.0 / flight.fps), INT_MAX));
}

void FlightRecorder::takeSample()
{
    if (!plane)
        return;
    ReplaySample sample;
    sample.timeMs = clockMs();
    if (!flight.samples.isEmpty() && flight.samples.constLast().timeMs >= sample.timeMs)
        flight.samples.removeLast();
    sample.x = readFloat(realX, plane);
    sample.y = readFloat(realY, plane);
    sample.angle = readFloat(angle, plane);
    sample.speed = readFloat(speed, plane);
    sample.petrol = readFloat(petrol, plane);
    flight.samples << sample;
}

void FlightRecorder::note(ReplayEventKind kind, int detail)
{
    if (flight.events.size() < ReplayFile::maxEvents)
        flight.events << ReplayEvent{clockMs(), kind, detail};
}

// The engine's step runs between frames; what it changed shows at the next.
void FlightRecorder::watchEngine()
{
    if (!engine)
        return;
    const auto follow = [this](bool &was, bool now, ReplayEventKind on, ReplayEventKind off) {
        if (was != now)
            note(now ? on : off);
        was = now;
    };
    follow(terrain, engine->isGroundWarningShown(), ReplayEventKind::TerrainWarning,
           ReplayEventKind::TerrainClear);
    follow(landing, engine->landingTimer() != 0, ReplayEventKind::Touchdown,
           ReplayEventKind::LandingCancelled);
    if (!falling && engine->crashTimer() != 0)
        note(ReplayEventKind::FreeFall);
    falling = engine->crashTimer() != 0;
    const bool cloud = insideCloud();
    if (cloud && !inCloud)
        note(ReplayEventKind::CloudEntered);
    inCloud = cloud;
    follow(seatbelts, engine->isSeatbeltsLit(), ReplayEventKind::SeatbeltsOn,
           ReplayEventKind::SeatbeltsOff);
}

// Inside the ellipse that the cloud's rectangle holds, as the engine tests it.
bool FlightRecorder::insideCloud()
{
    if (clouds.isEmpty()) {
        for (QObject *cloud : engine->currentClouds())
            clouds << qobject_cast<QQuickItem *>(cloud);
    }
    if (!plane || plane->opacity() != 1.0)
        return false;
    const QPointF middle(plane->width() / 2, plane->height() / 2);
    for (const QPointer<QQuickItem> &cloud : std::as_const(clouds)) {
        if (!cloud || cloud->opacity() == 0 || cloud->width() <= 0 || cloud->height() <= 0)
            continue;
        const QPointF p = cloud->mapFromItem(plane, middle);
        const double dx = (p.x() - cloud->width() / 2) / (cloud->width() / 2);
        const double dy = (p.y() - cloud->height() / 2) / (cloud->height() / 2);
        if (dx * dx + dy * dy <= 1)
            return true;
    }
    return false;
}

void FlightRecorder::buoyChanged()
{
    QObject *buoy = sender();
    if (!recording || !buoy || buoy->property("isAlive").toBool())
        return;
    for (int i = 0; i < buoys.size(); ++i) {
        if (buoys[i] == buoy)
            note(ReplayEventKind::BuoyBurst, i);
    }
}

void FlightRecorder::flightEnded(bool passed)
{
    if (!recording)
        return;
    // The engine's state is left alone here: the ending stops its timers,
    // which is no cancelled landing.
    if (begun)
        takeSample();
    note(passed ? ReplayEventKind::Landed : ReplayEventKind::Crash);
    flight.passed = passed;
    complete = begun && !flight.samples.isEmpty();
    stop();
    if (lastTrack)
        lastTrack->deleteLater();
    emit lastFlightChanged();
}

void FlightRecorder::flightScored(bool passed, int result)
{
    if (recording)
        flightEnded(passed);
    flight.result = result;
    if (!complete || !passed || overLong || flight.level.isEmpty())
        return;
    if (auto *stored = qobject_cast<ReplayTrack *>(best(flight.level)); stored && stored->result() >= result)
        return;
    if (!ReplayFile::write(fileFor(flight.level), flight))
        return;
    if (ReplayTrack *old = bestTracks.take(flight.level))
        old->deleteLater();
    emit bestChanged(flight.level);
}

QObject *FlightRecorder::best(const QString &levelName)
{
    if (levelName.isEmpty())
        return nullptr;
    auto cached = bestTracks.constFind(levelName);
    if (cached != bestTracks.constEnd())
        return cached.value();
    ReplayTrack *track = nullptr;
    std::optional<Replay> replay = ReplayFile::read(fileFor(levelName));
    if (replay && replay->level == levelName)
        track = new ReplayTrack(std::move(*replay), this);
    else if (replay)
        qDebug() << "replay ignored:" << fileFor(levelName) << "belongs to" << replay->level;
    bestTracks.insert(levelName, track);
    return track;
}

bool FlightRecorder::watchBest(const QString &levelName, const QString &from)
{
    QObject *track = best(levelName);
    if (!track)
        return false;
    watched = track;
    watchFrom = from;
    emit watchingChanged();
    return true;
}

bool FlightRecorder::watchLast(const QString &from)
{
    if (!hasLastFlight())
        return false;
    if (!lastTrack)
        lastTrack = new ReplayTrack(flight, this);
    watched = lastTrack;
    watchFrom = from;
    emit watchingChanged();
    return true;
}
