#include "window/sheet_table.h"

#include "sheets/welcome/welcome_sheet.h"

namespace tallyra::app {

namespace {

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
    static const SheetMakers makers{nullptr, &makeEditorSheet, &makeWelcome};
    return makers;
}

} // namespace tallyra::app
