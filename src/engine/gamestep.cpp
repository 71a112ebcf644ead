#include "engine/gameengine.h"

#include "audio/cinvsounds.h"
#include "engine/qmlcall.h"

#include <QDebug>
#include <QPolygon>
#include <QQuickItem>

#include <algorithm>
#include <cmath>

namespace {

// Half the opening of the terrain-warning fan: 15 degrees.
constexpr float fanHalfAngle = 0.2617994f;

// Scene items are tested only while they can be seen at all.
QQuickItem *visibleItem(const QPointer<QObject> &object)
{
    auto *item = qobject_cast<QQuickItem *>(object.data());
    return item && item->opacity() != 0 ? item : nullptr;
}

// Truncation toward zero that stays defined for a heading gone wrong (NaN or
// infinite): such a fan collapses onto the aeroplane's centre.
int truncated(double value)
{
    return std::isfinite(value) ? int(std::clamp(value, -1e9, 1e9)) : 0;
}

// The triangle ahead of the aeroplane in which terrain raises the warning,
// in the aeroplane's integer coordinates. The x reach scales with the
// aeroplane's height and the y reach with its width.
QPolygon warningFan(const QPointF &centre, qreal heading, qreal w, qreal h)
{
    const QPoint m(qRound(centre.x()), qRound(centre.y()));
    const auto tip = [&](double phi) {
        return m + QPoint(truncated(std::sin(phi) * 1.5 * h), truncated(std::cos(phi) * -1.5 * w));
    };
    QPolygon fan;
    fan << m << tip(heading + double(fanHalfAngle)) << tip(heading - double(fanHalfAngle));
    return fan;
}

bool terrainAhead(const QRectF &obstacle, const QPointF &centre, qreal heading, qreal w, qreal h)
{
    const QPolygon box(obstacle.toRect());
    return !box.intersected(warningFan(centre, heading, w, h)).isEmpty();
}

// The ellipse inscribed in the cloud's rectangle, approximated along the
// direction from the cloud's centre to the point.
bool insideCloud(const QRectF &r, const QPointF &p)
{
    const double dx = (r.x() + r.width() * 0.5) - p.x();
    const double dy = (r.y() + r.height() * 0.5) - p.y();
    const float a = float(std::atan2(dx, dy));
    const float reachX = float(r.width() * 0.5 * std::sin(double(a)));
    const float reachY = float(r.height() * 0.5 * std::cos(double(a)));
    return std::fabs(std::trunc(dx)) <= std::fabs(std::trunc(reachX))
        && std::fabs(std::trunc(dy)) <= std::fabs(std::trunc(reachY));
}

// The lists are walked as const copies, which share the data without
// detaching it: a QML function called on the way may clear the engine's lists
// (QML deletes items only later, from the event loop).
const QList<QPointer<QObject>> walk(const QList<QPointer<QObject>> &list)
{
    return list;
}

} // namespace

// The aeroplane as one step sees it, measured once at its start. Every test
// uses the centre; the near zone is the aeroplane's rectangle grown by one
// width and one height on every side, measured from (0, 0).
struct GameEngine::StepFrame
{
    explicit StepFrame(QQuickItem *airplane)
        : plane(airplane),
          position(airplane->position()),
          bounds(airplane->boundingRect()),
          w(bounds.width()),
          h(bounds.height()),
          centre(bounds.x() + w * 0.5, bounds.y() + h * 0.5),
          nearZone(-w, -h, 3 * w, 3 * h)
    {
    }

    QQuickItem *plane;
    QPointF position; // in the parent's coordinates
    QRectF bounds;
    qreal w;
    qreal h;
    QPointF centre; // in the aeroplane's own coordinates
    QRectF nearZone;
};

void GameEngine::gameStep()
{
    auto *plane = qobject_cast<QQuickItem *>(airplane.data());
    if (!plane)
        return;

    const StepFrame frame(plane);
    bool onRunway = false;
    bool inCloud = false;

    // A fading aeroplane (appearing, or already crashed) meets nothing.
    if (plane->opacity() == 1.0) {
        if (testObstructions(frame))
            return;
        onRunway = testRunways(frame);
        inCloud = testClouds(frame);
        testBuoys(frame);
    }
    updateSeatbeltsSign(onRunway, inCloud);
}

// In list order: an obstruction under the centre ends the flight, and the
// first one ahead raises the terrain warning and ends the walk. Returns
// whether the aeroplane crashed.
bool GameEngine::testObstructions(const StepFrame &frame)
{
    for (const QPointer<QObject> &object : walk(obstructions)) {
        QQuickItem *obstruction = visibleItem(object);
        if (!obstruction)
            continue;
        const QRectF mapped =
            frame.plane->mapRectFromItem(obstruction, obstruction->boundingRect());
        if (hitsObstruction(frame, obstruction, mapped)) {
            crash(frame, obstruction->objectName());
            return true;
        }
        if (!mapped.intersects(frame.nearZone))
            continue;
        // The heading is read only for obstructions near enough to matter.
        const qreal heading = frame.plane->property("angle").toReal();
        if (!terrainAhead(mapped, frame.centre, heading, frame.w, frame.h))
            continue;
        raiseTerrainWarning();
        return false;
    }
    dropTerrainWarning();
    return false;
}

