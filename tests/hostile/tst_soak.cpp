// Long play: flights back to back for ten minutes of game time, on a clock
// that the test advances itself (frames, the 80 ms step, the landing and
// free-fall timers), with music and effects from the real sound bank. The
// process must not grow and the mixer must not collect sources.
#include "audio/caudiomixer.h"
#include "audio/cinvsounds.h"
#include "common/debuglines.h"
#include "common/scene.h"
#include "common/testenvironment.h"
#include "persistence/settings.h"

#include <QQmlContext>
#include <QQuickItem>

#include <memory>
#include <numeric>
#include <unistd.h>

namespace {

constexpr qint64 gameTimeMs = 10 * 60 * 1000;
constexpr int frameMs = 40; // the aeroplane's 25 fps
constexpr int stepMs = 80;
constexpr qint64 speedUp = 40;

// Three ways a flight ends: on the runway, against a mountain, or out of
// petrol over open water.
const char *levelTemplate = R"(
import QtQuick
Item {
    id: level
    objectName: "gameLevel"
    width: 2000; height: 600
    property int ended: 0
    property bool passed: false
    function gameOver(p) { ++ended; passed = Boolean(p) }
    function pauseGame(on) {}
    function explode(x, y) { burst.createObject(level, { x: x, y: y }) }
    function explodeHappy(x, y) { burst.createObject(level, { x: x, y: y }) }
    function showWarningText(text, duration) { warning.text = String(text) }
    function groundWarning(on) {}
    function seatbeltsSign(on) {}
    Text { id: warning }
    Component { id: burst; Rectangle { width: 30; height: 30; color: "orange" } }
    Item {
        objectName: "airplane"
        x: 100; y: 280; width: 40; height: 20
        property real vectorX: 1; property real vectorY: 0
        property real turningFactor: 0.1; property real accFactor: 2; property real resistanceFactor: 1.05
        property real speed: 40; property real petrol: 1
        property int fps: 25; property int petrolTime: PETROL; property int minSpeed: 20; property int maxSpeed: 40
        property real angle: 1.5707963; property real tilt: 0
        property real realX: 100; property real realY: 280
        property int landingTime: 3000
        property int finalSound: 8
        function doLanding(on) {}
    }
    Rectangle { objectName: "cloud1"; x: 160; y: 250; width: 60; height: 80 }
    Rectangle {
        objectName: "buoy1"; x: 230; y: 280; width: 20; height: 20
        property bool isAlive: true
        function explode() { isAlive = false }
    }
    SCENE
}
)";

const char *rootSource = R"(
import QtQuick
Item {
    objectName: "root"
    width: 800; height: 600
    signal levelReady()
    property string levelName: "soak/flight"
    property string groupFinished: ""
    property alias levelSource: loader.source
    property alias level: loader.item
    function updateIsReady(location) {}
    function pauseGame(on) {}
    Item { objectName: "steer"; property real rawangleX; property real rawangleY; property real rawangleZ; property string axisY }
    Loader { id: loader }
}
)";

struct LevelKind
{
    const char *name;
    const char *petrolTime;
    const char *scene;
};

const LevelKind levelKinds[] = {
    {"landing", "60", R"(Rectangle { objectName: "landing1"; x: 300; y: 260; width: 500; height: 60 })"},
    {"crash", "60", R"(Rectangle { objectName: "obstruction1"; x: 320; y: 0; width: 80; height: 600 })"},
    {"free fall", "3", ""},
};

qint64 residentKiB()
{
    QFile statm("/proc/self/statm");
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields.at(1).toLongLong() * (sysconf(_SC_PAGESIZE) / 1024) : -1;
}

} // namespace

