#pragma once

#include <QString>

#include <thread>

class QQuickWindow;

// Reads the system's font configuration and font list on a worker thread.
// Fontconfig does that the first time any text is laid out, which on the way
// to the first frame would otherwise happen on the GUI thread after the QML
// documents are loaded; started once the documents are loading, it runs while
// the GUI thread makes the window and the engine. (Started any earlier, it
// shares the two cores of a small machine with the GUI thread while that
// connects to the display and builds the view, which costs more than it
// saves: 2.7 ms when fontconfig started before the application object, about
// 1.4 ms when right after it.) The font database serialises its users, so
// text laid out meanwhile simply waits.
class FontWarmUp
{
public:
    FontWarmUp();
    ~FontWarmUp();

    FontWarmUp(const FontWarmUp &) = delete;
    FontWarmUp &operator=(const FontWarmUp &) = delete;

    // Opens, for the calling thread, the default font (Qt measures every text
    // against it) and the fonts the first screen was drawn in at the last
    // start, as rememberFonts() listed them in the cache directory. Qt keeps
    // font engines per thread, so the worker cannot do this for the GUI
    // thread; the GUI thread does it at a moment it would otherwise wait,
    // while the loader thread reads the documents. A missing or damaged list
    // opens the default font only.
    static void openLastFonts();
    // Lists the fonts of the texts shown in the window now, for the next
    // start; the file is written only when the list differs.
    static void rememberFonts(const QQuickWindow &window);
    static QString fontListPath();

private:
    std::thread worker;
};
