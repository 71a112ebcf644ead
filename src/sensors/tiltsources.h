#pragma once

#include <QByteArray>
#include <QString>

class QWindow;

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
