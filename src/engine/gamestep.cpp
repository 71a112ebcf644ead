#include "engine/gameengine.h"
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

void GameEngine::gameStep()
{
    auto *plane = qobject_cast<QQuickItem *>(airplane.data());
    if (!plane)
        return;

    const QPointF position = plane->position();
    const QRectF bounds = plane->boundingRect();
    const qreal w = bounds.width();
    const qreal h = bounds.height();
    const QPointF centre(bounds.x() + w * 0.5, bounds.y() + h * 0.5);
    const QRectF nearZone(-w, -h, 3 * w, 3 * h);

    bool onRunway = false;
    bool inCloud = false;

    // A fading aeroplane (appearing, or already crashed) meets nothing.
    if (plane->opacity() == 1.0) {
        bool terrainWarned = false;
        for (const QPointer<QObject> &object : walk(obstructions)) {
            QQuickItem *obstruction = visibleItem(object);
            if (!obstruction)
                continue;
            const QRectF mapped = plane->mapRectFromItem(obstruction, obstruction->boundingRect());
            if (mapped.contains(centre)
                && obstruction->contains(obstruction->mapFromItem(plane, centre))) {
                const QString name = obstruction->objectName();
                enableEngineTimer(false);
                callQml(levelItem, "explode", float(position.x() + w * 0.5),
                        float(position.y() + h));
                plane->setOpacity(0);
                playSound(6);
                endGame(false);
                qDebug() << "Collision with " << name << " at " << position;
                return;
            }
            if (!mapped.intersects(nearZone))
                continue;
            const qreal heading = plane->property("angle").toReal();
            if (!terrainAhead(mapped, centre, heading, w, h))
                continue;
            if (!groundWarningShown) {
                callQml(levelItem, "showWarningText", tr("WARNING! Terrain ahead!"), 1500);
                callQml(levelItem, "groundWarning", true);
                playSound(2);
            }
            groundWarningShown = true;
            terrainWarned = true;
            break;
        }
        if (!terrainWarned) {
            groundWarningShown = false;
            if (landingTimerId == 0 && crashTimerId == 0)
                callQml(levelItem, "groundWarning", false);
        }

        for (const QPointer<QObject> &object : walk(landings)) {
            QQuickItem *landing = visibleItem(object);
            if (!landing)
                continue;
            const QPointF p = landing->mapFromItem(plane, centre);
            if (!landing->boundingRect().contains(p) || !landing->contains(p))
                continue;
            if (landingTimerId == 0) {
                const qint64 landingTime = plane->property("landingTime").toInt();
                landingTimerId = startTimer(int(2 * landingTime / 3));
                callQml(plane, "doLanding", true);
                callQml(levelItem, "groundWarning", true);
                callQml(levelItem, "showWarningText", tr("Landing. Fasten seatbelts!"), 3000);
                playSound(3);
            }
            onRunway = true;
            break;
        }
        if (!onRunway && landingTimerId != 0) {
            killTimer(landingTimerId);
            landingTimerId = 0;
            if (crashTimerId == 0) {
                callQml(plane, "doLanding", false);
                callQml(levelItem, "groundWarning", false);
            }
            callQml(levelItem, "showWarningText", tr("Out of the runway, landing cancelled!"),
                    1500);
        }

        for (const QPointer<QObject> &object : walk(clouds)) {
            QQuickItem *cloud = visibleItem(object);
            if (!cloud)
                continue;
            const QRectF r = cloud->boundingRect();
            const QPointF p = cloud->mapFromItem(plane, centre);
            if (!r.contains(p) || !insideCloud(r, p))
                continue;
            if (!seatbeltsLit)
                playSound(3);
            inCloud = true;
            break;
        }

        for (const QPointer<QObject> &object : walk(buoys)) {
            QQuickItem *buoy = visibleItem(object);
            if (!buoy)
                continue;
            // The geometry first: it is cheaper than reading a QML property.
            if (!buoy->boundingRect().contains(buoy->mapFromItem(plane, centre))
                || !buoy->property("isAlive").toBool())
                continue;
            playSound(5);
            callQml(buoy, "explode");
            break;
        }
    }

    // The sign keeps its state while a landing or a free fall is under way.
    if (landingTimerId != 0 || crashTimerId != 0)
        return;
    const bool needed = onRunway || inCloud || groundWarningShown;
    if (needed != seatbeltsLit) {
        seatbeltsLit = needed;
        callQml(levelItem, "seatbeltsSign", needed);
    }
}
