// Every level on disk, flown along its own demo route through the real engine.
//
// Each level document is loaded through a real QQmlEngine with a real
// GameEngine as its "GameEngine", handed to the engine the way the flight
// screen does it, and flown on a simulated clock: one adjustFlight() call per
// frame (1/fps s of game time), the engine timer's event every 80 ms of game
// time, and the landing and free-fall timers' events once their intervals have
// passed in game time. The event loop is never spun, so the engine's real
// timers never fire on their own. A level passes when the flight ends with a
// completed landing: gameOver(true), a happy touchdown and no explosion.
#include "common/scene.h"
#include "common/testenvironment.h"
#include "persistence/settings.h"

#include <QJSValue>
#include <QQmlContext>
#include <QSet>
#include <QSignalSpy>

#include <cmath>
#include <memory>

namespace {

const QString levelsRoot = QStringLiteral(CIRROVANTA_SOURCE_DIR "/qml/Cirrovanta/Levels/");

// The engine's listing rule: group directories, and in each the files whose
// name contains "qml" (any case) but not "finalMsg", both sorted by name
// ignoring case. A level's name is its file name without the last extension.
QStringList groupDirectories()
{
    return QDir(levelsRoot).entryList(QDir::Dirs | QDir::NoDotAndDotDot,
                                      QDir::Name | QDir::IgnoreCase);
}

QStringList levelFiles(const QString &group)
{
    QStringList out;
    const QStringList files =
        QDir(levelsRoot + group).entryList(QDir::Files, QDir::Name | QDir::IgnoreCase);
    for (const QString &file : files) {
        if (file.contains(QLatin1String("qml"), Qt::CaseInsensitive)
            && !file.contains(QLatin1String("finalMsg")))
            out << file;
    }
    return out;
}

QString levelName(const QString &file)
{
    return file.contains('.') ? file.left(file.lastIndexOf('.')) : file;
}

// The tuning every level sets on its aeroplane.
const char *const tuningProperties[] = {"turningFactor", "accFactor", "resistanceFactor",
                                        "minSpeed",      "maxSpeed",  "petrol",
                                        "petrolTime",    "fps",       "landingTime",
                                        "finalSound"};

// A waypoint counts as reached within this distance of the aeroplane centre:
// the title screen's demo flight uses the same radius.
constexpr double waypointRadius = 36;
constexpr double engineStepMs = 80;
constexpr double gameTimeLimitMs = 240000;

// Messages of the engine that tell what happened; every other debug line of
// the flight model (two per frame) is dropped to keep the run fast.
QStringList engineNotes;
QtMessageHandler previousHandler = nullptr;

void keepEngineNotes(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type == QtDebugMsg) {
        if (text.startsWith(QLatin1String("Collision with")))
            engineNotes << text;
        return;
    }
    if (previousHandler)
        previousHandler(type, context, text);
}

QList<QPointF> pointsOf(const QVariant &value)
{
    QList<QPointF> points;
    const QJSValue array = value.value<QJSValue>();
    if (array.isArray()) {
        const int length = array.property(QStringLiteral("length")).toInt();
        for (int i = 0; i < length; ++i)
            points << array.property(quint32(i)).toVariant().toPointF();
        return points;
    }
    for (const QVariant &point : value.toList())
        points << point.toPointF();
    return points;
}

// The written-out scoring rule the result screen shows: petrol left × 1000
// rounded, 250 per buoy burst, 10 per whole second under par.
int expectedScore(double petrol, int buoys, double seconds, int parTime)
{
    const int fuel = int(std::lround(std::max(0.0, petrol) * 1000));
    const int time = std::max(0, int(std::floor(parTime - seconds))) * 10;
    return fuel + buoys * 250 + time;
}

struct FlightSummary
{
    QString level;
    double seconds = 0;
    int parTime = 0;
    double petrolLeft = 0;
    int buoysBurst = 0;
    int buoysTotal = 0;
    int score = 0;
};

