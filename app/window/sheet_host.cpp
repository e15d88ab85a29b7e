#include "window/sheet_host.h"

#include "shell/app_model.h"
#include "widgets/sheet.h"
#include "window/sheet_table.h"
#include "window/window_context.h"

namespace tallyra::app {

namespace {

// A text that changes whenever the model presents something else.
QString presentationKey(const AppModel& model)
{
    if (model.isShowingWelcome())
        return QStringLiteral("welcome");
    if (model.isComposingTransaction())
        return QStringLiteral("compose");
    if (const auto& id = model.editingTransactionID())
        return QStringLiteral("edit:") + id->toString();
    if (const auto& request = model.editor())
        return QStringLiteral("editor:") + request->id.toString();
    return {};
}

} // namespace

SheetHost::SheetHost(WindowContext& context, QWidget* window)
    : QObject(window), m_context(context), m_window(window)
{
    connect(&m_context.model, &AppModel::presentationChanged, this, &SheetHost::sync);
    sync();
}

Sheet* SheetHost::make()
{
    const SheetMakers& makers = sheetMakers();
    const AppModel& model = m_context.model;
    if (model.isShowingWelcome() && makers.welcome)
        return makers.welcome(m_context, m_window);
    if (model.isComposingTransaction() && makers.composer)
        return makers.composer(m_context, std::nullopt, m_window);
    if (model.editingTransactionID() && makers.composer)
        return makers.composer(m_context, model.editingTransactionID(), m_window);
    if (model.editor() && makers.editorSheet)
        return makers.editorSheet(m_context, *model.editor(), m_window);
    return nullptr;
}

void SheetHost::sync()
{
    const QString key = presentationKey(m_context.model);
    if (key == m_key)
        return;
    m_key = key;
    if (m_sheet) {
        // The model moved on: the old sheet goes without asking.
        Sheet* old = m_sheet;
        m_sheet = nullptr;
        old->disconnect(this);
        old->done(QDialog::Rejected);
        old->deleteLater();
    }
    if (key.isEmpty())
        return;
    Sheet* sheet = make();
    if (!sheet)
        return;
    m_sheet = sheet;
    sheet->setAttribute(Qt::WA_DeleteOnClose);
    connect(sheet, &QDialog::finished, this, [this, sheet] {
        if (m_sheet != sheet)
            return;
        m_sheet = nullptr;
        m_key.clear();
        m_context.model.dismiss();
    });
    sheet->open();
    emit sheetOpened(sheet);
}

} // namespace tallyra::app
