// The images compiled into the program: exactly the expected set, rasters at
// their sizes, every drawing rendered by Qt's own SVG renderer without a
// complaint, and the aeroplanes facing up the screen.

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

const QStringList kArtwork = {
    QStringLiteral("bubble_bit.svg"), QStringLiteral("buoy1.svg"), QStringLiteral("buoy2.svg"),
    QStringLiteral("buoy3.svg"), QStringLiteral("buoy_hat.svg"), QStringLiteral("button_back.svg"),
    QStringLiteral("button_empty.svg"), QStringLiteral("button_facebook.svg"),
    QStringLiteral("button_info.svg"), QStringLiteral("button_soundoff.svg"),
    QStringLiteral("button_soundon.svg"), QStringLiteral("button_twitter.svg"),
    QStringLiteral("candleoff.svg"), QStringLiteral("candleon.svg"), QStringLiteral("cloud.png"),
    QStringLiteral("fog.png"), QStringLiteral("guide_horizontal.gif"),
    QStringLiteral("guide_vertical.gif"), QStringLiteral("hat_cadett.svg"),
    QStringLiteral("hat_cadett2.svg"), QStringLiteral("hat_captain.svg"),
    QStringLiteral("hat_officer.svg"), QStringLiteral("indicator_beltoff.svg"),
    QStringLiteral("indicator_belton.svg"), QStringLiteral("indicator_bg.svg"),
    QStringLiteral("indicator_fg.svg"), QStringLiteral("indicator_fueloff.svg"),
    QStringLiteral("indicator_fuelon.svg"), QStringLiteral("indicator_soundoff.svg"),
    QStringLiteral("indicator_soundon.svg"), QStringLiteral("level_bonus.svg"),
    QStringLiteral("level_unknown.svg"), QStringLiteral("lose.svg"), QStringLiteral("menu_bar.svg"),
    QStringLiteral("menu_bg.svg"), QStringLiteral("menu_bottom.svg"), QStringLiteral("menu_top.svg"),
    QStringLiteral("menubg.jpg"), QStringLiteral("msgex.svg"), QStringLiteral("plane_1.svg"),
    QStringLiteral("plane_1_shadow_1.svg"), QStringLiteral("plane_1_shadow_2.svg"),
    QStringLiteral("plane_2.svg"), QStringLiteral("plane_2_shadow_1.svg"),
    QStringLiteral("plane_2_shadow_2.svg"), QStringLiteral("plane_3.svg"),
    QStringLiteral("plane_3_shadow_1.svg"), QStringLiteral("plane_3_shadow_2.svg"),
    QStringLiteral("radar_bg.svg"), QStringLiteral("radar_center.svg"), QStringLiteral("radar_f.svg"),
    QStringLiteral("radar_fg.svg"), QStringLiteral("radar_fw.svg"), QStringLiteral("radar_fww.svg"),
    QStringLiteral("radar_fwww.svg"), QStringLiteral("rank_cadett.svg"),
    QStringLiteral("rank_captain.svg"), QStringLiteral("rank_officer.svg"),
    QStringLiteral("rank_officer2.svg"), QStringLiteral("cirrovanta_99.jpg"),
    QStringLiteral("spark1.png"), QStringLiteral("spark2.png"), QStringLiteral("win.svg"),
};

QString resourcePath(const QString &name)
{
    return QStringLiteral(":/images/") + name;
}

// Collects every warning while installed, passing all messages on as before.
class WarningCollector
{
public:
    WarningCollector()
    {
        s_warnings.clear();
        s_previous = qInstallMessageHandler(&WarningCollector::handle);
    }
    ~WarningCollector() { qInstallMessageHandler(s_previous); }
    QStringList warnings() const { return s_warnings; }

private:
    static void handle(QtMsgType type, const QMessageLogContext &context, const QString &message)
    {
        if (type == QtWarningMsg || type == QtCriticalMsg || type == QtFatalMsg)
            s_warnings << message;
        if (s_previous)
            s_previous(type, context, message);
    }
    static inline QStringList s_warnings;
    static inline QtMessageHandler s_previous = nullptr;
};

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

private slots:
    void theBundleHoldsExactlyTheArtwork();
    void rastersDecodeAtTheirSizes_data();
    void rastersDecodeAtTheirSizes();
    void guidesAreAnimated_data();
    void guidesAreAnimated();
    void fogIsSoftAndSeeThrough();
    void drawingsStayWithinTheTinyProfile_data();
    void drawingsStayWithinTheTinyProfile();
    void drawingsRenderWithoutComplaint_data();
    void drawingsRenderWithoutComplaint();
    void aeroplanesPointUpTheScreen_data();
    void aeroplanesPointUpTheScreen();
    void farShadowIsSmallerAndFainterThanNearShadow_data();
    void farShadowIsSmallerAndFainterThanNearShadow();
    void qmlFindsImagesByQrcUrl_data();
    void qmlFindsImagesByQrcUrl();
};

void ArtworkTest::theBundleHoldsExactlyTheArtwork()
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

void ArtworkTest::rastersDecodeAtTheirSizes_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("format");
    QTest::addColumn<QSize>("size");
    QTest::newRow("cloud obstacle") << "cloud.png" << QByteArray("png") << QSize(224, 164);
    QTest::newRow("fog layer") << "fog.png" << QByteArray("png") << QSize(213, 134);
    QTest::newRow("first spark") << "spark1.png" << QByteArray("png") << QSize(47, 50);
    QTest::newRow("second spark") << "spark2.png" << QByteArray("png") << QSize(51, 50);
    QTest::newRow("landscape guide") << "guide_horizontal.gif" << QByteArray("gif") << QSize(640, 360);
    QTest::newRow("portrait guide") << "guide_vertical.gif" << QByteArray("gif") << QSize(640, 360);
    QTest::newRow("menu background") << "menubg.jpg" << QByteArray("jpeg") << QSize(854, 480);
    QTest::newRow("title picture") << "cirrovanta_99.jpg" << QByteArray("jpeg") << QSize(600, 300);
}

