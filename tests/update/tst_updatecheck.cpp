#include "common/debuglines.h"
#include "common/testenvironment.h"
#include "engine/gameengine.h"
#include "persistence/settings.h"

#include <QAbstractEventDispatcher>
#include <QLoggingCategory>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QTranslator>

#include <memory>

namespace {

// Generous bound for a reply to be handled; the hostile cases are set up so
// that only the engine's own limits can end them within it.
constexpr int handledWithinMs = 10000;

bool responseHandled(const DebugLines &debug)
{
    static const QRegularExpression received("^server response received \\( -?\\d+ \\)\\n$");
    return !debug.lines().filter(received).isEmpty();
}

QByteArray httpAnswer(const QByteArray &status, const QByteArray &body,
                      const QByteArray &extraHeaders = QByteArray())
{
    return "HTTP/1.1 " + status + "\r\nContent-Type: text/plain\r\nContent-Length: "
        + QByteArray::number(body.size()) + "\r\nConnection: close\r\n" + extraHeaders + "\r\n"
        + body;
}

// A real HTTP server on 127.0.0.1 with one way of answering per test.
class UpdateServer : public QObject
{
public:
    enum class Behaviour {
        Canned,    // the prepared bytes, then close
        Endless,   // a body that never ends
        Silent,    // reads the request, never answers
        Drip,      // a short answer, one byte at a time, slowly
    };

    explicit UpdateServer(Behaviour behaviour, const QByteArray &answer = QByteArray())
        : behaviour(behaviour), answer(answer)
    {
        QObject::connect(&server, &QTcpServer::newConnection, this, [this] { accept(); });
        server.listen(QHostAddress::LocalHost);
    }

    QString url(const QString &path = "/apps/cirrovanta") const
    {
        return QString("http://127.0.0.1:%1%2").arg(server.serverPort()).arg(path);
    }
    quint16 port() const { return server.serverPort(); }
    int connections = 0;
    QList<QByteArray> requests;

private:
    void accept()
    {
        while (QTcpSocket *socket = server.nextPendingConnection()) {
            ++connections;
            socket->setParent(this);
            auto request = std::make_shared<QByteArray>();
            QObject::connect(socket, &QTcpSocket::readyRead, socket, [=] {
                const bool complete = request->contains("\r\n\r\n");
                request->append(socket->readAll());
                if (!complete && request->contains("\r\n\r\n")) {
                    requests.append(request->left(request->indexOf("\r\n")));
                    respond(socket);
                }
            });
        }
    }

    void respond(QTcpSocket *socket)
    {
        switch (behaviour) {
        case Behaviour::Canned:
            socket->write(answer);
            socket->disconnectFromHost();
            break;
        case Behaviour::Silent:
            break;
        case Behaviour::Endless:
            socket->write("HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\nConnection: close\r\n\r\n");
            QObject::connect(socket, &QTcpSocket::bytesWritten, socket, [socket] {
                // Lines a parser would take as an offer, were it to read them.
                if (socket->bytesToWrite() < 64 * 1024)
                    socket->write(QByteArray("2.0 ENDLESS\n").repeated(2048));
            });
            socket->write(QByteArray("2.0 ENDLESS\n").repeated(2048));
            break;
        case Behaviour::Drip: {
            socket->write("HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\nContent-Length: "
                          + QByteArray::number(answer.size()) + "\r\n\r\n");
            auto *drip = new QTimer(socket);
            auto sent = std::make_shared<int>(0);
            QObject::connect(drip, &QTimer::timeout, socket, [this, socket, drip, sent] {
                if (*sent >= answer.size()) {
                    drip->stop();
                    return;
                }
                socket->write(answer.mid((*sent)++, 1));
            });
            drip->start(300);
            break;
        }
        }
    }

    QTcpServer server;
    Behaviour behaviour;
    QByteArray answer;
};

// Replaces the update server's address, as a translation file could.
class AddressTranslator : public QTranslator
{
public:
    explicit AddressTranslator(const QString &address) : address(address) {}
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        if (QByteArray(context) == "GameEngine"
            && QByteArray(sourceText) == "http://" CIRROVANTA_UPDATE_HOST "/apps/cirrovanta")
            return address;
        return QString();
    }

private:
    QString address;
};

// The pending single-shot timers with the given interval.
QList<std::pair<QObject *, int>> pendingSingleShots(int intervalMs)
{
    QList<std::pair<QObject *, int>> found;
    QAbstractEventDispatcher *dispatcher = QAbstractEventDispatcher::instance();
    for (QObject *timer : dispatcher->children()) {
        for (const QAbstractEventDispatcher::TimerInfo &info : dispatcher->registeredTimers(timer)) {
            if (info.interval == intervalMs)
                found.append({timer, info.timerId});
        }
    }
    return found;
}

} // namespace

