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

// Xlib reports a lost X server itself, on standard error, from whichever
// thread meets the loss first (the render thread, say), and only then ends
// the process: into a full pipe that report would wait for ever. This hands
// it to the writer instead. Call once the application object exists.
void takeOverXlibReports();

} // namespace DebugOutput
