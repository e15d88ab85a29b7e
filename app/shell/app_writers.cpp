#include "app_writers.h"

#include <QCoreApplication>

#include "store/store_context.h"

namespace tallyra::app {

AppWriters::AppWriters(StoreContext& context, const QTimeZone& zone, QObject* parent)
    : QObject(parent), m_context(context), m_ledger(std::make_unique<LedgerWriter>(context, zone)),
      m_catalog(std::make_unique<CatalogWriter>(context, zone))
{
    m_context.setUndoManager(&m_undoManager);
    connect(&m_ledger->undo(), &WriteUndo::undoFailed, this, &AppWriters::undoFailed);
    connect(&m_catalog->undo(), &WriteUndo::undoFailed, this, &AppWriters::undoFailed);
}

AppWriters::~AppWriters()
{
    if (m_context.undoManager() == &m_undoManager)
        m_context.setUndoManager(nullptr);
}

QString AppWriters::failureTitle(const UndoFailure& failure)
{
    return failure.isRedo ? QCoreApplication::translate("AppWriters", "Couldn’t Redo")
                          : QCoreApplication::translate("AppWriters", "Couldn’t Undo");
}

} // namespace tallyra::app
