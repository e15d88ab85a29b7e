#pragma once

// Lookups over the table of an enumeration of the reports and plans: a
// constexpr std::array with one row per case, in declaration order, each
// row holding at least `value` and `raw` (and `title`, the English key of
// the string table, where the case has a title).
//
// Thread safety: pure functions over constant data; any thread.

#include <array>
#include <cstddef>
#include <optional>

#include <QCoreApplication>
#include <QString>
#include <QStringView>

namespace tallyra {

template <class Row, std::size_t N>
[[nodiscard]] QString rawOf(const std::array<Row, N>& rows, decltype(Row::value) value)
{
    return rows[static_cast<std::size_t>(value)].raw.toString();
}

// The case whose raw value is exactly this text; nothing for any other.
template <class Row, std::size_t N>
[[nodiscard]] std::optional<decltype(Row::value)> caseOfRaw(const std::array<Row, N>& rows,
                                                            QStringView raw)
{
    for (const Row& row : rows)
        if (row.raw == raw)
            return row.value;
    return std::nullopt;
}

// The row's title through the string table, filed under `context`.
template <class Row, std::size_t N>
[[nodiscard]] QString titleOf(const char* context, const std::array<Row, N>& rows,
                              decltype(Row::value) value)
{
    return QCoreApplication::translate(context, rows[static_cast<std::size_t>(value)].title);
}

} // namespace tallyra
