// The images compiled into the program: exactly the expected set, rasters at
// their sizes, every drawing rendered by Qt's own SVG renderer without a
// complaint, and the aeroplanes facing up the screen.

#include "common/debuglines.h"
#include "common/scene.h"
#include "common/testenvironment.h"

#include <QImageReader>
#include <QPainter>
#include <QQuickItem>
#include <QSvgRenderer>

namespace {

const QStringList kArtwork = QStringLiteral(
    "bubble_bit.svg buoy1.svg buoy2.svg buoy3.svg buoy_hat.svg button_back.svg button_empty.svg "
    "button_facebook.svg button_info.svg button_soundoff.svg button_soundon.svg button_twitter.svg "
    "candleoff.svg candleon.svg cloud.png fog.png guide_horizontal.gif guide_vertical.gif "
    "hat_cadett.svg hat_cadett2.svg hat_captain.svg hat_officer.svg indicator_beltoff.svg "
    "indicator_belton.svg indicator_bg.svg indicator_fg.svg indicator_fueloff.svg "
    "indicator_fuelon.svg indicator_soundoff.svg indicator_soundon.svg level_bonus.svg "
    "level_unknown.svg lose.svg menu_bar.svg menu_bg.svg menu_bottom.svg menu_top.svg menubg.jpg "
    "msgex.svg plane_1.svg plane_1_shadow_1.svg plane_1_shadow_2.svg plane_2.svg "
    "plane_2_shadow_1.svg plane_2_shadow_2.svg plane_3.svg plane_3_shadow_1.svg "
    "plane_3_shadow_2.svg radar_bg.svg radar_center.svg radar_f.svg radar_fg.svg radar_fw.svg "
    "radar_fww.svg radar_fwww.svg rank_cadett.svg rank_captain.svg rank_officer.svg "
    "rank_officer2.svg cirrovanta_99.jpg spark1.png spark2.png win.svg").split(' ');

QString resourcePath(const QString &name)
{
    return QStringLiteral(":/images/") + name;
}

QImage renderSvg(const QString &name, const QSize &size)
{
    QSvgRenderer renderer(resourcePath(name));
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    return image;
}

// Bounding box of the pixels more opaque than the threshold.
QRect paintedArea(const QImage &image, int threshold = 0)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) > threshold)
                box |= QRect(x, y, 1, 1);
    return box;
}

int maxAlpha(const QImage &image)
{
    int most = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            most = qMax(most, qAlpha(image.pixel(x, y)));
    return most;
}

} // namespace

