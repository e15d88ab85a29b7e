#include "reports/entry_search.h"

#include <algorithm>
#include <limits>
#include <map>
#include <mutex>

#include "money/currency.h"
#include "periods/period_engine.h"
#include "reports/day_grid.h"

namespace tallyra {

namespace {

constexpr int kMinMonthPrefix = 3;
constexpr std::array<char16_t, 8> kIgnoredInAmounts = {u'$',   u'€', u'£', u'₴',
                                                       u'₽', u'¥', u' ', u'\u00A0'};

struct MonthName
{
    QString name; // lower case
    int month = 0;
};

// Full, stand-alone, short and short stand-alone month names of English and
// of each localization, lower-cased. Built once per set of languages and
// kept for the process: searches are typed often, languages rarely change.
const std::vector<MonthName>& monthNames(const QList<QLocale>& localizations)
{
    static std::mutex mutex;
    static std::map<QString, std::vector<MonthName>> tables;
    QList<QLocale> locales{QLocale(QLocale::English, QLocale::UnitedStates)};
    locales.append(localizations);
    QString key;
    for (const QLocale& locale : locales)
        key += locale.name() + u';';
    const std::lock_guard lock(mutex);
    auto [it, inserted] = tables.try_emplace(key);
    if (!inserted)
        return it->second;
    for (const QLocale& locale : locales) {
        for (int month = 1; month <= 12; ++month) {
            for (const QLocale::FormatType format : {QLocale::LongFormat, QLocale::ShortFormat}) {
                it->second.push_back({locale.monthName(month, format).toLower(), month});
                it->second.push_back({locale.standaloneMonthName(month, format).toLower(), month});
            }
        }
    }
    return it->second;
}

std::uint16_t monthBits(const QString& word, const QList<QLocale>& localizations)
{
    if (word.size() < kMinMonthPrefix)
        return 0;
    const QString lowered = word.toLower();
    std::uint16_t bits = 0;
    for (const MonthName& name : monthNames(localizations))
        if (name.name.startsWith(lowered))
            bits = static_cast<std::uint16_t>(bits | (1u << name.month));
    return bits;
}

std::optional<std::int64_t> wholeNumber(QStringView word)
{
    if (word.isEmpty())
        return std::nullopt;
    std::int64_t value = 0;
    for (const QChar c : word) {
        const int digit = c.digitValue();
        if (!c.isDigit() || digit < 0)
            return std::nullopt;
        if (value > (std::numeric_limits<std::int64_t>::max() - digit) / 10)
            return std::nullopt;
        value = value * 10 + digit;
    }
    return value;
}

// [low, high) of the minor units that match the amount for a currency
// with `digits` minor digits.
std::optional<std::pair<std::int64_t, std::int64_t>>
minorRange(const EntrySearch::AmountQuery& amount, int digits)
{
    const Decimal scale = Decimal::pow10(digits);
    const std::optional<std::int64_t> low = (amount.value * scale).toInt64();
    if (!low)
        return std::nullopt; // a fraction finer than the currency, or beyond 64 bits
    if (amount.kind == EntrySearch::AmountQuery::Kind::exact)
        return std::pair{*low, *low == std::numeric_limits<std::int64_t>::max() ? *low : *low + 1};
    const std::optional<std::int64_t> high = ((amount.value + Decimal(1)) * scale).toInt64();
    return std::pair{*low, high.value_or(std::numeric_limits<std::int64_t>::max())};
}

bool inRange(const EntrySearch::Word& word, const Money& money)
{
    const int digits = std::clamp(Currency::minorDigits(money.currency), 0, 3);
    const auto& range = word.minorRanges[static_cast<size_t>(digits)];
    return range && range->first <= money.minor && money.minor < range->second;
}

template <class Id> bool containsSorted(const std::vector<Id>& ids, const Id& id)
{
    return std::binary_search(ids.begin(), ids.end(), id);
}

} // namespace

std::optional<EntrySearch::AmountQuery> EntrySearch::amountQuery(QStringView word)
{
    QString text;
    text.reserve(word.size());
    for (const QChar c : word) {
        if (std::find(kIgnoredInAmounts.begin(), kIgnoredInAmounts.end(), c.unicode()) !=
            kIgnoredInAmounts.end())
            continue;
        if (c.isDigit()) {
            const int digit = c.digitValue();
            if (digit < 0)
                return std::nullopt;
            text.append(QChar(u'0' + digit)); // the POSIX reading wants ASCII digits
        } else if (c == u'.' || c == u',') {
            text.append(c);
        } else {
            return std::nullopt;
        }
    }
    if (text.isEmpty() || !text.front().isDigit())
        return std::nullopt;
    bool fractional = false;
    if (text.contains(u'.')) {
        text.remove(u',');
        fractional = true;
    } else if (const qsizetype comma = text.lastIndexOf(u',');
               comma >= 0 && text.size() - comma - 1 >= 1 && text.size() - comma - 1 <= 2) {
        text[comma] = u'.';
        text.remove(u',');
        fractional = true;
    } else {
        text.remove(u',');
    }
    const std::optional<Decimal> value = Decimal::parse(text);
    if (!value)
        return std::nullopt;
    return AmountQuery{fractional ? AmountQuery::Kind::exact : AmountQuery::Kind::whole, *value};
}

EntrySearch::EntrySearch(QStringView query, const QList<QLocale>& localizations)
{
    qsizetype start = 0;
    for (qsizetype i = 0; i <= query.size(); ++i) {
        if (i < query.size() && !query[i].isSpace())
            continue;
        if (i > start) {
            const QString text = query.mid(start, i - start).toString();
            Word word;
            word.text = SearchText::Query(text);
            word.number = wholeNumber(text);
            word.amount = amountQuery(text);
            if (word.amount)
                for (int digits = 0; digits < 4; ++digits)
                    word.minorRanges[static_cast<size_t>(digits)] =
                        minorRange(*word.amount, digits);
            word.months = monthBits(text, localizations);
            m_words.push_back(std::move(word));
        }
        start = i + 1;
    }
}

EntrySearch::Context::Context(const EntrySearch& search, const LedgerIndex& index,
                              const PeriodEngine& engine, const DayGrid* days)
    : m_index(index), m_engine(engine), m_days(days)
{
    m_facts.reserve(search.words().size());
    for (const Word& word : search.words()) {
        WordFacts facts;
        auto named = [&](const QString& text) { return SearchText::matches(text, word.text); };
        for (const CategoryItem& category : index.categories()) {
            const auto& chain = index.ancestors(category.id);
            if (std::any_of(chain.begin(), chain.end(), [&](const CategoryId& id) {
                    const CategoryItem* item = index.category(id);
                    return item && named(item->name);
                }))
                facts.categories.push_back(category.id);
        }
        std::sort(facts.categories.begin(), facts.categories.end());
        for (const Account& account : index.accounts())
            if (named(account.name))
                facts.accounts.push_back(account.id);
        std::sort(facts.accounts.begin(), facts.accounts.end());
        for (const EntryKind kind : allCases<EntryKind>())
            facts.kinds[static_cast<size_t>(kind)] = named(rawValue(kind)) || named(title(kind));
        m_facts.push_back(std::move(facts));
    }
}

const EntrySearch::Context::Day& EntrySearch::Context::dayOf(const Entry& entry)
{
    const qint64 date = entry.date.toMSecsSinceEpoch();
    if (m_lastDay.start <= date && date < m_lastDay.end && m_lastDay.month != 0)
        return m_lastDay;
    if (m_days) {
        if (const std::optional<size_t> i = m_days->dayOf(date)) {
            const QDate& day = m_days->date(*i);
            m_lastDay = {m_days->startMSecs(*i), m_days->startMSecs(*i + 1), day.year(),
                         day.month(), day.day()};
            return m_lastDay;
        }
    }
    const std::vector<PeriodEngine::CalendarDay> days =
        m_engine.days({entry.date, entry.date.addMSecs(1)});
    if (days.size() >= 2) {
        const QDate& day = days.front().date;
        m_lastDay = {days[0].start.toMSecsSinceEpoch(), days[1].start.toMSecsSinceEpoch(),
                     day.year(), day.month(), day.day()};
    }
    return m_lastDay;
}

bool EntrySearch::matchesWord(const Word& word, size_t index, const Entry& entry,
                              Context& context) const
{
    const Context::WordFacts& facts = context.m_facts[index];
    auto named = [&](const QString& text) { return SearchText::matches(text, word.text); };
    if (named(entry.payee) || named(entry.note()) || facts.kinds[static_cast<size_t>(entry.kind)])
        return true;
    const QStringList& tags = entry.tags();
    if (std::any_of(tags.begin(), tags.end(), named))
        return true;
    if (entry.contactName() && named(*entry.contactName()))
        return true;
    if (entry.categoryID && containsSorted(facts.categories, *entry.categoryID))
        return true;
    if ((entry.accountID && containsSorted(facts.accounts, *entry.accountID)) ||
        (entry.toAccountID && containsSorted(facts.accounts, *entry.toAccountID)))
        return true;

    if (word.amount &&
        (inRange(word, entry.amount) || (entry.toAmount && inRange(word, *entry.toAmount))))
        return true;

    if (word.months == 0 && !word.number)
        return false;
    const Context::Day& day = context.dayOf(entry);
    if (day.month != 0 && (word.months & (1u << day.month)) != 0)
        return true;
    return word.number && (*word.number == day.day || *word.number == day.year);
}

bool EntrySearch::matches(const Entry& entry, Context& context) const
{
    for (size_t i = 0; i < m_words.size(); ++i)
        if (!matchesWord(m_words[i], i, entry, context))
            return false;
    return true;
}

void EntrySearch::Context::prepareDays(LedgerIndex::EntryRange entries, const EntrySearch& search)
{
    const bool needsDays =
        std::any_of(search.words().begin(), search.words().end(),
                    [](const Word& word) { return word.months != 0 || word.number; });
    if (!needsDays || entries.empty() || m_days)
        return;
    const QDateTime& last = (entries.end() - 1)->date;
    m_ownDays = std::make_shared<const DayGrid>(
        m_engine, DateInterval{entries.begin()->date, last.addMSecs(1)});
    m_days = m_ownDays.get();
}

std::vector<const Entry*> EntrySearch::filter(LedgerIndex::EntryRange entries,
                                              Context& context) const
{
    context.prepareDays(entries, *this);
    std::vector<const Entry*> kept;
    for (const Entry& entry : entries)
        if (matches(entry, context))
            kept.push_back(&entry);
    return kept;
}

} // namespace tallyra
