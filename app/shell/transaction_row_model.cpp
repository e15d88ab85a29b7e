#include "transaction_row_model.h"

#include <QCoreApplication>

#include "display/money_display.h"
#include "reports/ledger_index.h"

namespace tallyra::app {

namespace {

// "Food · Groceries": the category's path from the top level down.
QString categoryPath(const LedgerIndex& ledger, const CategoryId& id)
{
    QStringList names;
    for (const CategoryId& step : ledger.ancestors(id))
        if (const CategoryItem* category = ledger.category(step))
            names.prepend(category->name);
    return names.join(QStringLiteral(" · "));
}

QString accountName(const LedgerIndex& ledger, const std::optional<AccountId>& id)
{
    const Account* account = id ? ledger.account(*id) : nullptr;
    return account ? account->name : QString();
}

} // namespace

QString TransactionRowModel::transferText()
{
    return QCoreApplication::translate("TransactionRow", "Transfer");
}

QString TransactionRowModel::uncategorizedText()
{
    return QCoreApplication::translate("TransactionRow", "Uncategorized");
}

TransactionRowModel TransactionRowModel::make(const Entry& entry, const LedgerIndex& ledger,
                                              const MoneyDisplay& display, const Options& options)
{
    using Masking = MoneyDisplay::Masking;
    TransactionRowModel row;
    row.id = entry.id;
    row.kind = entry.kind;
    row.hasReceipt = entry.hasReceipt;
    row.contactName = entry.contactName();
    row.contactIdentifier = entry.contactIdentifier();

    const CategoryItem* category = entry.categoryID ? ledger.category(*entry.categoryID) : nullptr;
    const bool isTransfer = entry.kind == EntryKind::transfer;
    if (isTransfer)
        row.icon = TransferIcon{};
    else if (category)
        row.icon = category->id;
    else
        row.icon = UncategorizedIcon{};

    const QString payee = entry.payee.trimmed();
    // Filed under a category that has subcategories: say so, since the
    // category's own total then differs from the sum of its parts.
    const QString alone = category && !ledger.children(category->id).empty()
                              ? QCoreApplication::translate("TransactionRow", " · no subcategory")
                              : QString();
    const QString fallback =
        category ? category->name + alone : (isTransfer ? transferText() : uncategorizedText());
    row.title = payee.isEmpty() ? fallback : payee;
    if (!payee.isEmpty()) {
        if (category)
            row.detail = categoryPath(ledger, category->id) + alone;
        else if (isTransfer)
            row.detail = transferText();
    }

    if (!entry.note().trimmed().isEmpty())
        row.subtitle << entry.note().trimmed();
    if (!entry.tags().isEmpty()) {
        QStringList tags;
        for (const QString& tag : entry.tags())
            tags << u'#' + tag;
        row.subtitle << tags.join(u' ');
    }
    if (entry.contactName() && !entry.contactName()->isEmpty())
        row.subtitle << *entry.contactName();

    row.account = accountName(ledger, entry.accountID);
    if (isTransfer && options.balanceAccount && options.balanceAccount == entry.toAccountID)
        // In the destination's own list the other side is where it came from.
        row.account = QCoreApplication::translate("TransactionRow", "From ") + row.account;
    else if (isTransfer)
        row.account += QStringLiteral(" → ") + accountName(ledger, entry.toAccountID);

    const Money& amount = entry.amount;
    switch (entry.kind) {
    case EntryKind::expense:
        row.amount =
            display.signedAmount(saturatingNegate(amount.minor), amount.currency, Masking::never);
        break;
    case EntryKind::income:
        row.amount = display.signedAmount(amount.minor, amount.currency, Masking::never);
        break;
    case EntryKind::transfer:
        row.amount = display.format(amount.minor, amount.currency, true, Masking::never);
        if (entry.toAmount && entry.toAmount->currency != amount.currency)
            row.amount += QStringLiteral(" → ") + display.format(entry.toAmount->minor,
                                                                 entry.toAmount->currency, true,
                                                                 Masking::never);
        break;
    }

    if (options.balanceAccount) {
        const Money balance = ledger.balance(*options.balanceAccount, entry.date.addMSecs(1));
        row.balance = display.format(balance.minor, balance.currency);
    }

    row.timeColumn = options.showsTime;
    if (options.showsTime && entry.hasTime)
        row.time = options.locale.toString(entry.date.toTimeZone(options.zone).time(),
                                           QLocale::ShortFormat);
    return row;
}

} // namespace tallyra::app