class TestUpdateCheck : public QObject
{
    Q_OBJECT

public:
    explicit TestUpdateCheck(TestEnvironment &) {}

private slots:
    void initTestCase()
    {
        QLoggingCategory::setFilterRules("default.debug=true");
        // The requests go straight to 127.0.0.1.
        for (const char *name : {"http_proxy", "HTTP_PROXY", "https_proxy", "all_proxy", "ALL_PROXY"})
            qunsetenv(name);
    }

    void answerLines_data()
    {
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<bool>("offered");
        QTest::addColumn<QString>("location");
        QTest::addColumn<QStringList>("expectedLines");
        QTest::addColumn<QStringList>("absentLines");

        // A null location means no offer; an empty one is an offer of "".
        const auto row = [](const char *name, const QByteArray &answer, const QString &location,
                            const QStringList &expected = {}, const QStringList &absent = {}) {
            QTest::newRow(name) << answer << !location.isNull() << location << expected << absent;
        };
        const auto ok = [](const QByteArray &body) { return httpAnswer("200 OK", body); };
        const QString none;

        row("1.0 then 1.2: the second line wins", ok("1.0 L\n1.2 M\n"), "M",
            {R"("1.0 L\n")", "no new version available", R"("1.2 M\n")", R"(download new version from  "M")"});
        row("a third field is ignored", ok("1.1 L extra\n"), "L");
        row("two spaces give an empty location", ok("1.1  L\n"), "", {R"(download new version from  "")"});
        row("a version without a dot stops the reading", ok("2 L\n1.5 M\n"), none,
            {R"(too few arguments in  "2 L")"}, {R"("1.5 M\n")"});
        row("a version that is no number is skipped", ok("1.x L\n1.1 N\n"), "N",
            {"parsing response failed", R"(download new version from  "N")"});
        row("only two version parts count: 1.0.9 is not newer", ok("1.0.9 L\n"), none,
            {"no new version available"});
        row("0.9 is not newer", ok("0.9 L\n"), none);
        row("1.0 is not newer", ok("1.0 L\n"), none);
        row("1.1 is newer", ok("1.1 L\n"), "L");
        row("2.0 is newer", ok("2.0 L\n"), "L");
        row("minor compared as a number: 1.10 is newer", ok("1.10 L\n"), "L");
        row("carriage return and line feed are trimmed", ok("1.0 K\r\n1.1 L\r\n"), "L", {R"("1.1 L\r\n")"});
        row("a blank line and a version alone are skipped", ok("\n1.5\n1.1 L\n"), "L",
            {R"(too few arguments in line  "")", R"(too few arguments in line  "1.5")"});
        row("last line without a line break", ok("1.1 L"), "L");
        row("location decoded as UTF-8", ok("1.1 K\xc3\xa4se\n"), QString::fromUtf8("K\xc3\xa4se"));
        row("a zero byte ends the line's text", ok(QByteArray("1.1 L\0junk\n", 11)), "L");
        row("markup is handed on as plain text", ok("1.1 <b>L</b>\n"), "<b>L</b>");
        row("HTTP 404 with an offer in its body gives nothing", httpAnswer("404 Not Found", "2.0 L\n"),
            none, {}, {R"("2.0 L\n")"});
        row("HTTP 500 with an offer in its body gives nothing",
            httpAnswer("500 Internal Server Error", "2.0 L\n"), none, {}, {R"("2.0 L\n")"});
        row("an empty body prints one empty line", ok(""), none, {"server response received ( 0 )\n", R"("")"});

        // 1023 bytes per piece: "1.0 " and 1019 filler bytes, then the rest of
        // the 2000-byte line, which starts a new piece with "1.5 X ".
        const QByteArray longLine = "1.0 " + QByteArray(1019, 'a') + "1.5 X " + QByteArray(971, 'b');
        row("a 2000-byte line is read as pieces of 1023 bytes", ok(longLine + "\n"), "X",
            {"no new version available", R"(download new version from  "X")"});

        // 64 KiB in all: 65 lines "1.0 K " + 1000 x "x" + "\n" (1007 bytes each,
        // 65455 bytes), one line of 71 "y" (72 bytes), then "1.3 LAST\n" (9 bytes).
        const QByteArray filler = QByteArray("1.0 K " + QByteArray(1000, 'x') + "\n").repeated(65);
        const QByteArray exact = filler + QByteArray(71, 'y') + "\n" + "1.3 LAST\n";
        row("an answer of exactly 64 KiB is read to its end", ok(exact), "LAST", {"no new version available"});
        row("an answer one byte over 64 KiB is not read", ok(exact + "\n"), none, {},
            {"no new version available"});
    }

