#pragma once

// EntrySearch: what the user typed in the transaction list's search field,
// as words that each stand for text, an amount, a day or year number, or a
// month name. A transaction is shown when every word matches it one way or
// another; no syntax is needed: "coffee 12.50 march" finds coffee bought
// for exactly 12.50 in any March.
//
// A word matches a transaction, the first rule that holds winning:
//   text    case- and diacritic-blind, apostrophe-blind substring
//           (SearchText) of the payee, note, tags, contact name, the
//           kind's raw value or title, the name of its category or any
//           category above it, or the name of either account;
//   amount  a word with a fraction ("12.5", "12,50") is that exact amount;
//           a whole number ("12", "1,250") matches every amount from it up
//           to (not including) the next whole number; the received amount
//           of a transfer counts too;
//   date    a month name (three letters or more, English or one of the
//           given localizations, full or short) matches transactions in
//           that month; a number matches the day of the month or the year.
// The empty query matches everything.
//
// Thread safety: an EntrySearch is an immutable value (any thread); a
// Context is for one thread and one run of matching.

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include <QList>
#include <QLocale>
#include <QString>
#include <QStringView>

#include "model/entry.h"
#include "money/decimal.h"
#include "money/search_text.h"
#include "reports/ledger_index.h"

namespace tallyra {

class DayGrid;
class PeriodEngine;

class EntrySearch final
{
public:
    struct AmountQuery
    {
        enum class Kind : std::uint8_t
        {
            exact, // the word had a fractional part
            whole, // a whole number: [value, value + 1)
        };
        Kind kind = Kind::exact;
        Decimal value;
    };

    struct Word
    {
        SearchText::Query text;
        std::optional<AmountQuery> amount;
        // The word read as a whole number when it is only digits.
        std::optional<std::int64_t> number;
        // Bit m (1…12) set for each month whose name starts with the word.
        std::uint16_t months = 0;

        // The matching minor units [low, high) of an amount with the given
        // minor digits (0…3); none when nothing matches.
        std::array<std::optional<std::pair<std::int64_t, std::int64_t>>, 4> minorRanges;
    };

    // Everything matching needs besides the transaction: the index (names
    // of categories and accounts) and the calendar that decides a
    // transaction's day. Per-word answers for categories, accounts and kinds
    // are worked out once here. `days`, when given, is used for the days it
    // covers.
    class Context final
    {
    public:
        Context(const EntrySearch& search, const LedgerIndex& index, const PeriodEngine& engine,
                const DayGrid* days = nullptr);

    private:
        friend class EntrySearch;

        struct Day
        {
            qint64 start = 0;
            qint64 end = 0;
            int year = 0;
            int month = 0;
            int day = 0;
        };
        struct WordFacts
        {
            std::vector<CategoryId> categories; // sorted: named in their chain
            std::vector<AccountId> accounts;    // sorted
            std::array<bool, 3> kinds{};        // by EntryKind
        };

        [[nodiscard]] const Day& dayOf(const Entry& entry);
        // Asks the calendar once for every day of the run when a word needs
        // dates, rather than once per day met.
        void prepareDays(LedgerIndex::EntryRange entries, const EntrySearch& search);

        const LedgerIndex& m_index;
        const PeriodEngine& m_engine;
        const DayGrid* m_days;
        std::shared_ptr<const DayGrid> m_ownDays;
        std::vector<WordFacts> m_facts;
        Day m_lastDay;
    };

    EntrySearch() = default;
    // localizations: the languages whose month names count besides English.
    explicit EntrySearch(QStringView query, const QList<QLocale>& localizations = {});

    [[nodiscard]] const std::vector<Word>& words() const noexcept { return m_words; }
    [[nodiscard]] bool isEmpty() const noexcept { return m_words.empty(); }

    [[nodiscard]] bool matches(const Entry& entry, Context& context) const;
    // The entries that match, in their order.
    [[nodiscard]] std::vector<const Entry*> filter(LedgerIndex::EntryRange entries,
                                                   Context& context) const;

    // The word as an amount, by the rules above; none when it is not one.
    [[nodiscard]] static std::optional<AmountQuery> amountQuery(QStringView word);

private:
    [[nodiscard]] bool matchesWord(const Word& word, size_t index, const Entry& entry,
                                   Context& context) const;

    std::vector<Word> m_words;
};

} // namespace tallyra
