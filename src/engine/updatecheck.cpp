#include "engine/gameengine.h"
#include "engine/updateanswer.h"

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
