#pragma once

// UndoManagerAside: detaches a context's undo manager for the length of a
// scope and gives it back on leaving it, also when an exception leaves it.
// For the store's own maintenance writes (starter categories, merging
// duplicates), which the user can't undo.
//
// Threading: the context's thread.

#include "store/store_context.h"

namespace tallyra {

class UndoManagerAside final
{
public:
    explicit UndoManagerAside(StoreContext& context)
        : m_context(context), m_undoManager(context.undoManager())
    {
        m_context.setUndoManager(nullptr);
    }
    ~UndoManagerAside() { m_context.setUndoManager(m_undoManager); }
    UndoManagerAside(const UndoManagerAside&) = delete;
    UndoManagerAside& operator=(const UndoManagerAside&) = delete;

private:
    StoreContext& m_context;
    UndoManager* m_undoManager;
};

} // namespace tallyra
