// Flights recorded, kept and shown again: a real level flown through the real
// engine on a simulated clock is recorded and played back on the real replay
// screen; only a better flight replaces the kept one, broken files are passed
// over, and a writer killed mid-write never leaves a broken file.
#include "common/debuglines.h"
#include "common/scene.h"
#include "common/testenvironment.h"
#include "engine/flightrecorder.h"
#include "persistence/settings.h"

#include <QCborMap>
#include <QCborValue>
#include <QProcess>
#include <QQmlContext>
#include <QSignalSpy>

#include <csignal>
#include <cstdio>

namespace {

const QString source = QStringLiteral(CIRROVANTA_SOURCE_DIR "/qml/Cirrovanta/");
const char *const writeRole = "--write-replays-forever";

// Child: rewrites one replay file as fast as it can; round n has n samples,
// x = 10 × i, and the result n, so a cut-off file would show.
int writeForever(const QString &path)
{
    for (int round = 1;; ++round) {
        Replay replay{QStringLiteral("G/level"), true, round, 30, {}, {}};
        for (int i = 0; i < round % 3000 + 1; ++i)
            replay.samples << ReplaySample{i * 33, float(i * 10), 0, 0, 0, 0};
        ReplayFile::write(path, replay);
        if (round == 1)
            std::puts("writing"), std::fflush(stdout);
    }
}

} // namespace

class ReplaysTest : public QObject
{
    Q_OBJECT

public:
    explicit ReplaysTest(TestEnvironment &) {}

private slots:
    void init()
    {
        QDir::setCurrent(QStringLiteral(CIRROVANTA_SOURCE_DIR));
        engine = std::make_unique<GameEngine>(nullptr, &settings);
        engine->setMuted(true);
        recorder = std::make_unique<FlightRecorder>(engine.get(), nullptr, dir.path());
        qml.rootContext()->setContextProperty("GameEngine", engine.get());
        qml.rootContext()->setContextProperty("Replays", recorder.get());
        root = createScene(qml, "import QtQuick\nItem { property string levelName\n signal levelReady() }");
        engine->setRootObject(root.get());
    }
    void cleanup() { QDir(dir.path()).removeRecursively(); }

