#pragma once

// The sections of the accounts list: one per account group (bank, cash,
// savings, credit, investments, in that order) holding its open accounts
// in the index's account order, each with its balance; a group without
// accounts has no section. With archived accounts included, one more
// section, last and without a group, holds every archived account.
//
// Balances are in each account's own currency, nothing is converted. The
// accounts screen asks for them at the engine's tomorrow, so they include
// today and leave out transactions dated after it.
//
// Thread safety: pure; any thread.

#include <optional>
#include <vector>

#include <QDateTime>
#include <QString>

#include "model/account.h"
#include "model/account_group.h"
#include "money/money.h"

namespace tallyra {

class LedgerIndex;

struct AccountSection
{
    struct Row
    {
        Account account;
        Money balance;

        friend bool operator==(const Row&, const Row&) = default;
    };

    // None for the archived section.
    std::optional<AccountGroup> group;
    std::vector<Row> rows;

    // The group's raw value, or "archived".
    [[nodiscard]] QString id() const;

    friend bool operator==(const AccountSection&, const AccountSection&) = default;
};

// Balances strictly before `date`.
[[nodiscard]] std::vector<AccountSection>
accountSections(const LedgerIndex& index, const QDateTime& date, bool includeArchived);

} // namespace tallyra
