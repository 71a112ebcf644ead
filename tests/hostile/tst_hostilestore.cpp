// The real game, under a real X server, against what a careless user, a sync
// tool or a hostile file leaves behind: its window opens whatever sits at the
// settings lock, the player's file survives byte for byte, stored values read
// within their bounds, 10,000-entry screens stay small, and a standard error
// nobody reads cannot stop it.
#include "common/gameprocess.h"
#include "common/testenvironment.h"
#include "persistence/settings.h"

#include <QDir>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QThread>

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return QDir().mkpath(QFileInfo(path).path()) && file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The game in <dir>/bin, its documents linked beside it; with `many`, 10,000
// more groups and 10,000 more (empty) flights in the first group.
bool install(const QString &dir, bool many)
{
    const QString source = CIRROVANTA_SOURCE_DIR "/qml/Cirrovanta/", target = dir + "/qml/Cirrovanta/";
    bool ok = QDir().mkpath(target + "Levels/1-FlightSchool") && QDir().mkpath(dir + "/bin")
              && QFile::copy(gameExecutable(), dir + "/bin/cirrovanta");
    // Linked one by one down to the first group, whose directory gets more files.
    for (const QString &sub : {QString(), QStringLiteral("Levels/"), QStringLiteral("Levels/1-FlightSchool/")})
        for (const QString &entry : QDir(source + sub).entryList(QDir::AllEntries | QDir::NoDotAndDotDot))
            ok = ok && (entry == "Levels" || entry == "1-FlightSchool" || QFile::link(source + sub + entry, target + sub + entry));
    for (int i = 10000; many && i < 20000; ++i)
        ok = ok && QDir().mkpath(target + "Levels/9-Extra" + QString::number(i)) && writeBytes(target + "Levels/1-FlightSchool/x" + QString::number(i) + ".qml", {});
    return ok;
}

QString xdotool(const QStringList &arguments)
{
    QProcess tool;
    tool.start("xdotool", arguments);
    if (!tool.waitForFinished(60000))
        tool.kill(), tool.waitForFinished();
    return QString::fromUtf8(tool.readAllStandardOutput()).section('\n', 0, 0);
}

// Kibibytes resident, and CPU ticks spent, read from /proc.
qint64 residentKiB(qint64 pid)
{
    const QByteArray status = bytesOf(QStringLiteral("/proc/%1/status").arg(pid));
    return status.mid(status.indexOf("VmRSS:") + 6).trimmed().split(' ').value(0).toLongLong();
}
qint64 cpuTicks(qint64 pid)
{
    const QList<QByteArray> fields = bytesOf(QStringLiteral("/proc/%1/stat").arg(pid)).split(')').value(1).split(' ');
    return fields.value(12).toLongLong() + fields.value(13).toLongLong(); // utime + stime
}

// The most memory seen until the game has used under a quarter of a core for
// a second (or for the given seconds: the title's demo flight never rests).
qint64 peakUntilIdle(qint64 pid, int seconds = 60)
{
    qint64 peak = 0;
    for (int second = 0; second < seconds; ++second) {
        const qint64 before = cpuTicks(pid);
        for (int quarter = 0; quarter < 4; ++quarter) {
            QThread::msleep(250);
            peak = qMax(peak, residentKiB(pid));
        }
        if (cpuTicks(pid) - before < sysconf(_SC_CLK_TCK) / 4)
            break;
    }
    return peak;
}

} // namespace

