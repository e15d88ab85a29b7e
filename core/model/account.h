#pragma once

// Account: an immutable snapshot of one stored account, as every report,
// plan and export sees it. Built by the store's record builders, which
// apply the repairs of old or damaged data (clamped amounts, inferred kind,
// repaired source).
//
// Amounts (openingBalance, creditLimit) are in the account's own currency.
// Thread safety: a plain value; any thread.

#include <cstdint>
#include <optional>

#include <QByteArray>
#include <QString>

#include "base/typed_id.h"
#include "model/account_kind.h"
#include "model/account_source.h"
#include "money/decimal.h"
#include "money/money.h"

namespace tallyra {

struct Account
{
    AccountId id;
    QString name;
    // Free note shown under the name.
    QString detail;
    QString colorHex;
    // Name of the symbol icon.
    QString sfSymbol;
    CurrencyCode currency;
    Money openingBalance;
    AccountSource source = AccountSource::manual;
    std::int64_t order = 0;
    bool isArchived = false;
    AccountKind kind = AccountKind::checking;
    std::optional<Money> creditLimit;
    // Days of the month, as stored (not checked against a calendar).
    std::optional<std::int64_t> statementDay;
    std::optional<std::int64_t> paymentDueDay;
    // A percentage: 12.5 means 12.5 %.
    std::optional<Decimal> interestRate;
    std::optional<QString> iconEmoji;
    // The picture the user chose.
    std::optional<QByteArray> iconImage;

    friend bool operator==(const Account& a, const Account& b) = default;
};

[[nodiscard]] size_t qHash(const Account& account, size_t seed = 0);

} // namespace tallyra
