#pragma once

#include <QVector3D>

// Shared by the tilt sources that emulate a device's accelerometer (gamepad
// stick and D-pad, touch drags): they all ease the same way and report what a
// phone held in landscape reads, so the engine cannot tell them apart.

inline constexpr float maxTiltDegrees = 30.0f;
inline constexpr float tiltStepSeconds = 0.02f;

// One step of tiltStepSeconds from current towards target, in degrees; full
// tilt is reached in a tenth of a second, as with the keys.
float easeTilt(float current, float target);

// What the device's accelerometer reads, in m/s² in Qt's axes of a device in
// portrait, when it is tilted right by `right` degrees (right edge down) and
// up by `up` degrees (top edge down), held in landscape with its top edge on
// the right.
QVector3D tiltDeviceReading(float right, float up);

// A game controller's accelerometer reading in SDL's frame (x to the right,
// y up out of the face with the buttons, z towards the player; m/s²) as the
// phone would read it: the controller held flat in front of the player is
// the phone lying flat in landscape, its far edge the phone's top edge.
QVector3D controllerDeviceReading(float x, float y, float z);
