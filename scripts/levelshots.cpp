// Draws one level in a real window, with the aeroplane put on a point of its
// route and one real engine step run there, and saves the window as a PNG.
// Used for the pictures in docs/screenshots (see scripts/level-screenshots.sh):
//   levelshots <out.png> <group>/<level> <waypoint> [fraction towards the next]
// A group's closing message is drawn as it is, with the rank given instead:
//   levelshots <out.png> <group>/finalMsg <rank>
// and "map" instead of a waypoint draws the whole world with the route on it:
//   levelshots <out.png> <group>/<level> map
#include "engine/gameengine.h"
#include "persistence/settings.h"

#include <QColor>
#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QJSValue>
#include <QLocale>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickView>
#include <QTemporaryDir>
#include <QTimerEvent>
#include <QTranslator>

#include <cmath>
#include <cstdio>

namespace {

QList<QPointF> pointsOf(const QVariant &value)
{
    QList<QPointF> points;
    const QJSValue array = value.value<QJSValue>();
    const int length = array.property(QStringLiteral("length")).toInt();
    for (int i = 0; i < length; ++i)
        points << array.property(quint32(i)).toVariant().toPointF();
    return points;
}

void runEventsFor(int ms)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

} // namespace

int main(int argc, char *argv[])
{
    // A private settings store: the pictures never touch the player's.
    QTemporaryDir store;
    qputenv("XDG_CONFIG_HOME", store.path().toLocal8Bit());
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 4) {
        std::fputs("usage: levelshots <out.png> <group>/<level> <waypoint> [fraction]\n", stderr);
        return 2;
    }
    QDir::setCurrent(QStringLiteral(CIRROVANTA_SOURCE_DIR));
    QTranslator translator;
    if (translator.load(QStringLiteral(CIRROVANTA_BINARY_DIR "/Cirrovanta_") + QLocale::system().name()))
        QCoreApplication::installTranslator(&translator);

    Settings settings;
    QQuickView view;
    GameEngine engine(nullptr, &settings);
    engine.setMuted(true);
    view.rootContext()->setContextProperty(QStringLiteral("GameEngine"), &engine);
    view.setResizeMode(QQuickView::SizeRootObjectToView);
    view.engine()->addImportPath(QStringLiteral(CIRROVANTA_SOURCE_DIR "/qml"));
    QQmlComponent stageComponent(view.engine());
    stageComponent.setData("import QtQuick\n"
                           "Rectangle {\n"
                           "    width: 1280; height: 720; color: \"#2f7fc1\"\n"
                           "    property alias stage: stage\n"
                           "    Item {\n"
                           "        id: stage\n"
                           "        width: 854; height: 480; clip: true\n        transformOrigin: Item.Center\n"
                           "        anchors.centerIn: parent\n"
                           "        scale: Math.min(parent.width / width, parent.height / height)\n"
                           "    }\n"
                           "}\n",
                           QUrl());
    auto *root = qobject_cast<QQuickItem *>(stageComponent.create());
    if (!root) {
        std::fputs(qPrintable(stageComponent.errorString()), stderr);
        return 1;
    }
    view.setContent(QUrl(), nullptr, root);
    view.resize(1280, 720);
    auto *stage = root->property("stage").value<QQuickItem *>();

    QQmlComponent levelComponent(view.engine(),
                                 QUrl::fromLocalFile(QStringLiteral(CIRROVANTA_SOURCE_DIR
                                                                    "/qml/Cirrovanta/Levels/")
                                                     + args[2] + ".qml"));
    auto *level = qobject_cast<QQuickItem *>(levelComponent.beginCreate(view.rootContext()));
    if (!level) {
        std::fputs(qPrintable(levelComponent.errorString()), stderr);
        return 1;
    }
    level->setParentItem(stage);
    level->setParent(stage);
    levelComponent.completeCreate();

    if (!level->property("route").isValid()) {
        // A closing message: on a card in the middle, as the final screen shows it.
        level->setProperty("rank", args[3].toInt());
        level->setPosition(QPointF((854 - level->width()) / 2, (480 - level->height()) / 2));
        view.setColor(QColor("#f7f9fb"));
        root->setProperty("color", QColor("#dfe9f2"));
        view.show();
        runEventsFor(500);
        return view.grabWindow().save(args[1]) ? 0 : 1;
    }

    QMetaObject::invokeMethod(level, "prepare");
    if (args[3] == QLatin1String("map")) {
        // The whole world in the window, without the HUD, the route drawn on it.
        const qreal w = level->property("worldWidth").toReal();
        const qreal h = level->property("worldHeight").toReal();
        level->setProperty("demo", true);
        level->setProperty("viewWidth", w);
        level->setProperty("viewHeight", h);
        stage->setSize(QSizeF(w, h));
        stage->setScale(std::min(1280 / w, 720 / h));
        QQmlComponent lineComponent(view.engine());
        lineComponent.setData("import QtQuick\n"
                              "Canvas {\n"
                              "    property var points: []\n"
                              "    z: 900\n"
                              "    onPaint: {\n"
                              "        var c = getContext('2d')\n"
                              "        c.strokeStyle = '#e23b3b'; c.lineWidth = 6; c.setLineDash([14, 10])\n"
                              "        c.beginPath()\n"
                              "        for (var i = 0; i < points.length; ++i)\n"
                              "            i ? c.lineTo(points[i].x, points[i].y) : c.moveTo(points[i].x, points[i].y)\n"
                              "        c.stroke()\n"
                              "        c.fillStyle = '#e23b3b'\n"
                              "        for (var k = 0; k < points.length; ++k) c.fillRect(points[k].x - 8, points[k].y - 8, 16, 16)\n"
                              "    }\n"
                              "}\n",
                              QUrl());
        auto *line = qobject_cast<QQuickItem *>(lineComponent.create(view.rootContext()));
        QObject *plane = level->findChild<QObject *>(QStringLiteral("airplane"));
        QVariantList points;
        points << QPointF(plane->property("realX").toReal() + 28, plane->property("realY").toReal() + 28);
        for (const QPointF &p : pointsOf(level->property("route")))
            points << p;
        line->setParentItem(level);
        line->setSize(QSizeF(w, h));
        line->setProperty("points", points);
        view.show();
        runEventsFor(800);
        return view.grabWindow().save(args[1]) ? 0 : 1;
    }
    engine.setRootObject(root);
    engine.levelReady();
    engine.findQmlObjects();
    QObject *plane = engine.currentAirplane();
    const QList<QPointF> route = pointsOf(level->property("route"));
    const int at = std::clamp(args[3].toInt(), 0, int(route.size()) - 1);
    const double fraction = args.size() > 4 ? args[4].toDouble() : 0.0;
    const QPointF next = route.value(at + 1, route[at]);
    const QPointF from = route[at];
    const QPointF centre = from + (next - from) * fraction;
    const QPointF ahead = next == from ? from - route.value(at - 1, from) : next - from;
    const double heading = std::atan2(ahead.x(), -ahead.y());
    QMetaObject::invokeMethod(plane, "placeAt", Q_ARG(QVariant, centre.x() - 28),
                              Q_ARG(QVariant, centre.y() - 28), Q_ARG(QVariant, heading));

    view.show();
    runEventsFor(600);
    // One real step of the engine there: warnings, seat-belt sign, landing.
    engine.enableEngineTimer(true);
    QTimerEvent step(engine.engineTimer());
    QCoreApplication::sendEvent(&engine, &step);
    engine.enableEngineTimer(false);
    runEventsFor(700);
    const bool saved = view.grabWindow().save(args[1]);
    engine.clearQmlObjects();
    engine.levelFinished();
    return saved ? 0 : 1;
}
