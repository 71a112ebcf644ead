#include "app/fontwarmup.h"

#include <QFontDatabase>
#include <QStringList>

FontWarmUp::FontWarmUp()
    : worker([] { (void)QFontDatabase::families(); })
{
}

FontWarmUp::~FontWarmUp()
{
    worker.join();
}
