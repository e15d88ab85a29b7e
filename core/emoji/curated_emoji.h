#pragma once

// The curated emoji: the ones people pick for money, shops and everyday
// spending, each with search keywords in three sections separated by
// " | ": English, Russian and Ukrainian words, space-separated. The money
// emoji come first.
//
// Thread safety: constant data; any thread.

#include <span>

namespace tallyra {

struct CuratedEmoji
{
    const char16_t* emoji;
    const char16_t* keywords;
    // A name for a sequence of several scalars (which has no Unicode name
    // of its own); null for single scalars.
    const char* sequenceName = nullptr;
};

[[nodiscard]] std::span<const CuratedEmoji> curatedEmoji();

} // namespace tallyra
