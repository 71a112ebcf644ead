#include "common/debuglines.h"
#include "common/testenvironment.h"
#include "engine/gameengine.h"
#include "persistence/settings.h"

#include <QLoggingCategory>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>

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

QByteArray httpAnswer(const QByteArray &status, const QByteArray &body)
{
    return "HTTP/1.1 " + status + "\r\nContent-Type: text/plain\r\nContent-Length: "
        + QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body;
}

// A real HTTP server on 127.0.0.1 that answers every request with `answer`
// and closes. An empty answer is never sent (a silent server); "endless" is a
// body that never ends, of lines a parser would take as an offer.
class UpdateServer : public QObject
{
public:
    explicit UpdateServer(const QByteArray &answer) : answer(answer)
    {
        connect(&server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *socket = server.nextPendingConnection()) {
                ++connections;
                socket->setParent(this);
                connect(socket, &QTcpSocket::readyRead, socket, [this, socket, request = QByteArray()]() mutable {
                    const bool complete = request.contains("\r\n\r\n");
                    request += socket->readAll();
                    if (complete || !request.contains("\r\n\r\n"))
                        return;
                    requests << request.left(request.indexOf("\r\n"));
                    respond(socket);
                });
            }
        });
        server.listen(QHostAddress::LocalHost);
    }

    QString url() const { return QString("http://127.0.0.1:%1/apps/cirrovanta").arg(server.serverPort()); }
    int connections = 0;
    QList<QByteArray> requests;

private:
    void respond(QTcpSocket *socket)
    {
        if (answer == "endless") {
            const QByteArray offers = QByteArray("2.0 ENDLESS\n").repeated(2048);
            connect(socket, &QTcpSocket::bytesWritten, socket, [socket, offers] {
                if (socket->bytesToWrite() < 64 * 1024)
                    socket->write(offers);
            });
            socket->write("HTTP/1.1 200 OK\r\nConnection: close\r\n\r\n" + offers);
        } else if (!answer.isEmpty()) {
            socket->write(answer);
            socket->disconnectFromHost();
        }
    }

    QTcpServer server;
    QByteArray answer;
};

} // namespace

class TestUpdateCheck : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QLoggingCategory::setFilterRules("default.debug=true");
        // The requests go straight to 127.0.0.1.
        for (const char *name : {"http_proxy", "HTTP_PROXY", "https_proxy", "all_proxy", "ALL_PROXY"})
            qunsetenv(name);
    }

    // A null location means no offer; an empty one would be an offer of "".
    void theAnswerDecidesTheOffer_data()
    {
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<QString>("location");
        const auto ok = [](const QByteArray &body) { return httpAnswer("200 OK", body); };
        const QString none;
        QTest::newRow("1.0 then 1.2: the first newer line wins") << ok("1.0 L\n1.2 M\n1.3 N\n") << "M";
        QTest::newRow("a version without a dot stops the reading") << ok("2 L\n1.5 M\n") << none;
        QTest::newRow("a version that is no number is skipped") << ok("1.x L\n1.1 N\n") << "N";
        QTest::newRow("only two version parts count: 1.0.9 is not newer") << ok("1.0.9 L\n") << none;
        QTest::newRow("1.0 is not newer") << ok("1.0 L\n") << none;
        QTest::newRow("1.1 is newer") << ok("1.1 L\n") << "L";
        QTest::newRow("2.0 is newer") << ok("2.0 L\n") << "L";
        QTest::newRow("minor compared as a number: 1.10 is newer") << ok("1.10 L\n") << "L";
        QTest::newRow("carriage return and line feed are trimmed") << ok("1.0 K\r\n1.1 L\r\n") << "L";
        QTest::newRow("a blank line and a version alone are skipped") << ok("\n1.5\n1.1 L\n") << "L";
        QTest::newRow("HTTP 404 with an offer in its body gives nothing") << httpAnswer("404 Not Found", "2.0 L\n") << none;
        // 64 KiB in all: 65 lines "1.0 K " + 1000 x "x" + "\n" (1007 bytes each,
        // 65455 bytes), one line of 71 "y" (72 bytes), then "1.3 LAST\n" (9 bytes).
        const QByteArray filler = QByteArray("1.0 K " + QByteArray(1000, 'x') + "\n").repeated(65);
        const QByteArray exact = filler + QByteArray(71, 'y') + "\n" + "1.3 LAST\n";
        QTest::newRow("an answer of exactly 64 KiB is read to its end") << ok(exact) << "LAST";
        QTest::newRow("an answer one byte over 64 KiB is not read") << ok(exact + "\n") << none;
        // Hostile servers: the default timeout stays, so only the size limit can
        // end the first two in time; the silent one is given a second.
        QTest::newRow("an endless body is cut off unread") << QByteArray("endless") << none;
        QTest::newRow("an announced huge body is not read")
            << "HTTP/1.1 200 OK\r\nContent-Length: 100000000\r\n\r\n" + QByteArray("2.0 BIG\n").repeated(1024) << none;
        QTest::newRow("a silent server") << QByteArray() << none;
    }
    void theAnswerDecidesTheOffer()
    {
        QFETCH(QByteArray, answer);
        QFETCH(QString, location);
        UpdateServer server(answer);
        DebugLines debug;
        const auto engine = askAt(server.url(), answer.isEmpty() ? 1000 : 20000);
        QSignalSpy offers(engine.get(), &GameEngine::newVersionReady);
        QTRY_VERIFY_WITH_TIMEOUT(responseHandled(debug), handledWithinMs);
        QCOMPARE(offers.size(), location.isNull() ? 0 : 1);
        // The scene takes the location as a string.
        QVERIFY(location.isNull() || offers.first().first() == QVariant(location));
        // One request, for the address the engine was given.
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
