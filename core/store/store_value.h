#pragma once

// StoreValue: a value compared against a stored attribute in a predicate,
// already in the form the store keeps it (ids as 16 bytes, instants as
// milliseconds since the Unix epoch, bools as 0/1). Its kind lets the store
// check that a predicate compares an attribute with a value of its type.
//
// Thread safety: a plain value; any thread.

#include <concepts>
#include <cstdint>
#include <optional>
#include <variant>

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include "base/typed_id.h"

namespace tallyra {

class StoreValue
{
public:
    enum class Kind : std::uint8_t
    {
        null,
        integer,
        boolean,
        text,
        instant,
        uuid
    };
    using Sql = std::variant<std::monostate, std::int64_t, QString, QByteArray>;

    StoreValue() = default;
    StoreValue(std::nullopt_t) {} // NOLINT: a missing value is null
    template <std::integral T>
    requires(!std::same_as<T, bool>) StoreValue(T value)
        : m_kind(Kind::integer), m_sql(static_cast<std::int64_t>(value)) // NOLINT
    {
    }
    StoreValue(bool value) : m_kind(Kind::boolean), m_sql(std::int64_t{value ? 1 : 0}) {} // NOLINT
    StoreValue(QString value) : m_kind(Kind::text), m_sql(std::move(value)) {}            // NOLINT
    // An invalid date-time is null.
    StoreValue(const QDateTime& value) // NOLINT
    {
        if (value.isValid()) {
            m_kind = Kind::instant;
            m_sql = std::int64_t{value.toMSecsSinceEpoch()};
        }
    }
    template <class Tag>
    StoreValue(const TypedId<Tag>& id) : m_kind(Kind::uuid), m_sql(id.toRfc4122()) // NOLINT
    {
    }
    template <class T> StoreValue(const std::optional<T>& value) // NOLINT
    {
        if (value)
            *this = StoreValue(*value);
    }

    [[nodiscard]] Kind kind() const noexcept { return m_kind; }
    [[nodiscard]] bool isNull() const noexcept { return m_kind == Kind::null; }
    [[nodiscard]] const Sql& sql() const noexcept { return m_sql; }

    friend bool operator==(const StoreValue& a, const StoreValue& b) = default;

private:
    Kind m_kind = Kind::null;
    Sql m_sql;
};

} // namespace tallyra
