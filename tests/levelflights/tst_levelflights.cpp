// Every level on disk, flown along its own demo route through the real engine,
// on a simulated clock: one adjustFlight() per frame, the 80 ms step and the
// landing and free-fall timers delivered when they fall due in game time.
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

#include <cmath>

namespace {

const QString shippedLevels = QStringLiteral(CIRROVANTA_SOURCE_DIR "/qml/Cirrovanta/Levels");
const QString addedLevel = QStringLiteral("1-FlightSchool/06_added");

// Level files of a group as a player's directory listing shows them.
QStringList levelsIn(const QString &groupDir)
{
    QStringList names = QDir(groupDir).entryList({"*.qml"}, QDir::Files, QDir::Name | QDir::IgnoreCase);
    names.removeAll(QStringLiteral("finalMsg.qml"));
    for (QString &name : names)
        name.chop(4);
    return names;
}

QList<QPointF> pointsOf(const QVariant &value)
{
    QList<QPointF> points;
    const QJSValue array = value.value<QJSValue>();
    for (int i = 0; i < array.property(QStringLiteral("length")).toInt(); ++i)
        points << array.property(quint32(i)).toVariant().toPointF();
    return points;
}

} // namespace

class TestLevelFlights : public QObject
{
    Q_OBJECT

public:
    explicit TestLevelFlights(TestEnvironment &) {}

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

    void theMenusListEveryLevelOnDisk()
    {
        QStringList groups = engine->pluginGroups().toStringList().mid(2);
        QCOMPARE(groups, QDir(levels).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase));
        for (const QString &group : std::as_const(groups))
            QCOMPARE(engine->pluginList(group).toStringList(), levelsIn(levels + '/' + group));
        QVERIFY(engine->pluginList("1-FlightSchool").toStringList().contains("06_added"));
    }

    void everyLevelIsWonAlongItsRoute_data()
    {
        QTest::addColumn<QString>("name");
        for (const QString &group : QDir(levels).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
            for (const QString &level : levelsIn(levels + '/' + group))
                QTest::newRow(qPrintable(group + '/' + level)) << group + '/' + level;
    }

    void everyLevelIsWonAlongItsRoute()
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
        const QList<QPointF> route = pointsOf(level->property("route"));
        QVERIFY(!route.isEmpty());
        const int fps = plane->property("fps").toInt();
        const int landingTime = plane->property("landingTime").toInt();
        const auto centre = [plane] {
            return QPointF(plane->property("realX").toReal() + plane->width() / 2,
                           plane->property("realY").toReal() + plane->height() / 2);
        };

        // Game time in ms; a timer's due time is noted when its id appears.
        double now = 0, nextStep = 80, landingDue = 0, crashDue = 0;
        int landingId = 0, crashId = 0, waypoint = 0, frames = 0;
        const auto watch = [&](double at) {
            if (engine->landingTimer() != landingId && (landingId = engine->landingTimer()))
                landingDue = at + 2 * landingTime / 3;
            if (engine->crashTimer() != crashId && (crashId = engine->crashTimer()))
                crashDue = at + 2 * landingTime;
        };
        const QuietDebug quiet; // two lines a frame
        engine->enableEngineTimer(true);
        while (ended.isEmpty() && now < 240000) {
            // Steer for the next waypoint (36 px reaches it); past the last, hold the last leg.
            if (waypoint < route.size() && QLineF(centre(), route[waypoint]).length() < 36)
                ++waypoint;
            const QPointF to = waypoint < route.size() ? route[waypoint] - centre()
                                                       : route.last() - route[std::max(0, int(route.size()) - 2)];
            const double length = std::hypot(to.x(), to.y());
            plane->setProperty("vectorX", length > 0 ? to.x() / length : 0.0);
            plane->setProperty("vectorY", length > 0 ? -to.y() / length : 0.0);
            engine->adjustFlight();
            watch(now);
            ++frames;
            now += 1000.0 / fps;
            // The timers due during the frame, in time order.
            while (ended.isEmpty()) {
                const double next = std::min({nextStep, landingId ? landingDue : 1e300, crashId ? crashDue : 1e300});
                if (next > now)
                    break;
                const int id = next == nextStep ? engine->engineTimer() : next == landingDue ? landingId : crashId;
                if (next == nextStep)
                    nextStep += 80;
                deliverTimers(engine.get(), {id});
                watch(next);
            }
        }
        engine->enableEngineTimer(false);
        engine->clearQmlObjects();
        engine->levelFinished();

        const double seconds = frames / double(fps);
        QVERIFY2(ended.size() == 1 && ended.first().first().toBool(),
                 qPrintable(QStringLiteral("%1 not won after %2 s, waypoint %3 of %4")
                                .arg(name).arg(seconds).arg(waypoint).arg(route.size())));
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
