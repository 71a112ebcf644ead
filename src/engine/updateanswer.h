#pragma once

#include <QString>

#include <optional>

class QIODevice;

// Reads an update server's answer line by line, a line being at most 1023
// bytes, and writes the debug lines of the check. The first line that
// announces a version newer than 1.0 gives the download location; nothing
// when no line does or when a line ends the reading early.
std::optional<QString> newerVersionLocation(QIODevice &answer);
