#pragma once

#include <QByteArray>
#include <QString>

class DesktopTiltInput;
class QWindow;

// How a tilt becomes steering. Every source reports what a device's
// accelerometer reads in Qt's axes (x right, y up, z out of the screen in the
// device's portrait orientation, +9.8 m/s² on z lying face up). The device is
// held in landscape with its top edge on the right, so the game's axes
// (y, -x, z) from AccelerometerFilter are the screen's: right, up, out.
// The engine turns them into angles on the "steer" item; lying flat gives
// rawangleX = rawangleY = 90. Lowering the right edge by t degrees raises
// rawangleY to 90 + t; lowering the top edge by t raises rawangleX to 90 + t.
// The scene derives the steering vector from them ("marble" rule: the
// aeroplane heads for the lowered edge), with the stored calibration angles
// cx, cy holding the player's neutral tilt as offsets from level:
//   vectorX = clamp((rawangleY - 90 - cy) / 30, -1, 1)   right is positive
//   vectorY = clamp((rawangleX - 90 - cx) / 30, -1, 1)   up the screen is positive
// Calibrating stores (rawangleX - 90, rawangleY - 90, rawangleZ); rawangleZ
// and axisY are not needed for steering.

// Identifiers of the game's own accelerometer backends.
inline constexpr char iioTiltSourceId[] = "cirrovanta.iio";
inline constexpr char desktopTiltSourceId[] = "cirrovanta.desktop";

// Chooses where the tilt comes from and returns the identifier of the
// accelerometer backend to read (empty: Qt's own default). In order of
// preference: an accelerometer backend that Qt itself provides (not its
// "dummy" one); the kernel's IIO accelerometer under iioRoot; keys and mouse
// over the window. The choice is shown by TiltSourceInfo::forWindow(window).
QByteArray registerTiltSources(QWindow *window,
                               const QString &iioRoot = QStringLiteral("/sys/bus/iio/devices"));

// The window's keys-and-mouse tilt, created on first use; null without a
// window. The IIO source falls back to it when its device goes away.
DesktopTiltInput *desktopTiltInput(QWindow *window);
