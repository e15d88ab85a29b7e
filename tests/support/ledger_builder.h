#pragma once

// A small builder of value-record ledgers for report tests:
//   LedgerBuilder b;
//   auto card = b.account("Card", "UAH");
//   b.expense(card, 1250, day(2026, 3, 1));
//   LedgerIndex index = b.build(rates);

#include <QDateTime>
#include <QTimeZone>

#include "reports/ledger_index.h"

namespace tallyra::testing {

inline QDateTime utc(int y, int m, int d, int h = 12, int min = 0)
{
    return QDateTime(QDate(y, m, d), QTime(h, min), Qt::UTC);
}

inline AccountId accountId(int n)
{
    return AccountId(QUuid(0xa0000000u + static_cast<uint>(n), 0, 0, 0, 0, 0, 0, 0, 0, 0, 0));
}
inline CategoryId categoryId(int n)
{
    return CategoryId(QUuid(0xc0000000u + static_cast<uint>(n), 0, 0, 0, 0, 0, 0, 0, 0, 0, 0));
}

class LedgerBuilder
{
public:
    AccountId account(const QString& name, const QString& currency, std::int64_t openingMinor = 0,
                      AccountKind kind = AccountKind::checking, bool archived = false)
    {
        Account a;
        a.id = accountId(static_cast<int>(m_records.accounts.size()) + 1);
        a.name = name;
        a.currency = currency;
        a.openingBalance = Money{openingMinor, currency};
        a.kind = kind;
        a.isArchived = archived;
        m_records.accounts.push_back(a);
        return a.id;
    }

    CategoryId category(const QString& name, std::optional<CategoryId> parent = std::nullopt,
                        CategoryKind kind = CategoryKind::expense)
    {
        CategoryItem c;
        c.id = categoryId(static_cast<int>(m_records.categories.size()) + 1);
        c.name = name;
        c.kind = kind;
        c.parentID = parent;
        c.order = static_cast<std::int64_t>(m_records.categories.size());
        m_records.categories.push_back(c);
        return c.id;
    }

    Entry& entry(EntryKind kind, const AccountId& account, std::int64_t minor,
                 const QDateTime& date)
    {
        Entry e;
        e.id = EntryId(QUuid::createUuid());
        e.kind = kind;
        e.accountID = account;
        e.amount = Money{minor, currencyOf(account)};
        e.date = date;
        m_records.entries.push_back(e);
        return m_records.entries.back();
    }
    Entry& expense(const AccountId& a, std::int64_t minor, const QDateTime& d)
    {
        return entry(EntryKind::expense, a, minor, d);
    }
    Entry& income(const AccountId& a, std::int64_t minor, const QDateTime& d)
    {
        return entry(EntryKind::income, a, minor, d);
    }
    Entry& transfer(const AccountId& from, const AccountId& to, std::int64_t minor,
                    const QDateTime& d, std::optional<std::int64_t> received = std::nullopt)
    {
        Entry& e = entry(EntryKind::transfer, from, minor, d);
        e.toAccountID = to;
        if (received)
            e.toAmount = Money{*received, currencyOf(to)};
        return e;
    }

    void checkpoint(const AccountId& account, std::int64_t balanceMinor, const QDateTime& date)
    {
        BalanceCheckpoint c;
        c.id = CheckpointId(QUuid::createUuid());
        c.accountID = account;
        c.date = date;
        c.balance = Money{balanceMinor, currencyOf(account)};
        c.createdAt = date;
        m_records.checkpoints.push_back(c);
    }

    LedgerRecords& records() { return m_records; }
    [[nodiscard]] LedgerIndex build(FXRates rates) const
    {
        return LedgerIndex::build(m_records, std::move(rates));
    }

private:
    QString currencyOf(const AccountId& id) const
    {
        for (const Account& a : m_records.accounts)
            if (a.id == id)
                return a.currency;
        return QStringLiteral("USD");
    }

    LedgerRecords m_records;
};

} // namespace tallyra::testing
