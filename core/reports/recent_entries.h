#pragma once

// The "recent" lists of the reports: the last few transactions of a range
// that pass a test, newest first, found by walking the range backwards.
//
// Thread safety: pure; any thread.

#include <cstddef>
#include <vector>

#include "model/entry.h"
#include "reports/ledger_index.h"

namespace tallyra {

inline constexpr size_t kRecentEntries = 5;

template <class Predicate>
[[nodiscard]] std::vector<Entry> recentEntries(LedgerIndex::EntryRange range, Predicate&& keep,
                                               size_t count = kRecentEntries)
{
    std::vector<Entry> recent;
    for (const Entry* entry = range.end(); entry != range.begin() && recent.size() < count;) {
        --entry;
        if (keep(*entry))
            recent.push_back(*entry);
    }
    return recent;
}

} // namespace tallyra
