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
#include <QProcess>
#include <QQmlContext>
#include <QSignalSpy>

#include <csignal>

static const QString source = QStringLiteral(CIRROVANTA_SOURCE_DIR "/qml/Cirrovanta/");
static const char *const writeRole = "--write-replays-forever";
static const QByteArray kept = ReplayFile::encode({"L/1", true, 500, 10, {{0, 1, 2, 3, 4, 1}}, {}});

class ReplaysTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        qml.addImportPath(QStringLiteral(CIRROVANTA_SOURCE_DIR "/qml"));
        engine = std::make_unique<GameEngine>(nullptr, &settings);
        recorder = std::make_unique<FlightRecorder>(engine.get(), nullptr, dir.path());
        qml.rootContext()->setContextProperty("GameEngine", engine.get());
        qml.rootContext()->setContextProperty("Replays", recorder.get());
        engine->setRootObject((root = createScene(qml, "import QtQuick\nItem { signal levelReady() }")).get());
    }
    void cleanup() { QDir(dir.path()).removeRecursively(); }

    void aRecordedFlightPlaysBackThroughItsPositionsToTheRunway()
    {
        const QString name = "1-FlightSchool/01_straight";
        auto level = createItem(qml, source + "Levels/" + name + ".qml", root.get());
        recorder->attach(level.get(), name);
        // As the flight screen starts a flight.
        QVERIFY(QMetaObject::invokeMethod(level.get(), "prepare"));
        engine->levelReady();
        engine->findQmlObjects();
        level->setProperty("running", true);
        auto *plane = qobject_cast<QQuickItem *>(engine->currentAirplane());
        QSignalSpy ended(level.get(), SIGNAL(flightEnded(bool)));
        const auto where = [](QObject *p) { return QPointF(p->property("realX").toReal(), p->property("realY").toReal()); };
        // The level's route, flown on the simulated clock through the level's own frame step.
        QList<QPointF> flown = {where(plane)};
        {
            const QuietDebug quiet;
            flyRoute(*engine, plane, {{600, 450}, {1000, 450}, {1090, 450}, {1180, 450}}, [&] {
                QVERIFY(QMetaObject::invokeMethod(level.get(), "step"));
                flown << where(plane);
            }, [&] { return !ended.isEmpty(); });
        }
        QVERIFY(ended.size() == 1 && ended.first().first().toBool());
        recorder->flightScored(true, 1234);

        // Played back frame by frame on the replay screen, with the engine idle.
        auto session = createItem(qml, source + "components/Session.qml", nullptr,
                                  {{"levelsBase", QUrl::fromLocalFile(source + "Levels/")}});
        QVERIFY(recorder->watchLast("levels"));
        auto screen = createItem(qml, source + "screens/ReplayScreen.qml", nullptr,
                                 {{"session", QVariant::fromValue(session.get())}, {"playing", false}});
        auto *shown = qvariant_cast<QObject *>(screen->property("level"));
        auto *replayed = qvariant_cast<QQuickItem *>(shown->property("airplane"));
        for (int frame = 0; frame < flown.size(); ++frame) {
            // Positions are kept to a tenth of a unit.
            QVERIFY2((where(replayed) - flown[frame]).manhattanLength() <= 0.1, qPrintable(QString::number(frame)));
            QVERIFY(QMetaObject::invokeMethod(screen.get(), "advance"));
            QCOMPARE(engine->engineTimer(), 0);
        }
        QVERIFY(screen->property("finished").toBool());
        auto *runway = shown->findChild<QQuickItem *>("landing1");
        QVERIFY(runway->contains(runway->mapFromItem(replayed, {replayed->width() / 2, replayed->height() / 2})));
        // The buoys the flight burst burst again, and only those.
        QCOMPARE(named(level.get(), "buoy1")->property("isAlive").toBool(), false);
        for (const char *buoy : {"buoy1", "buoy2"})
            QCOMPARE(named(shown, buoy)->property("isAlive"), named(level.get(), buoy)->property("isAlive"));
    }

    void onlyABetterFlightReplacesTheKeptOne_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<int>("result");
        QTest::addColumn<bool>("replaced");
        QTest::addColumn<bool>("ignored");
        QTest::newRow("no flight kept yet") << QByteArray() << 100 << true << true;
        QTest::newRow("a worse one keeps it") << kept << 400 << false << false;
        QTest::newRow("an equal one keeps it") << kept << 500 << false << false;
        QTest::newRow("a better one replaces it") << kept << 501 << true << false;
        QTest::newRow("truncated") << kept.left(kept.size() - 3) << 100 << true << true;
        QTest::newRow("corrupt") << QByteArray("\xa8\x66" "format\x01\x02", 10) << 100 << true << true;
        QTest::newRow("oversized") << kept + QByteArray(9 << 20, '\0') << 100 << true << true;
        QTest::newRow("future version") << QCborMap{{"format", "cirrovanta-replay"}, {"version", 2}}.toCborValue().toCbor() << 100 << true << true;
        QTest::newRow("another level's") << ReplayFile::encode({"L/2", true, 500, 10, {{}}, {}}) << 100 << true << true;
    }

    void onlyABetterFlightReplacesTheKeptOne()
    {
        QFETCH(QByteArray, stored);
        QFETCH(int, result);
        QFETCH(bool, replaced);
        QFETCH(bool, ignored);
        QVERIFY(stored.isEmpty() || writeFile(recorder->fileFor("L/1"), stored));
        // A level the way the recorder sees one: a clock, an aeroplane, an ending.
        auto level = createScene(qml, "import QtQuick\nItem { id: lvl; property bool running; property int ticks; signal flightEnded(bool passed)\n"
                                      "property Item airplane: Item { property int fps: 10; property real realX: 7 * lvl.ticks\n"
                                      "property real realY; property real angle; property real speed; property real petrol } }");
        recorder->attach(level.get(), "L/1");
        for (int tick = 1; tick <= 5; ++tick)
            level->setProperty("ticks", tick);
        QVERIFY(QMetaObject::invokeMethod(level.get(), "flightEnded", Q_ARG(bool, true)));
        DebugLines lines;
        recorder->flightScored(true, result);
        QCOMPARE(lines.lines().filter("replay ignored").size(), ignored ? 1 : 0);
        const Replay now = ReplayFile::read(recorder->fileFor("L/1")).value_or(Replay{});
        QCOMPARE(now.result, replaced ? result : 500);
        // The new flight ends at frame 5 of 10 a second, at x = 7 × 5.
        QCOMPARE(now.samples.value(now.samples.size() - 1).x, replaced ? 35.0f : 1.0f);
        QCOMPARE(now.durationMs(), replaced ? 500 : 0);
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
            const Replay left = ReplayFile::read(path).value_or(Replay{});
            QCOMPARE(left.samples.size(), left.result % 3000 + 1);
            QCOMPARE(left.samples.value(left.samples.size() - 1).x, float(10 * (left.samples.size() - 1)));
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
    // Child: rewrites one replay file for ever; round n has n % 3000 + 1
    // samples at x = 10 × i and the result n, so a cut-off file would show.
    for (int round = 1; argc > 2 && qstrcmp(argv[1], writeRole) == 0; ++round) {
        Replay replay{"G/level", true, round, 30, {}, {}};
        for (int i = 0; i <= round % 3000; ++i)
            replay.samples << ReplaySample{i * 33, float(i * 10), 0, 0, 0, 0};
        ReplayFile::write(QString::fromLocal8Bit(argv[2]), replay);
        std::fputs(round == 1 ? "writing\n" : "", stdout), std::fflush(stdout);
    }
    TestEnvironment environment;
    QGuiApplication app(argc, argv);
    ReplaysTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_replays.moc"
