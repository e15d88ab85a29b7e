#pragma once

// The texts the accounts screen shows for one account, formatted by the
// view model so the widgets only lay them out: the list row, the figures
// of the detail and the credit summary.
//
// Thread safety: plain values; any thread.

#include <optional>
#include <vector>

#include <QColor>
#include <QString>

#include "base/typed_id.h"
#include "model/category_icon.h"
#include "widgets/semantic_palette.h"

namespace tallyra {
struct Account;
}

namespace tallyra::app {

// One row of the accounts list: a section title or an account.
struct AccountRow
{
    enum class Kind
    {
        section,
        account,
    };

    Kind kind = Kind::account;
    QString title;   // the section's title or the account's name
    QString detail;  // the account's note, else its kind
    QString balance; // formatted; masked while balances are hidden
    Tone balanceTone = Tone::plain;
    std::optional<AccountId> id;
    CategoryIcon icon;
    QColor color;
    bool isArchived = false;
    // Without a rate the account is left out of totals and net worth.
    bool hasNoRate = false;
    QString noRateHelp;

    // What a screen reader says for the row.
    [[nodiscard]] QString sentence() const;
};

// One captioned figure of the detail ("Lowest", "₴1,200.00", "Nov 12").
struct AccountFigure
{
    QString caption;
    QString value;
    QString note = {};
    Tone tone = Tone::plain;

    friend bool operator==(const AccountFigure&, const AccountFigure&) = default;
};

// The badge an account is drawn with: its emoji, its picture or its symbol
// (the kind's symbol when it names none).
[[nodiscard]] CategoryIcon accountIcon(const Account& account);

} // namespace tallyra::app