    void aRecordedFlightPlaysBackThroughItsPositionsToTheRunway()
    {
        const QString name = "1-FlightSchool/01_straight";
        auto level = createItem(qml, source + "Levels/" + name + ".qml", root.get());
        recorder->attach(level.get(), name);
        QVERIFY(QMetaObject::invokeMethod(level.get(), "prepare"));
        engine->levelReady();
        engine->findQmlObjects();
        level->setProperty("running", true);
        auto *plane = qobject_cast<QQuickItem *>(engine->currentAirplane());
        QSignalSpy ended(level.get(), SIGNAL(flightEnded(bool)));
        const auto position = [plane] {
            return QPointF(plane->property("realX").toReal(), plane->property("realY").toReal());
        };
        // The level's own route, flown on the simulated clock: a frame every
        // 1/fps s, the engine's step every 80 ms, the landing 2/3 of landingTime on.
        const QList<QPointF> route = {{600, 450}, {1000, 450}, {1090, 450}};
        const double frameMs = 1000.0 / plane->property("fps").toInt();
        const double landingMs = 2 * plane->property("landingTime").toInt() / 3;
        QList<QPointF> flown = {position()};
        double now = 0, nextStep = 80, landingDue = 0;
        int waypoint = 0;
        {
            QuietDebug quiet;
            engine->enableEngineTimer(true);
            while (ended.isEmpty() && now < 60000) {
                const QPointF centre = position() + QPointF(plane->width() / 2, plane->height() / 2);
                if (waypoint < route.size() && QLineF(centre, route[waypoint]).length() < 36)
                    ++waypoint;
                // Past the last waypoint the last leg's heading is held.
                const QLineF toward = waypoint < route.size() ? QLineF(centre, route[waypoint])
                                                              : QLineF(route[1], route[2]);
                plane->setProperty("vectorX", toward.dx() / toward.length());
                plane->setProperty("vectorY", -toward.dy() / toward.length());
                QVERIFY(QMetaObject::invokeMethod(level.get(), "step"));
                flown << position();
                now += frameMs;
                // The engine's timer events that fell due in this frame, in time order.
                while (ended.isEmpty() && engine->engineTimer()) {
                    const bool landingFirst = landingDue > 0 && landingDue < nextStep;
                    if ((landingFirst ? landingDue : nextStep) > now)
                        break;
                    if (landingFirst) {
                        deliverTimers(engine.get(), {engine->landingTimer()});
                        continue;
                    }
                    const bool wasLanding = engine->landingTimer() != 0;
                    deliverTimers(engine.get(), {engine->engineTimer()});
                    landingDue = !engine->landingTimer() ? 0 : wasLanding ? landingDue : nextStep + landingMs;
                    nextStep += 80;
                }
            }
        }
        QCOMPARE(ended.size(), 1);
        QCOMPARE(ended.first().first().toBool(), true);
        engine->enableEngineTimer(false);
        engine->clearQmlObjects();
        engine->levelFinished();
        recorder->flightScored(true, 1234);
        QVERIFY(QFile::exists(recorder->fileFor(name)));
        QCOMPARE(recorder->lastFlight().samples.size(), flown.size());

        // Played back frame by frame on the replay screen, with the engine idle.
        auto session = createItem(qml, source + "components/Session.qml", nullptr,
                                  {{"levelsBase", QUrl::fromLocalFile(source + "Levels/")}});
        QVERIFY(recorder->watchLast("levels"));
        auto screen = createItem(qml, source + "screens/ReplayScreen.qml", nullptr,
                                 {{"session", QVariant::fromValue(session.get())}, {"playing", false}});
        auto *shown = qvariant_cast<QObject *>(screen->property("level"));
        QVERIFY(shown);
        auto *replayed = qvariant_cast<QQuickItem *>(shown->property("airplane"));
        for (int frame = 0; frame < flown.size(); ++frame) {
            const QPointF at(replayed->property("realX").toReal(), replayed->property("realY").toReal());
            // Positions are kept to a tenth of a unit.
            QVERIFY2((at - flown[frame]).manhattanLength() <= 0.1,
                     qPrintable(QStringLiteral("frame %1: (%2, %3) instead of (%4, %5)").arg(frame)
                                    .arg(at.x()).arg(at.y()).arg(flown[frame].x()).arg(flown[frame].y())));
            QCOMPARE(replayed->x(), std::floor(at.x()));
            QVERIFY(QMetaObject::invokeMethod(screen.get(), "advance"));
            QCOMPARE(engine->engineTimer(), 0);
        }
        QVERIFY(screen->property("finished").toBool());
        // The buoys the flight burst burst again, and only those.
        for (const char *buoy : {"buoy1", "buoy2"})
            QCOMPARE(named(shown, buoy)->property("isAlive"), named(level.get(), buoy)->property("isAlive"));
        QCOMPARE(named(level.get(), "buoy1")->property("isAlive").toBool(), false);
        QVERIFY(engine->currentLevel() != shown);
        auto *runway = shown->findChild<QQuickItem *>("landing1");
        QVERIFY(runway->contains(runway->mapFromItem(replayed, {replayed->width() / 2, replayed->height() / 2})));
    }

