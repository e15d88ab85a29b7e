#include "screens/accounts/account_shots.h"

#include "model/account_kind.h"
#include "reports/ledger_index.h"
#include "screens/accounts/accounts_screen.h"
#include "screens/accounts/accounts_view_model.h"
#include "services/app_services.h"
#include "shell/app_model.h"
#include "window/main_window.h"

namespace tallyra::app::shots {

namespace {

AccountsScreen* showAccounts(MainWindow& window)
{
    window.context().model.setDestination(Destination::accounts);
    return qobject_cast<AccountsScreen*>(window.currentScreen());
}

std::optional<AccountId> firstCard(MainWindow& window)
{
    const auto& index = window.context().services.store().index();
    if (!index)
        return std::nullopt;
    for (const Account& account : index->accounts())
        if (account.kind == AccountKind::creditCard && !account.isArchived)
            return account.id;
    return std::nullopt;
}

} // namespace

bool accounts(MainWindow& window)
{
    AccountsScreen* screen = showAccounts(window);
    if (!screen || screen->showsEmptyState())
        return false;
    window.context().model.setAccountSelection(std::nullopt);
    return true;
}

bool accountDetail(MainWindow& window)
{
    AccountsScreen* screen = showAccounts(window);
    const auto card = firstCard(window);
    if (!screen || !card)
        return false;
    window.context().model.setAccountSelection(*card);
    return true;
}

bool accountSheet(MainWindow& window)
{
    const auto card = firstCard(window);
    if (!showAccounts(window) || !card)
        return false;
    window.context().model.present(EditorRequest::Account{*card});
    return true;
}

bool deleteAccount(MainWindow& window)
{
    const auto& index = window.context().services.store().index();
    if (!showAccounts(window) || !index)
        return false;
    for (const Account& account : index->accounts()) {
        if (index->hasActivity(account.id)) {
            window.context().model.present(EditorRequest::DeleteAccount{account.id});
            return true;
        }
    }
    return false;
}

bool setBalances(MainWindow& window)
{
    AccountsScreen* screen = showAccounts(window);
    if (!screen || screen->showsEmptyState())
        return false;
    window.context().model.present(EditorRequest::SetBalances{});
    return true;
}

bool balanceHistory(MainWindow& window)
{
    const auto& index = window.context().services.store().index();
    if (!showAccounts(window) || !index)
        return false;
    for (const Account& account : index->accounts()) {
        if (!index->checkpoints(account.id).empty()) {
            window.context().model.present(EditorRequest::BalanceHistory{account.id});
            return true;
        }
    }
    return false;
}

bool balanceChange(MainWindow& window)
{
    AccountsScreen* screen = showAccounts(window);
    if (!screen || !screen->viewModel().account())
        return false;
    window.context().model.present(
        EditorRequest::Balance{BalanceEditing{screen->viewModel().account()->id, std::nullopt}});
    return true;
}

} // namespace tallyra::app::shots
