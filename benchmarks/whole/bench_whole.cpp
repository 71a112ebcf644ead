// The whole game against a bare Qt Quick program, side by side in one run so
// that the machine's noise falls on both: start-up to the first frame and the
// memory then (median of alternating runs), frame pacing and CPU share during
// a demo flight, and the audio thread's share. The hot-path benchmarks built
// beside this one (flight step, game step, mixer) are run too and their key
// figures join the same table. Prints one Markdown table.
//
//   bench_whole [--runs N] [--seconds S] [--pacing-runs M] [--raw FILE]
//               [--opengl-only] [--no-hot-paths] [--no-startup]
//               [--flight-runs F] [--flight-level group/name]
//
// A real flight (bench_game flight) is measured against the bare program
// scrolling a picture of the same level along the camera path the flight
// took (bench_bare scroll): see flightPass.
//
// The whole-game figures are taken twice, once drawing through OpenGL (under
// Xvfb that is Mesa's llvmpipe) and once through Qt Quick's software renderer,
// game and reference always alike.
//
// Needs a display (Xvfb) and a sound server; scripts/benchmarks.sh provides both.

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <map>
#include <optional>
#include <vector>

namespace {

qint64 monotonicNs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return qint64(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

double median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const size_t mid = values.size() / 2;
    return values.size() % 2 ? values[mid] : (values[mid - 1] + values[mid]) / 2;
}

// "probe: a=1 b=2" lines into one map; thread lines are kept apart.
struct ProbeReport {
    std::map<QString, QString> values;
    std::vector<std::pair<QString, double>> threads;
    double number(const QString &key) const
    {
        const auto it = values.find(key);
        return it == values.end() ? -1 : it->second.toDouble();
    }
};

ProbeReport parseProbe(const QByteArray &output)
{
    ProbeReport report;
    for (const QByteArray &line : output.split('\n')) {
        if (!line.startsWith("probe: "))
            continue;
        std::map<QString, QString> fields;
        for (const QByteArray &pair : line.mid(7).split(' ')) {
            const int eq = pair.indexOf('=');
            if (eq > 0)
                fields[QString::fromUtf8(pair.left(eq))] = QString::fromUtf8(pair.mid(eq + 1));
        }
        if (line.startsWith("probe: thread ")) {
            report.threads.emplace_back(fields["name"], fields["cpu_pct"].toDouble());
            continue;
        }
        report.values.insert(fields.begin(), fields.end());
    }
    return report;
}

struct Runner {
    QString binDir;
    QString gameDir;
    QProcessEnvironment environment;
    QByteArray raw;

