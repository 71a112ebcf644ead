#include "engine/gameengine.h"

#include <QDebug>

#include <algorithm>
#include <cmath>

namespace {

constexpr qreal accFilterFactor = 0.05;
constexpr float standardGravity = 9.80665f;
constexpr double radToDeg = double(57.29578f);
constexpr float wrapPi = 3.14159f;
constexpr float wrapTwoPi = 6.28318f;

struct ClampedAxis
{
    float value;
    float square;
};

// Beyond ±1 g an axis counts as exactly ±1 g, with its square taken as 1.
ClampedAxis clampToGravity(qreal acceleration)
{
    const float n = float(acceleration) / standardGravity;
    if (n > 1.0f)
        return {1.0f, 1.0f};
    if (n < -1.0f)
        return {-1.0f, 1.0f};
    return {n, n * n};
}

// Tilt angle in degrees: each square root is of the single-precision sum.
float tiltDegrees(float squareSum, float along)
{
    return float(std::atan2(std::sqrt(double(squareSum)), double(along)) * radToDeg);
}

} // namespace

void GameEngine::handleAcc(const QVariant &x, const QVariant &y, const QVariant &z)
{
    const qreal reading[3] = {x.toReal(), y.toReal(), z.toReal()};
    for (int i = 0; i < 3; ++i)
        filteredAcc[i] = filteredAcc[i] + (reading[i] - filteredAcc[i]) * accFilterFactor;
    if (steerTimerId == 0)
        steerTimerId = startTimer(500);
}

void GameEngine::updateSteer(float blend)
{
    const qreal ax = filteredAcc[0];
    const qreal ay = filteredAcc[1];
    const qreal az = filteredAcc[2];
    if (!steerItem)
        return;

    const ClampedAxis x = clampToGravity(ax);
    const ClampedAxis y = clampToGravity(ay);
    const ClampedAxis z = clampToGravity(az);

    const float angleX = tiltDegrees(x.square + z.square, y.value);
    float angleZ = tiltDegrees(x.square + y.square, z.value);
    float angleY = tiltDegrees(y.square + z.square, x.value);
    if (az < 0)
        angleY = -angleY;
    if (ax > 0)
        angleZ = -angleZ;

    steerAngleX = steerAngleX + (angleX - steerAngleX) * blend;
    steerAngleY = steerAngleY + (angleY - steerAngleY) * blend;
    steerAngleZ = steerAngleZ + (angleZ - steerAngleZ) * blend;

    steerItem->setProperty("rawangleX", QVariant(steerAngleX));
    steerItem->setProperty("rawangleY", QVariant(steerAngleY));
    steerItem->setProperty("rawangleZ", QVariant(steerAngleZ));
    steerItem->setProperty("axisY", ax > ay ? QStringLiteral("z") : QStringLiteral("y"));
}

void GameEngine::adjustFlight()
{
    updateSteer(1.0f);
    if (!airplane) {
        qDebug() << "ship missing";
        return;
    }
    QObject *const ship = airplane;
    if (ship->property("opacity").toReal() == 0) {
        qDebug() << "ship not available yet";
        return;
    }

    const qreal vectorX = ship->property("vectorX").toReal();
    const qreal vectorY = ship->property("vectorY").toReal();
    const qreal turningFactor = ship->property("turningFactor").toReal();
    qreal speed = ship->property("speed").toReal();
    const qreal petrolRead = ship->property("petrol").toReal();
    const qreal accFactor = ship->property("accFactor").toReal();
    const qreal resistanceFactor = ship->property("resistanceFactor").toReal();
    const int fps = ship->property("fps").toInt();
    const int petrolTime = ship->property("petrolTime").toInt();
    const int minSpeed = ship->property("minSpeed").toInt();
    const int maxSpeed = ship->property("maxSpeed").toInt();
    qreal angle = ship->property("angle").toReal();
    qDebug() << "angle get: " << angle;

    // Heading: turn towards the steering vector by at most turningFactor,
    // the short way round. The heading itself is never wrapped.
    qreal turn = 0;
    qreal thrust = 0;
    if (vectorX != 0 || vectorY != 0) {
        const float target = float(std::atan2(vectorX, vectorY));
        qreal difference = target - angle;
        // A heading far out of range (a level's hostile start angle) would
        // take the loops below ages, or for ever when it is infinite: bring
        // it near first. Headings a turn or two off are left to the loops.
        if (!(std::fabs(difference) < 64 * wrapTwoPi))
            difference = std::remainder(difference, double(wrapTwoPi));
        while (difference < -wrapPi)
            difference += wrapTwoPi;
        while (difference > wrapPi)
            difference -= wrapTwoPi;
        if (difference < -turningFactor)
            turn = -turningFactor;
        else if (difference > turningFactor)
            turn = turningFactor;
        else
            turn = difference;
        angle += turn;
        thrust = vectorY * std::cos(double(target)) + vectorX * std::sin(double(target));
    }

    ship->setProperty("tilt", QVariant(float(-turn)));
    ship->setProperty("angle", QVariant(float(angle)));
    qDebug() << "angle set: " << angle;

    // Speed: thrust only with petrol; without it there is no lower limit.
    if (petrolRead > 0)
        speed = speed + thrust * accFactor;
    const qreal slowed = speed / resistanceFactor;
    qreal newSpeed;
    if (slowed < minSpeed && petrolRead != 0)
        newSpeed = minSpeed;
    else
        newSpeed = std::min(slowed, qreal(maxSpeed));
    ship->setProperty("speed", QVariant(float(newSpeed)));

    // Position: the products are rounded to float before the division.
    const qreal realX = ship->property("realX").toReal()
                        + float(std::sin(angle) * newSpeed) / fps;
    const qreal realY = ship->property("realY").toReal()
                        - float(std::cos(angle) * newSpeed) / fps;
    ship->setProperty("realX", QVariant(float(realX)));
    ship->setProperty("realY", QVariant(float(realY)));
    ship->setProperty("x", QVariant(std::floor(double(float(realX)))));
    ship->setProperty("y", QVariant(std::floor(double(float(realY)))));

    // Fuel: one burn step per call; the call that empties the tank starts
    // the free fall.
    float petrol = float(petrolRead);
    if (petrolRead > 0)
        petrol = float(petrolRead - 1.0 / (double(fps) * double(petrolTime)));
    if (petrol < 0)
        petrol = 0;
    ship->setProperty("petrol", QVariant(petrol));
    if (petrolRead > 0 && petrol == 0)
        startFreeFall();
}

void GameEngine::refreshSteer()
{
    updateSteer(1.0f);
}
