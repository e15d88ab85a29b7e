#pragma once

// What an account is (cash, bank account, credit card, …). Each kind has a
// title and a one-line description for pickers, a default symbol, the group
// (section) it is listed in, and whether it is credit-like (its balance is
// usually money owed). Stored as its raw text in AccountModel.kindRaw; an
// empty or unknown kindRaw is inferred from the group and the name.
//
// Thread safety: plain values and pure functions; any thread.

#include <cstdint>

#include <QString>
#include <QStringView>

#include "base/enum_table.h"
#include "model/account_group.h"

namespace tallyra {

enum class AccountKind : std::uint8_t
{
    cash,
    checking,
    savings,
    creditCard,
    investment,
    loan,
    other
};

struct AccountKindCase
{
    AccountKind value;
    QStringView raw;
    const char* title;
    // One line under the title in pickers.
    const char* description;
    // The name of the kind's default symbol.
    QStringView symbol;
    AccountGroup group;
    // Credit cards and loans: the balance is usually money owed.
    bool isCredit;
};

// The texts stay untranslated here and are looked up when asked for, so a
// change of language is picked up without restarting.
inline constexpr auto kAccountKinds = makeEnumTable<AccountKind, AccountKindCase>(
    {
        {AccountKind::cash, u"cash", QT_TRANSLATE_NOOP("AccountKind", "Cash"),
         QT_TRANSLATE_NOOP("AccountKind", "Wallet, cash on hand"), u"banknote.fill",
         AccountGroup::cash, false},
        {AccountKind::checking, u"checking", QT_TRANSLATE_NOOP("AccountKind", "Bank Account"),
         QT_TRANSLATE_NOOP("AccountKind", "Debit card, current account"), u"creditcard.fill",
         AccountGroup::bank, false},
        {AccountKind::savings, u"savings", QT_TRANSLATE_NOOP("AccountKind", "Savings"),
         QT_TRANSLATE_NOOP("AccountKind", "Deposit, savings account"), u"building.columns.fill",
         AccountGroup::savings, false},
        {AccountKind::creditCard, u"creditCard", QT_TRANSLATE_NOOP("AccountKind", "Credit Card"),
         QT_TRANSLATE_NOOP("AccountKind", "Limit, statement, due date"), u"creditcard.and.123",
         AccountGroup::credit, true},
        {AccountKind::investment, u"investment", QT_TRANSLATE_NOOP("AccountKind", "Investment"),
         QT_TRANSLATE_NOOP("AccountKind", "Brokerage, crypto, funds"), u"chart.line.uptrend.xyaxis",
         AccountGroup::investments, false},
        {AccountKind::loan, u"loan", QT_TRANSLATE_NOOP("AccountKind", "Loan"),
         QT_TRANSLATE_NOOP("AccountKind", "Mortgage, car loan, money owed"), u"house.fill",
         AccountGroup::credit, true},
        {AccountKind::other, u"other", QT_TRANSLATE_NOOP("AccountKind", "Other"),
         QT_TRANSLATE_NOOP("AccountKind", "Anything else"), u"wallet.bifold.fill",
         AccountGroup::cash, false},
    },
    "AccountKind");
[[nodiscard]] constexpr const auto& enumTable(AccountKind) noexcept
{
    return kAccountKinds;
}

// "Wallet, cash on hand", …, translated.
[[nodiscard]] inline QString description(AccountKind kind)
{
    return QCoreApplication::translate("AccountKind", kAccountKinds[kind].description);
}
[[nodiscard]] inline QString symbol(AccountKind kind)
{
    return kAccountKinds[kind].symbol.toString();
}
[[nodiscard]] constexpr AccountGroup group(AccountKind kind) noexcept
{
    return kAccountKinds[kind].group;
}
[[nodiscard]] constexpr bool isCredit(AccountKind kind) noexcept
{
    return kAccountKinds[kind].isCredit;
}

// Repairing read of stored data. A known kindRaw gives its case; otherwise
// the kind is inferred from the group (read with accountGroupFromStored):
// savings, credit and investments give savings, creditCard and investment;
// bank gives checking; cash looks at the lower-cased name: "saving" →
// savings, else "cash" or "wallet" → cash, else checking.
[[nodiscard]] AccountKind accountKindFromStored(QStringView kindRaw, QStringView groupRaw,
                                                QStringView name);

} // namespace tallyra
