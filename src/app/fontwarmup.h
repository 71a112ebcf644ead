#pragma once

#include <condition_variable>
#include <mutex>
#include <thread>

// Reads the system's font configuration and font list on a worker thread.
// Fontconfig does that the first time any text is laid out, which on the way
// to the first frame would otherwise happen on the GUI thread after the QML
// documents are loaded. Started before the application object, the worker
// starts fontconfig while the GUI thread connects to the display, and fills
// Qt's font database once the application exists (applicationCreated()),
// while the GUI thread builds the view and loads the documents. The font
// database serialises its users, so text laid out meanwhile simply waits.
class FontWarmUp
{
public:
    FontWarmUp();
    ~FontWarmUp();

    FontWarmUp(const FontWarmUp &) = delete;
    FontWarmUp &operator=(const FontWarmUp &) = delete;

    void applicationCreated();
    // Waits for the worker; it uses the application object, so this comes
    // before that object goes.
    void finish();

private:
    std::mutex mutex;
    std::condition_variable ready;
    bool applicationReady = false;
    std::thread worker; // last: started once the members it uses exist
};
