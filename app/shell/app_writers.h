#pragma once

// AppWriters: the two writers of a run over the store's main editing
// context and the undo history they register with. The window binds Undo
// and Redo to undoManager(); a failed undo or redo comes through
// undoFailed() with its message, for the error alert.
//
// Lifetime: as long as the store (AppServices); the undo manager is
// detached from the context before it is destroyed.
// Threading: main thread only.

#include <memory>

#include <QObject>
#include <QTimeZone>

#include "writing/catalog_writer.h"
#include "writing/ledger_writer.h"
#include "writing/undo_failure.h"
#include "writing/undo_manager.h"

namespace tallyra {
class StoreContext;
}

namespace tallyra::app {

class AppWriters final : public QObject
{
    Q_OBJECT

public:
    AppWriters(StoreContext& context, const QTimeZone& zone, QObject* parent = nullptr);
    ~AppWriters() override;

    [[nodiscard]] LedgerWriter& ledger() noexcept { return *m_ledger; }
    [[nodiscard]] CatalogWriter& catalog() noexcept { return *m_catalog; }
    [[nodiscard]] UndoManager& undoManager() noexcept { return m_undoManager; }

    // The alert title of a failed undo or redo.
    [[nodiscard]] static QString failureTitle(const UndoFailure& failure);

signals:
    void undoFailed(const tallyra::UndoFailure& failure);

private:
    StoreContext& m_context;
    UndoManager m_undoManager;
    std::unique_ptr<LedgerWriter> m_ledger;
    std::unique_ptr<CatalogWriter> m_catalog;
};

} // namespace tallyra::app
