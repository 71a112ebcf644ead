#include "sensors/rotationfilter.h"

RotationFilter::RotationFilter() = default;

bool RotationFilter::filter(QRotationReading *reading)
{
    const float x = float(reading->x());
    const float y = float(reading->y());
    const float z = float(reading->z());
    emit rotationChanged(QVariant(-x), QVariant(y), QVariant(z));
    return false;
}