    std::optional<ProbeReport> run(const QString &program, const QStringList &arguments,
                                   const QString &workDir, int timeoutMs, qint64 *startNs = nullptr)
    {
        QProcess process;
        process.setProcessEnvironment(environment);
        process.setWorkingDirectory(workDir);
        process.setProcessChannelMode(QProcess::SeparateChannels);
        process.setStandardErrorFile(QProcess::nullDevice());
        const qint64 start = monotonicNs();
        process.start(program, arguments);
        if (!process.waitForStarted(10000))
            return std::nullopt;
        if (!process.waitForFinished(timeoutMs)) {
            process.kill();
            process.waitForFinished(5000);
            std::fprintf(stderr, "%s %s timed out\n", qPrintable(program), qPrintable(arguments.join(' ')));
            return std::nullopt;
        }
        const QByteArray output = process.readAllStandardOutput();
        raw += "### " + QFileInfo(program).fileName().toUtf8() + ' ' + arguments.join(' ').toUtf8() + '\n' + output + '\n';
        if (startNs)
            *startNs = start;
        return parseProbe(output);
    }
};

QString fmt(double value, int decimals = 1)
{
    return value < 0 ? QStringLiteral("n/a") : QString::number(value, 'f', decimals);
}

QString ratio(double ours, double reference)
{
    if (ours < 0 || reference <= 0)
        return QStringLiteral("n/a");
    return QString::number(ours / reference, 'f', 2) + QStringLiteral("×");
}

QStringList tableRows;
QStringList notes;

void row(const QString &figure, const QString &game, const QString &reference, const QString &ratioText,
         const QString &goal, const QString &met)
{
    tableRows << QStringLiteral("| %1 | %2 | %3 | %4 | %5 | %6 |")
                     .arg(figure, game, reference, ratioText, goal, met);
}

QString verdict(bool ok) { return ok ? QStringLiteral("yes") : QStringLiteral("**no**"); }

// Runs one of the hot-path benchmarks when it was built; empty when it was not.
QByteArray runHotPath(Runner &runner, const QString &name)
{
    const QString path = runner.binDir + '/' + name;
    if (!QFileInfo(path).isExecutable())
        return {};
    QProcess process;
    process.setProcessEnvironment(runner.environment);
    process.setWorkingDirectory(runner.gameDir);
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start(path, {});
    if (!process.waitForFinished(600000)) {
        process.kill();
        process.waitForFinished(5000);
        return {};
    }
    const QByteArray output = process.readAllStandardOutput();
    runner.raw += "### " + name.toUtf8() + '\n' + output + '\n';
    return output;
}

QList<double> numbersIn(const QString &line)
{
    QList<double> numbers;
    static const QRegularExpression number(QStringLiteral("(?<![A-Za-z])-?\\d+(?:\\.\\d+)?"));
    auto it = number.globalMatch(line);
    while (it.hasNext())
        numbers.append(it.next().captured(0).toDouble());
    return numbers;
}

void hotPathRows(Runner &runner)
{
    const QByteArray flight = runHotPath(runner, QStringLiteral("bench_flight"));
    double step = -1, bare = -1;
    for (const QString &line : QString::fromUtf8(flight).split('\n')) {
        const QList<double> n = numbersIn(line);
        if (line.startsWith(QStringLiteral("adjustFlight")) && n.size() >= 2)
            step = n[n.size() - 2];
        if (line.startsWith(QStringLiteral("bare property")) && n.size() >= 2)
            bare = n[n.size() - 2];
    }
    if (step < 0)
        row(QStringLiteral("adjustFlight, µs per call"), QStringLiteral("(not built yet)"), QString(),
            QString(), QString(), QString());
    else
        row(QStringLiteral("adjustFlight, µs per call (vs the bare property reads and writes it makes)"),
            fmt(step, 3), fmt(bare, 3), ratio(step, bare), QString(), QString());

    const QByteArray gamestep = runHotPath(runner, QStringLiteral("bench_gamestep"));
    bool anyStep = false;
    for (const QString &line : QString::fromUtf8(gamestep).split('\n')) {
        const QList<double> n = numbersIn(line);
        if (n.size() < 4 || !line.trimmed().front().isDigit())
            continue;
        anyStep = true;
        row(QStringLiteral("game step, %1 items, µs per step (vs its reference)").arg(int(n[0])),
            fmt(n[1], 2), fmt(n[2], 2), ratio(n[1], n[2]), QString(), QString());
    }
    if (!anyStep)
        row(QStringLiteral("game step, µs per step"), QStringLiteral("(not built yet)"), QString(),
            QString(), QString(), QString());

    const QByteArray audio = runHotPath(runner, QStringLiteral("bench_audio"));
    bool anyMix = false;
    for (const QString &line : QString::fromUtf8(audio).split('\n')) {
        const QStringList cells = line.split('|');
        if (cells.size() < 5)
            continue;
        bool voicesOk = false;
        const int voices = cells[0].trimmed().toInt(&voicesOk);
        bool oursOk = false, readerOk = false, alOk = false;
        const double ours = cells[1].trimmed().toDouble(&oursOk);
        const double reader = cells[2].trimmed().toDouble(&readerOk);
        const double openal = cells[3].trimmed().toDouble(&alOk);
        if (!voicesOk || !oursOk)
            continue;
        anyMix = true;
        row(QStringLiteral("mixer, %1 voices, × real time, higher is better (vs OpenAL Soft)").arg(voices), fmt(ours, 1),
            alOk ? fmt(openal, 1) : QStringLiteral("n/a"), alOk ? ratio(ours, openal) : QStringLiteral("n/a"),
            QString(), QString());
        // Like for like: the same mixing through our own per-sample readers.
        if (readerOk)
            row(QStringLiteral("… %1 voices, vs our own per-sample reader path (same output)").arg(voices),
                fmt(ours, 1), fmt(reader, 1), ratio(ours, reader), QString(), QString());
    }
    if (!anyMix)
        row(QStringLiteral("mixer, × real time"), QStringLiteral("(not built yet)"), QString(), QString(),
            QString(), QString());
}


struct Options {
    int runs = 11;
    int pacingRuns = 3;
    int flightRuns = 3;
    double seconds = 20;
    QString flightLevel = QStringLiteral("2-IslandHopping/04_long_leg");
};

double pacingFigure(const std::vector<ProbeReport> &reports, const char *key)
{
    std::vector<double> values;
    for (const ProbeReport &r : reports)
        if (r.number(QString::fromLatin1(key)) >= 0)
            values.push_back(r.number(QString::fromLatin1(key)));
    return values.empty() ? -1.0 : median(values);
}

// The audio output thread is found by its name: the object name when it sets
// one, else Qt names the thread after its class.
double audioShare(const std::vector<ProbeReport> &reports)
{
    std::vector<double> values;
    for (const ProbeReport &r : reports) {
        double share = 0;
        bool found = false;
        for (const auto &[name, pct] : r.threads) {
            if (name.startsWith(QLatin1String("cirrovanta-aud")) || name == QLatin1String("GE::AudioOut")) {
                share += pct;
                found = true;
            }
        }
        if (found)
            values.push_back(share);
    }
    return values.empty() ? -1.0 : median(values);
}

QString threadList(const ProbeReport &report)
{
    QStringList parts;
    for (const auto &[name, pct] : report.threads)
        if (pct >= 0.05)
            parts << QStringLiteral("%1 %2").arg(name, QString::number(pct, 'f', 2));
    return parts.join(QStringLiteral(", "));
}

// Points the runner's programs at one Qt Quick backend ("" = the default,
// OpenGL); returns the environment to put back afterwards.
QProcessEnvironment useBackend(Runner &runner, const QString &backend)
{
    const QProcessEnvironment base = runner.environment;
    if (backend.isEmpty())
        runner.environment.remove(QStringLiteral("QT_QUICK_BACKEND"));
    else
        runner.environment.insert(QStringLiteral("QT_QUICK_BACKEND"), backend);
    return base;
}

// Start-up, memory, pacing and CPU of the game against the bare program, both
// drawing through one Qt Quick backend ("" = the default, OpenGL).
void wholeGamePass(Runner &runner, const QString &backend, const Options &options)
{
    const QProcessEnvironment base = useBackend(runner, backend);
    const QString game = runner.binDir + QStringLiteral("/bench_game");
    const QString bare = runner.binDir + QStringLiteral("/bench_bare");

    // Start-up: alternate game and bare so slow spells hit both.
    std::vector<double> gameStart, bareStart, gameRss, bareRss, gameCpu, bareCpu, gameAnon, bareAnon,
        gameFile, bareFile;
    ProbeReport gameInfo;
    for (int i = 0; i < options.runs; ++i) {
        for (int which = 0; which < 2; ++which) {
            const bool isGame = which == 0;
            qint64 started = 0;
            const auto report = runner.run(isGame ? game : bare, { QStringLiteral("startup") },
                                           isGame ? runner.gameDir : runner.binDir, 60000, &started);
            if (!report || report->number(QStringLiteral("first_frame_ns")) <= 0) {
                std::fprintf(stderr, "%s gave no first frame\n", isGame ? "game" : "bare");
                continue;
            }
            const double ms = (report->number(QStringLiteral("first_frame_ns")) - double(started)) / 1e6;
            (isGame ? gameStart : bareStart).push_back(ms);
            (isGame ? gameRss : bareRss).push_back(report->number(QStringLiteral("rss_kib")) / 1024.0);
            (isGame ? gameCpu : bareCpu).push_back(report->number(QStringLiteral("cpu_ms")));
            (isGame ? gameAnon : bareAnon).push_back(report->number(QStringLiteral("anon_kib")) / 1024.0);
            (isGame ? gameFile : bareFile).push_back(report->number(QStringLiteral("file_kib")) / 1024.0);
            if (isGame)
                gameInfo = *report;
        }
    }

    // Start-up until the title's demo flight is flying: the first frame drawn
    // after its first step.
    std::vector<double> demoStart, demoRss;
    for (int i = 0; i < options.runs; ++i) {
        qint64 started = 0;
        const auto report = runner.run(game, { QStringLiteral("demo") }, runner.gameDir, 60000, &started);
        if (report && report->number(QStringLiteral("demo_flying_ns")) > 0) {
            demoStart.push_back((report->number(QStringLiteral("demo_flying_ns")) - double(started)) / 1e6);
            demoRss.push_back(report->number(QStringLiteral("demo_rss_kib")) / 1024.0);
        }
    }

    // Pacing and CPU: long runs, alternating.
    std::vector<ProbeReport> gamePacing, barePacing;
    const QStringList pacingArgs = { QStringLiteral("pacing"), QString::number(options.seconds) };
    const int pacingTimeout = int((options.seconds + 60) * 1000);
    for (int i = 0; i < options.pacingRuns; ++i) {
        if (auto report = runner.run(game, pacingArgs, runner.gameDir, pacingTimeout))
            gamePacing.push_back(*report);
        if (auto report = runner.run(bare, pacingArgs, runner.binDir, pacingTimeout))
            barePacing.push_back(*report);
    }
    runner.environment = base;

    const QString api = gameInfo.values[QStringLiteral("graphics_api")];
    const QString label = backend.isEmpty() ? QStringLiteral("OpenGL") : QStringLiteral("software renderer");
    tableRows << QStringLiteral("| **Qt Quick through %1** | | | | | |").arg(label);
    notes << QStringLiteral("%1: Qt Quick backend %2, render thread %3, GL renderer %4, window %5 pixels.")
                 .arg(label, api, gameInfo.values[QStringLiteral("render_thread")],
                      gameInfo.values.count(QStringLiteral("renderer")) ? gameInfo.values[QStringLiteral("renderer")]
                                                                   : QStringLiteral("none"),
                      gameInfo.values[QStringLiteral("window")]);

    const double gs = median(gameStart), bs = median(bareStart);
    const double gm = median(gameRss), bm = median(bareRss);
    row(QStringLiteral("start-up to first frame, ms (median of %1, vs bare Qt Quick program)").arg(options.runs),
        fmt(gs), fmt(bs), ratio(gs, bs), QStringLiteral("≤ 1.3×"), verdict(bs > 0 && gs / bs <= 1.3));
    row(QStringLiteral("resident memory at first frame, MiB (vs bare)"), fmt(gm), fmt(bm), ratio(gm, bm),
        QStringLiteral("≤ 1.3×"), verdict(bm > 0 && gm / bm <= 1.3));
    const double gd = median(demoStart), gdm = median(demoRss);
    row(QStringLiteral("start-up until the title's demo is flying (first frame after its first step), ms "
                       "(median of %1, vs bare first frame)").arg(demoStart.size()),
        fmt(gd), fmt(bs), ratio(gd, bs), QString(), QString());
    row(QStringLiteral("… resident memory then, MiB (vs bare at first frame)"), fmt(gdm), fmt(bm), ratio(gdm, bm),
        QString(), QString());
    const double gc = median(gameCpu), bc = median(bareCpu);
    row(QStringLiteral("… CPU time to first frame, all threads, ms"), fmt(gc), fmt(bc), ratio(gc, bc),
        QString(), QString());
    const double ga = median(gameAnon), ba = median(bareAnon);
    row(QStringLiteral("… memory in heap and other anonymous pages, MiB"), fmt(ga), fmt(ba), ratio(ga, ba),
        QString(), QString());
    const double gf = median(gameFile), bf = median(bareFile);
    row(QStringLiteral("… memory in mapped files (libraries, fonts), MiB"), fmt(gf), fmt(bf), ratio(gf, bf),
        QString(), QString());

    if (options.pacingRuns == 0)
        return;
    const double gMed = pacingFigure(gamePacing, "median_ms"), bMed = pacingFigure(barePacing, "median_ms");
    const double gP99 = pacingFigure(gamePacing, "p99_ms"), bP99 = pacingFigure(barePacing, "p99_ms");
    const double gMax = pacingFigure(gamePacing, "max_ms"), bMax = pacingFigure(barePacing, "max_ms");
    const double gDrop = pacingFigure(gamePacing, "dropped"), bDrop = pacingFigure(barePacing, "dropped");
    const double gFrames = pacingFigure(gamePacing, "frames"), bFrames = pacingFigure(barePacing, "frames");
    const double gCpu = pacingFigure(gamePacing, "process_cpu_pct");
    const double bCpu = pacingFigure(barePacing, "process_cpu_pct");
    row(QStringLiteral("frame interval in a %1 s demo flight, median, ms (each figure the median of %2 "
                       "flights; vs bare moving one image)")
            .arg(options.seconds)
            .arg(options.pacingRuns),
        fmt(gMed, 2), fmt(bMed, 2), ratio(gMed, bMed), QString(), QString());
    row(QStringLiteral("frame interval, 99th percentile, ms"), fmt(gP99, 2), fmt(bP99, 2), ratio(gP99, bP99),
        QStringLiteral("≤ 1.2×"), verdict(bP99 > 0 && gP99 / bP99 <= 1.2));
    row(QStringLiteral("longest frame interval, ms"), fmt(gMax, 1), fmt(bMax, 1), ratio(gMax, bMax),
        QStringLiteral("≤ 50 ms"), verdict(gMax >= 0 && gMax <= 50));
    const double gOver = pacingFigure(gamePacing, "over50ms"), bOver = pacingFigure(barePacing, "over50ms");
    row(QStringLiteral("… intervals over 50 ms (the reference shows what the machine's load alone causes)"),
        fmt(gOver, 0), fmt(bOver, 0), QString(), QString(), QString());
    row(QStringLiteral("dropped frames (interval > 1.5× median) / frames"),
        fmt(gDrop, 0) + QStringLiteral(" / ") + fmt(gFrames, 0),
        fmt(bDrop, 0) + QStringLiteral(" / ") + fmt(bFrames, 0), QString(), QString(), QString());
    row(QStringLiteral("whole process CPU in flight, % of one core"), fmt(gCpu, 1), fmt(bCpu, 1),
        ratio(gCpu, bCpu), QString(), QString());
    const double gPerFrame = pacingFigure(gamePacing, "cpu_ms_per_frame");
    const double bPerFrame = pacingFigure(barePacing, "cpu_ms_per_frame");
    row(QStringLiteral("… CPU time per frame, all threads, ms"), fmt(gPerFrame, 2), fmt(bPerFrame, 2),
        ratio(gPerFrame, bPerFrame), QString(), QString());
    const double audio = audioShare(gamePacing);
    row(QStringLiteral("audio thread CPU in flight, % of one core (vs whole process)"), fmt(audio, 2),
        fmt(gCpu, 1), ratio(audio, gCpu), QStringLiteral("< 1 %"), verdict(audio >= 0 && audio < 1.0));

    if (!gamePacing.empty())
        notes << QStringLiteral("%1, game threads in flight (% of one core): %2.")
                     .arg(label, threadList(gamePacing.front()));
    if (!barePacing.empty())
        notes << QStringLiteral("%1, bare program threads: %2.").arg(label, threadList(barePacing.front()));
    QStringList runsText;
    for (double v : gameStart)
        runsText << QString::number(v, 'f', 0);
    QStringList bareText;
    for (double v : bareStart)
        bareText << QString::number(v, 'f', 0);
    notes << QStringLiteral("%1, start-up runs in ms: game %2; bare %3.")
                 .arg(label, runsText.join(' '), bareText.join(' '));
}

// CPU time per frame of one thread, from its share of a core over the stretch.
QString threadsPerFrame(const ProbeReport &report)
{
    const double perFrame = report.number(QStringLiteral("cpu_ms_per_frame"));
    const double whole = report.number(QStringLiteral("process_cpu_pct"));
    QStringList parts;
    for (const auto &[name, pct] : report.threads)
        if (pct >= 0.05 && whole > 0)
            parts << QStringLiteral("%1 %2").arg(name, QString::number(perFrame * pct / whole, 'f', 2));
    return parts.join(QStringLiteral(", "));
}

// A real flight of one level along its route against the bare program
// scrolling a picture of that level under a picture of its instruments along
// the camera path the flight took. The game runs with its debug output on (as
// shipped; stderr to /dev/null) and off (QT_LOGGING_RULES), the three
// programs alternating.
void flightPass(Runner &runner, const QString &backend, const Options &options, const QString &pictures)
{
    const QProcessEnvironment base = useBackend(runner, backend);
    const QString game = runner.binDir + QStringLiteral("/bench_game");
    const QString bare = runner.binDir + QStringLiteral("/bench_bare");
    const QString label = backend.isEmpty() ? QStringLiteral("OpenGL") : QStringLiteral("software renderer");

    // The pictures are taken once, through the first backend.
    if (!QFileInfo::exists(pictures + QStringLiteral("/world.png")))
        runner.run(game, { QStringLiteral("grab"), options.flightLevel, pictures }, runner.gameDir, 90000);
    const int timeout = int((options.seconds + 60) * 1000);
    const QStringList gameArgs = { QStringLiteral("flight"), QString::number(options.seconds), options.flightLevel,
                                   pictures };
    std::vector<ProbeReport> withDebug, withoutDebug, reference;
    QStringList early;
    for (int i = 0; i < options.flightRuns; ++i) {
        runner.environment.remove(QStringLiteral("QT_LOGGING_RULES"));
        if (auto report = runner.run(game, gameArgs, runner.gameDir, timeout)) {
            withDebug.push_back(*report);
            if (report->number(QStringLiteral("flight_ended_early")) > 0)
                early << QStringLiteral("debug on, run %1").arg(i + 1);
        }
        // Needs the path the flight just wrote.
        if (auto report = runner.run(bare, { QStringLiteral("scroll"), QString::number(options.seconds), pictures },
                                     runner.binDir, timeout))
            reference.push_back(*report);
        runner.environment.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("*.debug=false"));
        if (auto report = runner.run(game, gameArgs, runner.gameDir, timeout)) {
            withoutDebug.push_back(*report);
            if (report->number(QStringLiteral("flight_ended_early")) > 0)
                early << QStringLiteral("debug off, run %1").arg(i + 1);
        }
    }
    runner.environment = base;

