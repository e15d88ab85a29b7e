#include "rates/exchange_rates.h"

#include <algorithm>
#include <utility>

#include <QCoreApplication>
#include <QPointer>
#include <QPromise>
#include <QStringList>
#include <QTimer>
#include <QVariantMap>

#include "money/currency.h"
#include "rates/rate_math.h"

namespace tallyra {

namespace {

const QString kRatesKey = QStringLiteral("fx.rates");
const QString kSourcesKey = QStringLiteral("fx.sources");
const QString kBaseKey = QStringLiteral("fx.base");
const QString kUpdatedKey = QStringLiteral("fx.updated");
const QString kMarkerKey = QStringLiteral("fx.source");
const QString kUnlistedKey = QStringLiteral("fx.unlisted");
const QString kUnlistedDayKey = QStringLiteral("fx.unlistedDay");
const QString kUnlistedBaseKey = QStringLiteral("fx.unlistedBase");
const QString kRetryingKey = QStringLiteral("fx.retrying");

// Readers of cached values. A value of an unexpected type reads as missing.
// Numbers are also accepted as their text, because the QSettings formats on
// Linux hand back top-level numbers as strings.

std::optional<double> numberFrom(const std::optional<QVariant>& value)
{
    if (!value)
        return std::nullopt;
    switch (value->typeId()) {
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        return value->toDouble();
    case QMetaType::QString: {
        if (!Decimal::parse(value->toString().trimmed()))
            return std::nullopt;
        return value->toString().trimmed().toDouble();
    }
    default:
        return std::nullopt;
    }
}

std::optional<QString> textFrom(const std::optional<QVariant>& value)
{
    if (!value || value->typeId() != QMetaType::QString)
        return std::nullopt;
    return value->toString();
}

std::optional<QVariantMap> mapFrom(const std::optional<QVariant>& value)
{
    if (!value)
        return std::nullopt;
    if (value->typeId() == QMetaType::QVariantMap)
        return value->toMap();
    if (value->typeId() == QMetaType::QVariantHash) {
        QVariantMap map;
        const QVariantHash hash = value->toHash();
        for (auto it = hash.begin(); it != hash.end(); ++it)
            map.insert(it.key(), it.value());
        return map;
    }
    return std::nullopt;
}

// An array of codes; entries that aren't text are dropped. A single text is
// read as a one-element array (how QSettings returns a list of one).
CurrencySet codesFrom(const std::optional<QVariant>& value)
{
    CurrencySet codes;
    if (!value)
        return codes;
    if (value->typeId() == QMetaType::QString) {
        codes.insert(value->toString());
    } else if (value->typeId() == QMetaType::QStringList) {
        for (const QString& code : value->toStringList())
            codes.insert(code);
    } else if (value->typeId() == QMetaType::QVariantList) {
        for (const QVariant& item : value->toList())
            if (item.typeId() == QMetaType::QString)
                codes.insert(item.toString());
    }
    return codes;
}

std::optional<QDateTime> instantFrom(const std::optional<QVariant>& value)
{
    const auto seconds = numberFrom(value);
    if (!seconds || !std::isfinite(*seconds))
        return std::nullopt;
    const QDateTime instant =
        QDateTime::fromMSecsSinceEpoch(qRound64(*seconds * 1000.0), QTimeZone::utc());
    if (!instant.isValid())
        return std::nullopt;
    return instant;
}

QVariant secondsValue(const QDateTime& instant)
{
    return QVariant(static_cast<double>(instant.toMSecsSinceEpoch()) / 1000.0);
}

QVariant codesValue(const CurrencySet& codes)
{
    QStringList list;
    for (const CurrencyCode& code : codes)
        list.append(code);
    return QVariant(list);
}

} // namespace

ExchangeRates::ExchangeRates(std::shared_ptr<const RateProvider> provider, SettingsBackend& cache,
                             const Clock& clock, QTimeZone zone, QObject* parent)
    : QObject(parent), m_provider(std::move(provider)), m_cache(cache), m_clock(clock),
      m_zone(std::move(zone))
{
    loadCache();
}

void ExchangeRates::loadCache()
{
    FXRates rates =
        FXRates::empty(textFrom(m_cache.value(kBaseKey)).value_or(QStringLiteral("USD")));
    if (const auto perUnit = mapFrom(m_cache.value(kRatesKey))) {
        for (auto it = perUnit->begin(); it != perUnit->end(); ++it) {
            const auto number = numberFrom(it.value());
            const auto rate = number ? decimalFromDouble(*number) : std::nullopt;
            // A zero or negative rate would silently zero out amounts; such an
            // entry is damage, not a rate.
            if (!rate || *rate <= Decimal(0) || it.key() == rates.base)
                continue;
            rates.perUnit[it.key()] = roundedRate(*rate);
        }
    }
    if (const auto sources = mapFrom(m_cache.value(kSourcesKey))) {
        for (auto it = sources->begin(); it != sources->end(); ++it) {
            if (it.key() == rates.base || it.value().typeId() != QMetaType::QString)
                continue;
            if (const auto source = enumFromRaw<RateSource>(it.value().toString()))
                rates.sources[it.key()] = *source;
        }
    }
    m_rates = std::move(rates);
    m_updated = instantFrom(m_cache.value(kUpdatedKey));
    m_unlisted = codesFrom(m_cache.value(kUnlistedKey));
    m_unlistedDay = instantFrom(m_cache.value(kUnlistedDayKey));
    m_unlistedBase = textFrom(m_cache.value(kUnlistedBaseKey));
    m_retrying = codesFrom(m_cache.value(kRetryingKey));
}

CurrencySet ExchangeRates::currentUnlisted() const
{
    if (!m_unlistedBase || *m_unlistedBase != m_rates.base || !m_unlistedDay)
        return {};
    const QDate today = m_clock.now().toTimeZone(m_zone).date();
    if (m_unlistedDay->toTimeZone(m_zone).date() != today)
        return {};
    return m_unlisted;
}

bool ExchangeRates::isFresh(const CurrencyCode& base, const CurrencySet& wanted) const
{
    if (!m_updated)
        return false;
    const qint64 age = m_updated->msecsTo(m_clock.now());
    if (age > std::chrono::duration_cast<std::chrono::milliseconds>(kFreshFor).count())
        return false;
    if (textFrom(m_cache.value(kMarkerKey)) != QString::fromUtf16(kCacheMarker))
        return false;
    if (m_rates.base != base)
        return false;
    const CurrencySet unlisted = currentUnlisted();
    for (const CurrencyCode& code : wanted) {
        if (m_retrying.contains(code))
            return false;
        if (!m_rates.perUnit.contains(code) && !unlisted.contains(code))
            return false;
    }
    return true;
}

QFuture<void> ExchangeRates::refresh(const CurrencySet& needing)
{
    auto promise = std::make_shared<QPromise<void>>();
    promise->start();
    QFuture<void> future = promise->future();

    const CurrencyCode base = Currency::main();
    CurrencySet wanted = needing;
    wanted.erase(base);
    if (wanted.empty() || isFresh(base, wanted)) {
        promise->finish();
        return future;
    }
    // Whichever comes first, the answer or the deadline, settles the
    // refresh; the other finds it settled and does nothing.
    auto settled = std::make_shared<bool>(false);
    auto* deadline = new QTimer(this);
    deadline->setSingleShot(true);
    connect(deadline, &QTimer::timeout, this, [this, wanted, promise, settled, deadline] {
        deadline->deleteLater();
        if (std::exchange(*settled, true))
            return;
        apply(wanted, tallyra::fail(RateError::deadline()));
        promise->finish();
    });
    deadline->start(m_deadline);
    m_provider->fetch(base, wanted, this,
                      [this, wanted, promise, settled, deadline = QPointer<QTimer>(deadline)](
                          Result<RateFetch, RateError> outcome) {
                          if (deadline)
                              deadline->deleteLater();
                          if (std::exchange(*settled, true))
                              return;
                          apply(wanted, outcome);
                          promise->finish();
                      });
    return future;
}

void ExchangeRates::apply(const CurrencySet& wanted, const Result<RateFetch, RateError>& outcome)
{
    if (!outcome) {
        setLastError(outcome.error().userMessage());
        return;
    }
    FXRates fetched = believable(outcome->rates);
    if (fetched.perUnit.empty()) {
        recordFailure(wanted, outcome->failure.value_or(RateError::noUsableRates().userMessage()));
        return;
    }
    // Rates left out as implausible are failures, not currencies the banks
    // don't list: what was cached for them stays and they are asked again.
    std::optional<QString> failure = outcome->failure;
    if (!failure && fetched.perUnit.size() < outcome->rates.perUnit.size())
        failure = RateError::implausibleRates().userMessage();
    CurrencySet lacking;
    for (const CurrencyCode& code : wanted)
        if (!fetched.perUnit.contains(code))
            lacking.insert(code);

    const QDateTime now = m_clock.now();
    if (!failure || lacking.empty()) {
        setLastError(std::nullopt);
        setRates(std::move(fetched));
        if (lacking.empty()) {
            m_unlisted.clear();
            m_unlistedDay.reset();
            m_unlistedBase.reset();
        } else {
            m_unlisted = lacking;
            m_unlistedDay = now;
            m_unlistedBase = m_rates.base;
        }
        writeUnlisted();
        setRetrying({});
        writeRetrying();
    } else {
        setLastError(failure);
        CurrencySet retrying;
        const CurrencySet unlisted = currentUnlisted();
        for (const CurrencyCode& code : lacking)
            if (!unlisted.contains(code))
                retrying.insert(code);
        setRetrying(std::move(retrying));
        writeRetrying();
        // What the banks didn't return this time keeps its last rate, as long
        // as that rate is against the same base.
        if (m_rates.base == fetched.base) {
            for (const auto& [code, rate] : m_rates.perUnit) {
                if (code == fetched.base || fetched.perUnit.contains(code))
                    continue;
                fetched.perUnit[code] = rate;
                if (const auto source = m_rates.sources.find(code); source != m_rates.sources.end())
                    fetched.sources[code] = source->second;
            }
        }
        setRates(std::move(fetched));
    }
    setUpdated(now);
    writeSnapshot();
}

FXRates ExchangeRates::believable(const FXRates& fetched) const
{
    const auto isCode = [](const CurrencyCode& code) {
        return code.size() == 3 && std::all_of(code.cbegin(), code.cend(),
                                               [](QChar c) { return c >= u'A' && c <= u'Z'; });
    };
    FXRates result = FXRates::empty(fetched.base);
    if (!isCode(fetched.base))
        return result;
    const Decimal lowest = Decimal::pow10(-kRateExponentLimit);
    const Decimal highest = Decimal::pow10(kRateExponentLimit);
    for (const auto& [code, rate] : fetched.perUnit) {
        if (!isCode(code) || code == fetched.base || rate.isNaN() || rate < lowest ||
            rate > highest)
            continue;
        if (m_rates.base == fetched.base) {
            // A jump of more than three orders of magnitude is a broken
            // answer, not a market; the cached rate stays until a sane one
            // comes.
            if (const auto cached = m_rates.perUnit.find(code); cached != m_rates.perUnit.end())
                if (rate > cached->second * Decimal(kLargestJump) ||
                    rate * Decimal(kLargestJump) < cached->second)
                    continue;
        }
        result.perUnit[code] = rate;
        if (const auto source = fetched.sources.find(code); source != fetched.sources.end())
            result.sources[code] = source->second;
    }
    return result;
}

void ExchangeRates::recordFailure(const CurrencySet& wanted, const QString& message)
{
    setLastError(message);
    CurrencySet retrying;
    const CurrencySet unlisted = currentUnlisted();
    for (const CurrencyCode& code : wanted)
        if (!unlisted.contains(code))
            retrying.insert(code);
    setRetrying(std::move(retrying));
    writeRetrying();
}

void ExchangeRates::setBase(const CurrencyCode& base)
{
    if (m_rates.base == base)
        return;
    setRates(rebased(m_rates, base).value_or(FXRates::empty(base)));
    setUpdated(std::nullopt);
    m_unlisted.clear();
    m_unlistedDay.reset();
    m_unlistedBase.reset();
    writeUnlisted();
    setRetrying({});
    writeRetrying();
}

MissingRateCause ExchangeRates::missingCause(const CurrencyCode& currency) const
{
    if (currentUnlisted().contains(currency))
        return MissingRateCause::unlisted;
    if (m_retrying.contains(currency))
        return MissingRateCause::failed;
    if (!m_lastError)
        return MissingRateCause::loading;
    return MissingRateCause::failed;
}

QString ExchangeRates::sourceDescription(const CurrencySet& currencies) const
{
    std::set<RateSource> used;
    for (const CurrencyCode& code : currencies)
        if (const auto source = m_rates.sources.find(code); source != m_rates.sources.end())
            used.insert(source->second);
    if (used.size() >= 2)
        return QCoreApplication::translate(
            "ExchangeRates", "National Bank of Ukraine (official rate) and Monobank (public rate)");
    return title(used.empty() ? RateSource::nationalBank : *used.begin());
}

std::optional<FXRates> ExchangeRates::rebased(const FXRates& rates, const CurrencyCode& newBase)
{
    const auto pivot = rates.perUnit.find(newBase);
    if (pivot == rates.perUnit.end() || pivot->second <= Decimal(0))
        return std::nullopt;
    const Decimal& r = pivot->second;

    FXRates result = FXRates::empty(newBase);
    result.perUnit[rates.base] = roundedRate(Decimal(1) / r);
    for (const auto& [code, rate] : rates.perUnit)
        if (code != newBase && code != rates.base)
            result.perUnit[code] = roundedRate(rate / r);
    for (const auto& [code, source] : rates.sources)
        if (code != newBase && code != rates.base)
            result.sources[code] = source;
    if (const auto source = rates.sources.find(newBase); source != rates.sources.end())
        result.sources[rates.base] = source->second;
    return result;
}

void ExchangeRates::setRates(FXRates rates)
{
    if (rates == m_rates)
        return;
    m_rates = std::move(rates);
    emit ratesChanged(m_rates);
}

void ExchangeRates::setUpdated(std::optional<QDateTime> updated)
{
    if (updated == m_updated)
        return;
    m_updated = std::move(updated);
    emit updatedChanged();
}

void ExchangeRates::setLastError(std::optional<QString> lastError)
{
    if (lastError == m_lastError)
        return;
    m_lastError = std::move(lastError);
    emit lastErrorChanged();
}

void ExchangeRates::setRetrying(CurrencySet retrying)
{
    if (retrying == m_retrying)
        return;
    m_retrying = std::move(retrying);
    emit retryingChanged();
}

void ExchangeRates::writeSnapshot()
{
    QVariantMap perUnit;
    for (const auto& [code, rate] : m_rates.perUnit)
        perUnit.insert(code, rateToDouble(rate));
    QVariantMap sources;
    for (const auto& [code, source] : m_rates.sources)
        sources.insert(code, rawValue(source));
    m_cache.setValue(kRatesKey, QVariant(perUnit));
    m_cache.setValue(kSourcesKey, QVariant(sources));
    if (m_updated)
        m_cache.setValue(kUpdatedKey, secondsValue(*m_updated));
    m_cache.setValue(kMarkerKey, QVariant(QString::fromUtf16(kCacheMarker)));
    m_cache.setValue(kBaseKey, QVariant(m_rates.base));
}

void ExchangeRates::writeUnlisted()
{
    m_cache.setValue(kUnlistedKey, m_unlisted.empty()
                                       ? std::nullopt
                                       : std::optional<QVariant>(codesValue(m_unlisted)));
    m_cache.setValue(kUnlistedDayKey, m_unlistedDay
                                          ? std::optional<QVariant>(secondsValue(*m_unlistedDay))
                                          : std::nullopt);
    m_cache.setValue(kUnlistedBaseKey, m_unlistedBase
                                           ? std::optional<QVariant>(QVariant(*m_unlistedBase))
                                           : std::nullopt);
}

void ExchangeRates::writeRetrying()
{
    m_cache.setValue(kRetryingKey, m_retrying.empty()
                                       ? std::nullopt
                                       : std::optional<QVariant>(codesValue(m_retrying)));
}

} // namespace tallyra