QString describe(const QPointF &p)
{
    return QStringLiteral("(%1, %2)").arg(p.x(), 0, 'f', 0).arg(p.y(), 0, 'f', 0);
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
        // Data files are found above the executable's directory or else relative
        // to the working directory: the repository, as when playing from it.
        QDir::setCurrent(QStringLiteral(CIRROVANTA_SOURCE_DIR));
        engine = std::make_unique<GameEngine>(nullptr, &settings);
        engine->setMuted(true);
        qml.rootContext()->setContextProperty(QStringLiteral("GameEngine"), engine.get());

        // A stand-in for the main document: the engine searches the level from
        // the root object, and reads its levelName when results are saved.
        QQmlComponent component(&qml);
        component.setData("import QtQuick\n"
                          "Item {\n"
                          "    objectName: \"game\"\n"
                          "    width: 854; height: 480\n"
                          "    property string levelName\n"
                          "    property string groupFinished\n"
                          "    signal levelReady()\n"
                          "    function pauseGame(pause) {}\n"
                          "}\n",
                          QUrl::fromLocalFile(levelsRoot + "standInRoot.qml"));
        root.reset(component.create());
        QVERIFY2(root, qPrintable(component.errorString()));
        engine->setRootObject(root.get());

        QQmlComponent probe(&qml);
        probe.setData("import QtQuick\n"
                      "import \"Titles.js\" as Titles\n"
                      "QtObject {\n"
                      "    function group(d) { return Titles.group(d, \"\") }\n"
                      "    function level(d, f) { return Titles.level(d, f, \"\") }\n"
                      "}\n",
                      QUrl::fromLocalFile(levelsRoot + "titlesProbe.qml"));
        titles.reset(probe.create());
        QVERIFY2(titles, qPrintable(probe.errorString()));
    }

    void cleanupTestCase()
    {
        if (summaries.isEmpty())
            return;
        // The table docs/levels.md quotes: how the demo route scores.
        qInfo().noquote() << "level | route s | par s | petrol left | buoys | route score";
        for (const FlightSummary &s : std::as_const(summaries)) {
            qInfo().noquote() << QStringLiteral("%1 | %2 | %3 | %4 | %5/%6 | %7")
                                     .arg(s.level)
                                     .arg(s.seconds, 0, 'f', 1)
                                     .arg(s.parTime)
                                     .arg(s.petrolLeft, 0, 'f', 3)
                                     .arg(s.buoysBurst)
                                     .arg(s.buoysTotal)
                                     .arg(s.score);
        }
    }

    void theGameShipsTwentyLevelsInFourGroupsOrMore()
    {
        const QStringList groups = groupDirectories();
        QVERIFY2(groups.size() >= 4, qPrintable(groups.join(", ")));
        int levels = 0;
        for (const QString &group : groups) {
            // Directory names carry no "_", so the listed group name is the directory name.
            QVERIFY2(!group.contains('_'), qPrintable(group));
            const QStringList files = levelFiles(group);
            QVERIFY2(!files.isEmpty(), qPrintable(group + " holds no level"));
            QVERIFY2(QFileInfo::exists(levelsRoot + group + "/finalMsg.qml"),
                     qPrintable(group + " has no closing document"));
            levels += int(files.size());
        }
        QVERIFY(levels >= 20);
    }

    void theEngineListsTheGroupsAndLevelsOnDisk()
    {
        QStringList listed = engine->pluginGroups().toStringList();
        QCOMPARE(listed.mid(0, 2), (QStringList{".", ".."}));
        listed.remove(0, 2);
        QCOMPARE(listed, groupDirectories());
        for (const QString &group : std::as_const(listed)) {
            QStringList expected;
            for (const QString &file : levelFiles(group))
                expected << levelName(file);
            QCOMPARE(engine->pluginList(group).toStringList(), expected);
            qInfo().noquote() << group << ":" << expected.join(", ");
        }
    }

    void closingMessagesShowEveryRank_data()
    {
        QTest::addColumn<QString>("file");
        for (const QString &group : groupDirectories())
            QTest::newRow(qPrintable(group)) << levelsRoot + group + "/finalMsg.qml";
    }

    void closingMessagesShowEveryRank()
    {
        QFETCH(QString, file);
        for (int rank = 0; rank <= 4; ++rank) {
            const auto message = create(file, root.get(), {{QStringLiteral("rank"), rank}});
            QVERIFY2(message, qPrintable(file));
            QCOMPARE(message->property("rank").toInt(), rank);
            // The rank's name is spelled out somewhere in the message.
            const QStringList names = {"Cadet", "Cadet with wings", "Officer", "Senior officer",
                                       "Captain"};
            bool named = false;
            for (QObject *child : message->findChildren<QObject *>()) {
                if (child->property("text").toString() == names[rank])
                    named = true;
            }
            QVERIFY2(named, qPrintable(QStringLiteral("%1 does not name rank %2").arg(file).arg(rank)));
        }
    }

    void theMenusKnowEveryGroupTitle()
    {
        for (const QString &group : groupDirectories())
            QVERIFY2(!menuTitle("group", group).isEmpty(), qPrintable(group + " has no title in Titles.js"));
    }

    void everyLevelSetsItsOwnTuning_data()
    {
        QTest::addColumn<QString>("file");
        for (const QString &group : groupDirectories()) {
            for (const QString &file : levelFiles(group))
                QTest::newRow(qPrintable(group + "/" + levelName(file))) << levelsRoot + group + "/" + file;
        }
    }

    void everyLevelSetsItsOwnTuning()
    {
        QFETCH(QString, file);
        QFile source(file);
        QVERIFY(source.open(QIODevice::ReadOnly | QIODevice::Text));
        const QString text = QString::fromUtf8(source.readAll());
        for (const char *property : tuningProperties) {
            const QRegularExpression assignment(QStringLiteral("\\b%1\\s*:").arg(property));
            QVERIFY2(text.contains(assignment), qPrintable(QStringLiteral("%1 does not set %2")
                                                               .arg(file, property)));
        }
    }

    void everyLevelIsWonAlongItsRoute_data()
    {
        everyLevelSetsItsOwnTuning_data();
    }

    void everyLevelIsWonAlongItsRoute()
    {
        QFETCH(QString, file);
        const QString name = QString::fromUtf8(QTest::currentDataTag());

        const auto level = create(file, root.get());
        QVERIFY2(level, qPrintable(name + ": the document does not load"));
        auto *levelItem = qobject_cast<QQuickItem *>(level.get());
        QVERIFY2(levelItem, qPrintable(name + ": the document is not an item"));
        root->setProperty("levelName", name);

        // The menus list the level under its own title.
        const QString group = name.section('/', 0, 0);
        QCOMPARE(menuTitle("level", group, name.section('/', 1)), level->property("title").toString());

        // As the flight screen does it.
        QVERIFY(QMetaObject::invokeMethod(level.get(), "prepare"));
        engine->levelReady();
        QVERIFY2(engine->currentLevel() == level.get(),
                 qPrintable(name + ": the engine does not take it as the level"));
        engine->findQmlObjects();
        auto *plane = qobject_cast<QQuickItem *>(engine->currentAirplane());
        QVERIFY2(plane, qPrintable(name + ": no aeroplane named \"airplane\""));
        QVERIFY2(!engine->currentLandings().isEmpty(), qPrintable(name + ": no runway named \"landing…\""));
        // A buoy on rock could only be burst by crashing.
        for (QObject *object : engine->currentBuoys()) {
            auto *buoy = qobject_cast<QQuickItem *>(object);
            const QPointF middle(buoy->width() / 2, buoy->height() / 2);
            for (QObject *rock : engine->currentObstructions()) {
                auto *obstruction = qobject_cast<QQuickItem *>(rock);
                QVERIFY2(!obstruction->contains(obstruction->mapFromItem(buoy, middle)),
                         qPrintable(QStringLiteral("%1: %2 lies on %3")
                                        .arg(name, buoy->objectName(), obstruction->objectName())));
            }
        }
        QSignalSpy ended(level.get(), SIGNAL(flightEnded(bool)));
        QVERIFY(ended.isValid());

        const QList<QPointF> route = pointsOf(level->property("route"));
        QVERIFY2(!route.isEmpty(), qPrintable(name + ": the level has no route"));
        // The route ends on a runway: the title screen's demo touches down there.
        bool endsOnRunway = false;
        for (QObject *object : engine->currentLandings()) {
            auto *runway = qobject_cast<QQuickItem *>(object);
            const QPointF end = runway->mapFromItem(levelItem, route.last());
            endsOnRunway = endsOnRunway || runway->contains(end);
        }
        QVERIFY2(endsOnRunway, qPrintable(QStringLiteral("%1: the route ends at %2, off every runway")
                                              .arg(name, describe(route.last()))));
        const int fps = plane->property("fps").toInt();
        const int landingTime = plane->property("landingTime").toInt();
        const int parTime = level->property("parTime").toInt();
        const QRectF world(0, 0, level->property("worldWidth").toReal(),
                           level->property("worldHeight").toReal());
        QVERIFY2(fps > 0 && landingTime > 0, qPrintable(name + ": fps and landingTime must be set"));

        const auto centre = [plane] {
            return QPointF(plane->property("realX").toReal() + plane->width() / 2,
                           plane->property("realY").toReal() + plane->height() / 2);
        };

        engineNotes.clear();
        previousHandler = qInstallMessageHandler(keepEngineNotes);
        engine->enableEngineTimer(true);

        QStringList events;
        const auto note = [&](double ms, const QString &what) {
            events << QStringLiteral("%1 s: %2 at %3, petrol %4")
                          .arg(ms / 1000, 0, 'f', 2)
                          .arg(what, describe(centre()))
                          .arg(plane->property("petrol").toReal(), 0, 'f', 3);
        };
        const auto deliver = [this](int timerId) { deliverTimers(engine.get(), {timerId}); };

        const double frameMs = 1000.0 / fps;
        double now = 0;
        double nextStep = engineStepMs;
        int landingId = 0;
        int crashId = 0;
        double landingDue = 0;
        double crashDue = 0;
        int waypoint = 0;
        QPointF legFrom = centre();
        int frames = 0;
        bool landed = false;
        QString failure;

        // Notes when a landing or a free fall starts or stops, and when its timer
        // is due; and, for the story of the flight, the warning and the seat-belt sign.
        bool warned = false;
        bool belted = false;
        const auto watchTimers = [&](double at) {
            if (engine->isGroundWarningShown() != warned) {
                warned = !warned;
                note(at, warned ? QStringLiteral("terrain warning") : QStringLiteral("terrain clear"));
            }
            if (engine->isSeatbeltsLit() != belted) {
                belted = !belted;
                note(at, belted ? QStringLiteral("seat-belt sign on") : QStringLiteral("seat-belt sign off"));
            }
            if (engine->landingTimer() != landingId) {
                if (engine->landingTimer() != 0) {
                    landingDue = at + 2 * landingTime / 3;
                    note(at, QStringLiteral("landing started"));
                } else if (ended.isEmpty()) {
                    note(at, QStringLiteral("landing cancelled (left the runway)"));
                }
                landingId = engine->landingTimer();
            }
            if (engine->crashTimer() != crashId) {
                if (engine->crashTimer() != 0) {
                    crashDue = at + 2 * landingTime;
                    note(at, QStringLiteral("petrol gone, free fall"));
                }
                crashId = engine->crashTimer();
            }
        };

        while (ended.isEmpty() && failure.isEmpty()) {
            if (now > gameTimeLimitMs) {
                failure = QStringLiteral("no landing within %1 s").arg(gameTimeLimitMs / 1000);
                break;
            }
            // Steer towards the current waypoint; past the last one, hold the last leg.
            const QPointF here = centre();
            QPointF direction;
            if (waypoint < route.size()) {
                if (QLineF(here, route[waypoint]).length() < waypointRadius) {
                    legFrom = route[waypoint];
                    ++waypoint;
                    if (waypoint == route.size())
                        note(now, QStringLiteral("last waypoint reached"));
                }
            }
            if (waypoint < route.size())
                direction = route[waypoint] - here;
            else
                direction = route.last() - (route.size() > 1 ? route[route.size() - 2] : legFrom);
            const double length = std::hypot(direction.x(), direction.y());
            plane->setProperty("vectorX", length > 0 ? direction.x() / length : 0.0);
            plane->setProperty("vectorY", length > 0 ? -direction.y() / length : 0.0);

            engine->adjustFlight();
            ++frames;
            watchTimers(now);
            if (!world.adjusted(-60, -60, 60, 60).contains(centre())) {
                failure = QStringLiteral("left the world");
                break;
            }

            now += frameMs;
            // Deliver the engine's timer events that fell due during the frame, in time order.
            while (ended.isEmpty()) {
                double due = nextStep;
                int which = 0;
                if (landingId && landingDue < due) {
                    due = landingDue;
                    which = 1;
                }
                if (crashId && crashDue < due) {
                    due = crashDue;
                    which = 2;
                }
                if (due > now)
                    break;
                if (which == 0) {
                    nextStep += engineStepMs;
                    if (engine->engineTimer() == 0)
                        break;
                    deliver(engine->engineTimer());
                } else if (which == 1) {
                    landed = true;
                    note(due, QStringLiteral("landing complete"));
                    deliver(landingId);
                } else {
                    note(due, QStringLiteral("free fall ended"));
                    deliver(crashId);
                }
                watchTimers(due);
            }
        }
        qInstallMessageHandler(previousHandler);

        int explosions = 0;
        int touchdowns = 0;
        for (QQuickItem *child : levelItem->findChildren<QQuickItem *>()) {
            const QVariant happy = child->property("happy");
            if (happy.isValid() && child->property("reach").isValid())
                ++(happy.toBool() ? touchdowns : explosions);
        }
        // The engine's list may hold a buoy twice (as a child of the level and of its world).
        int buoysBurst = 0;
        const QList<QObject *> found = engine->currentBuoys();
        const QSet<QObject *> buoys(found.cbegin(), found.cend());
        for (QObject *buoy : buoys)
            buoysBurst += buoy->property("isAlive").toBool() ? 0 : 1;
        const double petrolLeft = plane->property("petrol").toReal();
        const double seconds = frames / double(fps);

        engine->enableEngineTimer(false);
        engine->clearQmlObjects();
        engine->levelFinished();

        if (failure.isEmpty() && !engineNotes.isEmpty())
            failure = QStringLiteral("crashed: ") + engineNotes.join("; ");
        if (failure.isEmpty() && (ended.size() != 1 || !ended.first().first().toBool()))
            failure = QStringLiteral("the flight was lost (gameOver(false))");
        // Level.explode() also hides the aeroplane.
        if (plane->opacity() == 0)
            ++explosions;
        if (failure.isEmpty() && (!landed || explosions != 0 || touchdowns != 1))
            failure = QStringLiteral("no clean landing (a dangerous landing at the end of the free fall?)");
        if (qEnvironmentVariableIsSet("LEVELFLIGHTS_VERBOSE"))
            qInfo().noquote() << name << "\n  " << events.join("\n  ");
        if (!failure.isEmpty()) {
            QFAIL(qPrintable(QStringLiteral("%1: %2 after %3 s; last position %4, heading to "
                                            "waypoint %5 of %6, petrol %7.\n  %8")
                                 .arg(name, failure)
                                 .arg(seconds, 0, 'f', 1)
                                 .arg(describe(centre()))
                                 .arg(waypoint)
                                 .arg(route.size())
                                 .arg(petrolLeft, 0, 'f', 3)
                                 .arg(events.join("\n  "))));
        }

        // The par time leaves the route a small bonus without being out of reach.
        QVERIFY2(parTime >= seconds && parTime <= seconds * 1.5 + 10,
                 qPrintable(QStringLiteral("%1: par %2 s does not suit the route's %3 s")
                                .arg(name)
                                .arg(parTime)
                                .arg(seconds, 0, 'f', 1)));
        summaries << FlightSummary{name, seconds, parTime, petrolLeft, buoysBurst, int(buoys.size()),
                                   expectedScore(petrolLeft, buoysBurst, seconds, parTime)};
    }

private:
    std::unique_ptr<QObject> create(const QString &file, QObject *parentItem, const QVariantMap &initial = {})
    {
        return createItem(qml, file, parentItem, initial);
    }
    QString menuTitle(const char *kind, const QString &group, const QString &level = {});

    Settings settings;
    std::unique_ptr<GameEngine> engine;
    QQmlEngine qml;
    std::unique_ptr<QObject> root;
    // The names the menus show (Titles.js), reached through a small document.
    std::unique_ptr<QObject> titles;
    QList<FlightSummary> summaries;
};

QString TestLevelFlights::menuTitle(const char *kind, const QString &group, const QString &level)
{
    QVariant title;
    if (qstrcmp(kind, "group") == 0)
        QMetaObject::invokeMethod(titles.get(), "group", Q_RETURN_ARG(QVariant, title),
                                  Q_ARG(QVariant, group));
    else
        QMetaObject::invokeMethod(titles.get(), "level", Q_RETURN_ARG(QVariant, title),
                                  Q_ARG(QVariant, group), Q_ARG(QVariant, level));
    return title.toString();
}

CIRROVANTA_TEST_MAIN(TestLevelFlights)

#include "tst_levelflights.moc"
