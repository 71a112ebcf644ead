#pragma once

// Builds every long-lived object of the game, wires them, runs the event loop
// and tears everything down again. Returns the program's exit status.
int runCirrovanta(int argc, char *argv[]);
