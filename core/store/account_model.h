#pragma once

// AccountModel: a stored account as the store reads and writes it, with
// exactly the stored attributes as public fields. Only the store, the
// loader and the writers touch stored objects; everything else works on
// the Account record made from one (record_builders.h).
//
// objectID is the store's identity of the row (0 until inserted). id is an
// ordinary attribute: two rows may share one id until a merge removes the
// duplicate. The inverse relationships (outgoing, incoming, goals,
// checkpoints) are fetched through StoreContext.
//
// Defaults are those a new account gets when inserted without a value:
// the empty currency becomes the main currency of that moment, a null id a
// new random id, an invalid createdAt the store clock's now.
//
// Thread safety: a plain value; any thread.

#include <cstdint>
#include <optional>

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include "base/typed_id.h"
#include "model/account_group.h"
#include "model/account_kind.h"
#include "model/account_source.h"

namespace tallyra {

struct AccountModel
{
    // Every stored attribute in stored column order, for predicates and
    // sorting. Pictures can only be tested for null.
    enum class Field : std::uint8_t
    {
        id,
        name,
        groupRaw,
        detail,
        colorHex,
        sfSymbol,
        currency,
        openingBalanceMinor,
        sourceRaw,
        externalId,
        order,
        isArchived,
        createdAt,
        kindRaw,
        creditLimitMinor,
        statementDay,
        paymentDueDay,
        interestRateBP,
        iconImage,
        iconEmoji,
    };
    using Id = AccountId;

    std::int64_t objectID = 0;
    AccountId id;
    QString name;
    QString groupRaw = QStringLiteral("cash");
    QString detail;
    QString colorHex = QStringLiteral("#7D8590");
    QString sfSymbol = QStringLiteral("creditcard.fill");
    QString currency;
    std::int64_t openingBalanceMinor = 0;
    QString sourceRaw = QStringLiteral("manual");
    std::optional<QString> externalId;
    std::int64_t order = 0;
    bool isArchived = false;
    QDateTime createdAt;
    // Empty: the kind is inferred from the group and the name.
    QString kindRaw;
    std::optional<std::int64_t> creditLimitMinor;
    std::optional<std::int64_t> statementDay;
    std::optional<std::int64_t> paymentDueDay;
    std::optional<std::int64_t> interestRateBP;
    // Kept outside the row, in the store's picture folder.
    std::optional<QByteArray> iconImage;
    std::optional<QString> iconEmoji;

    // The repaired readings of the raw texts (see model/).
    [[nodiscard]] AccountGroup group() const { return accountGroupFromStored(groupRaw); }
    [[nodiscard]] AccountKind kind() const
    {
        return accountKindFromStored(kindRaw, groupRaw, name);
    }
    [[nodiscard]] AccountSource source() const { return accountSourceFromStored(sourceRaw); }

    friend bool operator==(const AccountModel& a, const AccountModel& b) = default;
};

} // namespace tallyra
