#pragma once

// EnumTable: the one table of facts of an enumeration. Every case has a row,
// in declaration order, with its raw value (the text stored in the database
// and in serialised forms) and its title (the English key of the string
// table, or none); an enumeration that needs more columns uses its own row
// type with the same three first fields. The lookups below read the table,
// so an enumeration declares the enum, its table and the one-line hook
// enumTable() that lets the lookups find it, and nothing else.
//
// Example:
//
//   enum class GoalKind : std::uint8_t { saving, balance, challenge };
//
//   inline constexpr auto kGoalKinds = makeEnumTable<GoalKind>({
//       {GoalKind::saving, u"saving", QT_TRANSLATE_NOOP("GoalKind", "Saving Goal")},
//       {GoalKind::balance, u"balance", QT_TRANSLATE_NOOP("GoalKind", "Balance Goal")},
//       {GoalKind::challenge, u"challenge", QT_TRANSLATE_NOOP("GoalKind", "Challenge")},
//   }, "GoalKind");
//   [[nodiscard]] constexpr const auto& enumTable(GoalKind) { return kGoalKinds; }
//
//   rawValue(GoalKind::balance)            "balance"
//   enumFromRaw<GoalKind>(u"challenge")    GoalKind::challenge; nothing for other text
//   title(GoalKind::saving)                "Saving Goal" through the string table
//   allCases<GoalKind>()                   {saving, balance, challenge}
//   kGoalKinds[GoalKind::balance]          the whole row (for further columns)
//
// Rules, checked when the table is compiled: the rows list every case once,
// in declaration order (so a lookup by value is an index), and no two rows
// share a raw value. The translation context given after the rows must be
// the one in the QT_TRANSLATE_NOOP markers: lupdate files the titles under
// it, and title() looks them up with it. A table without titles leaves both
// out. Parsing is exact; a repairing read of
// stored text (unknown text → a fixed case) is written beside the
// enumeration as enumFromRaw<E>(raw).value_or(…).
//
// Thread safety: constant data and pure functions; any thread.

#include <array>
#include <cassert>
#include <concepts>
#include <cstddef>
#include <optional>
#include <type_traits>

#include <QCoreApplication>
#include <QString>
#include <QStringView>

namespace tallyra {

// The row of an enumeration without further columns.
template <class Enum> struct EnumCase
{
    Enum value;
    QStringView raw;
    // The English title as marked with QT_TRANSLATE_NOOP; null when the
    // enumeration has no titles.
    const char* title = nullptr;
};

template <class Row, std::size_t N> class EnumTable
{
public:
    using Enum = decltype(Row::value);
    static_assert(std::is_enum_v<Enum>);

    consteval EnumTable(const std::array<Row, N>& rows, const char* context)
        : m_context(context), m_rows(rows)
    {
        for (std::size_t i = 0; i < N; ++i) {
            if (static_cast<std::size_t>(m_rows[i].value) != i)
                throw "the rows must list every case once, in declaration order";
            for (std::size_t j = 0; j < i; ++j)
                if (sameText(m_rows[i].raw, m_rows[j].raw))
                    throw "two cases share a raw value";
        }
    }

    [[nodiscard]] constexpr const Row& operator[](Enum value) const
    {
        const auto index = static_cast<std::size_t>(value);
        assert(index < N);
        return m_rows[index];
    }

    [[nodiscard]] QString raw(Enum value) const { return (*this)[value].raw.toString(); }

    // The case whose raw value is exactly this text.
    [[nodiscard]] std::optional<Enum> fromRaw(QStringView raw) const
    {
        for (const Row& row : m_rows)
            if (row.raw == raw)
                return row.value;
        return std::nullopt;
    }

    // Precondition: the table has titles.
    [[nodiscard]] QString title(Enum value) const
    {
        const char* text = (*this)[value].title;
        assert(text != nullptr && m_context != nullptr);
        return QCoreApplication::translate(m_context, text);
    }

    // Every case in declaration order.
    [[nodiscard]] constexpr std::array<Enum, N> values() const
    {
        std::array<Enum, N> all{};
        for (std::size_t i = 0; i < N; ++i)
            all[i] = m_rows[i].value;
        return all;
    }

    [[nodiscard]] constexpr const std::array<Row, N>& rows() const noexcept { return m_rows; }

private:
    static constexpr bool sameText(QStringView a, QStringView b)
    {
        if (a.size() != b.size())
            return false;
        for (qsizetype i = 0; i < a.size(); ++i)
            if (a[i] != b[i])
                return false;
        return true;
    }

    const char* m_context;
    std::array<Row, N> m_rows;
};

// Builds the table of Enum from its rows (N is their count) and the
// translation context of their titles.
template <class Enum, class Row = EnumCase<Enum>, std::size_t N>
[[nodiscard]] consteval EnumTable<Row, N> makeEnumTable(const Row (&rows)[N],
                                                        const char* context = nullptr)
{
    return EnumTable<Row, N>(std::to_array(rows), context);
}

// An enumeration whose table is found by enumTable(value) (looked up in
// the enumeration's own namespace or class).
template <class Enum>
concept TabledEnum = std::is_enum_v<Enum> && requires(Enum value)
{
    {enumTable(value).rows()};
};

template <TabledEnum Enum> [[nodiscard]] QString rawValue(Enum value)
{
    return enumTable(value).raw(value);
}

// The case whose raw value is exactly this text; nothing for any other.
template <TabledEnum Enum> [[nodiscard]] std::optional<Enum> enumFromRaw(QStringView raw)
{
    return enumTable(Enum{}).fromRaw(raw);
}

// The case's title through the string table (the enumeration must have
// titles).
template <TabledEnum Enum> [[nodiscard]] QString title(Enum value)
{
    return enumTable(value).title(value);
}

template <TabledEnum Enum> [[nodiscard]] constexpr auto allCases()
{
    return enumTable(Enum{}).values();
}

} // namespace tallyra
