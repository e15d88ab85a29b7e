#pragma once

// Hash combining for the value records, so records can be keys of QHash
// and QSet. Internal to the model library; callers use qHash(record).

#include <optional>

#include <QByteArray>
#include <QDateTime>
#include <QHash>
#include <QList>
#include <QString>

#include "money/decimal.h"

namespace tallyra::detail {

class HashBuilder
{
public:
    explicit HashBuilder(size_t seed) noexcept : m_hash(seed) {}

    template <class T> HashBuilder& add(const T& value)
    {
        using ::qHash;
        if constexpr (std::is_enum_v<T>)
            mix(::qHash(static_cast<int>(value), 0));
        else
            mix(qHash(value, 0));
        return *this;
    }

    template <class T> HashBuilder& add(const std::optional<T>& value)
    {
        mix(value.has_value() ? 1 : 0);
        if (value)
            add(*value);
        return *this;
    }

    HashBuilder& add(const Decimal& value)
    {
        // Equal decimals print alike ("12.5" for 12.50), so the text is a
        // hash consistent with ==.
        mix(::qHash(value.toString(), 0));
        return *this;
    }

    [[nodiscard]] size_t result() const noexcept { return m_hash; }

private:
    void mix(size_t value) noexcept
    {
        m_hash ^= value + 0x9e3779b97f4a7c15ULL + (m_hash << 6) + (m_hash >> 2);
    }

    size_t m_hash;
};

} // namespace tallyra::detail
