#include "sensors/accelerometerfilter.h"

AccelerometerFilter::AccelerometerFilter() = default;

bool AccelerometerFilter::filter(QAccelerometerReading *reading)
{
    const float x = float(reading->x());
    const float y = float(reading->y());
    const float z = float(reading->z());
    emit accChanged(QVariant(y), QVariant(-x), QVariant(z));
    return false;
}
