#include "common/testenvironment.h"

#include <QDirIterator>
#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

namespace {

const QString sourceDir = QStringLiteral(CIRROVANTA_SOURCE_DIR);
const QString binaryDir = QStringLiteral(CIRROVANTA_BINARY_DIR);

// Paths of the files under dir, relative to it.
QStringList filesUnder(const QString &dir, const QStringList &nameFilters = {})
{
    QStringList files;
    QDirIterator it(dir, nameFilters, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files.append(QDir(dir).relativeFilePath(it.next()));
    files.sort();
    return files;
}

QString readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

QString quoted(const QString &path)
{
    return '"' + path + '"';
}

struct Tool
{
    QString output;
    int exitCode = -1;
};

Tool runTool(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    Tool tool;
    if (!process.waitForStarted() || !process.waitForFinished(120000))
        return tool;
    tool.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    tool.output = QString::fromUtf8(process.readAll());
    return tool;
}

// "module=package" lines, and the Depends field the package is built with.
QMap<QString, QString> qmlModulePackages()
{
    QMap<QString, QString> packages;
    const QStringList lines = readFile(binaryDir + "/packaging/qml-modules.txt").split('\n');
    for (const QString &line : lines) {
        const int equals = line.indexOf('=');
        if (equals > 0)
            packages.insert(line.left(equals).trimmed(), line.mid(equals + 1).trimmed());
    }
    return packages;
}

QStringList dependedPackages()
{
    QStringList packages;
    const QString depends = readFile(binaryDir + "/packaging/depends.txt").trimmed();
    for (const QString &entry : depends.split(',', Qt::SkipEmptyParts))
        packages.append(entry.trimmed().section(' ', 0, 0));
    return packages;
}

} // namespace

// The game installed into a private tree named like a real one
// (<tmp>/opt/cirrovanta), then started from a directory that holds nothing of it.
class InstalledGameTest : public QObject
{
    Q_OBJECT

public:
    explicit InstalledGameTest(const TestEnvironment &) { }

private slots:
    void initTestCase()
    {
        QVERIFY(scratch.isValid());
        prefix = scratch.filePath("opt/cirrovanta");
        const Tool install = runTool(QStringLiteral(CIRROVANTA_CMAKE_COMMAND),
            { "--install", binaryDir, "--prefix", prefix });
        QVERIFY2(install.exitCode == 0, qPrintable(install.output));
    }

    void everythingLiesBesideBin()
    {
        QVERIFY(QFileInfo(prefix + "/bin/cirrovanta").isExecutable());
        QVERIFY(QFileInfo::exists(prefix + "/qml/Cirrovanta/main.qml"));
        QCOMPARE(filesUnder(prefix + "/qml"), filesUnder(sourceDir + "/qml"));

        const QStringList sounds = filesUnder(sourceDir + "/sounds", { "*.wav" });
        QVERIFY(!sounds.isEmpty());
        QCOMPARE(filesUnder(prefix + "/sounds"), sounds);

        // The translations the build made, however many there are, sit in the
        // prefix, the working directory the desktop entry gives the game.
        QStringList translations = QDir(binaryDir).entryList({ "*.qm" }, QDir::Files);
        translations += QDir(binaryDir + "/translations").entryList({ "*.qm" }, QDir::Files);
        translations += QDir(sourceDir + "/translations").entryList({ "*.qm" }, QDir::Files);
        translations.removeDuplicates();
        translations.sort();
        QCOMPARE(QDir(prefix).entryList({ "*.qm" }, QDir::Files), translations);
    }

    void desktopFilesStayInsideAPrivateTree()
    {
        // Not under /opt itself, so nothing is written to /usr/share.
        const QString entry = readFile(prefix + "/share/applications/cirrovanta.desktop");
        QVERIFY2(entry.contains("\nExec=" + prefix + "/bin/cirrovanta\n"), qPrintable(entry));
        QVERIFY2(entry.contains("\nPath=" + prefix + "\n"), qPrintable(entry));
        QVERIFY(QFileInfo::exists(
            prefix + "/share/metainfo/io.github.velmoran.cirrovanta.metainfo.xml"));
        QVERIFY(QFileInfo::exists(prefix + "/share/icons/hicolor/scalable/apps/cirrovanta.svg"));
        for (const char *size : { "48x48", "64x64", "128x128", "256x256" }) {
            const QImage icon(prefix + "/share/icons/hicolor/" + size + "/apps/cirrovanta.png");
            QCOMPARE(QString("%1x%2").arg(icon.width()).arg(icon.height()), QString(size));
        }
    }

