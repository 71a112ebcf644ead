#pragma once

#include <thread>

// Reads the system's font configuration and font list on a worker thread.
// Fontconfig does that the first time any text is laid out, which on the way
// to the first frame would otherwise happen on the GUI thread after the QML
// documents are loaded; started right after the application object, it runs
// while the GUI thread builds the view and loads the documents. The font
// database serialises its users, so text laid out meanwhile simply waits.
class FontWarmUp
{
public:
    FontWarmUp();
    ~FontWarmUp();

    FontWarmUp(const FontWarmUp &) = delete;
    FontWarmUp &operator=(const FontWarmUp &) = delete;

private:
    std::thread worker;
};
