#pragma once

// CategoryDedupe: merges categories that share an id. The starter tree has
// the same ids on every device, so two devices that both seeded it before
// their data met in the cloud end up with two copies of each starter
// category; merging keeps one of each with everything attached.
//
// Which copy stays: the earliest created; among copies created at the same
// instant, the one whose stored fields come first in a fixed order (name,
// kind, colour, icon, order, parent's id, picture), so that every device
// keeps the same one. The others hand their transactions, children, budget
// memberships (a budget that already lists the kept copy just drops the
// other) and challenges to the kept copy and are deleted. All of it is one
// save, outside the undo history.
//
// Errors: merge throws StoreError after rolling the context back; the store
// is left as it was.
// Threading: the context's thread.

#include "store/store_context.h"

namespace tallyra::CategoryDedupe {

// The number of copies merged away; 0, without touching the store, when no
// id is repeated.
int merge(StoreContext& context);

} // namespace tallyra::CategoryDedupe
