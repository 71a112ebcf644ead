#include "common/testenvironment.h"

#include <QProcess>
#include <QRegularExpression>
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

void writeDocument(const QString &base, const QString &marker)
{
    QDir().mkpath(base + "/qml/Cirrovanta");
    QFile file(base + "/qml/Cirrovanta/main.qml");
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QString::fromLatin1(recordingDocument).arg(marker).toUtf8());
}

QString gameExecutable()
{
    return QStringLiteral(CIRROVANTA_BINARY_DIR "/cirrovanta");
}

struct Run
{
    QString output;
    bool finished = false;
    int exitCode = -1;
};

Run runGame(const QString &program, const QString &workingDir, int waitMs = 20000)
{
    QProcess process;
    process.setProgram(program);
    process.setWorkingDirectory(workingDir);
    process.setProcessChannelMode(QProcess::MergedChannels);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("QT_LOGGING_RULES", "default.debug=true;qml.debug=true;js.debug=true");
    process.setProcessEnvironment(environment);
    process.start();
    Run run;
    if (!process.waitForStarted())
        return run;
    run.finished = process.waitForFinished(waitMs);
    if (!run.finished) {
        process.kill();
        process.waitForFinished();
    }
    run.exitCode = process.exitCode();
    run.output = QString::fromUtf8(process.readAll());
    return run;
}

// The numbers logged after a marker such as "pushed volume".
QList<double> loggedNumbers(const QString &output, const QString &marker)
{
    const QRegularExpression line(QRegularExpression::escape(marker) + "((?: -?[0-9.e-]+)+)");
    const QRegularExpressionMatch match = line.match(output);
    QList<double> numbers;
    if (!match.hasMatch())
        return numbers;
    for (const QString &word : match.captured(1).split(' ', Qt::SkipEmptyParts))
        numbers.append(word.toDouble());
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
        writeDocument(dir.path(), "working directory");
        const Run run = runGame(gameExecutable(), dir.path());
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
        writeDocument(dir.path(), "working directory");
        const Run run = runGame(gameExecutable(), dir.path());
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
        const Run run = runGame(gameExecutable(), dir.path(), 3000);
        QVERIFY2(run.output.contains("findSteer(): Game Qml Missing!"), qPrintable(run.output));
        QVERIFY2(!run.finished, "the program must keep running without its main document");
    }

    void installedCopyUnderOptBinWinsOverTheWorkingDirectory()
    {
        QTemporaryDir dir;
        const QString prefix = dir.path() + "/opt/cirrovanta";
        QVERIFY(QDir().mkpath(prefix + "/bin"));
        QVERIFY(QFile::copy(gameExecutable(), prefix + "/bin/cirrovanta"));
        writeDocument(prefix, "installed copy");
        writeDocument(dir.path() + "/elsewhere", "working directory");

        const Run installed = runGame(prefix + "/bin/cirrovanta", dir.path() + "/elsewhere");
        QVERIFY2(installed.output.contains("document installed copy"), qPrintable(installed.output));

        // Without "opt" and "bin" in the path the working directory decides.
        const QString plain = dir.path() + "/games/cirrovanta";
        QVERIFY(QDir().mkpath(plain + "/programs"));
        QVERIFY(QFile::copy(gameExecutable(), plain + "/programs/cirrovanta"));
        writeDocument(plain, "beside the program");
        const Run moved = runGame(plain + "/programs/cirrovanta", dir.path() + "/elsewhere");
        QVERIFY2(moved.output.contains("document working directory"), qPrintable(moved.output));
    }

private:
    const TestEnvironment &env;
};

CIRROVANTA_TEST_MAIN(StartupTest)
#include "tst_startup.moc"
