#include "app/fontwarmup.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSaveFile>
#include <QStandardPaths>
#include <QStringList>

FontWarmUp::FontWarmUp()
    : worker([] { (void)QFontDatabase::families(); })
{
}

FontWarmUp::~FontWarmUp()
{
    worker.join();
}

namespace {

// More than a first screen needs; a longer or damaged list is cut there.
constexpr int maxFonts = 12;
constexpr qint64 maxListBytes = 4096;

// As read at this start: rememberFonts() writes only a different list.
QStringList lastFonts;

// A size that lays out text; a damaged list could ask for any.
bool usable(const QFont &font)
{
    const double size = font.pixelSize() > 0 ? font.pixelSize() : font.pointSizeF();
    return size > 0 && size <= 512;
}

void collectFonts(const QQuickItem *item, QStringList &fonts)
{
    if (!item->isVisible() || fonts.size() >= maxFonts)
        return;
    if (item->inherits("QQuickText")) {
        const QString font = item->property("font").value<QFont>().toString();
        if (!fonts.contains(font))
            fonts.append(font);
    }
    const QList<QQuickItem *> children = item->childItems();
    for (const QQuickItem *child : children)
        collectFonts(child, fonts);
}

} // namespace

QString FontWarmUp::fontListPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::CacheLocation)
        + QStringLiteral("/first-screen-fonts");
}

void FontWarmUp::openLastFonts()
{
    (void)QFontMetricsF(QGuiApplication::font()).height(); // loads the font engine
    lastFonts.clear();
    QFile list(fontListPath());
    if (!list.open(QIODevice::ReadOnly))
        return;
    const QList<QByteArray> lines = list.read(maxListBytes).split('\n');
    for (const QByteArray &line : lines) {
        // A family name alone would pass for a font; a description has them all.
        QFont font;
        if (lastFonts.size() < maxFonts && line.count(',') >= 9
            && font.fromString(QString::fromUtf8(line)) && usable(font)) {
            lastFonts.append(font.toString());
            (void)QFontMetricsF(font).height();
        }
    }
}

void FontWarmUp::rememberFonts(const QQuickWindow &window)
{
    QStringList fonts;
    collectFonts(window.contentItem(), fonts);
    if (fonts == lastFonts)
        return;
    const QString path = fontListPath();
    QDir().mkpath(QFileInfo(path).path());
    QSaveFile out(path);
    if (out.open(QIODevice::WriteOnly) && out.write(fonts.join(QLatin1Char('\n')).toUtf8()) >= 0 && out.commit())
        lastFonts = fonts;
}
