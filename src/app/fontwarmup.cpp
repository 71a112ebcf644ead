#include "app/fontwarmup.h"

#include <QFontDatabase>
#include <QStringList>

#include <dlfcn.h>

namespace {

// Fontconfig's own start-up (reading its XML configuration and the font
// cache) is nearly all of what the font database costs. Fontconfig is
// already loaded with Qt's GUI library, so its FcInit is looked up rather
// than linked; without it the font database does the work when first asked.
void startFontconfig()
{
    using Init = int (*)();
    if (const auto init = reinterpret_cast<Init>(dlsym(RTLD_DEFAULT, "FcInit")))
        init();
}

} // namespace

FontWarmUp::FontWarmUp()
    : worker([this] {
          startFontconfig();
          std::unique_lock<std::mutex> lock(mutex);
          ready.wait(lock, [this] { return applicationReady; });
          lock.unlock();
          (void)QFontDatabase::families();
      })
{
}

void FontWarmUp::applicationCreated()
{
    {
        const std::lock_guard<std::mutex> lock(mutex);
        applicationReady = true;
    }
    ready.notify_one();
}

void FontWarmUp::finish()
{
    applicationCreated(); // never left waiting
    if (worker.joinable())
        worker.join();
}

FontWarmUp::~FontWarmUp()
{
    finish();
}
