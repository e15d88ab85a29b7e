#pragma once

// Shared helpers of the rate tests: waiting for asynchronous handlers with
// a bounded event loop, a map-backed settings backend, and a provider that
// answers from a script.

#include <chrono>
#include <deque>
#include <map>
#include <optional>
#include <ostream>
#include <tuple>
#include <utility>

#include <QEventLoop>
#include <QFuture>
#include <QFutureWatcher>
#include <QObject>
#include <QTimer>

#include "money/decimal.h"
#include "rates/rate_provider.h"
#include "settings/settings_backend.h"

// Readable QString values in failure messages.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace tallyra::test {

inline Decimal dec(const char* text)
{
    return *Decimal::parse(QString::fromUtf8(text));
}
inline QString str(const char* text)
{
    return QString::fromUtf8(text);
}

// A rates snapshot of (code, rate, source) triples.
inline FXRates
snapshot(const char* base,
         std::initializer_list<std::tuple<const char*, const char*, RateSource>> rates)
{
    FXRates result = FXRates::empty(str(base));
    for (const auto& [code, rate, source] : rates) {
        result.perUnit[str(code)] = dec(rate);
        result.sources[str(code)] = source;
    }
    return result;
}

// A rates snapshot whose rates all come from one source.
inline FXRates snapshot(const char* base,
                        std::initializer_list<std::pair<const char*, const char*>> rates,
                        RateSource source)
{
    FXRates result = FXRates::empty(str(base));
    for (const auto& [code, rate] : rates) {
        result.perUnit[str(code)] = dec(rate);
        result.sources[str(code)] = source;
    }
    return result;
}

inline CurrencySet codes(std::initializer_list<const char*> list)
{
    CurrencySet set;
    for (const char* code : list)
        set.insert(str(code));
    return set;
}

// One bad answer of a rate server, and the error a provider must give for it.
struct BadAnswer
{
    const char* name;
    int status;
    const char* body;
    RateError::Code code;
    const char* message;
};

// Collects one handler result; wait() spins an event loop until it arrives
// or the limit passes (then the result is absent and the test fails).
template <class R> class Awaiter
{
public:
    QObject context;

    [[nodiscard]] auto handler()
    {
        return [this](R result) {
            m_result = std::move(result);
            m_loop.quit();
        };
    }

    [[nodiscard]] std::optional<R> wait(std::chrono::milliseconds limit = std::chrono::seconds(5))
    {
        if (!m_result) {
            QTimer::singleShot(limit, &m_loop, &QEventLoop::quit);
            m_loop.exec();
        }
        return m_result;
    }

private:
    QEventLoop m_loop;
    std::optional<R> m_result;
};

// Spins an event loop until the future finishes; false when it didn't in time.
inline bool finishes(QFuture<void> future,
                     std::chrono::milliseconds limit = std::chrono::seconds(5))
{
    if (future.isFinished())
        return true;
    QFutureWatcher<void> watcher;
    QEventLoop loop;
    QObject::connect(&watcher, &QFutureWatcherBase::finished, &loop, &QEventLoop::quit);
    QTimer::singleShot(limit, &loop, &QEventLoop::quit);
    watcher.setFuture(future);
    if (!future.isFinished())
        loop.exec();
    return future.isFinished();
}

// Processes pending queued calls without waiting for anything new.
inline void drainEvents()
{
    QEventLoop loop;
    QTimer::singleShot(0, &loop, &QEventLoop::quit);
    loop.exec();
}

class MapSettingsBackend final : public SettingsBackend
{
public:
    std::map<QString, QVariant> values;
    int writeCount = 0;

    [[nodiscard]] std::optional<QVariant> value(const QString& key) const override
    {
        const auto found = values.find(key);
        if (found == values.end())
            return std::nullopt;
        return found->second;
    }
    void setValue(const QString& key, const std::optional<QVariant>& value) override
    {
        ++writeCount;
        if (value)
            values[key] = *value;
        else
            values.erase(key);
    }
};

// Answers rates() and fetch() from queues of scripted outcomes, later and
// on the context's thread like a real source, and records every ask.
class ScriptedProvider final : public RateProvider
{
public:
    struct Ask
    {
        CurrencyCode base;
        CurrencySet needing;
    };

    mutable std::deque<Result<FXRates, RateError>> ratesAnswers;
    mutable std::deque<Result<RateFetch, RateError>> fetchAnswers;
    mutable QList<Ask> asks;

    using RateProvider::rates;
    void rates(const CurrencyCode& base, const CurrencySet& needing, QObject* context,
               RatesHandler done) const override
    {
        asks.append(Ask{base, needing});
        auto answer = pop(ratesAnswers);
        QMetaObject::invokeMethod(
            context, [done = std::move(done), answer] { done(answer); }, Qt::QueuedConnection);
    }
    void fetch(const CurrencyCode& base, const CurrencySet& needing, QObject* context,
               FetchHandler done) const override
    {
        if (fetchAnswers.empty())
            return RateProvider::fetch(base, needing, context, std::move(done));
        asks.append(Ask{base, needing});
        auto answer = pop(fetchAnswers);
        QMetaObject::invokeMethod(
            context, [done = std::move(done), answer] { done(answer); }, Qt::QueuedConnection);
    }

private:
    template <class T> static Result<T, RateError> pop(std::deque<Result<T, RateError>>& queue)
    {
        if (queue.empty())
            return fail(RateError(RateError::Code::unknown, QStringLiteral("no scripted answer")));
        auto answer = std::move(queue.front());
        queue.pop_front();
        return answer;
    }
};

inline RateError networkError(const char* message)
{
    return RateError(RateError::Code::network, QString::fromUtf8(message));
}

} // namespace tallyra::test
