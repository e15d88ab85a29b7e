#include "reports/account_sections.h"

#include "reports/ledger_index.h"

namespace tallyra {

QString AccountSection::id() const
{
    return group ? rawValue(*group) : QStringLiteral("archived");
}

std::vector<AccountSection> accountSections(const LedgerIndex& index, const QDateTime& date,
                                            bool includeArchived)
{
    std::vector<AccountSection> sections;
    for (const AccountGroup group : allCases<AccountGroup>()) {
        AccountSection section{group, {}};
        for (const Account& account : index.accounts())
            if (!account.isArchived && listGroup(account) == group)
                section.rows.push_back({account, index.balance(account.id, date)});
        if (!section.rows.empty())
            sections.push_back(std::move(section));
    }
    if (includeArchived) {
        AccountSection archived{std::nullopt, {}};
        for (const Account& account : index.accounts())
            if (account.isArchived)
                archived.rows.push_back({account, index.balance(account.id, date)});
        if (!archived.rows.empty())
            sections.push_back(std::move(archived));
    }
    return sections;
}

} // namespace tallyra
