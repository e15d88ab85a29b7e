#pragma once

// MoneyDisplay: how every amount reaches the screen and the command line.
// It holds the two display switches (cents hidden, balances masked) and
// formats amounts, signed amounts, chart-axis labels, percentages and days
// of the month with them.
//
// Numbers: amounts are laid out by ICU's CLDR data for one fixed number
// locale, "en_US", so that $1,234.56 looks the same whatever the user's
// language; the user's language (the `language` locale) only decides the
// words around numbers: the per-cent sign and its placement, ordinal
// suffixes, the "k"/"M" of axis labels.
//
// Currency symbols, memoised per code for the object's life: the narrow
// symbol for USD always, and for any other currency unless its narrow symbol
// is a bare "$" (so CAD stays "CA$" and never passes for US dollars).
//
// Rounding: format() with respectsHideCents and cents hidden rounds to whole
// units half away from zero; without respectsHideCents it shows exactly the
// currency's minor digits (half away from zero as well).
//
// Masking: with balances hidden format() and signed() give "•••" joined to
// the currency symbol by a no-break space, on the side the currency puts
// its symbol; the digits never appear.
//
// Threading: main thread only (the memo is not guarded).
//
// Example:
//   MoneyDisplay display(QLocale(QStringLiteral("uk_UA")));
//   display.format(123456, u"USD"_s);   // "$1,234.56"
//   display.signed(-1250, u"EUR"_s);    // "−€12.50"
//   display.dayOfMonth(22);             // "22-ге"

#include <cstdint>
#include <map>
#include <memory>

#include <QLocale>
#include <QObject>
#include <QString>

namespace tallyra {

class MoneyDisplay final : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool hideCents READ hideCents WRITE setHideCents NOTIFY hideCentsChanged)
    Q_PROPERTY(bool hideBalances READ hideBalances WRITE setHideBalances NOTIFY hideBalancesChanged)

public:
    // Three bullets: what a masked amount shows instead of its digits.
    static constexpr char16_t kMask[] = u"\u2022\u2022\u2022";
    // The fixed number locale of amounts.
    static constexpr char kNumberLocale[] = "en_US";

    // Balances and net worth are masked when balances are hidden; what
    // flowed (transaction amounts, period totals) stays readable.
    enum class Masking
    {
        whenHidden,
        never,
    };

    enum class PercentDigits
    {
        whole,    // 12%
        oneDigit, // 12.0%
        adaptive, // 9.5%, but 12% from 10 on
    };

    // language: the user's language for the words around numbers.
    // numberLocale: the locale of the digits and currency layout; the
    // application always uses kNumberLocale, tests pin others to reach
    // currency layouts en_US does not have.
    explicit MoneyDisplay(QLocale language = QLocale::system(), QObject* parent = nullptr);
    MoneyDisplay(QLocale language, QLocale numberLocale, QObject* parent = nullptr);
    ~MoneyDisplay() override;

    [[nodiscard]] bool hideCents() const noexcept { return m_hideCents; }
    void setHideCents(bool hide);
    [[nodiscard]] bool hideBalances() const noexcept { return m_hideBalances; }
    void setHideBalances(bool hide);
    [[nodiscard]] const QLocale& language() const noexcept { return m_language; }

    // The amount of `minor` units of the currency as shown.
    [[nodiscard]] QString format(std::int64_t minor, const QString& currency,
                                 bool respectsHideCents = true,
                                 Masking masking = Masking::whenHidden) const;
    // "+" for a positive amount, "−" (U+2212) for a negative one, nothing for
    // zero, then format() of the magnitude.
    [[nodiscard]] QString signedAmount(std::int64_t minor, const QString& currency,
                                       Masking masking = Masking::whenHidden) const;
    // A chart-axis label of a value in major units: 950, 12.5k, 1.2M with
    // the currency symbol. compact: thousands from 1,000 (else from 10,000).
    [[nodiscard]] QString axisLabel(double value, const QString& currency, bool compact) const;
    // |ratio| × 100 as a percentage in the user's language; with isSigned a
    // "+" or "−" for a non-zero ratio. Empty for a ratio that is not finite.
    [[nodiscard]] QString percent(double ratio, PercentDigits digits, bool isSigned = false) const;
    // The day with its ordinal suffix in the user's language: 1st, 22nd.
    [[nodiscard]] QString dayOfMonth(int day) const;

    // The symbol the currency is shown with ("$", "CA$", "€", "₴") and
    // whether it stands before the number.
    struct Symbol
    {
        QString text;
        // The symbol as it stands before the number, with ICU's spacing
        // ("$", "CHF\u00A0"); empty when it follows the number.
        QString prefix;
        bool isFirst = true;
        bool isNarrow = false;
    };
    [[nodiscard]] const Symbol& symbol(const QString& currency) const;

signals:
    void hideCentsChanged(bool hide);
    void hideBalancesChanged(bool hide);

private:
    class Formatters;

    [[nodiscard]] QString masked(const QString& currency) const;

    QLocale m_language;
    QLocale m_numberLocale;
    bool m_hideCents = false;
    bool m_hideBalances = false;
    std::unique_ptr<Formatters> m_formatters;
    mutable std::map<QString, Symbol> m_symbols;
};

} // namespace tallyra