// The shape test only after the cheaper rectangle test.
bool GameEngine::hitsObstruction(const StepFrame &frame, QQuickItem *obstruction,
                                 const QRectF &mapped) const
{
    return mapped.contains(frame.centre)
        && obstruction->contains(obstruction->mapFromItem(frame.plane, frame.centre));
}

void GameEngine::crash(const StepFrame &frame, const QString &obstructionName)
{
    enableEngineTimer(false);
    callQml(levelItem, "explode", float(frame.position.x() + frame.w * 0.5),
            float(frame.position.y() + frame.h));
    frame.plane->setOpacity(0);
    playSound(CInvSounds::Explosion);
    endGame(false);
    qDebug() << "Collision with " << obstructionName << " at " << frame.position;
}

// Text and alarm come once per warning, until a step finds nothing ahead.
void GameEngine::raiseTerrainWarning()
{
    if (!groundWarningShown) {
        callQml(levelItem, "showWarningText", tr("WARNING! Terrain ahead!"), 1500);
        callQml(levelItem, "groundWarning", true);
        playSound(CInvSounds::TerrainAlarm);
    }
    groundWarningShown = true;
}

// Sent on every such step, not only on a change; a landing or a free fall
// keeps the warning light on.
void GameEngine::dropTerrainWarning()
{
    groundWarningShown = false;
    if (landingTimerId == 0 && crashTimerId == 0)
        callQml(levelItem, "groundWarning", false);
}

// The centre on a runway starts one landing; off every runway it cancels the
// landing under way. Returns whether the aeroplane is on a runway.
bool GameEngine::testRunways(const StepFrame &frame)
{
    for (const QPointer<QObject> &object : walk(landings)) {
        QQuickItem *landing = visibleItem(object);
        if (!landing)
            continue;
        const QPointF p = landing->mapFromItem(frame.plane, frame.centre);
        if (!landing->boundingRect().contains(p) || !landing->contains(p))
            continue;
        if (landingTimerId == 0)
            startLanding(frame.plane);
        return true;
    }
    if (landingTimerId != 0)
        cancelLanding(frame.plane);
    return false;
}

void GameEngine::startLanding(QQuickItem *plane)
{
    const qint64 landingTime = plane->property("landingTime").toInt();
    landingTimerId = startTimer(int(2 * landingTime / 3));
    callQml(plane, "doLanding", true);
    callQml(levelItem, "groundWarning", true);
    callQml(levelItem, "showWarningText", tr("Landing. Fasten seatbelts!"), 3000);
    playSound(CInvSounds::WarningChime);
}

// During a free fall the aeroplane stays in its landing pose.
void GameEngine::cancelLanding(QQuickItem *plane)
{
    killTimer(landingTimerId);
    landingTimerId = 0;
    if (crashTimerId == 0) {
        callQml(plane, "doLanding", false);
        callQml(levelItem, "groundWarning", false);
    }
    callQml(levelItem, "showWarningText", tr("Out of the runway, landing cancelled!"), 1500);
}

// The chime sounds on every step inside a cloud while the sign is off, which
// a landing or a free fall can hold off. Returns whether the aeroplane is in one.
bool GameEngine::testClouds(const StepFrame &frame)
{
    for (const QPointer<QObject> &object : walk(clouds)) {
        QQuickItem *cloud = visibleItem(object);
        if (!cloud)
            continue;
        const QRectF r = cloud->boundingRect();
        const QPointF p = cloud->mapFromItem(frame.plane, frame.centre);
        if (!r.contains(p) || !insideCloud(r, p))
            continue;
        if (!seatbeltsLit)
            playSound(CInvSounds::WarningChime);
        return true;
    }
    return false;
}

// At most one buoy bursts per step; the buoy retires itself.
void GameEngine::testBuoys(const StepFrame &frame)
{
    for (const QPointer<QObject> &object : walk(buoys)) {
        QQuickItem *buoy = visibleItem(object);
        if (!buoy)
            continue;
        // The geometry first: it is cheaper than reading a QML property.
        if (!buoy->boundingRect().contains(buoy->mapFromItem(frame.plane, frame.centre))
            || !buoy->property("isAlive").toBool())
            continue;
        playSound(CInvSounds::PageClick);
        callQml(buoy, "explode");
        return;
    }
}

// The sign keeps its state while a landing or a free fall is under way.
void GameEngine::updateSeatbeltsSign(bool onRunway, bool inCloud)
{
    if (landingTimerId != 0 || crashTimerId != 0)
        return;
    const bool needed = onRunway || inCloud || groundWarningShown;
    if (needed != seatbeltsLit) {
        seatbeltsLit = needed;
        callQml(levelItem, "seatbeltsSign", needed);
    }
}
