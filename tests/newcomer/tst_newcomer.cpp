// The game's main document in the Quick Test window on a real X server, wired
// as start-up wires it (common/gameharness.h), with the desktop's tilt source
// on that window and xdotool for real key presses.
#include "common/gameharness.h"

#include <QtQuickTest>

QUICK_TEST_MAIN_WITH_SETUP(newcomer, GameSetup)
