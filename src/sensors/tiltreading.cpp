#include "sensors/tiltreading.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr float standardGravity = 9.80665f;
constexpr float easingDegreesPerStep = maxTiltDegrees * tiltStepSeconds / 0.1f;
constexpr float degToRad = 0.017453292f;

} // namespace

float easeTilt(float current, float target)
{
    if (current < target)
        return std::min(current + easingDegreesPerStep, target);
    return std::max(current - easingDegreesPerStep, target);
}

QVector3D tiltDeviceReading(float right, float up)
{
    // Screen axes (x right, y up, z out of the screen): the reading points
    // away from the ground, so a lowered edge reads negative.
    const float screenX = -std::sin(right * degToRad);
    const float screenY = -std::sin(up * degToRad);
    const float screenZ = std::sqrt(std::max(0.0f, 1.0f - screenX * screenX - screenY * screenY));
    // In landscape with the top edge on the right the device's own x axis
    // points down the screen and its y axis to the right.
    return QVector3D(-screenY, screenX, screenZ) * standardGravity;
}

QVector3D controllerDeviceReading(float x, float y, float z)
{
    // Screen axes of the controller: right is its x, up the screen is away
    // from the player (-z), out of the screen is its y.
    const float screenX = x;
    const float screenY = -z;
    const float screenZ = y;
    return QVector3D(-screenY, screenX, screenZ);
}
