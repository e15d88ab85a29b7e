#include "window/sheet_table.h"

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
Sheet* makeEditorSheet(WindowContext&, const EditorRequest&, QWidget*)
{
    return nullptr;
}

} // namespace

const SheetMakers& sheetMakers()
{
    static const SheetMakers makers{&makeComposer, &makeEditorSheet, &makeWelcome};
    return makers;
}

} // namespace tallyra::app
