#include "model/account_kind.h"

#include <QCoreApplication>

namespace tallyra {

namespace {

struct KindFacts
{
    AccountKind kind;
    const char16_t* raw;
    const char* title;
    const char* description;
    const char16_t* symbol;
    AccountGroup group;
    bool isCredit;
};

// The texts stay untranslated here and are looked up when asked for, so a
// change of language is picked up without restarting.
constexpr KindFacts kFacts[] = {
    {AccountKind::cash, u"cash", QT_TRANSLATE_NOOP("AccountKind", "Cash"),
     QT_TRANSLATE_NOOP("AccountKind", "Wallet, cash on hand"), u"banknote.fill", AccountGroup::cash,
     false},
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
     QT_TRANSLATE_NOOP("AccountKind", "Anything else"), u"wallet.bifold.fill", AccountGroup::cash,
     false},
};

const KindFacts& facts(AccountKind kind) noexcept
{
    for (const KindFacts& f : kFacts)
        if (f.kind == kind)
            return f;
    return kFacts[0];
}

} // namespace

QString rawValue(AccountKind kind)
{
    return QString::fromUtf16(facts(kind).raw);
}

std::optional<AccountKind> accountKindFromRaw(QStringView raw)
{
    for (const KindFacts& f : kFacts)
        if (raw == QStringView(f.raw))
            return f.kind;
    return std::nullopt;
}

AccountKind accountKindFromStored(QStringView kindRaw, QStringView groupRaw, QStringView name)
{
    if (const auto kind = accountKindFromRaw(kindRaw))
        return *kind;
    // Accounts from before kinds existed only had a group; the cash group
    // held every hand-made account, so its name is the best hint left.
    switch (accountGroupFromStored(groupRaw)) {
    case AccountGroup::savings:
        return AccountKind::savings;
    case AccountGroup::credit:
        return AccountKind::creditCard;
    case AccountGroup::investments:
        return AccountKind::investment;
    case AccountGroup::bank:
        return AccountKind::checking;
    case AccountGroup::cash:
        break;
    }
    const QString lower = name.toString().toLower();
    if (lower.contains(u"saving"))
        return AccountKind::savings;
    if (lower.contains(u"cash") || lower.contains(u"wallet"))
        return AccountKind::cash;
    return AccountKind::checking;
}

QString title(AccountKind kind)
{
    return QCoreApplication::translate("AccountKind", facts(kind).title);
}

QString description(AccountKind kind)
{
    return QCoreApplication::translate("AccountKind", facts(kind).description);
}

QString symbol(AccountKind kind)
{
    return QString::fromUtf16(facts(kind).symbol);
}

AccountGroup group(AccountKind kind) noexcept
{
    return facts(kind).group;
}

bool isCredit(AccountKind kind) noexcept
{
    return facts(kind).isCredit;
}

} // namespace tallyra