    void onlyABetterFlightReplacesTheKeptOne_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<int>("result");
        QTest::addColumn<bool>("replaced");
        QTest::addColumn<bool>("ignored");
        const QByteArray kept = ReplayFile::encode({"L/1", true, 500, 10, {{0, 1, 2, 3, 4, 1}}, {}});
        QCborMap future;
        future.insert(QStringLiteral("format"), QStringLiteral("cirrovanta-replay"));
        future.insert(QStringLiteral("version"), 2);
        QTest::newRow("no flight kept yet") << QByteArray() << 100 << true << false;
        QTest::newRow("a worse one keeps it") << kept << 400 << false << false;
        QTest::newRow("an equal one keeps it") << kept << 500 << false << false;
        QTest::newRow("a better one replaces it") << kept << 501 << true << false;
        QTest::newRow("truncated") << kept.left(kept.size() - 3) << 100 << true << true;
        QTest::newRow("corrupt") << QByteArray("\xa8\x66" "format\x01\x02", 10) << 100 << true << true;
        QTest::newRow("oversized") << kept + QByteArray(9 << 20, '\0') << 100 << true << true;
        QTest::newRow("future version") << QCborValue(future).toCbor() << 100 << true << true;
        QTest::newRow("another level's") << ReplayFile::encode({"L/2", true, 500, 10, {{}}, {}}) << 100 << true << true;
    }

    void onlyABetterFlightReplacesTheKeptOne()
    {
        QFETCH(QByteArray, stored);
        QFETCH(int, result);
        QFETCH(bool, replaced);
        QFETCH(bool, ignored);
        if (!stored.isEmpty())
            QVERIFY(writeFile(recorder->fileFor("L/1"), stored));
        auto level = createScene(qml, "import QtQuick\nItem { id: lvl; property bool running; property int ticks\n"
                                      "signal flightEnded(bool passed)\nproperty Item airplane: Item {\n"
                                      "property int fps: 10; property real realX: 7 * lvl.ticks\n"
                                      "property real realY; property real angle; property real speed; property real petrol } }");
        recorder->attach(level.get(), "L/1");
        for (int tick = 1; tick <= 5; ++tick)
            level->setProperty("ticks", tick);
        QVERIFY(QMetaObject::invokeMethod(level.get(), "flightEnded", Q_ARG(bool, true)));
        DebugLines lines;
        recorder->flightScored(true, result);
        QCOMPARE(lines.lines().filter("replay ignored").size(), ignored ? 1 : 0);
        const std::optional<Replay> now = ReplayFile::read(recorder->fileFor("L/1"));
        QVERIFY(now);
        QCOMPARE(now->result, replaced ? result : 500);
        // The new flight: at 10 frames a second, x = 7 per frame.
        QCOMPARE(now->samples.last().x, replaced ? 35.0f : 1.0f);
        QCOMPARE(now->samples.last().timeMs, replaced ? 500 : 0);
    }

    void aWriterKilledMidWriteLeavesAWholeFile()
    {
        const QString path = dir.filePath("killed.replay");
        for (int kill = 0; kill < 20; ++kill) {
            QProcess child;
            child.start(QCoreApplication::applicationFilePath(), {writeRole, path});
            QVERIFY(child.waitForReadyRead(20000));
            QThread::usleep(1000 + 2917 * kill);
            ::kill(pid_t(child.processId()), SIGKILL);
            QVERIFY(child.waitForFinished(10000));
            const std::optional<Replay> left = ReplayFile::read(path);
            QVERIFY2(left, qPrintable(QStringLiteral("kill %1").arg(kill)));
            QCOMPARE(left->samples.size(), left->result % 3000 + 1);
            QCOMPARE(left->samples.last().x, float(10 * (left->samples.size() - 1)));
        }
    }

private:
    QTemporaryDir dir;
    Settings settings;
    QQmlEngine qml;
    std::unique_ptr<GameEngine> engine;
    std::unique_ptr<FlightRecorder> recorder;
    std::unique_ptr<QObject> root;
};

int main(int argc, char *argv[])
{
    if (argc > 2 && qstrcmp(argv[1], writeRole) == 0)
        return writeForever(QString::fromLocal8Bit(argv[2]));
    TestEnvironment environment;
    QGuiApplication app(argc, argv);
    ReplaysTest test(environment);
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_replays.moc"
