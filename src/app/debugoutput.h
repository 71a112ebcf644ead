#pragma once

// Where the game's debug lines go. An ordinary run writes none: Qt's logging
// rules bring them back (QT_LOGGING_RULES="*.debug=true" or
// "default.debug=true"), with the texts unchanged. Whatever is written goes
// through a writer thread, so a full pipe on standard error (one nobody reads)
// costs the game lines, never its GUI thread.
namespace DebugOutput {

// Debug lines off unless the logging rules of the environment ask for them.
void quietByDefault();

// Routes every message through the writer; call once, early in main.
void install();

} // namespace DebugOutput
