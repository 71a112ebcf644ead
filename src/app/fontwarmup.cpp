#include "app/fontwarmup.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QStringList>

FontWarmUp::FontWarmUp()
    : worker([] { (void)QFontDatabase::families(); })
{
}

FontWarmUp::~FontWarmUp()
{
    worker.join();
}

void FontWarmUp::openFaces()
{
    QFont font = QGuiApplication::font();
    const struct { bool bold, italic; } styles[] = { { false, false }, { true, false }, { true, true } };
    for (const auto &style : styles) {
        font.setBold(style.bold);
        font.setItalic(style.italic);
        (void)QFontMetricsF(font).height(); // loads the font engine
    }
}
