#include "window/sheet_table.h"

#include <variant>

#include "sheets/account/account_sheet.h"
#include "sheets/account/balance_history_sheet.h"
#include "sheets/account/balance_sheet.h"
#include "sheets/account/delete_account_sheet.h"
#include "sheets/account/set_balances_sheet.h"
#include "sheets/transaction_editor/transaction_editor_sheet.h"
#include "sheets/welcome/welcome_sheet.h"

namespace tallyra::app {

namespace {

Sheet* makeComposer(WindowContext& context, std::optional<EntryId> editing, QWidget* parent)
{
    return new TransactionEditorSheet(context, editing, parent);
}

Sheet* makeWelcome(WindowContext& context, QWidget* parent)
{
    return new WelcomeSheet(context, parent);
}

// Each EditorRequest alternative gets its sheet here as the sheets are
// built; until then the request stays in the model and nothing opens.
Sheet* makeEditorSheet(WindowContext& context, const EditorRequest& request, QWidget* parent)
{
    if (const auto* account = std::get_if<EditorRequest::Account>(&request.sheet))
        return new AccountSheet(context, account->id, parent);
    if (const auto* doomed = std::get_if<EditorRequest::DeleteAccount>(&request.sheet))
        return new DeleteAccountSheet(context, doomed->id, parent);
    if (const auto* balance = std::get_if<EditorRequest::Balance>(&request.sheet))
        return new BalanceSheet(context, balance->request, parent);
    if (const auto* history = std::get_if<EditorRequest::BalanceHistory>(&request.sheet))
        return new BalanceHistorySheet(context, history->account, parent);
    if (std::holds_alternative<EditorRequest::SetBalances>(request.sheet))
        return new SetBalancesSheet(context, parent);
    return nullptr;
}

} // namespace

const SheetMakers& sheetMakers()
{
    static const SheetMakers makers{&makeComposer, &makeEditorSheet, &makeWelcome};
    return makers;
}

} // namespace tallyra::app
