#pragma once

#include <QProcess>
#include <QRegularExpression>

// The real executable run to its end (or killed after waitMs), drawing
// offscreen with every debug line and QML console line on.
struct GameRun
{
    bool finished = false;
    QProcess::ExitStatus status = QProcess::CrashExit;
    int exitCode = -1;
    QString output;

    bool quitNormally() const { return finished && status == QProcess::NormalExit && exitCode == 0; }
};

inline QString gameExecutable()
{
    return QStringLiteral(CIRROVANTA_BINARY_DIR "/cirrovanta");
}

inline GameRun runGame(const QString &program, const QString &workingDir, int waitMs = 20000,
                       const QString &configHome = QString())
{
    QProcess process;
    process.setProgram(program);
    process.setWorkingDirectory(workingDir);
    process.setProcessChannelMode(QProcess::MergedChannels);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("QT_LOGGING_RULES", "default.debug=true;qml.debug=true;js.debug=true");
    if (!configHome.isEmpty())
        environment.insert("XDG_CONFIG_HOME", configHome);
    process.setProcessEnvironment(environment);
    process.start();
    GameRun run;
    if (!process.waitForStarted())
        return run;
    run.finished = process.waitForFinished(waitMs);
    if (!run.finished) {
        process.kill();
        process.waitForFinished();
    }
    run.status = process.exitStatus();
    run.exitCode = process.exitCode();
    run.output = QString::fromUtf8(process.readAll());
    return run;
}

// What a document logged after a marker, up to the end of its line.
inline QString loggedAfter(const QString &output, const QString &marker)
{
    const QRegularExpression line(QRegularExpression::escape(marker) + " ([^\n]*)$",
                                  QRegularExpression::MultilineOption);
    return line.match(output).captured(1).trimmed();
}