class HostileStoreTest : public QObject
{
    Q_OBJECT

public:
    explicit HostileStoreTest(const TestEnvironment &) {}

private slots:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable("Xvfb").isEmpty() || QStandardPaths::findExecutable("xdotool").isEmpty())
            QSKIP("needs Xvfb and xdotool (scripts/install-deps.sh test)");
        xvfb.start("Xvfb", {"-displayfd", "1", "-screen", "0", "1024x768x24", "-nolisten", "tcp"});
        QVERIFY(xvfb.waitForReadyRead(20000));
        qputenv("DISPLAY", ":" + xvfb.readLine().trimmed());
    }
    void cleanupTestCase() { xvfb.kill(), xvfb.waitForFinished(); }

    void whateverSitsAtTheStoreTheWindowOpensAndNoBytesAreLost_data()
    {
        const QByteArray good = "[General]\npilot_rank=2\n";
        QTest::addColumn<QString>("lock");
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QString>("aside");
        QTest::newRow("lock is a directory with a file: nothing is written") << "directory" << good << "";
        QTest::newRow("lock is a dangling link: it goes, the game saves") << "link" << good << "";
        QTest::newRow("lock is a named pipe: it goes, the game saves") << "pipe" << good << "";
        QTest::newRow("unclosed quote at the top: moved aside") << "" << "a=\"open\n" + good << "unreadable";
        QTest::newRow("junk and a broken section first: moved aside") << "" << "\x01\x02\n[Gen\n" + good << "unreadable";
        QTest::newRow("over 1 MiB: moved aside") << "" << good + QByteArray(1100000, ';') << "oversized";
    }
    void whateverSitsAtTheStoreTheWindowOpensAndNoBytesAreLost()
    {
        QFETCH(QString, lock);
        QFETCH(QByteArray, stored);
        QFETCH(QString, aside);
        QTemporaryDir dir;
        QVERIFY(install(dir.path(), false));
        const QString store = dir.filePath("config/Velmoran/QtCirrovanta.conf");
        QVERIFY(writeBytes(store, stored));
        QVERIFY(lock != "directory" || writeBytes(store + ".lock/notes.txt", "someone's"));
        QVERIFY(lock != "link" || QFile::link(dir.filePath("nowhere"), store + ".lock"));
        QVERIFY(lock != "pipe" || mkfifo(QFile::encodeName(store + ".lock").constData(), 0600) == 0);

        QProcess game;
        start(game, dir.path(), -1);
        QVERIFY2(!xdotool({"search", "--sync", "--onlyvisible", "--pid", QString::number(game.processId())}).isEmpty(), "no window");
        game.kill();
        game.waitForFinished();

        const QStringList asideFiles = QDir(QFileInfo(store).path()).entryList({"QtCirrovanta.conf." + aside + "-*"});
        if (!aside.isEmpty()) {
            QCOMPARE(asideFiles.size(), 1);
            QCOMPARE(bytesOf(QFileInfo(store).path() + "/" + asideFiles.first()), stored);
        } else if (lock == "directory") {
            QCOMPARE(bytesOf(store), stored);
            QCOMPARE(bytesOf(store + ".lock/notes.txt"), QByteArray("someone's"));
        } else {
            const QSettings saved(store, QSettings::IniFormat);
            QCOMPARE(saved.value("pilot_rank").toInt(), 2);
            QVERIFY(saved.contains("AudioMute")); // written at start, past the cleared lock
        }
    }

    void storedValuesReadWithinTheirBounds_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<double>("read");
        QTest::newRow("volume 1000 reads as the default 0.6") << "AudioVolume" << "1000" << 0.6;
        QTest::newRow("volume inf reads as the default") << "AudioVolume" << "inf" << 0.6;
        QTest::newRow("volume 0.75 stays") << "AudioVolume" << "0.75" << 0.75;
        QTest::newRow("rank 5, beyond captain, reads as cadet") << "pilot_rank" << "5" << 0.0;
        QTest::newRow("angle nan reads as 0") << "CorrectionAngle_x" << "nan" << 0.0;
        QTest::newRow("angle 1e30 reads as 0") << "CorrectionAngle_x" << "1e30" << 0.0;
        QTest::newRow("angle -12.5 stays") << "CorrectionAngle_x" << "-12.5" << -12.5;
        QTest::newRow("a best result below 0 reads as 0") << "Bay/1_result" << "-20" << 0.0;
    }
    void storedValuesReadWithinTheirBounds()
    {
        QFETCH(QString, key);
        QFETCH(QString, stored);
        QFETCH(double, read);
        QSettings(Settings::organisation(), Settings::application()).setValue(key, stored);
        Settings settings;
        QSignalSpy angles(&settings, &Settings::correctionAngle);
        settings.loadCorrectionAngle();
        const double value = key == "AudioVolume" ? settings.audioVolume()
                             : key == "pilot_rank" ? settings.getPilotRank()
                             : key == "Bay/1_result" ? settings.getLevelResult("Bay/1")
                                                     : angles.first().first().toDouble();
        QCOMPARE(value, read);
    }

    // Debug lines on, standard error a pipe nobody reads: the 20,000 lines of
    // the group scan fill it before the window opens.
    void tenThousandEntriesStaySmallWithAFullPipe()
    {
        QTemporaryDir dir;
        QVERIFY(install(dir.path(), true));
        int pipe[2];
        QCOMPARE(pipe2(pipe, O_CLOEXEC), 0);
        QProcess game;
        start(game, dir.path(), pipe[1]);
        const QString window = xdotool({"search", "--sync", "--onlyvisible", "--pid", QString::number(game.processId())});
        QVERIFY2(!window.isEmpty(), "the window never opened");
        // Full: a writer to it would wait.
        pollfd writable{pipe[1], POLLOUT, 0};
        QTRY_VERIFY_WITH_TIMEOUT(::poll(&writable, 1, 0) == 0, 20000);

        const qint64 title = peakUntilIdle(game.processId(), 3);
        xdotool({"windowfocus", "--sync", window, "key", "Return"});
        const qint64 groups = peakUntilIdle(game.processId());
        xdotool({"windowfocus", "--sync", window, "key", "Return"});
        const qint64 levels = peakUntilIdle(game.processId());
        qInfo("resident KiB: title %lld, 10,000 groups %lld, 10,000 flights %lld", title, groups, levels);
        QVERIFY2(groups - title < 200 * 1024 && levels - title < 200 * 1024, "a listing screen took over 200 MB");

        // Cutting its X connection ends a game whose GUI thread still runs.
        xdotool({"windowkill", window});
        QVERIFY2(game.waitForFinished(30000), "the game is stuck");
        ::close(pipe[0]), ::close(pipe[1]);
    }

private:
    void start(QProcess &game, const QString &dir, int standardError)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "xcb");
        environment.insert("QT_LOGGING_RULES", "default.debug=true");
        environment.insert("XDG_CONFIG_HOME", dir + "/config");
        // A sanitizer build reports at exit; into a full pipe that would wait.
        environment.insert("ASAN_OPTIONS", environment.value("ASAN_OPTIONS") + ":log_path=" + dir + "/sanitizer");
        game.setProcessEnvironment(environment);
        game.setWorkingDirectory(dir);
        game.setStandardOutputFile(QProcess::nullDevice());
        game.setStandardErrorFile(QProcess::nullDevice());
        if (standardError >= 0)
            game.setChildProcessModifier([standardError] { ::dup2(standardError, STDERR_FILENO); });
        game.start(dir + "/bin/cirrovanta", {});
        QVERIFY(game.waitForStarted());
    }

    QProcess xvfb;
};

CIRROVANTA_TEST_MAIN(HostileStoreTest)
#include "tst_hostilestore.moc"
