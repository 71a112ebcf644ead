// The real executable in broken surroundings: no sounds, no levels, a
// settings directory that cannot be created, a settings file that is a
// directory, garbage or absurd values in the settings file. It must start,
// run its document and quit normally every time; what can be saved is saved.
#include "common/gameprocess.h"
#include "common/scene.h"
#include "common/testenvironment.h"

#include <QSettings>

namespace {

// Logs what the engine answers, calls everything that touches sounds and
// settings, then quits from the event loop.
const char *probeDocument = R"(
import QtQuick
Item {
    signal levelReady()
    signal saveCorrectionAngle(var x, var y, var z)
    property string levelName: "Probe/level1"
    property string groupFinished: ""
    function updateIsReady(location) {}
    function setCorrectionAngle(x, y, z) {}
    function adjustVolume(level) { console.log("probe volume", level) }
    function setPilotRank(rank) {}
    function pauseGame(on) {}
    Item { objectName: "steer"; property real rawangleX; property real rawangleY; property real rawangleZ; property string axisY }
    Timer {
        interval: 50; running: true
        onTriggered: {
            console.log("probe groups", GameEngine.pluginGroups().length)
            console.log("probe levels", GameEngine.pluginList("1-FlightSchool").length)
            for (var i = -1; i < 23; ++i)
                GameEngine.playSound(i)
            GameEngine.playMusic(10)
            GameEngine.speedMeter(1.5)
            GameEngine.stopMusic()
            GameEngine.setMuted(true)
            GameEngine.setMuted(false)
            GameEngine.setPilotRank(3)
            GameEngine.saveResult(true, 777)
            console.log("probe result", GameEngine.getCurrentResult())
            Qt.quit()
        }
    }
}
)";

} // namespace

class SurroundingsTest : public QObject
{
    Q_OBJECT

public:
    explicit SurroundingsTest(const TestEnvironment &) {}

private slots:
    void gameRunsAndQuitsInBrokenSurroundings_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<bool>("saves");
        QTest::newRow("no sounds and no levels directory") << "plain" << true;
        QTest::newRow("settings directory cannot be created (a file is in its place)") << "config is a file" << false;
        QTest::newRow("settings file is a directory") << "store is a directory" << false;
        QTest::newRow("settings file holds binary garbage") << "garbage" << true;
        QTest::newRow("settings file holds absurd values") << "absurd values" << true;
        QTest::newRow("sounds are empty files and levels an empty directory") << "empty data" << true;
    }

    void gameRunsAndQuitsInBrokenSurroundings()
    {
        QFETCH(QString, setup);
        QFETCH(bool, saves);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QVERIFY(install(dir.path()));
        QString configHome = dir.filePath("config");
        const QString store = configHome + "/Velmoran/QtCirrovanta.conf";
        QVERIFY(QDir().mkpath(configHome + "/Velmoran"));

        if (setup == "config is a file") {
            configHome = dir.filePath("config-file");
            QVERIFY(writeFile(configHome, "not a directory"));
        } else if (setup == "store is a directory") {
            QVERIFY(QDir().mkpath(store));
        } else if (setup == "garbage") {
            QByteArray junk;
            for (int i = 0; i < 4096; ++i)
                junk.append(char((i * 7919) % 251));
            QVERIFY(writeFile(store, "[General\n=\n\xff\xfe" + junk));
        } else if (setup == "absurd values") {
            QVERIFY(writeFile(store, "[General]\nAudioVolume=1e300\nAudioMute=maybe\nCorrectionAngle_x=nan\n"
                       "CorrectionAngle_y=-inf\nCorrectionAngle_z=1e999\npilot_rank=99999999999999\n"
                       "Probe%2Flevel1_result=@Variant(garbage)\nProbe_result=-2147483648\n"));
        } else if (setup == "empty data") {
            QVERIFY(QDir().mkpath(dir.filePath("qml/Cirrovanta/Levels")));
            for (const char *name : {"S_air1", "S_explode", "S_drumsandbass", "S_main_sound_low"})
                QVERIFY(writeFile(dir.filePath(QStringLiteral("sounds/%1.wav").arg(name)), QByteArray()));
        }

        const GameRun outcome = run(dir.path(), configHome);
        QVERIFY2(outcome.quitNormally(), qPrintable(outcome.output.right(3000)));
        // An empty level directory still lists "." and "..", as every directory does.
        QCOMPARE(loggedAfter(outcome.output, "probe groups"), setup == "empty data" ? QString("2") : QString("0"));
        QCOMPARE(loggedAfter(outcome.output, "probe levels"), QString("0"));
        // The result is read back from the store within the same run.
        QCOMPARE(loggedAfter(outcome.output, "probe result"), saves ? QString("777") : QString("0"));
        if (saves) {
            QSettings stored(store, QSettings::IniFormat);
            QCOMPARE(stored.value("Probe/level1_result").toInt(), 777);
        }
    }

private:
    // An installation of its own: the executable in <dir>/bin, data beside it.
    bool install(const QString &dir)
    {
        return QDir().mkpath(dir + "/bin") && QFile::copy(gameExecutable(), dir + "/bin/cirrovanta")
               && writeFile(dir + "/qml/Cirrovanta/main.qml", probeDocument);
    }
    GameRun run(const QString &dir, const QString &configHome, int waitMs = 30000)
    {
        return runGame(dir + "/bin/cirrovanta", dir, waitMs, configHome);
    }
};

CIRROVANTA_TEST_MAIN(SurroundingsTest)
#include "tst_surroundings.moc"
