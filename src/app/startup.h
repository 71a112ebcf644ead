#pragma once

#include <functional>

class QQuickView;

// Builds every long-lived object of the game, wires them, runs the event loop
// and tears everything down again. Returns the program's exit status.
// beforeEventLoop, when given, sees the shown view once start-up is complete
// and before the first frame can be drawn (the benchmarks watch it).
int runCirrovanta(int argc, char *argv[],
                  const std::function<void(QQuickView &)> &beforeEventLoop = {});
