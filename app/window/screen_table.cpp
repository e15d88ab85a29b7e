#include "window/screen_table.h"

#include <array>

#include "screens/accounts/accounts_screen.h"
#include "screens/categories/categories_screen.h"
#include "screens/overview/overview_screen.h"
#include "screens/settings/settings_screen.h"
#include "screens/transactions/transactions_screen.h"
#include "window/placeholder_screen.h"

namespace tallyra::app {

namespace {

template <typename T> Screen* make(WindowContext& context, QWidget* parent)
{
    return new T(context, parent);
}

constexpr std::array kScreens{
    ScreenEntry{Destination::overview, &make<OverviewScreen>},
    ScreenEntry{Destination::transactions, &make<TransactionsScreen>},
    ScreenEntry{Destination::categories, &make<CategoriesScreen>},
    ScreenEntry{Destination::accounts, &make<AccountsScreen>},
    ScreenEntry{Destination::settings, &make<SettingsScreen>},
};

} // namespace

std::span<const ScreenEntry> screenTable()
{
    return kScreens;
}

Screen* makeScreen(Destination destination, WindowContext& context, QWidget* parent)
{
    for (const ScreenEntry& entry : kScreens)
        if (entry.destination == destination)
            return entry.make(context, parent);
    return new PlaceholderScreen(destination, context, parent);
}

} // namespace tallyra::app