void ArtworkTest::rastersDecodeAtTheirSizes()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, format);
    QFETCH(QSize, size);

    QImageReader reader(resourcePath(name));
    QCOMPARE(reader.format(), format);
    const QImage image = reader.read();
    QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
    QCOMPARE(image.size(), size);
}

void ArtworkTest::guidesAreAnimated_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("landscape guide") << "guide_horizontal.gif";
    QTest::newRow("portrait guide") << "guide_vertical.gif";
}

void ArtworkTest::guidesAreAnimated()
{
    QFETCH(QString, name);

    QImageReader reader(resourcePath(name));
    QVERIFY(reader.supportsAnimation());
    QVERIFY2(reader.imageCount() > 1, qPrintable(QString::number(reader.imageCount())));
    QCOMPARE(reader.loopCount(), -1);  // loops for ever

    // Frames must differ, otherwise the "animation" shows nothing moving.
    const QImage first = reader.read().convertToFormat(QImage::Format_ARGB32);
    QImage later;
    while (reader.canRead())
        later = reader.read().convertToFormat(QImage::Format_ARGB32);
    QVERIFY(!later.isNull());
    QVERIFY(first != later);

    QVERIFY2(QFileInfo(resourcePath(name)).size() < 400 * 1024, "guide animation too heavy");
}

void ArtworkTest::fogIsSoftAndSeeThrough()
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

void ArtworkTest::drawingsStayWithinTheTinyProfile_data()
{
    QTest::addColumn<QString>("name");
    for (const QString &name : kArtwork)
        if (name.endsWith(QLatin1String(".svg")))
            QTest::newRow(qPrintable(name)) << name;
}

void ArtworkTest::drawingsStayWithinTheTinyProfile()
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
}

void ArtworkTest::drawingsRenderWithoutComplaint_data()
{
    drawingsStayWithinTheTinyProfile_data();
}

void ArtworkTest::drawingsRenderWithoutComplaint()
{
    QFETCH(QString, name);

    const WarningCollector collector;
    QSvgRenderer renderer(resourcePath(name));
    QVERIFY(renderer.isValid());
    const QSize size = renderer.defaultSize();
    QVERIFY(!size.isEmpty());
    QCOMPARE(renderer.viewBoxF().size(), QSizeF(size));

    const QImage image = renderSvg(name, size * 2);
    QVERIFY2(collector.warnings().isEmpty(), qPrintable(collector.warnings().join(QLatin1Char('\n'))));
    QVERIFY2(maxAlpha(image) > 0, "nothing drawn");
}

void ArtworkTest::aeroplanesPointUpTheScreen_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("trainer") << "plane_1.svg";
    QTest::newRow("twin") << "plane_2.svg";
    QTest::newRow("jet") << "plane_3.svg";
}

void ArtworkTest::aeroplanesPointUpTheScreen()
{
    QFETCH(QString, name);

    const QImage image = renderSvg(name, QSize(128, 128));
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

void ArtworkTest::farShadowIsSmallerAndFainterThanNearShadow_data()
{
    QTest::addColumn<int>("plane");
    QTest::newRow("trainer") << 1;
    QTest::newRow("twin") << 2;
    QTest::newRow("jet") << 3;
}

void ArtworkTest::farShadowIsSmallerAndFainterThanNearShadow()
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

void ArtworkTest::qmlFindsImagesByQrcUrl_data()
{
    QTest::addColumn<QString>("element");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    QTest::newRow("drawing") << "Image" << "plane_1.svg" << QSize(64, 64);
    QTest::newRow("png") << "Image" << "cloud.png" << QSize(224, 164);
    QTest::newRow("jpeg") << "Image" << "menubg.jpg" << QSize(854, 480);
    QTest::newRow("animation") << "AnimatedImage" << "guide_vertical.gif" << QSize(640, 360);
}

void ArtworkTest::qmlFindsImagesByQrcUrl()
{
    QFETCH(QString, element);
    QFETCH(QString, name);
    QFETCH(QSize, size);

    QQmlEngine engine;
    QQmlComponent component(&engine);
    component.setData(QStringLiteral("import QtQuick\n%1 { source: \"qrc:/images/%2\" }")
                          .arg(element, name)
                          .toUtf8(),
                      QUrl());
    std::unique_ptr<QObject> object(component.create());
    QVERIFY2(object, qPrintable(component.errorString()));
    auto *item = qobject_cast<QQuickItem *>(object.get());
    QVERIFY(item);
    // 1 is Image.Ready
    QTRY_COMPARE(item->property("status").toInt(), 1);
    QCOMPARE(QSizeF(item->implicitWidth(), item->implicitHeight()), QSizeF(size));
}

int main(int argc, char **argv)
{
    // A world of its own: private runtime and settings directories.
    QTemporaryDir home;
    if (!home.isValid())
        return 1;
    const QString runtime = home.filePath(QStringLiteral("runtime"));
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(QStringLiteral("config"))));

    QGuiApplication app(argc, argv);
    ArtworkTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "tst_artwork.moc"
