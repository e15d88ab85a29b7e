#include "destination.h"

#include <array>

#include <QCoreApplication>

namespace tallyra::app {

namespace {

constexpr std::array kDestinations{
    DestinationInfo{Destination::overview, "overview", QT_TRANSLATE_NOOP("Destination", "Overview"),
                    "view-grid"},
    DestinationInfo{Destination::transactions, "transactions",
                    QT_TRANSLATE_NOOP("Destination", "Transactions"), "view-list-details"},
    DestinationInfo{Destination::categories, "categories",
                    QT_TRANSLATE_NOOP("Destination", "Categories"), "folder"},
    DestinationInfo{Destination::plans, "plans", QT_TRANSLATE_NOOP("Destination", "Plans"), "flag"},
    DestinationInfo{Destination::accounts, "accounts", QT_TRANSLATE_NOOP("Destination", "Accounts"),
                    "bank"},
    DestinationInfo{Destination::settings, "settings", QT_TRANSLATE_NOOP("Destination", "Settings"),
                    "configure"},
};

} // namespace

std::span<const DestinationInfo> destinations()
{
    return kDestinations;
}

const DestinationInfo& info(Destination destination)
{
    return kDestinations[static_cast<size_t>(destination)];
}

QString rawValue(Destination destination)
{
    return QString::fromLatin1(info(destination).raw);
}

std::optional<Destination> destinationFromRaw(QStringView raw)
{
    for (const DestinationInfo& entry : kDestinations)
        if (raw == QLatin1String(entry.raw))
            return entry.destination;
    return std::nullopt;
}

QString title(Destination destination)
{
    return QCoreApplication::translate("Destination", info(destination).title);
}

} // namespace tallyra::app
