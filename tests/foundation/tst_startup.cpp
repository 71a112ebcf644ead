#include "common/gameprocess.h"
#include "common/scene.h"
#include "common/testenvironment.h"

#include <QSettings>

namespace {

// A main document that logs what start-up pushes into it, then quits from the
// event loop (which also proves that QML's quit reaches the application).
const char *recordingDocument = R"(
import QtQuick
Item {
    signal levelReady()
    signal saveCorrectionAngle(var x, var y, var z)
    property string levelName: ""
    property string groupFinished: ""
    function shown() { return Window.window !== null && Window.window.visible }
    function updateIsReady(location) {}
    function setCorrectionAngle(x, y, z) { console.log("pushed correction", x, y, z, "shown", shown()) }
    function adjustVolume(level) { console.log("pushed volume", level, "shown", shown()) }
    function setPilotRank(rank) { console.log("pushed rank", rank, "shown", shown()) }
    function pauseGame(on) {}
    Item { objectName: "steer"; property real rawangleX; property real rawangleY; property real rawangleZ; property string axisY }
    Component.onCompleted: console.log("document", "%1")
    Timer { interval: 0; running: true; onTriggered: Qt.quit() }
}
)";

bool writeDocument(const QString &base, const QString &marker)
{
    return writeFile(base + "/qml/Cirrovanta/main.qml", QString::fromLatin1(recordingDocument).arg(marker).toUtf8());
}

// The numbers logged after a marker such as "pushed volume".
QList<double> loggedNumbers(const QString &output, const QString &marker)
{
    QList<double> numbers;
    for (const QString &word : loggedAfter(output, marker).split(' ', Qt::SkipEmptyParts)) {
        bool number = false;
        const double value = word.toDouble(&number);
        if (!number)
            break;
        numbers.append(value);
    }
    return numbers;
}

} // namespace

class StartupTest : public QObject
{
    Q_OBJECT

public:
    explicit StartupTest(const TestEnvironment &environment) : env(environment) {}

private slots:
    void init()
    {
        QFile::remove(env.settingsFile());
    }

    void firstRunPushesDefaultsAndCreatesTheKeys()
    {
        QTemporaryDir dir;
        QVERIFY(writeDocument(dir.path(), "working directory"));
        const GameRun run = runGame(gameExecutable(), dir.path());
        QVERIFY2(run.finished, qPrintable(run.output));
        QCOMPARE(run.exitCode, 0);

        QCOMPARE(loggedNumbers(run.output, "pushed correction"), QList<double>({0, 0, 0}));
        const QList<double> volume = loggedNumbers(run.output, "pushed volume");
        QCOMPARE(volume.size(), 1);
        QCOMPARE(float(volume.first()), 7.0f / 9);
        QCOMPARE(loggedNumbers(run.output, "pushed rank"), QList<double>({0}));

        // Pushed in this order, all before the window is shown.
        const int correction = run.output.indexOf("pushed correction");
        const int volumeAt = run.output.indexOf("pushed volume");
        const int rank = run.output.indexOf("pushed rank");
        QVERIFY(correction < volumeAt && volumeAt < rank);
        QVERIFY2(!run.output.contains("shown true"), qPrintable(run.output));

        QSettings store(env.settingsFile(), QSettings::IniFormat);
        QCOMPARE(store.value("AudioMute").toBool(), false);
        QCOMPARE(store.value("AudioVolume").toFloat(), 0.6f);
        QCOMPARE(store.value("pilot_rank").toInt(), 0);
        QVERIFY(!store.contains("CorrectionAngle_x"));
    }

    void everyStartRewritesTheStoredValues()
    {
        {
            QSettings store(env.settingsFile(), QSettings::IniFormat);
            store.setValue("AudioVolume", 0.3164);
            store.setValue("AudioMute", true);
            store.setValue("pilot_rank", 2);
            store.setValue("CorrectionAngle_x", 1.5);
        }
        QTemporaryDir dir;
        QVERIFY(writeDocument(dir.path(), "working directory"));
        const GameRun run = runGame(gameExecutable(), dir.path());
        QVERIFY2(run.finished, qPrintable(run.output));

        QCOMPARE(loggedNumbers(run.output, "pushed correction"), QList<double>({1.5, 0, 0}));
        QCOMPARE(float(loggedNumbers(run.output, "pushed volume").value(0)), 5.0f / 9);
        QCOMPARE(loggedNumbers(run.output, "pushed rank"), QList<double>({2}));
        QSettings store(env.settingsFile(), QSettings::IniFormat);
        QCOMPARE(store.value("AudioMute").toBool(), true);
        QCOMPARE(store.value("pilot_rank").toInt(), 2);
    }

    void missingMainDocumentStillRunsTheEventLoop()
    {
        QTemporaryDir dir;
        const GameRun run = runGame(gameExecutable(), dir.path(), 3000);
        QVERIFY2(run.output.contains("findSteer(): Game Qml Missing!"), qPrintable(run.output));
        QVERIFY2(!run.finished, "the program must keep running without its main document");
    }

    void installedCopyUnderOptBinWinsOverTheWorkingDirectory()
    {
        QTemporaryDir dir;
        const QString prefix = dir.path() + "/opt/cirrovanta";
        QVERIFY(QDir().mkpath(prefix + "/bin"));
        QVERIFY(QFile::copy(gameExecutable(), prefix + "/bin/cirrovanta"));
        QVERIFY(writeDocument(prefix, "installed copy"));
        QVERIFY(writeDocument(dir.path() + "/elsewhere", "working directory"));

        const GameRun installed = runGame(prefix + "/bin/cirrovanta", dir.path() + "/elsewhere");
        QVERIFY2(installed.output.contains("document installed copy"), qPrintable(installed.output));

        // Without "opt" and "bin" in the path the working directory decides.
        const QString plain = dir.path() + "/games/cirrovanta";
        QVERIFY(QDir().mkpath(plain + "/programs"));
        QVERIFY(QFile::copy(gameExecutable(), plain + "/programs/cirrovanta"));
        QVERIFY(writeDocument(plain, "beside the program"));
        const GameRun moved = runGame(plain + "/programs/cirrovanta", dir.path() + "/elsewhere");
        QVERIFY2(moved.output.contains("document working directory"), qPrintable(moved.output));
    }

private:
    const TestEnvironment &env;
};

CIRROVANTA_TEST_MAIN(StartupTest)
#include "tst_startup.moc"
