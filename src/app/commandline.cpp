#include "app/commandline.h"

#include <cstring>

namespace {

const char helpText[]
    = "Usage: cirrovanta [Qt options]\n"
      "\n"
      "Cirrovanta is a tilt-steered flying and landing game. Tilt the device (held\n"
      "in landscape) and the aeroplane turns towards the tilt; keep an eye on the\n"
      "petrol, miss the terrain, burst the buoys on the way and land on the runway.\n"
      "\n"
      "Without an accelerometer the game steers by keyboard or mouse:\n"
      "  left/right arrow keys   turn while held (or A, D); let go: straight on\n"
      "  up/down arrow keys      open or close the throttle (or W, S); it stays\n"
      "  mouse over the window   steer towards the pointer once it moves in flight\n"
      "  Return, Enter, Space    press the focused button\n"
      "  Escape or Back          one step back; in flight, pause\n"
      "\n"
      "Results and settings are kept in ~/.config/Velmoran/QtCirrovanta.conf\n"
      "(under $XDG_CONFIG_HOME when it is set).\n"
      "\n"
      "Options:\n"
      "  --help      show this text and exit\n"
      "  --version   show the version and exit\n"
      "Every other argument is handed to Qt, for example -platform offscreen.\n";

} // namespace

std::optional<std::string> commandLineAnswer(int argc, const char *const argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (!argv[i])
            continue;
        if (std::strcmp(argv[i], "--version") == 0)
            return std::string("cirrovanta " CIRROVANTA_VERSION "\n");
        if (std::strcmp(argv[i], "--help") == 0)
            return std::string(helpText);
    }
    return std::nullopt;
}
