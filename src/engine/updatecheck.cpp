#include "engine/gameengine.h"

#include <QDebug>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

#include <optional>

namespace {

// An honest answer is one short line. Anything longer is not read.
constexpr qint64 maxAnswerBytes = 64 * 1024;
constexpr int offlineRetryMs = 60000;
constexpr int maxRedirects = 5;

// This program's own version is 1.0.
bool isNewer(int major, int minor)
{
    return major > 1 || (major == 1 && minor > 0);
}

enum class LineVerdict { NextLine, Stop, Newer };

// One line of the answer: "<major>.<minor>[.more] <location> [ignored...]".
LineVerdict judgeLine(const QString &rawLine, QString &location)
{
    const QString line = rawLine.trimmed();
    const QStringList fields = line.split(QLatin1Char(' '), Qt::KeepEmptyParts, Qt::CaseSensitive);
    if (fields.size() < 2) {
        qDebug() << "too few arguments in line " << line;
        return LineVerdict::NextLine;
    }
    const QStringList parts = fields.at(0).split(QLatin1Char('.'), Qt::KeepEmptyParts);
    if (parts.size() < 2) {
        qDebug() << "too few arguments in " << line;
        return LineVerdict::Stop;
    }
    bool majorOk = false;
    bool minorOk = false;
    const int major = parts.at(0).toInt(&majorOk, 10);
    const int minor = parts.at(1).toInt(&minorOk, 10);
    if (!majorOk || !minorOk) {
        qDebug() << "parsing response failed";
        return LineVerdict::NextLine;
    }
    if (!isNewer(major, minor)) {
        qDebug() << "no new version available";
        return LineVerdict::NextLine;
    }
    location = fields.at(1);
    qDebug() << "download new version from " << location;
    return LineVerdict::Newer;
}

// Reads the answer line by line, a line being at most 1023 bytes; the first
// line that announces a newer version gives the location.
std::optional<QString> newerVersionLocation(QIODevice &answer)
{
    char buffer[1024];
    for (;;) {
        buffer[0] = '\0';
        const qint64 length = answer.readLine(buffer, sizeof buffer);
        const QString line =
            QString::fromUtf8(buffer, length > 0 ? qsizetype(qstrnlen(buffer, size_t(length))) : 0);
        qDebug() << line;
        if (length <= 0)
            return std::nullopt;
        QString location;
        switch (judgeLine(line, location)) {
        case LineVerdict::NextLine:
            continue;
        case LineVerdict::Stop:
            return std::nullopt;
        case LineVerdict::Newer:
            return location;
        }
    }
}

} // namespace

void GameEngine::delayedInit()
{
    if (!networkConfig.isOnline()) {
        QTimer::singleShot(offlineRetryMs, this, &GameEngine::delayedInit);
        return;
    }

    const QString url = updateUrlOverride.isEmpty()
        ? tr("http://" CIRROVANTA_UPDATE_HOST "/apps/cirrovanta")
        : updateUrlOverride;
    QNetworkRequest request{QUrl(url)};
    // Redirects stay on http or https and never go from https back to http;
    // Qt refuses every other scheme (file:, ftp:, data:) on its own. The answer
    // is untrusted plain text either way, so the server may still move it to
    // https or to another host.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setMaximumRedirectsAllowed(maxRedirects);
    // Gives up when nothing arrives for this long...
    request.setTransferTimeout(updateTimeoutMs);

    QNetworkReply *reply = networkManager.get(request);
    // ...and also when a server drips the answer slowly: the transfer timeout
    // restarts with every byte, this deadline does not.
    QTimer::singleShot(updateTimeoutMs, reply, [reply] { reply->abort(); });
    // A body over the limit is not kept in memory; the abort ends the reply
    // with an error, so nothing of it is read.
    connect(reply, &QNetworkReply::downloadProgress, reply,
            [reply](qint64 received, qint64 total) {
                if (received > maxAnswerBytes || total > maxAnswerBytes)
                    reply->abort();
            });
}

void GameEngine::handleServerResponse(QNetworkReply *reply)
{
    qDebug() << "server response received (" << reply->size() << ")\n";
    if (reply->error() == QNetworkReply::NoError) {
        // The whole body can arrive before the progress check sees it.
        if (reply->bytesAvailable() > maxAnswerBytes) {
            qDebug() << "update answer too long, ignored";
        } else if (const std::optional<QString> location = newerVersionLocation(*reply)) {
            emit newVersionReady(QVariant(*location));
        }
    }
    reply->deleteLater();
}