    tableRows << QStringLiteral("| **a real flight, %1, through %2** (median of %3 flights of %4 s each; vs the "
                                "bare program scrolling its picture) | | | | | |")
                     .arg(options.flightLevel, label)
                     .arg(options.flightRuns)
                     .arg(options.seconds);
    const auto flightRows = [&](const std::vector<ProbeReport> &ours, const QString &how, bool full) {
        const double gPer = pacingFigure(ours, "cpu_ms_per_frame"), bPer = pacingFigure(reference, "cpu_ms_per_frame");
        row(QStringLiteral("CPU time per frame, whole process, ms (%1)").arg(how), fmt(gPer, 2), fmt(bPer, 2),
            ratio(gPer, bPer), QStringLiteral("≤ 1.5×"), verdict(bPer > 0 && gPer >= 0 && gPer / bPer <= 1.5));
        const double gCpu = pacingFigure(ours, "process_cpu_pct"), bCpu = pacingFigure(reference, "process_cpu_pct");
        if (full)
            row(QStringLiteral("… whole process CPU, % of one core"), fmt(gCpu, 1), fmt(bCpu, 1), ratio(gCpu, bCpu),
                QString(), QString());
        const double gMed = pacingFigure(ours, "median_ms"), bMed = pacingFigure(reference, "median_ms");
        if (full)
            row(QStringLiteral("frame interval, median, ms"), fmt(gMed, 2), fmt(bMed, 2), ratio(gMed, bMed), QString(),
                QString());
        const double gP99 = pacingFigure(ours, "p99_ms"), bP99 = pacingFigure(reference, "p99_ms");
        row(QStringLiteral("frame interval, 99th percentile, ms (%1)").arg(how), fmt(gP99, 2), fmt(bP99, 2),
            ratio(gP99, bP99), QStringLiteral("≤ 1.2×"), verdict(bP99 > 0 && gP99 >= 0 && gP99 / bP99 <= 1.2));
        const double gMax = pacingFigure(ours, "max_ms"), bMax = pacingFigure(reference, "max_ms");
        row(QStringLiteral("longest frame interval, ms (%1)").arg(how), fmt(gMax, 1), fmt(bMax, 1), ratio(gMax, bMax),
            QStringLiteral("≤ 50 ms"), verdict(gMax >= 0 && gMax <= 50));
        const double gDrop = pacingFigure(ours, "dropped"), bDrop = pacingFigure(reference, "dropped");
        const double gFrames = pacingFigure(ours, "frames"), bFrames = pacingFigure(reference, "frames");
        row(QStringLiteral("dropped frames (interval > 1.5× median) / frames (%1)").arg(how),
            fmt(gDrop, 0) + QStringLiteral(" / ") + fmt(gFrames, 0),
            fmt(bDrop, 0) + QStringLiteral(" / ") + fmt(bFrames, 0), QString(), QString(), QString());
    };
    flightRows(withDebug, QStringLiteral("debug output on"), true);
    flightRows(withoutDebug, QStringLiteral("debug output off"), false);

