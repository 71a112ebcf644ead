#include "sensors/takeoveraccelerometer.h"

#include "sensors/steeringswitch.h"
#include "sensors/tiltreading.h"

TakeoverAccelerometer::TakeoverAccelerometer(QSensor *sensor, SteeringSwitch *source)
    : TiltSensorBackend(sensor, 1.0 / tiltStepSeconds, 4 * 9.80665,
                        QStringLiteral("Tilt from game controllers and touch")),
      source(source)
{
}

void TakeoverAccelerometer::step()
{
    stepSource(source);
}
