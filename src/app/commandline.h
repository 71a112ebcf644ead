#pragma once

#include <optional>
#include <string>

// The game takes no options of its own. Two questions are answered before
// any Qt object exists, so they work without a display: "--version" and
// "--help". For these this returns the text to print (the program then exits
// with status 0); for anything else it returns nothing, and the arguments go
// to Qt as they are.
std::optional<std::string> commandLineAnswer(int argc, const char *const argv[]);