    void answerLines()
    {
        QFETCH(QByteArray, answer);
        QFETCH(bool, offered);
        QFETCH(QString, location);
        QFETCH(QStringList, expectedLines);
        QFETCH(QStringList, absentLines);

        UpdateServer server(UpdateServer::Behaviour::Canned, answer);
        DebugLines debug;
        const auto engine = askAt(server.url());
        QSignalSpy offers(engine.get(), &GameEngine::newVersionReady);

        QTRY_VERIFY_WITH_TIMEOUT(responseHandled(debug), handledWithinMs);
        QCOMPARE(offers.size(), offered ? 1 : 0);
        if (offered) {
            const QVariant url = offers.first().first();
            QCOMPARE(url.metaType(), QMetaType::fromType<QString>());
            QCOMPARE(url.toString(), location);
        }
        // Expected lines appear in this order, possibly with others between.
        qsizetype from = 0;
        for (const QString &line : expectedLines) {
            const qsizetype at = debug.lines().indexOf(line, from);
            QVERIFY2(at >= 0, qPrintable("missing or out of order: " + line + "\nin: "
                                         + debug.lines().join("|")));
            from = at + 1;
        }
        for (const QString &line : absentLines)
            QVERIFY2(!debug.lines().contains(line), qPrintable("unexpected: " + line));
        QCOMPARE(server.connections, 1);
    }

    void hostileServerIsGivenUpWithoutAnOffer_data()
    {
        QTest::addColumn<int>("behaviour");
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<int>("timeoutMs");
        QTest::addColumn<QString>("unreadLine");
        // The default timeout stays: only the size limit can end this in time.
        QTest::newRow("an endless body is cut off unread")
            << int(UpdateServer::Behaviour::Endless) << QByteArray() << 20000 << R"("2.0 ENDLESS\n")";
        QTest::newRow("an announced huge body is not read")
            << int(UpdateServer::Behaviour::Canned)
            << "HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\nContent-Length: 100000000\r\n\r\n"
                   + QByteArray("2.0 BIG\n").repeated(1024)
            << 20000 << R"("2.0 BIG\n")";
        QTest::newRow("a silent server") << int(UpdateServer::Behaviour::Silent) << QByteArray() << 1000
                                         << QString();
        // Every byte arrives well within the timeout, the whole answer does not:
        // nine bytes at 300 ms each against a 1 s limit.
        QTest::newRow("a slow drip") << int(UpdateServer::Behaviour::Drip) << QByteArray("2.0 DRIP\n")
                                     << 1000 << R"("2.0 DRIP\n")";
    }

    void hostileServerIsGivenUpWithoutAnOffer()
    {
        QFETCH(int, behaviour);
        QFETCH(QByteArray, answer);
        QFETCH(int, timeoutMs);
        QFETCH(QString, unreadLine);
        UpdateServer server(UpdateServer::Behaviour(behaviour), answer);
        DebugLines debug;
        const auto engine = askAt(server.url(), timeoutMs);
        QSignalSpy offers(engine.get(), &GameEngine::newVersionReady);

        QTRY_VERIFY_WITH_TIMEOUT(responseHandled(debug), handledWithinMs);
        QCOMPARE(offers.size(), 0);
        QVERIFY(unreadLine.isEmpty() || !debug.lines().contains(unreadLine));
        QCOMPARE(server.connections, 1);
    }

    void redirectToAnotherSchemeIsNotFollowed_data()
    {
        QTest::addColumn<QString>("target");
        QTest::newRow("to a local file") << "file://{file}";
        QTest::newRow("to ftp") << "ftp://127.0.0.1:{port}/answer";
        QTest::newRow("to a data url") << "data:text/plain,2.0%20DATA%0A";
    }