    if (!withDebug.empty())
        notes << QStringLiteral("Real flight, %1, game threads, CPU ms per frame (debug on): %2.")
                     .arg(label, threadsPerFrame(withDebug.front()));
    if (!withoutDebug.empty())
        notes << QStringLiteral("Real flight, %1, game threads, CPU ms per frame (debug off): %2.")
                     .arg(label, threadsPerFrame(withoutDebug.front()));
    if (!reference.empty())
        notes << QStringLiteral("Real flight, %1, reference threads, CPU ms per frame: %2.")
                     .arg(label, threadsPerFrame(reference.front()));
    if (!early.isEmpty())
        notes << QStringLiteral("Real flight, %1: the flight ended inside the measured stretch in %2.")
                     .arg(label, early.join(QStringLiteral("; ")));
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    Options options;
    QString rawFile;
    QStringList backends = { QString(), QStringLiteral("software") };
    bool hotPaths = true;
    const QStringList args = app.arguments();
    for (int i = 1; i < args.size(); ++i) {
        const bool hasValue = i + 1 < args.size();
        if (args[i] == QLatin1String("--runs") && hasValue)
            options.runs = std::max(0, args[++i].toInt());
        else if (args[i] == QLatin1String("--seconds") && hasValue)
            options.seconds = std::max(1.0, args[++i].toDouble());
        else if (args[i] == QLatin1String("--pacing-runs") && hasValue)
            options.pacingRuns = std::max(0, args[++i].toInt());
        else if (args[i] == QLatin1String("--flight-runs") && hasValue)
            options.flightRuns = std::max(0, args[++i].toInt());
        else if (args[i] == QLatin1String("--flight-level") && hasValue)
            options.flightLevel = args[++i];
        else if (args[i] == QLatin1String("--no-startup"))
            options.runs = 0;
        else if (args[i] == QLatin1String("--raw") && hasValue)
            rawFile = args[++i];
        else if (args[i] == QLatin1String("--opengl-only"))
            backends = { QString() };
        else if (args[i] == QLatin1String("--no-hot-paths"))
            hotPaths = false;
    }

