#pragma once

// Destination: the screens of the sidebar, in sidebar order. Raw values are
// the case names; they are what the window keeps to restore the screen it
// showed last. rawValue, enumFromRaw<Destination>, title and
// allCases<Destination> read the table; kDestinations[d].symbol names the
// sidebar icon.
//
// Thread safety: plain values; any thread.

#include <QStringView>

#include "base/enum_table.h"

namespace tallyra::app {

enum class Destination
{
    overview,
    transactions,
    categories,
    plans,
    accounts,
    settings,
};

struct DestinationCase
{
    Destination value;
    QStringView raw;
    const char* title;  // English key in the "Destination" context
    const char* symbol; // the freedesktop icon name of the sidebar entry
};

inline constexpr auto kDestinations = makeEnumTable<Destination, DestinationCase>(
    {
        {Destination::overview, u"overview", QT_TRANSLATE_NOOP("Destination", "Overview"),
         "view-grid"},
        {Destination::transactions, u"transactions",
         QT_TRANSLATE_NOOP("Destination", "Transactions"), "view-list-details"},
        {Destination::categories, u"categories", QT_TRANSLATE_NOOP("Destination", "Categories"),
         "folder"},
        {Destination::plans, u"plans", QT_TRANSLATE_NOOP("Destination", "Plans"), "flag"},
        {Destination::accounts, u"accounts", QT_TRANSLATE_NOOP("Destination", "Accounts"), "bank"},
        {Destination::settings, u"settings", QT_TRANSLATE_NOOP("Destination", "Settings"),
         "configure"},
    },
    "Destination");
[[nodiscard]] constexpr const auto& enumTable(Destination) noexcept
{
    return kDestinations;
}

} // namespace tallyra::app