    void redirectToAnotherSchemeIsNotFollowed()
    {
        QFETCH(QString, target);
        QTemporaryDir files;
        QFile answerFile(files.filePath("answer.txt"));
        QVERIFY(answerFile.open(QIODevice::WriteOnly));
        answerFile.write("2.0 FILE\n");
        answerFile.close();
        QTcpServer elsewhere;
        QVERIFY(elsewhere.listen(QHostAddress::LocalHost));
        const QString location = QString(target)
                                     .replace("{file}", answerFile.fileName())
                                     .replace("{port}", QString::number(elsewhere.serverPort()));

        UpdateServer server(UpdateServer::Behaviour::Canned,
                            httpAnswer("302 Found", "2.0 BODY\n", "Location: " + location.toUtf8()
                                                                      + "\r\n"));
        DebugLines debug;
        const auto engine = askAt(server.url());
        QSignalSpy offers(engine.get(), &GameEngine::newVersionReady);

        QTRY_VERIFY_WITH_TIMEOUT(responseHandled(debug), handledWithinMs);
        QCOMPARE(offers.size(), 0);
        QVERIFY(!elsewhere.hasPendingConnections());
        QCOMPARE(server.connections, 1);
    }

    void redirectWithinHttpIsFollowed()
    {
        UpdateServer moved(UpdateServer::Behaviour::Canned, httpAnswer("200 OK", "1.1 MOVED\n"));
        UpdateServer server(UpdateServer::Behaviour::Canned,
                            httpAnswer("301 Moved Permanently", "",
                                       "Location: " + moved.url("/new").toUtf8() + "\r\n"));
        DebugLines debug;
        const auto engine = askAt(server.url());
        QSignalSpy offers(engine.get(), &GameEngine::newVersionReady);

        QTRY_VERIFY_WITH_TIMEOUT(responseHandled(debug), handledWithinMs);
        QCOMPARE(offers.size(), 1);
        QCOMPARE(offers.first().first().toString(), QString("MOVED"));
        QCOMPARE(moved.requests, QList<QByteArray>{"GET /new HTTP/1.1"});
    }

    void offlineRetriesEveryMinuteAndSendsNothing()
    {
        UpdateServer server(UpdateServer::Behaviour::Canned, httpAnswer("200 OK", "1.1 L\n"));
        DebugLines debug;
        const auto engine = askAt(server.url());
        engine->onlineStatus().setForcedOffline(true);
        QSignalSpy offers(engine.get(), &GameEngine::newVersionReady);
        QVERIFY(pendingSingleShots(60000).isEmpty());

        QTRY_COMPARE(pendingSingleShots(60000).size(), 1);

        // A minute later, still offline: the next minute is waited for.
        auto retry = pendingSingleShots(60000).first();
        QTimerEvent minutePassed(retry.second);
        QCoreApplication::sendEvent(retry.first, &minutePassed);
        QCoreApplication::processEvents();
        QCOMPARE(pendingSingleShots(60000).size(), 1);
        QCOMPARE(server.connections, 0);

        // Online again: the next retry sends the one request.
        engine->onlineStatus().setForcedOffline(false);
        retry = pendingSingleShots(60000).first();
        QTimerEvent nextMinute(retry.second);
        QCoreApplication::sendEvent(retry.first, &nextMinute);
        QTRY_VERIFY_WITH_TIMEOUT(responseHandled(debug), handledWithinMs);
        QCOMPARE(offers.size(), 1);
        QCOMPARE(server.requests, QList<QByteArray>{"GET /apps/cirrovanta HTTP/1.1"});
        QVERIFY(pendingSingleShots(60000).isEmpty());
    }

    void onlineSendsOneRequestToTheTranslatedAddress()
    {
        UpdateServer server(UpdateServer::Behaviour::Canned, httpAnswer("200 OK", "1.0 L\n"));
        AddressTranslator translator(server.url());
        QVERIFY(QCoreApplication::installTranslator(&translator));
        DebugLines debug;
        {
            GameEngine engine(nullptr, &settings);
            QTRY_VERIFY_WITH_TIMEOUT(responseHandled(debug), handledWithinMs);
            // Give a second request, were there one, the chance to arrive.
            QTest::qWait(200);
            QVERIFY(pendingSingleShots(60000).isEmpty());
        }
        QCoreApplication::removeTranslator(&translator);
        QCOMPARE(server.connections, 1);
        QCOMPARE(server.requests, QList<QByteArray>{"GET /apps/cirrovanta HTTP/1.1"});
    }

private:
    // An engine asking the given address, the check started as at start-up.
    std::unique_ptr<GameEngine> askAt(const QString &url, int timeoutMs = 20000);

    Settings settings;
};

std::unique_ptr<GameEngine> TestUpdateCheck::askAt(const QString &url, int timeoutMs)
{
    auto engine = std::make_unique<GameEngine>(nullptr, &settings);
    engine->setUpdateUrl(url);
    engine->setUpdateTimeout(timeoutMs);
    return engine;
}

CIRROVANTA_TEST_MAIN(TestUpdateCheck)
#include "tst_updatecheck.moc"
