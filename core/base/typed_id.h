#pragma once

// Identifiers of the ledger's records. Each kind of record has its own id
// type over a 128-bit UUID, so an account id can never be passed where a
// category id is expected. Text form is the canonical lower-case UUID
// without braces ("1b4e28ba-2fa1-11d2-883f-0016d3cca427").

#include <compare>
#include <functional>
#include <optional>

#include <QHash>
#include <QString>
#include <QUuid>

namespace tallyra {

template <class Tag> class TypedId
{
public:
    TypedId() = default;
    explicit TypedId(const QUuid& uuid) : m_uuid(uuid) {}

    [[nodiscard]] static TypedId random() { return TypedId(QUuid::createUuid()); }
    // Reads canonical UUID text, with or without braces; nothing for anything else.
    [[nodiscard]] static std::optional<TypedId> fromString(QStringView text)
    {
        const QUuid uuid = QUuid::fromString(text);
        if (uuid.isNull() && text.trimmed() != u"00000000-0000-0000-0000-000000000000")
            return std::nullopt;
        return TypedId(uuid);
    }
    [[nodiscard]] static TypedId fromRfc4122(const QByteArray& bytes)
    {
        return TypedId(QUuid::fromRfc4122(bytes));
    }

    [[nodiscard]] const QUuid& uuid() const noexcept { return m_uuid; }
    [[nodiscard]] QString toString() const { return m_uuid.toString(QUuid::WithoutBraces); }
    [[nodiscard]] QByteArray toRfc4122() const { return m_uuid.toRfc4122(); }
    [[nodiscard]] bool isNull() const noexcept { return m_uuid.isNull(); }

    friend bool operator==(const TypedId& a, const TypedId& b) noexcept
    {
        return a.m_uuid == b.m_uuid;
    }
    friend std::strong_ordering operator<=>(const TypedId& a, const TypedId& b) noexcept
    {
        if (a.m_uuid == b.m_uuid)
            return std::strong_ordering::equal;
        return a.m_uuid < b.m_uuid ? std::strong_ordering::less : std::strong_ordering::greater;
    }
    friend size_t qHash(const TypedId& id, size_t seed = 0) noexcept
    {
        return qHash(id.m_uuid, seed);
    }

private:
    QUuid m_uuid;
};

using AccountId = TypedId<struct AccountIdTag>;
using CategoryId = TypedId<struct CategoryIdTag>;
using EntryId = TypedId<struct EntryIdTag>;
using BudgetId = TypedId<struct BudgetIdTag>;
using GoalId = TypedId<struct GoalIdTag>;
using CheckpointId = TypedId<struct CheckpointIdTag>;

} // namespace tallyra

template <class Tag> struct std::hash<tallyra::TypedId<Tag>>
{
    size_t operator()(const tallyra::TypedId<Tag>& id) const noexcept { return qHash(id); }
};
