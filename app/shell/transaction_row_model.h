#pragma once

// TransactionRowModel: one row of a transaction list, ready to draw.
//
//   title     the payee; without one the category's name (with " · no
//             subcategory" when it has subcategories), else "Transfer"
//             for a transfer and "Uncategorized" for the rest
//   detail    the category path ("Food · Groceries") when the title is the
//             payee; "Transfer" for a transfer with a payee
//   subtitle  the note, the tags ("#travel"), the contact's name, in order,
//             each only when present
//   account   the account's name; "From → To" for a transfer, and "From "
//             with the source in the destination account's own list
//   amount    the signed amount of an expense (−) or income (+); a
//             transfer's plain amount, followed by " → " and what arrived
//             when it crossed currencies. Amounts stay readable while
//             balances are hidden.
//   balance   the running balance of the scoped account after the row
//             (masked while balances are hidden), when asked for
//   time      the time of day, when the list shows times and the
//             transaction has one
//
// Thread safety: pure; any thread that may use the money display (main).

#include <optional>
#include <variant>

#include <QLocale>
#include <QString>
#include <QStringList>
#include <QTimeZone>

#include "base/typed_id.h"
#include "model/entry.h"
#include "model/entry_kind.h"

namespace tallyra {
class LedgerIndex;
class MoneyDisplay;
} // namespace tallyra

namespace tallyra::app {

struct TransactionRowModel
{
    struct TransferIcon
    {
        friend bool operator==(const TransferIcon&, const TransferIcon&) = default;
    };
    struct UncategorizedIcon
    {
        friend bool operator==(const UncategorizedIcon&, const UncategorizedIcon&) = default;
    };
    using Icon = std::variant<CategoryId, TransferIcon, UncategorizedIcon>;

    struct Options
    {
        bool showsTime = false;
        QTimeZone zone = QTimeZone::systemTimeZone();
        QLocale locale;
        // The account whose running balance each row shows.
        std::optional<AccountId> balanceAccount;
    };

    EntryId id;
    Icon icon;
    QString title;
    std::optional<QString> detail;
    QStringList subtitle;
    QString account;
    QString amount;
    std::optional<QString> balance;
    EntryKind kind = EntryKind::expense;
    bool hasReceipt = false;
    std::optional<QString> contactName;
    std::optional<QString> contactIdentifier;
    bool timeColumn = false;
    std::optional<QString> time;

    [[nodiscard]] static TransactionRowModel make(const Entry& entry, const LedgerIndex& ledger,
                                                  const MoneyDisplay& display,
                                                  const Options& options);
    // The list's words for a transfer and a transaction without a category.
    [[nodiscard]] static QString transferText();
    [[nodiscard]] static QString uncategorizedText();

    friend bool operator==(const TransactionRowModel&, const TransactionRowModel&) = default;
};

} // namespace tallyra::app