    void installedGameFindsItsDataFromAnyWorkingDirectory()
    {
        QTemporaryDir elsewhere;
        QProcess game;
        game.setProgram(prefix + "/bin/cirrovanta");
        game.setWorkingDirectory(elsewhere.path());
        game.setProcessChannelMode(QProcess::MergedChannels);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.insert("QT_LOGGING_RULES", "default.debug=true");
        game.setProcessEnvironment(environment);
        game.start();
        QVERIFY(game.waitForStarted());

        // The lines start-up prints when it finds the installed data.
        const QString levels = quoted(prefix + "/qml/Cirrovanta/Levels/");
        QStringList expected { levels };
        const QStringList groups = QDir(sourceDir + "/qml/Cirrovanta/Levels")
                                       .entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        for (const QString &group : groups)
            expected.append("found new Qml group " + quoted(group));
        const QRegularExpression installedSound(
            QRegularExpression::escape("\"" + prefix + "/sounds/") + "S_[A-Za-z0-9_]+\\.wav\"");

        QString output;
        const auto seenAll = [&] {
            for (const QString &line : expected)
                if (!output.contains(line))
                    return false;
            return output.contains(installedSound);
        };
        QElapsedTimer clock;
        clock.start();
        while (game.state() == QProcess::Running && !seenAll() && clock.elapsed() < 60000) {
            game.waitForReadyRead(200);
            output += QString::fromUtf8(game.readAll());
        }
        // A few seconds more, for the main document to load and the game to settle.
        clock.restart();
        while (game.state() == QProcess::Running && clock.elapsed() < 3000) {
            game.waitForReadyRead(200);
            output += QString::fromUtf8(game.readAll());
        }
        const bool stillRunning = game.state() == QProcess::Running;
        game.terminate();
        if (!game.waitForFinished(10000)) {
            game.kill();
            game.waitForFinished();
        }
        output += QString::fromUtf8(game.readAll());

        QVERIFY2(stillRunning, qPrintable("the game ended on its own:\n" + output));
        QVERIFY2(!output.contains("findSteer(): Game Qml Missing!"), qPrintable(output));
        for (const QString &line : expected)
            QVERIFY2(output.contains(line), qPrintable("missing " + line + " in:\n" + output));
        QVERIFY2(output.contains(installedSound), qPrintable(output));
        // The game leaves the directory it was started from alone.
        QVERIFY(QDir(elsewhere.path()).isEmpty());
    }

    void everyQmlImportHasItsDebianPackage()
    {
        const QMap<QString, QString> modules = qmlModulePackages();
        const QStringList depends = dependedPackages();
        QVERIFY(!modules.isEmpty());
        const QRegularExpression import(
            "^\\s*\\.?import\\s+([A-Za-z][A-Za-z0-9_.]*)", QRegularExpression::MultilineOption);
        for (const QString &file : filesUnder(sourceDir + "/qml", { "*.qml", "*.js" })) {
            const QString text = readFile(sourceDir + "/qml/" + file);
            auto matches = import.globalMatch(text);
            while (matches.hasNext()) {
                const QString module = matches.next().captured(1);
                QVERIFY2(modules.contains(module),
                    qPrintable(file + " imports " + module
                        + ", which no Debian package of the package's list provides"));
                QVERIFY2(depends.contains(modules.value(module)), qPrintable(module));
            }
        }
    }

    // Every Qt library the program links comes from a package it depends on.
    void everyLinkedQtLibraryIsADependency()
    {
        const QString objdump = QStandardPaths::findExecutable("objdump");
        const QString dpkg = QStandardPaths::findExecutable("dpkg");
        if (objdump.isEmpty() || dpkg.isEmpty())
            QSKIP("objdump (binutils) or dpkg is not installed");
        const Tool headers = runTool(objdump, { "-p", binaryDir + "/cirrovanta" });
        QCOMPARE(headers.exitCode, 0);
        const Tool libraries = runTool("ldd", { binaryDir + "/cirrovanta" });
        const QStringList depends = dependedPackages();
        const QRegularExpression needed("NEEDED\\s+(libQt6\\S+)");
        auto matches = needed.globalMatch(headers.output);
        int checked = 0;
        while (matches.hasNext()) {
            const QString library = matches.next().captured(1);
            const QRegularExpression resolved(QRegularExpression::escape(library) + " => (\\S+)");
            const QString path = resolved.match(libraries.output).captured(1);
            QVERIFY2(!path.isEmpty(), qPrintable(library));
            const Tool owner = runTool(dpkg, { "-S", QFileInfo(path).canonicalFilePath() });
            QCOMPARE(owner.exitCode, 0);
            const QString package = owner.output.section(':', 0, 0).trimmed();
            QVERIFY2(depends.contains(package), qPrintable(library + " comes from " + package));
            ++checked;
        }
        QVERIFY(checked > 0);
    }

private:
    QTemporaryDir scratch;
    QString prefix;
};

CIRROVANTA_TEST_MAIN(InstalledGameTest)
#include "tst_installedgame.moc"
