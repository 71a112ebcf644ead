#include "sensors/desktoptiltaccelerometer.h"

#include "sensors/desktoptiltinput.h"
#include "sensors/tiltreading.h"

// The keys and mouse ease by steps of their own length; the base class times
// those steps by tiltStepSeconds.
static_assert(DesktopTiltInput::stepSeconds == tiltStepSeconds);

DesktopTiltAccelerometer::DesktopTiltAccelerometer(QSensor *sensor, DesktopTiltInput *input)
    : TiltSensorBackend(sensor, 1.0 / DesktopTiltInput::stepSeconds, 9.80665,
                        QStringLiteral("Tilt from arrow keys, WASD or the mouse")),
      input(input)
{
}

void DesktopTiltAccelerometer::step()
{
    stepSource(input);
}