class SoakTest : public QObject
{
    Q_OBJECT

public:
    explicit SoakTest(const TestEnvironment &) {}

private slots:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        for (const LevelKind &kind : levelKinds) {
            const QString path = dir.filePath(QString::fromLatin1(kind.name).replace(' ', '_') + ".qml");
            QVERIFY(writeFile(path, QByteArray(levelTemplate).replace("PETROL", kind.petrolTime).replace("SCENE", kind.scene)));
            levelFiles.append(path);
        }
        // The sound bank finds "sounds/" relative to the working directory.
        QVERIFY(QDir::setCurrent(QStringLiteral(CIRROVANTA_SOURCE_DIR)));
    }

    void tenMinutesOfFlightsKeepMemoryAndSourcesFlat()
    {
        Settings settings;
        GameEngine engine(nullptr, &settings);
        CInvSounds *bank = engine.soundBank();
        QVERIFY(bank->bufferAt(0)); // the real sounds are loaded
        GE::CAudioMixer *mixer = bank->mixer();
        QQmlEngine qml;
        qml.rootContext()->setContextProperty("GameEngine", &engine);
        std::unique_ptr<QQuickItem> root(qobject_cast<QQuickItem *>(createScene(qml, rootSource).release()));
        QVERIFY(root);
        engine.setRootObject(root.get());
        engine.findSteer();

        auto quiet = std::make_unique<QuietDebug>();
        QElapsedTimer wall;
        wall.start();
        qint64 gameTime = 0;
        int flights = 0;
        int passed = 0;
        int maxSources = 0;
        qint64 warmRss = -1;
        QMap<QString, int> endings;
        QList<int> sources;
        while (gameTime < gameTimeMs) {
            const int kind = flights % 3;
            const Flight flight = fly(engine, root.get(), levelFiles.at(kind), flights);
            QVERIFY2(flight.durationMs > 0 && flight.durationMs < 120000,
                     qPrintable(QStringLiteral("flight %1 (%2) did not end").arg(flights).arg(levelKinds[kind].name)));
            gameTime += flight.durationMs;
            passed += flight.passed ? 1 : 0;
            ++endings[QString::fromLatin1(levelKinds[kind].name) + (flight.passed ? " passed" : " lost")];
            ++flights;
            maxSources = qMax(maxSources, mixer->audioSourceCount());
            // Effects play out in real time: the game runs at most 40 times
            // faster than that, so the overlap stays bounded, and the event loop
            // gets its turn between flights.
            const qint64 due = gameTime / speedUp;
            if (wall.elapsed() < due)
                QTest::qWait(int(due - wall.elapsed()));
            QCoreApplication::processEvents();
            sources.append(mixer->audioSourceCount());
            if (flights == 6) {
                qml.collectGarbage();
                QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
                warmRss = residentKiB();
            }
        }
        engine.stopMusic();
        qml.collectGarbage();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        const qint64 endRss = residentKiB();
        quiet.reset();

        qInfo("%d flights (%d passed), %lld s of game time in %lld ms of wall time", flights, passed,
              gameTime / 1000, wall.elapsed());
        for (auto it = endings.cbegin(); it != endings.cend(); ++it)
            qInfo("  %s: %d", qPrintable(it.key()), it.value());
        qInfo("resident memory after warm-up %lld KiB, at the end %lld KiB (%+lld KiB)", warmRss, endRss,
              endRss - warmRss);
        const qsizetype third = sources.size() / 3;
        // The first third ramps up from silence; the middle one is the reference.
        const double early = std::accumulate(sources.cbegin() + third, sources.cbegin() + 2 * third, 0.0) / third;
        const double late = std::accumulate(sources.cend() - third, sources.cend(), 0.0) / third;
        qInfo("sources in the mixer between flights: at most %d, on average %.1f in the middle third "
              "and %.1f in the last", maxSources, early, late);

        // Every kind of ending happened.
        QCOMPARE(endings.value("landing passed"), (flights + 2) / 3);
        QCOMPARE(endings.value("crash lost"), (flights + 1) / 3);
        QCOMPARE(endings.value("free fall lost"), flights / 3);
        QCOMPARE(engine.getResult("soak/flight").toInt() > 0, true);

        // A few dozen effects overlap at this pace; sources that are never
        // released would pile up from one third to the next.
        QVERIFY2(maxSources < 100, qPrintable(QString::number(maxSources)));
        QVERIFY2(late <= early * 1.5 + 5, "the mixer collects sources");
        QTRY_COMPARE_WITH_TIMEOUT(mixer->audioSourceCount(), 0, 20000);

    #if defined(__SANITIZE_ADDRESS__)
        // The sanitizer's quarantine holds freed memory back; its leak checker
        // guards this build instead.
        Q_UNUSED(endRss);
    #else
        QVERIFY(warmRss > 0 && endRss > 0);
        QVERIFY2(endRss - warmRss < 8 * 1024, "resident memory grew by more than 8 MiB");
    #endif
    }

private:
    struct Flight
    {
        bool passed = false;
        qint64 durationMs = 0;
    };
    Flight fly(GameEngine &engine, QQuickItem *root, const QString &levelFile, int number);

    QTemporaryDir dir;
    QStringList levelFiles;
};

SoakTest::Flight SoakTest::fly(GameEngine &engine, QQuickItem *root, const QString &levelFile, int number)
{
    Flight flight;
    root->setProperty("levelSource", QUrl::fromLocalFile(levelFile));
    QObject *level = root->property("level").value<QObject *>();
    if (!level)
        return flight;
    engine.levelReady();
    engine.findQmlObjects();
    engine.playMusic(number % 2 ? 9 : 10);
    engine.enableEngineTimer(true);
    engine.handleAcc(0.5, -0.3, 9.6);

    // Each timer fires once its interval of game time has passed since it
    // was started; a timer id seen for the first time marks its start.
    qint64 now = 0;
    qint64 nextStep = stepMs;
    int landingId = 0, crashId = 0, steerId = 0;
    qint64 landingDue = 0, crashDue = 0, steerDue = 0;
    QObject *plane = engine.currentAirplane();
    const int landingTime = plane ? plane->property("landingTime").toInt() : 0;
    while (level->property("ended").toInt() == 0 && now < 120000) {
        now += frameMs;
        engine.adjustFlight();
        if (engine.engineTimer() && now >= nextStep) {
            deliverTimers(&engine, {engine.engineTimer()});
            nextStep += stepMs;
        }
        if (engine.landingTimer() != landingId) {
            landingId = engine.landingTimer();
            landingDue = now + 2 * landingTime / 3;
        }
        if (landingId && now >= landingDue)
            deliverTimers(&engine, {landingId});
        if (engine.crashTimer() != crashId) {
            crashId = engine.crashTimer();
            crashDue = now + 2 * landingTime;
        }
        if (crashId && now >= crashDue)
            deliverTimers(&engine, {crashId});
        if (engine.steerTimer() != steerId) {
            steerId = engine.steerTimer();
            steerDue = now + 500;
        }
        if (steerId && now >= steerDue) {
            deliverTimers(&engine, {steerId});
            steerDue += 500;
        }
        // The menu's clicks and the odd effect on top of the game's own.
        if (now % 2000 == 0)
            engine.playSound(now % 4000 ? 4 : 5);
    }
    flight.passed = level->property("passed").toBool();
    flight.durationMs = now;

    engine.saveResult(flight.passed, int(100000 / (now / 1000 + 1)));
    engine.enableEngineTimer(false);
    engine.clearQmlObjects();
    engine.levelFinished();
    root->setProperty("levelSource", QString());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return flight;
}

// Through the test command's PulseAudio null sink when there is one; the
// output thread discards at the real-time rate otherwise.
CIRROVANTA_TEST_MAIN_AFTER(SoakTest, keepCallersSoundServer())

#include "tst_soak.moc"
