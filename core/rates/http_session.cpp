#include "rates/http_session.h"

#include <QCoreApplication>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QThread>
#include <QTimer>

namespace tallyra {

namespace {

using Outcome = std::optional<Result<HttpResponse, RateError>>;

Result<HttpResponse, RateError> outcomeOf(QNetworkReply& reply, const QUrl& url, bool timedOut)
{
    if (timedOut)
        return fail(RateError::timedOut(url));
    const QVariant status = reply.attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (status.isValid()) {
        // An HTTP error status is still an answer; the caller decides what a
        // 429 or a 500 means for it.
        return HttpResponse{status.toInt(), reply.readAll()};
    }
    if (reply.error() == QNetworkReply::OperationCanceledError)
        return fail(RateError::cancelled(url));
    if (reply.error() != QNetworkReply::NoError)
        return fail(RateError::network(url, reply.errorString()));
    return HttpResponse{std::nullopt, reply.readAll()};
}

void start(QNetworkAccessManager& manager, const QUrl& url, std::chrono::milliseconds timeout,
           HttpPendingRequest* pending, const std::shared_ptr<Outcome>& outcome)
{
    QNetworkRequest request(url);
    request.setRawHeader("Accept", "application/json");
    request.setHeader(QNetworkRequest::UserAgentHeader,
                      QStringLiteral("Tallyra/%1").arg(QCoreApplication::applicationVersion()));

    QNetworkReply* reply = manager.get(request);
    pending->setParent(reply);

    auto timedOut = std::make_shared<bool>(false);
    auto* timer = new QTimer(reply);
    timer->setSingleShot(true);
    QObject::connect(timer, &QTimer::timeout, reply, [reply, timedOut] {
        *timedOut = true;
        reply->abort();
    });
    timer->start(timeout);

    QObject::connect(reply, &QNetworkReply::finished, reply,
                     [reply, timer, url, timedOut, outcome, pending] {
                         timer->stop();
                         *outcome = outcomeOf(*reply, url, *timedOut);
                         emit pending->finished();
                         reply->deleteLater();
                     });
}

} // namespace

HttpSession::HttpSession(std::chrono::milliseconds defaultTimeout)
    : m_defaultTimeout(defaultTimeout), m_manager(std::make_unique<QNetworkAccessManager>())
{
}

HttpSession::~HttpSession()
{
    const auto replies = m_manager->findChildren<QNetworkReply*>();
    for (QNetworkReply* reply : replies)
        if (reply->isRunning())
            reply->abort();
}

void HttpSession::get(const QUrl& url, std::optional<std::chrono::milliseconds> timeout,
                      QObject* context, Handler done) const
{
    auto outcome = std::make_shared<Outcome>();
    // The queued connection is what makes delivery safe: Qt drops it, and
    // any call already posted, when the context is destroyed.
    auto* pending = new HttpPendingRequest;
    QObject::connect(
        pending, &HttpPendingRequest::finished, context,
        [outcome, done = std::move(done)] { done(std::move(*outcome).value()); },
        Qt::QueuedConnection);

    QNetworkAccessManager* manager = m_manager.get();
    const std::chrono::milliseconds limit = timeout.value_or(m_defaultTimeout);
    if (manager->thread() == QThread::currentThread()) {
        pending->setParent(manager);
        start(*manager, url, limit, pending, outcome);
        return;
    }
    pending->moveToThread(manager->thread());
    QMetaObject::invokeMethod(
        manager,
        [manager, url, limit, pending, outcome] { start(*manager, url, limit, pending, outcome); },
        Qt::QueuedConnection);
}

} // namespace tallyra
