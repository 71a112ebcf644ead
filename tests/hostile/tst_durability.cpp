// Nothing lost: a result saved by saveResult is on disk the moment the call
// returns, and a process killed in the middle of writing the settings never
// leaves a truncated or half-written file behind. The killed processes are
// this test program itself, started again in a child role.
#include "common/testenvironment.h"
#include "engine/gameengine.h"
#include "persistence/settings.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QSettings>

#include <csignal>
#include <cstdio>
#include <unistd.h>

namespace {

const char *saveRole = "--save-then-wait";
const char *writeRole = "--write-forever";

// Child: saves one result through the engine, says so, and waits to be killed.
int saveThenWait(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    Settings settings;
    GameEngine engine(nullptr, &settings);
    QObject root;
    root.setProperty("levelName", QStringLiteral("Durable/level1"));
    engine.setRootObject(&root);
    engine.saveResult(true, 4321);
    std::fputs("saved\n", stdout);
    std::fflush(stdout);
    for (;;)
        pause();
}

// Child: rewrites the settings as fast as it can. Each round stores one
// consistent state (three keys with the round number and a filler whose
// length changes, so that a cut-off file would show), through one QSettings
// and through the Settings object's own writes.
int writeForever(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    Settings settings;
    // The game's first use of the store goes through the settings object,
    // which clears a lock file that an earlier kill left unfinished.
    (void)settings.getPilotRank();
    for (qint64 round = 1;; ++round) {
        {
            QSettings store(Settings::organisation(), Settings::application());
            store.setValue("round_a", round);
            store.setValue("filler", QString(int(round % 97) * 40, QLatin1Char('x')));
            store.setValue("round_b", round);
            store.setValue("round_c", round);
        }
        settings.setLevelResult(QStringLiteral("Durable/level1"), int(round));
        settings.setLevelPassed(QStringLiteral("Durable/level1"), round % 2 == 0);
        if (round == 1) {
            std::fputs("writing\n", stdout);
            std::fflush(stdout);
        }
    }
}

} // namespace

class DurabilityTest : public QObject
{
    Q_OBJECT

public:
    explicit DurabilityTest(const TestEnvironment &environment) : env(environment) {}

private slots:
    void savedResultSurvivesAKillRightAfterTheCall()
    {
        QFile::remove(env.settingsFile());
        QProcess child;
        QVERIFY(startChild(child, saveRole, "saved"));
        ::kill(pid_t(child.processId()), SIGKILL);
        QVERIFY(child.waitForFinished(10000));
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);

        QSettings store(env.settingsFile(), QSettings::IniFormat);
        QCOMPARE(store.status(), QSettings::NoError);
        QCOMPARE(store.value("Durable/level1_result").toInt(), 4321);
        QCOMPARE(store.value("Durable/level1_passed").toBool(), true);
        // The group's total is the level's best; the group has no level
        // directory here, so it is not marked finished.
        QCOMPARE(store.value("Durable_result").toInt(), 4321);
    }

    void killedWhileWritingLeavesACompleteEarlierState()
    {
        QFile::remove(env.settingsFile());
        QRandomGenerator random(20261205);
        const int kills = 30;
        for (int kill = 0; kill < kills; ++kill) {
            QProcess child;
            QVERIFY(startChild(child, writeRole, "writing"));
            QThread::usleep(random.bounded(2000, 60000));
            ::kill(pid_t(child.processId()), SIGKILL);
            QVERIFY(child.waitForFinished(10000));
            // A restart follows a kill only after a moment, even when scripted.
            QThread::msleep(150);

            QFile file(env.settingsFile());
            QVERIFY2(file.exists(), "the settings file is gone");
            QSettings store(env.settingsFile(), QSettings::IniFormat);
            QCOMPARE(store.status(), QSettings::NoError);
            const qint64 a = store.value("round_a").toLongLong();
            // One round's keys, all present and all of the same round.
            QVERIFY2(a >= 1, qPrintable(QStringLiteral("kill %1: no round stored").arg(kill)));
            QCOMPARE(store.value("round_b").toLongLong(), a);
            QCOMPARE(store.value("round_c").toLongLong(), a);
            QCOMPARE(store.value("filler").toString(), QString(int(a % 97) * 40, QLatin1Char('x')));
            // The Settings writes of that round or the one before.
            const int result = store.value("Durable/level1_result").toInt();
            QVERIFY2(result == a || result == a - 1 || a == 1,
                     qPrintable(QStringLiteral("round %1, result %2").arg(a).arg(result)));
        }
    }

    void abandonedLockFileDoesNotStallTheNextSave()
    {
        // What a kill while taking the lock leaves: an empty lock file. Qt alone
        // would wait until it is 30 s old, longer than startChild waits.
        QFile::remove(env.settingsFile());
        QVERIFY(QDir().mkpath(QFileInfo(env.settingsFile()).path()));
        QFile lock(env.settingsFile() + ".lock");
        QVERIFY(lock.open(QIODevice::WriteOnly));
        lock.close();
        QVERIFY(lock.open(QIODevice::ReadWrite));
        QVERIFY(lock.setFileTime(QDateTime::currentDateTime().addSecs(-5), QFileDevice::FileModificationTime));
        lock.close();

        QProcess child;
        QVERIFY(startChild(child, saveRole, "saved"));
        ::kill(pid_t(child.processId()), SIGKILL);
        QVERIFY(child.waitForFinished(10000));
        QSettings store(env.settingsFile(), QSettings::IniFormat);
        QCOMPARE(store.value("Durable/level1_result").toInt(), 4321);
    }

private:
    // Starts this program in a child role with the test's settings store and
    // waits for the line it prints once it has got going.
    bool startChild(QProcess &child, const char *role, const QByteArray &readyLine);

    const TestEnvironment &env;
};

bool DurabilityTest::startChild(QProcess &child, const char *role, const QByteArray &readyLine)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_CONFIG_HOME", env.configDir());
    environment.insert("QT_LOGGING_RULES", "default.debug=false");
    environment.remove("PULSE_SERVER");
    child.setProcessEnvironment(environment);
    child.setProgram(QCoreApplication::applicationFilePath());
    child.setArguments({QString::fromLatin1(role)});
    child.start();
    if (!child.waitForStarted(10000))
        return false;
    while (!child.canReadLine()) {
        if (!child.waitForReadyRead(20000))
            return false;
    }
    return child.readLine().trimmed() == readyLine;
}

int main(int argc, char *argv[])
{
    if (argc > 1 && qstrcmp(argv[1], saveRole) == 0)
        return saveThenWait(argc, argv);
    if (argc > 1 && qstrcmp(argv[1], writeRole) == 0)
        return writeForever(argc, argv);
    TestEnvironment environment;
    QGuiApplication app(argc, argv);
    DurabilityTest test(environment);
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_durability.moc"
