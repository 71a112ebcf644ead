// The real game, under a real X server, against what a careless user, a sync
// tool or a hostile file leaves behind: its window opens whatever sits at the
// settings lock or in the store's place, the player's file survives byte for
// byte, and neither 10,000-entry screens nor a standard error nobody reads
// stop it.
#include "common/testenvironment.h"
#include "common/xserver.h"

#include <QDir>
#include <QSettings>
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
              && QFile::copy(CIRROVANTA_BINARY_DIR "/cirrovanta", dir + "/bin/cirrovanta");
    // Linked one by one down to the first group, whose directory gets more files.
    for (const QString &sub : {QString(), QStringLiteral("Levels/"), QStringLiteral("Levels/1-FlightSchool/")})
        for (const QString &entry : QDir(source + sub).entryList(QDir::AllEntries | QDir::NoDotAndDotDot))
            ok = ok && (entry == "Levels" || entry == "1-FlightSchool" || QFile::link(source + sub + entry, target + sub + entry));
    for (int i = 10000; many && i < 20000; ++i)
        ok = ok && QDir().mkpath(target + "Levels/9-Extra" + QString::number(i)) && writeBytes(target + "Levels/1-FlightSchool/x" + QString::number(i) + ".qml", {});
    return ok;
}

// Waits until the game has used under a quarter of a core for a second (at
// most a minute): a screen of 10,000 entries takes a while to build.
void waitUntilIdle(qint64 pid)
{
    const auto ticks = [pid] { // utime + stime
        const QList<QByteArray> fields = bytesOf(QStringLiteral("/proc/%1/stat").arg(pid)).split(')').value(1).split(' ');
        return fields.value(12).toLongLong() + fields.value(13).toLongLong();
    };
    for (int second = 0; second < 60; ++second) {
        const qint64 before = ticks();
        QThread::sleep(1);
        if (ticks() - before < sysconf(_SC_CLK_TCK) / 4)
            return;
    }
}

} // namespace

class HostileStoreTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable("Xvfb").isEmpty() || QStandardPaths::findExecutable("xdotool").isEmpty())
            QSKIP("needs Xvfb and xdotool (scripts/install-deps.sh test)");
        xvfb = std::make_unique<XServer>();
        QVERIFY(xvfb->running());
    }
    void cleanupTestCase() { xvfb.reset(); }

    void whateverSitsAtTheStoreTheWindowOpensAndNoBytesAreLost_data()
    {
        const QByteArray good = "[General]\npilot_rank=2\n";
        QTest::addColumn<QString>("litter"); // what sits in the way, holding a file of someone's
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QString>("aside");
        QTest::newRow("lock is a directory with a file: nothing is written") << "store.lock/" << good << "";
        QTest::newRow("lock is a dangling link: it goes, the game saves") << "link" << good << "";
        QTest::newRow("lock is a named pipe: it goes, the game saves") << "pipe" << good << "";
        QTest::newRow("store is a directory with a file: nothing is written") << "store/" << QByteArray() << "";
        QTest::newRow("the settings directory's place holds a file") << "config" << QByteArray() << "";
        QTest::newRow("unclosed quote at the top: moved aside") << "" << "a=\"open\n" + good << "unreadable";
        QTest::newRow("junk and a broken section first: moved aside") << "" << "\x01\x02\n[Gen\n" + good << "unreadable";
        QTest::newRow("over 1 MiB: moved aside") << "" << good + QByteArray(1100000, ';') << "oversized";
    }
    void whateverSitsAtTheStoreTheWindowOpensAndNoBytesAreLost()
    {
        QFETCH(QString, litter);
        QFETCH(QByteArray, stored);
        QFETCH(QString, aside);
        QTemporaryDir dir;
        QVERIFY(install(dir.path(), false));
        const QString store = dir.filePath("config/Velmoran/QtCirrovanta.conf");
        const QString someones = litter == "config" ? dir.filePath("config")
                                 : litter == "store/" ? store + "/notes.txt" : store + ".lock/notes.txt";
        QVERIFY(stored.isEmpty() || writeBytes(store, stored));
        QVERIFY((!litter.endsWith('/') && litter != "config") || writeBytes(someones, "someone's"));
        QVERIFY(litter != "link" || QFile::link(dir.filePath("nowhere"), store + ".lock"));
        QVERIFY(litter != "pipe" || mkfifo(QFile::encodeName(store + ".lock").constData(), 0600) == 0);

        QProcess game;
        start(game, dir.path(), -1);
        QVERIFY2(!xdotool({"search", "--sync", "--onlyvisible", "--pid", QString::number(game.processId())}).isEmpty(), "no window");
        game.kill();
        game.waitForFinished();

        const QStringList asideFiles = QDir(QFileInfo(store).path()).entryList({"QtCirrovanta.conf." + aside + "-*"});
        if (!aside.isEmpty()) {
            QCOMPARE(asideFiles.size(), 1);
            QCOMPARE(bytesOf(QFileInfo(store).path() + "/" + asideFiles.first()), stored);
        } else if (litter.endsWith('/') || litter == "config") {
            QCOMPARE(bytesOf(someones), QByteArray("someone's"));
            QVERIFY(stored.isEmpty() || bytesOf(store) == stored);
        } else {
            const QSettings saved(store, QSettings::IniFormat);
            QCOMPARE(saved.value("pilot_rank").toInt(), 2);
            QVERIFY(saved.contains("AudioMute")); // written at start, past the cleared lock
        }
    }

    // Debug lines on, standard error a pipe nobody reads: the 20,000 lines of
    // the group scan fill it before the window opens. (What the listing
    // screens cost in memory is a benchmark's business.)
    void tenThousandEntriesAndAFullPipeDoNotStopTheGame()
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

        // To the 10,000 groups and on to the 10,000 flights of the first.
        for (int screen = 0; screen < 2; ++screen) {
            xdotool({"windowfocus", "--sync", window, "key", "Return"});
            waitUntilIdle(game.processId());
        }

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

    std::unique_ptr<XServer> xvfb;
};

CIRROVANTA_TEST_MAIN(HostileStoreTest)
#include "tst_hostilestore.moc"
