#include "common/testenvironment.h"

#include "app/commandline.h"

#include <QProcess>

namespace {

std::optional<std::string> answerFor(const QStringList &arguments)
{
    QList<QByteArray> storage;
    storage.append("cirrovanta");
    for (const QString &argument : arguments)
        storage.append(argument.toLocal8Bit());
    std::vector<const char *> argv;
    for (const QByteArray &argument : storage)
        argv.push_back(argument.constData());
    argv.push_back(nullptr);
    return commandLineAnswer(int(storage.size()), argv.data());
}

} // namespace

class CommandLineTest : public QObject
{
    Q_OBJECT

public:
    explicit CommandLineTest(const TestEnvironment &) { }

private slots:
    void answersOnlyItsTwoQuestions_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("answerStart");

        QTest::newRow("no arguments start the game") << QStringList() << QString();
        QTest::newRow("Qt's own options start the game")
            << QStringList({ "-platform", "offscreen", "-qwindowgeometry", "854x480" })
            << QString();
        QTest::newRow("an unknown option is Qt's business")
            << QStringList({ "--fullscreen" }) << QString();
        QTest::newRow("a near miss is not a question")
            << QStringList({ "--versions", "-help" }) << QString();
        QTest::newRow("--version") << QStringList({ "--version" }) << "cirrovanta 1.0\n";
        QTest::newRow("--help") << QStringList({ "--help" }) << "Usage: cirrovanta";
        QTest::newRow("a question after Qt's options")
            << QStringList({ "-platform", "offscreen", "--version" }) << "cirrovanta 1.0\n";
        QTest::newRow("the first question wins")
            << QStringList({ "--help", "--version" }) << "Usage: cirrovanta";
    }

    void answersOnlyItsTwoQuestions()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, answerStart);
        const std::optional<std::string> answer = answerFor(arguments);
        if (answerStart.isEmpty()) {
            QVERIFY(!answer.has_value());
            return;
        }
        QVERIFY(answer.has_value());
        QVERIFY2(QString::fromStdString(*answer).startsWith(answerStart), answer->c_str());
    }

    void helpNamesTheKeysAndWhereSettingsLive()
    {
        const QString help = QString::fromStdString(answerFor({ "--help" }).value_or(""));
        for (const char *part : { "arrow keys", "Escape", "~/.config/Velmoran/QtCirrovanta.conf",
                 "--version", "--help" })
            QVERIFY2(help.contains(part), part);
    }

    // Answered before any Qt application exists: a platform plugin that does
    // not exist would stop the program at once if one were built.
    void theProgramAnswersWithoutADisplay_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("expected");
        QTest::newRow("version") << "--version"
                                 << "cirrovanta 1.0\n";
        QTest::newRow("help") << "--help"
                              << "Usage: cirrovanta [Qt options]\n";
    }

    void theProgramAnswersWithoutADisplay()
    {
        QFETCH(QString, option);
        QFETCH(QString, expected);
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "no-such-platform");
        environment.remove("DISPLAY");
        environment.remove("WAYLAND_DISPLAY");
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(CIRROVANTA_BINARY_DIR "/cirrovanta"), { option });
        QVERIFY(process.waitForFinished(20000));
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), 0);
        const QString output = QString::fromUtf8(process.readAllStandardOutput());
        QVERIFY2(output.startsWith(expected), qPrintable(output));
        QCOMPARE(QString::fromUtf8(process.readAllStandardError()), QString());
    }
};

CIRROVANTA_TEST_MAIN(CommandLineTest)
#include "tst_commandline.moc"
