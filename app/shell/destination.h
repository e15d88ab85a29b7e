#pragma once

// Destination: the screens of the sidebar, in sidebar order. Raw values are
// the case names; they are what the window keeps to restore the screen it
// showed last.
//
// Thread safety: plain values; any thread.

#include <optional>
#include <span>

#include <QString>
#include <QStringView>

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

struct DestinationInfo
{
    Destination destination;
    const char* raw;
    const char* title;  // English key in the "Destination" context
    const char* symbol; // the freedesktop icon name of the sidebar entry
};

// The one table of destinations, in sidebar order.
[[nodiscard]] std::span<const DestinationInfo> destinations();
[[nodiscard]] const DestinationInfo& info(Destination destination);
[[nodiscard]] QString rawValue(Destination destination);
[[nodiscard]] std::optional<Destination> destinationFromRaw(QStringView raw);
// The sidebar title, translated.
[[nodiscard]] QString title(Destination destination);

} // namespace tallyra::app