class ArtworkTest : public QObject
{
    Q_OBJECT

public:
    explicit ArtworkTest(const TestEnvironment &) {}

private slots:
    void theBundleHoldsExactlyTheArtwork()
    {
        QVERIFY2(QFile::exists(QStringLiteral(":/images/win.svg")),
                 "the image bundle is not registered in an executable linking the library");

        const QDir dir(QStringLiteral(":/images"));
        QStringList found = dir.entryList(QDir::Files, QDir::Name);
        QStringList expected = kArtwork;
        found.sort();
        expected.sort();
        QCOMPARE(expected.size(), 63);
        QCOMPARE(found, expected);
        QVERIFY(dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot).isEmpty());
    }

    void rastersDecodeAtTheirSizes_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("format");
        QTest::addColumn<QSize>("size");
        QTest::newRow("cloud obstacle") << "cloud.png" << QByteArray("png") << QSize(224, 164);
        QTest::newRow("fog layer") << "fog.png" << QByteArray("png") << QSize(213, 134);
        QTest::newRow("first spark") << "spark1.png" << QByteArray("png") << QSize(47, 50);
        QTest::newRow("second spark") << "spark2.png" << QByteArray("png") << QSize(51, 50);
        QTest::newRow("landscape guide, animated") << "guide_horizontal.gif" << QByteArray("gif") << QSize(640, 360);
        QTest::newRow("portrait guide, animated") << "guide_vertical.gif" << QByteArray("gif") << QSize(640, 360);
        QTest::newRow("menu background") << "menubg.jpg" << QByteArray("jpeg") << QSize(854, 480);
        QTest::newRow("title picture") << "cirrovanta_99.jpg" << QByteArray("jpeg") << QSize(600, 300);
    }

    void rastersDecodeAtTheirSizes()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, format);
        QFETCH(QSize, size);

        QImageReader reader(resourcePath(name));
        QCOMPARE(reader.format(), format);
        const QImage image = reader.read();
        QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
        QCOMPARE(image.size(), size);
        if (format != "gif")
            return;

        // The guides loop for ever, and their frames differ, or nothing moves.
        QVERIFY(reader.supportsAnimation());
        QVERIFY2(reader.imageCount() > 1, qPrintable(QString::number(reader.imageCount())));
        QCOMPARE(reader.loopCount(), -1);
        const QImage first = image.convertToFormat(QImage::Format_ARGB32);
        QImage later;
        while (reader.canRead())
            later = reader.read().convertToFormat(QImage::Format_ARGB32);
        QVERIFY(!later.isNull());
        QVERIFY(first != later);
        QVERIFY2(QFileInfo(resourcePath(name)).size() < 400 * 1024, "guide animation too heavy");
    }

    void fogIsSoftAndSeeThrough()
    {
        const QImage fog(resourcePath(QStringLiteral("fog.png")));
        QVERIFY(fog.hasAlphaChannel());
        const int most = maxAlpha(fog);
        QVERIFY2(most > 0, "fog is invisible");
        QVERIFY2(most < 255, "fog hides what is under it");
        // soft edges: the border of the picture is clear
        QCOMPARE(qAlpha(fog.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(fog.pixel(fog.width() - 1, fog.height() - 1)), 0);
    }

    void drawingsStayWithinTheTinyProfileAndRenderWithoutComplaint_data()
    {
        QTest::addColumn<QString>("name");
        for (const QString &name : kArtwork)
            if (name.endsWith(QLatin1String(".svg")))
                QTest::newRow(qPrintable(name)) << name;
    }

    void drawingsStayWithinTheTinyProfileAndRenderWithoutComplaint()
    {
        QFETCH(QString, name);

        QFile file(resourcePath(name));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray svg = file.readAll();
        QVERIFY(svg.contains("baseProfile=\"tiny\""));
        QVERIFY(svg.contains("viewBox=\""));
        // Pieces Qt's renderer ignores or the profile lacks; text would depend
        // on the fonts of the machine.
        for (const char *unsupported : {"<filter", "<style", "<mask", "<clipPath", "<text", "<image"})
            QVERIFY2(!svg.contains(unsupported), unsupported);

        // Qt's own renderer draws it without a complaint.
        const DebugLines collector;
        QSvgRenderer renderer(resourcePath(name));
        QVERIFY(renderer.isValid());
        const QSize size = renderer.defaultSize();
        QVERIFY(!size.isEmpty());
        QCOMPARE(renderer.viewBoxF().size(), QSizeF(size));

        const QImage image = renderSvg(name, size * 2);
        QVERIFY2(collector.warnings().isEmpty(), qPrintable(collector.warnings().join(QLatin1Char('\n'))));
        QVERIFY2(maxAlpha(image) > 0, "nothing drawn");
    }

    void planes_data()
    {
        QTest::addColumn<int>("plane");
        QTest::newRow("trainer") << 1;
        QTest::newRow("twin") << 2;
        QTest::newRow("jet") << 3;
    }

    void aeroplanesPointUpTheScreen_data() { planes_data(); }
    void aeroplanesPointUpTheScreen()
    {
        QFETCH(int, plane);
        const QImage image = renderSvg(QStringLiteral("plane_%1.svg").arg(plane), QSize(128, 128));
        const QRect box = paintedArea(image, 128);  // a running propeller is see-through
        // Heading 0 is up: the drawing spans the canvas and its centre line is
        // the vertical middle, so rotating the item turns it about its centre.
        QVERIFY2(box.height() > 100, qPrintable(QStringLiteral("height %1").arg(box.height())));
        QVERIFY(qAbs(box.center().x() - 64) <= 2);

        const auto opaqueSpan = [&image](int y) {
            int left = image.width(), right = -1;
            for (int x = 0; x < image.width(); ++x)
                if (qAlpha(image.pixel(x, y)) > 128) {
                    left = qMin(left, x);
                    right = qMax(right, x);
                }
            return qMakePair(left, right);
        };
        int span = 0;
        for (int y = box.top(); y <= box.bottom(); ++y) {
            const auto row = opaqueSpan(y);
            span = qMax(span, row.second - row.first + 1);
        }
        QVERIFY2(span > 96, "wings too short");

        // The narrow, centred nose is at the top; the wider tailplane at the bottom.
        const auto nose = opaqueSpan(box.top() + 10);
        const auto tail = opaqueSpan(box.bottom() - 10);
        QVERIFY(nose.second >= nose.first);
        QVERIFY(qAbs((nose.first + nose.second) / 2 - 64) <= 3);
        QVERIFY2(nose.second - nose.first < tail.second - tail.first,
                 qPrintable(QStringLiteral("nose %1 wide, tail %2 wide")
                                .arg(nose.second - nose.first)
                                .arg(tail.second - tail.first)));
    }

    void farShadowIsSmallerAndFainterThanNearShadow_data() { planes_data(); }
    void farShadowIsSmallerAndFainterThanNearShadow()
    {
        QFETCH(int, plane);

        const QImage nearShadow = renderSvg(QStringLiteral("plane_%1_shadow_1.svg").arg(plane), QSize(128, 128));
        const QImage farShadow = renderSvg(QStringLiteral("plane_%1_shadow_2.svg").arg(plane), QSize(128, 128));
        QVERIFY(maxAlpha(nearShadow) < 255);  // see-through, the ground shows
        QVERIFY(maxAlpha(farShadow) < maxAlpha(nearShadow));
        const QRect nearBox = paintedArea(nearShadow);
        const QRect farBox = paintedArea(farShadow);
        QVERIFY(farBox.width() < nearBox.width());
        QVERIFY(farBox.height() < nearBox.height());
        // both centred on the aeroplane's centre, so the shadow can be offset freely
        QVERIFY(qAbs(nearBox.center().x() - farBox.center().x()) <= 2);
    }

    void qmlFindsImagesByQrcUrl_data()
    {
        QTest::addColumn<QString>("element");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size");
        QTest::newRow("drawing") << "Image" << "plane_1.svg" << QSize(64, 64);
        QTest::newRow("png") << "Image" << "cloud.png" << QSize(224, 164);
        QTest::newRow("jpeg") << "Image" << "menubg.jpg" << QSize(854, 480);
        QTest::newRow("animation") << "AnimatedImage" << "guide_vertical.gif" << QSize(640, 360);
    }

    void qmlFindsImagesByQrcUrl()
    {
        QFETCH(QString, element);
        QFETCH(QString, name);
        QFETCH(QSize, size);

        QQmlEngine engine;
        const auto object = createScene(
            engine, QStringLiteral("import QtQuick\n%1 { source: \"qrc:/images/%2\" }").arg(element, name).toUtf8());
        QVERIFY(object);
        auto *item = qobject_cast<QQuickItem *>(object.get());
        QVERIFY(item);
        // 1 is Image.Ready
        QTRY_COMPARE(item->property("status").toInt(), 1);
        QCOMPARE(QSizeF(item->implicitWidth(), item->implicitHeight()), QSizeF(size));
    }
};

CIRROVANTA_TEST_MAIN(ArtworkTest)
#include "tst_artwork.moc"
