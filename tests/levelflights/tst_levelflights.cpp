// Every level on disk, flown along its own demo route through the real engine
// on a simulated clock (flyRoute: one adjustFlight() per frame, the engine's
// timers delivered when they fall due in game time).
// The levels are copied into a scratch data tree together with one level added
// the way a level author adds one (a copy with changed numbers), so the test
// proves that a new level is listed and flown without being named anywhere.
#include "common/debuglines.h"
#include "common/scene.h"
#include "common/testenvironment.h"
#include "persistence/settings.h"

#include <QDirIterator>
#include <QJSValue>
#include <QQmlContext>
#include <QSignalSpy>

static const QString shippedLevels = QStringLiteral(CIRROVANTA_SOURCE_DIR "/qml/Cirrovanta/Levels");
static const QString addedLevel = QStringLiteral("1-FlightSchool/06_added");

class TestLevelFlights : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // The data tree: the real components, a copy of the levels, one more level.
        QVERIFY(QDir().mkpath(data.filePath("qml/Cirrovanta")));
        QVERIFY(QFile::link(CIRROVANTA_SOURCE_DIR "/qml/Cirrovanta/components",
                            data.filePath("qml/Cirrovanta/components")));
        levels = data.filePath("qml/Cirrovanta/Levels");
        QDirIterator it(shippedLevels, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString file = it.next();
            QFile source(file);
            QVERIFY(source.open(QIODevice::ReadOnly));
            QVERIFY(writeFile(levels + file.mid(shippedLevels.size()), source.readAll()));
        }
        QFile model(shippedLevels + "/1-FlightSchool/01_straight.qml");
        QVERIFY(model.open(QIODevice::ReadOnly));
        const QByteArray copy = model.readAll().replace("startY: 420", "startY: 470").replace("parTime: 17", "parTime: 19");
        QVERIFY(writeFile(levels + '/' + addedLevel + ".qml", copy));

        QDir::setCurrent(data.path());
        qml.addImportPath(QStringLiteral(CIRROVANTA_SOURCE_DIR "/qml"));
        engine = std::make_unique<GameEngine>(nullptr, &settings);
        engine->setMuted(true);
        qml.rootContext()->setContextProperty(QStringLiteral("GameEngine"), engine.get());
        root = createScene(qml, "import QtQuick\nItem { width: 854; height: 480; property string levelName;"
                                "property string groupFinished; signal levelReady(); function pauseGame(p) {} }");
        QVERIFY(root);
        engine->setRootObject(root.get());
    }

    // The levels as the menus list them; the added one among them.
    void everyListedLevelIsWonAlongItsRoute_data()
    {
        QTest::addColumn<QString>("name");
        QStringList names;
        for (const QString &group : engine->pluginGroups().toStringList().mid(2))
            for (const QString &level : engine->pluginList(group).toStringList())
                names << group + '/' + level;
        QVERIFY(names.contains(addedLevel));
        for (const QString &name : std::as_const(names))
            QTest::newRow(qPrintable(name)) << name;
    }

    void everyListedLevelIsWonAlongItsRoute()
    {
        QFETCH(QString, name);
        const auto level = createItem(qml, levels + '/' + name + ".qml", root.get());
        QVERIFY2(level, qPrintable(name));
        root->setProperty("levelName", name);
        QVERIFY(QMetaObject::invokeMethod(level.get(), "prepare"));
        engine->levelReady();
        QCOMPARE(engine->currentLevel(), level.get());
        engine->findQmlObjects();
        auto *plane = qobject_cast<QQuickItem *>(engine->currentAirplane());
        QVERIFY(plane);
        QSignalSpy ended(level.get(), SIGNAL(flightEnded(bool)));
        QList<QPointF> route;
        for (const QVariant &point : level->property("route").value<QJSValue>().toVariant().toList())
            route << point.toPointF();
        QVERIFY(!route.isEmpty());
        const int frames = [&] {
            const QuietDebug quiet; // two lines a frame
            return flyRoute(*engine, plane, route, [&] { engine->adjustFlight(); }, [&] { return !ended.isEmpty(); });
        }();
        engine->enableEngineTimer(false);
        engine->clearQmlObjects();
        engine->levelFinished();

        const double seconds = frames / plane->property("fps").toDouble();
        QVERIFY2(ended.size() == 1 && ended.first().first().toBool(),
                 qPrintable(QStringLiteral("%1 not won after %2 s").arg(name).arg(seconds)));
        QVERIFY2(plane->opacity() > 0, qPrintable(name + ": a dangerous landing"));
        // The par time leaves the route a small bonus without being out of reach.
        const int parTime = level->property("parTime").toInt();
        QVERIFY2(parTime >= seconds && parTime <= seconds * 1.5 + 10,
                 qPrintable(QStringLiteral("%1: par %2 s, route %3 s").arg(name).arg(parTime).arg(seconds)));
    }

private:
    QTemporaryDir data;
    QString levels;
    Settings settings;
    std::unique_ptr<GameEngine> engine;
    QQmlEngine qml;
    std::unique_ptr<QObject> root;
};

CIRROVANTA_TEST_MAIN(TestLevelFlights)

#include "tst_levelflights.moc"
