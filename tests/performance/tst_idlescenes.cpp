// The title's demo flight builds no flight instruments (they would only cost
// start-up time and memory behind the menu), a real flight builds them, and a
// menu's background keeps nothing running at the display's rate, so a menu
// left open draws a few frames a second rather than sixty.
#include "common/testenvironment.h"
#include "engine/gameengine.h"
#include "persistence/settings.h"

#include <QLoggingCategory>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickItem>
#include <QSet>

#include <memory>

namespace {

const QString componentsDir = QStringLiteral(CIRROVANTA_SOURCE_DIR "/qml/Cirrovanta/components/");

// Every object of a scene: the items (a Repeater's delegates are items of the
// scene but not its QObject children) and the objects each item owns, such as
// its animations and timers.
void collectScene(QQuickItem *item, QSet<QObject *> &out)
{
    out.insert(item);
    for (QObject *child : item->findChildren<QObject *>())
        out.insert(child);
    for (QQuickItem *child : item->childItems())
        collectScene(child, out);
}

} // namespace

class TestIdleScenes : public QObject
{
    Q_OBJECT

public:
    explicit TestIdleScenes(TestEnvironment &) {}

private slots:
    void initTestCase();
    void instrumentsAreBuiltOnlyForARealFlight_data();
    void instrumentsAreBuiltOnlyForARealFlight();
    void engineWarningsOnTheDemoFlightAreDroppedQuietly();
    void aMenuBackgroundRunsNothingAtTheDisplaysRate();
    void aPictureIsRenderedOnceAtItsFinalSize_data();
    void aPictureIsRenderedOnceAtItsFinalSize();

private:
    // Creates a document placed among the components, so it sees them by name.
    std::unique_ptr<QObject> create(const QByteArray &document);

    Settings settings;
    std::unique_ptr<GameEngine> engine;
    QQmlEngine qml;
};

void TestIdleScenes::initTestCase()
{
    engine = std::make_unique<GameEngine>(nullptr, &settings);
    engine->setMuted(true);
    qml.rootContext()->setContextProperty(QStringLiteral("GameEngine"), engine.get());
}

std::unique_ptr<QObject> TestIdleScenes::create(const QByteArray &document)
{
    QQmlComponent component(&qml);
    component.setData(document, QUrl::fromLocalFile(componentsDir + "idleScenesProbe.qml"));
    std::unique_ptr<QObject> object(component.create());
    if (!object)
        qWarning().noquote() << component.errorString();
    return object;
}

void TestIdleScenes::instrumentsAreBuiltOnlyForARealFlight_data()
{
    QTest::addColumn<bool>("demo");
    QTest::addColumn<bool>("instruments");
    QTest::newRow("the title's demo flight has none") << true << false;
    QTest::newRow("a real flight has them, on the level") << false << true;
}

void TestIdleScenes::instrumentsAreBuiltOnlyForARealFlight()
{
    QFETCH(bool, demo);
    QFETCH(bool, instruments);
    const auto level = create(QByteArray("import QtQuick\nLevel {\n    demo: ")
                              + (demo ? "true" : "false") + "\n    Airplane {}\n}\n");
    QVERIFY(level);
    auto *hud = qvariant_cast<QObject *>(level->property("hud"));
    QCOMPARE(hud != nullptr, instruments);
    if (!hud)
        return;
    QCOMPARE(qobject_cast<QQuickItem *>(hud)->parentItem(), qobject_cast<QQuickItem *>(level.get()));

    // The engine's calls reach the instruments.
    QVERIFY(QMetaObject::invokeMethod(level.get(), "seatbeltsSign", Q_ARG(QVariant, true)));
    QVERIFY(QMetaObject::invokeMethod(level.get(), "groundWarning", Q_ARG(QVariant, true)));
    QCOMPARE(hud->property("seatbelts").toBool(), true);
    QCOMPARE(hud->property("groundWarning").toBool(), true);
}

void TestIdleScenes::engineWarningsOnTheDemoFlightAreDroppedQuietly()
{
    const auto level = create("import QtQuick\nLevel {\n    demo: true\n    Airplane {}\n}\n");
    QVERIFY(level);
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
    QVERIFY(QMetaObject::invokeMethod(level.get(), "showWarningText",
                                      Q_ARG(QVariant, QStringLiteral("Pull up!")),
                                      Q_ARG(QVariant, 1500)));
    QVERIFY(QMetaObject::invokeMethod(level.get(), "groundWarning", Q_ARG(QVariant, true)));
    QVERIFY(QMetaObject::invokeMethod(level.get(), "seatbeltsSign", Q_ARG(QVariant, true)));
}

void TestIdleScenes::aMenuBackgroundRunsNothingAtTheDisplaysRate()
{
    const auto background = create("import QtQuick\nMenuBackground { width: 854; height: 480 }\n");
    QVERIFY(background);
    QSet<QObject *> scene;
    collectScene(qobject_cast<QQuickItem *>(background.get()), scene);
    int clouds = 0;
    for (QObject *child : std::as_const(scene)) {
        if (child->inherits("QQuickAbstractAnimation"))
            QVERIFY2(!child->property("running").toBool(), "an animation runs behind the menu");
        // A timer that moves things is fine as long as it ticks a few times a second.
        if (child->inherits("QQmlTimer") && child->property("running").toBool())
            QVERIFY2(child->property("interval").toInt() >= 100, "a timer ticks at frame rate");
        if (auto *item = qobject_cast<QQuickItem *>(child);
            item && item->property("name").toString() == QLatin1String("cloud.png"))
            ++clouds;
    }
    QCOMPARE(clouds, 3);
}

// Qt Quick logs every image it reads under "qt.quick.image"; the test counts
// the reads of one picture.
QStringList imageReads;
QtMessageHandler previousHandler = nullptr;

void recordImageReads(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (qstrcmp(context.category, "qt.quick.image") == 0 && message.contains(QLatin1String("QImageReader")))
        imageReads << message;
    previousHandler(type, context, message);
}

void TestIdleScenes::aPictureIsRenderedOnceAtItsFinalSize_data()
{
    // Sizes no other row or test asks for, so the picture cannot come from
    // the cache: the item's size, as there is no window to scale it.
    QTest::addColumn<QByteArray>("sizing");
    QTest::addColumn<QString>("rendered");
    QTest::newRow("sized by anchors") << QByteArray("anchors.fill: parent") << "QSize(34, 34)";
    QTest::newRow("sized directly") << QByteArray("width: 30; height: 30") << "QSize(30, 30)";
}

void TestIdleScenes::aPictureIsRenderedOnceAtItsFinalSize()
{
    QFETCH(QByteArray, sizing);
    QFETCH(QString, rendered);
    QLoggingCategory::setFilterRules(QStringLiteral("qt.quick.image.debug=true"));
    imageReads.clear();
    previousHandler = qInstallMessageHandler(recordImageReads);
    const auto item = create("import QtQuick\nItem {\n    width: 34; height: 34\n"
                             "    Picture { name: \"buoy3.svg\"; " + sizing + " }\n}\n");
    qInstallMessageHandler(previousHandler);
    QLoggingCategory::setFilterRules(QString());
    QVERIFY(item);
    QCOMPARE(imageReads.size(), 1);
    QVERIFY2(imageReads.first().contains(rendered), qPrintable(imageReads.first()));
}

CIRROVANTA_TEST_MAIN(TestIdleScenes)
#include "tst_idlescenes.moc"
