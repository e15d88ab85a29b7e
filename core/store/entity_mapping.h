#pragma once

// Internal to the store: how each stored model maps onto its table. Every
// entity lists its attributes once, in column order (which is also the
// order of its Field enumeration), by calling a visitor with each column's
// name and the member that holds it; reading, writing and predicate
// compilation are all driven by that one list. The C++ type of a member
// decides how it is stored:
//   TypedId → 16-byte BLOB, QString → TEXT, std::int64_t → INTEGER,
//   bool → INTEGER 0/1, QDateTime → INTEGER ms since the epoch (UTC),
//   std::optional<…> → the same or NULL,
//   std::optional<QByteArray> → a picture: TEXT name of its file.

#include <cstdint>
#include <optional>
#include <type_traits>

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

#include "base/typed_id.h"
#include "store/account_model.h"
#include "store/balance_checkpoint_model.h"
#include "store/budget_model.h"
#include "store/category_model.h"
#include "store/goal_model.h"
#include "store/store_value.h"
#include "store/transaction_model.h"

namespace tallyra::store_detail {

enum class ColumnKind : std::uint8_t
{
    integer,
    boolean,
    text,
    instant,
    uuid,
    picture
};

struct ColumnInfo
{
    const char* name;
    ColumnKind kind;
    bool optional;
};

// An ordered to-many relationship kept in a join table.
struct JoinInfo
{
    const char* table;
    const char* ownerColumn;
    const char* memberColumn;
};

template <class Model> struct Entity;

template <class T> struct KindOf;
template <class Tag>
struct KindOf<TypedId<Tag>> : std::integral_constant<ColumnKind, ColumnKind::uuid>
{
};
template <> struct KindOf<QString> : std::integral_constant<ColumnKind, ColumnKind::text>
{
};
template <> struct KindOf<std::int64_t> : std::integral_constant<ColumnKind, ColumnKind::integer>
{
};
template <> struct KindOf<bool> : std::integral_constant<ColumnKind, ColumnKind::boolean>
{
};
template <> struct KindOf<QDateTime> : std::integral_constant<ColumnKind, ColumnKind::instant>
{
};
template <>
struct KindOf<std::optional<QByteArray>> : std::integral_constant<ColumnKind, ColumnKind::picture>
{
};
template <class T> struct KindOf<std::optional<T>> : KindOf<T>
{
};

template <class T> inline constexpr bool kIsOptional = false;
template <class T> inline constexpr bool kIsOptional<std::optional<T>> = true;

template <> struct Entity<AccountModel>
{
    static constexpr char table[] = "AccountModel";
    static constexpr bool hasLinks = false;
    static constexpr const JoinInfo* join = nullptr;

    template <class Self, class V> static void visit(Self& m, V&& v)
    {
        v("id", m.id);
        v("name", m.name);
        v("groupRaw", m.groupRaw);
        v("detail", m.detail);
        v("colorHex", m.colorHex);
        v("sfSymbol", m.sfSymbol);
        v("currency", m.currency);
        v("openingBalanceMinor", m.openingBalanceMinor);
        v("sourceRaw", m.sourceRaw);
        v("externalId", m.externalId);
        v("order", m.order);
        v("isArchived", m.isArchived);
        v("createdAt", m.createdAt);
        v("kindRaw", m.kindRaw);
        v("creditLimitMinor", m.creditLimitMinor);
        v("statementDay", m.statementDay);
        v("paymentDueDay", m.paymentDueDay);
        v("interestRateBP", m.interestRateBP);
        v("iconImage", m.iconImage);
        v("iconEmoji", m.iconEmoji);
    }
};

template <> struct Entity<CategoryModel>
{
    static constexpr char table[] = "CategoryModel";
    static constexpr bool hasLinks = false;
    static constexpr const JoinInfo* join = nullptr;

    template <class Self, class V> static void visit(Self& m, V&& v)
    {
        v("id", m.id);
        v("name", m.name);
        v("kindRaw", m.kindRaw);
        v("colorHex", m.colorHex);
        v("iconKind", m.iconKind);
        v("iconValue", m.iconValue);
        v("iconImage", m.iconImage);
        v("order", m.order);
        v("createdAt", m.createdAt);
        v("parent", m.parent);
    }
};

template <> struct Entity<TransactionModel>
{
    static constexpr char table[] = "TransactionModel";
    static constexpr bool hasLinks = false;
    static constexpr const JoinInfo* join = nullptr;

    template <class Self, class V> static void visit(Self& m, V&& v)
    {
        v("id", m.id);
        v("date", m.date);
        v("hasTime", m.hasTime);
        v("kindRaw", m.kindRaw);
        v("amountMinor", m.amountMinor);
        v("toAmountMinor", m.toAmountMinor);
        v("payee", m.payee);
        v("note", m.note);
        v("tagsText", m.tagsText);
        v("cleared", m.cleared);
        v("receipt", m.receipt);
        v("hasReceipt", m.hasReceipt);
        v("contactName", m.contactName);
        v("contactIdentifier", m.contactIdentifier);
        v("externalId", m.externalId);
        v("createdAt", m.createdAt);
        v("updatedAt", m.updatedAt);
        v("account", m.account);
        v("toAccount", m.toAccount);
        v("category", m.category);
    }
};

inline constexpr JoinInfo kBudgetCategories{"BudgetModel_categories", "budget", "category"};
inline constexpr JoinInfo kGoalAccounts{"GoalModel_accounts", "goal", "account"};

template <> struct Entity<BudgetModel>
{
    static constexpr char table[] = "BudgetModel";
    static constexpr bool hasLinks = true;
    static constexpr const JoinInfo* join = &kBudgetCategories;

    template <class Self, class V> static void visit(Self& m, V&& v)
    {
        v("id", m.id);
        v("name", m.name);
        v("emoji", m.emoji);
        v("limitMinor", m.limitMinor);
        v("order", m.order);
    }
    template <class Self> static auto& links(Self& m) { return m.categories; }
};

template <> struct Entity<GoalModel>
{
    static constexpr char table[] = "GoalModel";
    static constexpr bool hasLinks = true;
    static constexpr const JoinInfo* join = &kGoalAccounts;

    template <class Self, class V> static void visit(Self& m, V&& v)
    {
        v("id", m.id);
        v("kindRaw", m.kindRaw);
        v("name", m.name);
        v("emoji", m.emoji);
        v("order", m.order);
        v("targetMinor", m.targetMinor);
        v("assignedMinor", m.assignedMinor);
        v("monthlyMinor", m.monthlyMinor);
        v("deadline", m.deadline);
        v("balanceModeRaw", m.balanceModeRaw);
        v("allAccounts", m.allAccounts);
        v("startDate", m.startDate);
        v("endDate", m.endDate);
        v("category", m.category);
    }
    template <class Self> static auto& links(Self& m) { return m.accounts; }
};

template <> struct Entity<BalanceCheckpointModel>
{
    static constexpr char table[] = "BalanceCheckpointModel";
    static constexpr bool hasLinks = false;
    static constexpr const JoinInfo* join = nullptr;

    template <class Self, class V> static void visit(Self& m, V&& v)
    {
        v("id", m.id);
        v("date", m.date);
        v("balanceMinor", m.balanceMinor);
        v("createdAt", m.createdAt);
        v("account", m.account);
    }
};

// The entity's columns in order (without Z_PK), read once from its visit list.
template <class Model> const QList<ColumnInfo>& columns()
{
    static const QList<ColumnInfo> list = [] {
        QList<ColumnInfo> result;
        const Model sample{};
        Entity<Model>::visit(sample, [&result](const char* name, const auto& member) {
            using T = std::remove_cvref_t<decltype(member)>;
            result.append(ColumnInfo{name, KindOf<T>::value, kIsOptional<T>});
        });
        return result;
    }();
    return list;
}

// Whether a predicate value of this kind may be compared with the column.
[[nodiscard]] inline bool accepts(ColumnKind column, StoreValue::Kind value) noexcept
{
    switch (value) {
    case StoreValue::Kind::null:
        return true;
    case StoreValue::Kind::integer:
        return column == ColumnKind::integer;
    case StoreValue::Kind::boolean:
        return column == ColumnKind::boolean;
    case StoreValue::Kind::text:
        return column == ColumnKind::text;
    case StoreValue::Kind::instant:
        return column == ColumnKind::instant;
    case StoreValue::Kind::uuid:
        return column == ColumnKind::uuid;
    }
    return false;
}

} // namespace tallyra::store_detail