    Runner runner;
    runner.binDir = QCoreApplication::applicationDirPath();
    runner.gameDir = QStringLiteral(CIRROVANTA_BINARY_DIR);
    // A fresh settings store for this run, shared by all game runs: the first
    // start creates the keys, as after a first game.
    QTemporaryDir home;
    runner.environment = QProcessEnvironment::systemEnvironment();
    runner.environment.insert(QStringLiteral("HOME"), home.path());
    runner.environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.path() + QStringLiteral("/config"));

    auto loadAverage = []() {
        QFile file(QStringLiteral("/proc/loadavg"));
        return file.open(QIODevice::ReadOnly)
            ? QString::fromLatin1(file.readAll()).section(' ', 0, 2) : QStringLiteral("?");
    };
    const QString loadBefore = loadAverage();
    QTemporaryDir pictures;
    for (const QString &backend : backends) {
        if (options.runs > 0 || options.pacingRuns > 0)
            wholeGamePass(runner, backend, options);
        if (options.flightRuns > 0)
            flightPass(runner, backend, options, pictures.path());
    }
    if (hotPaths) {
        tableRows << QStringLiteral("| **hot paths (their own benchmarks)** | | | | | |");
        hotPathRows(runner);
    }

    notes << QStringLiteral("Load average (1, 5, 15 min) before the whole-game runs: %1; after: %2 "
                            "(the machine is shared, so both programs run alternately).")
                 .arg(loadBefore, loadAverage());

    std::printf("| figure | game | reference | ratio | goal | met |\n");
    std::printf("|---|---|---|---|---|---|\n");
    for (const QString &line : std::as_const(tableRows))
        std::printf("%s\n", qPrintable(line));
    std::printf("\n");
    for (const QString &line : std::as_const(notes))
        std::printf("- %s\n", qPrintable(line));

    if (!rawFile.isEmpty()) {
        QFile out(rawFile);
        if (out.open(QIODevice::WriteOnly))
            out.write(runner.raw);
    }
    return 0;
}
