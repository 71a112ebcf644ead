#pragma once

#include <QByteArray>

class QWindow;

// Registers the accelerometer backends this machine can use and returns the
// identifier of the one the game should read (empty: Qt's own default).
QByteArray registerTiltSources(QWindow *window);
