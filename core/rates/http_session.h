#pragma once

// HttpSession: the one HTTP client the rate sources share, a
// QNetworkAccessManager with a per-request time-out and a thread-safe,
// callback-style GET.
//
// The manager lives in the thread that created the session (the main
// thread in the application) but never blocks it: Qt runs name lookup, the
// socket and TLS on its own network threads and only signals completion to
// the manager's thread. get() may be called from any thread; it posts the
// request to the manager's thread and delivers the outcome to the caller's
// `context` object by a queued connection, so the handler always runs later
// and on the context's thread, and is dropped if the context is destroyed
// first.
//
// Errors: a response with any HTTP status is a success here (the caller
// judges the status); an answer that isn't HTTP (a file: URL, say) has no
// status. Transport failures become RateError::network, the time-out
// RateError::timedOut, an abort (the session going away) RateError::cancelled.
// The time-out counts from sending the request to the last byte.

#include <chrono>
#include <functional>
#include <memory>
#include <optional>

#include <QByteArray>
#include <QObject>
#include <QUrl>

#include "base/result.h"
#include "rates/rate_error.h"

class QNetworkAccessManager;

namespace tallyra {

struct HttpResponse
{
    std::optional<int> status; // absent when the answer wasn't HTTP
    QByteArray body;
};

class HttpSession final
{
public:
    using Handler = std::function<void(Result<HttpResponse, RateError>)>;

    // What a request without its own time-out waits for.
    static constexpr std::chrono::milliseconds kDefaultTimeout{60'000};

    explicit HttpSession(std::chrono::milliseconds defaultTimeout = kDefaultTimeout);
    // Aborts what is still running; their handlers get RateError::cancelled.
    // Must run in the thread that created the session.
    ~HttpSession();
    HttpSession(const HttpSession&) = delete;
    HttpSession& operator=(const HttpSession&) = delete;

    [[nodiscard]] std::chrono::milliseconds defaultTimeout() const noexcept
    {
        return m_defaultTimeout;
    }

    // Sends a GET for url. Without a timeout the session's default applies.
    void get(const QUrl& url, std::optional<std::chrono::milliseconds> timeout, QObject* context,
             Handler done) const;

private:
    std::chrono::milliseconds m_defaultTimeout;
    std::unique_ptr<QNetworkAccessManager> m_manager;
};

// Carries one request's completion across threads; an implementation detail
// of HttpSession that needs its own signal.
class HttpPendingRequest final : public QObject
{
    Q_OBJECT
signals:
    void finished();
};

} // namespace tallyra
