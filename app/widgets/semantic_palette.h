#pragma once

// The semantic colours of a widget's palette, derived once per palette
// (keyed by its cacheKey) so that painting code can ask for them freely.
//
// Threading: main thread only.

#include <QPalette>

#include "model/entry_kind.h"
#include "theme/semantic_colors.h"

namespace tallyra::app {

// What a number or a line means, for its colour.
enum class Tone
{
    plain,
    income,
    expense,
    warning,
    neutral,
    // The highlight colour: symbols that invite, not warn.
    accent,
};

// How a transaction's amount is coloured in lists: income stands out,
// expenses are the ordinary case, transfers move money without changing it.
[[nodiscard]] Tone amountTone(EntryKind kind);

[[nodiscard]] const SemanticColors& semanticColors(const QPalette& palette);
// The text colour of a tone in the palette (WindowText for plain).
[[nodiscard]] QColor toneColor(const QPalette& palette, Tone tone);

} // namespace tallyra::app
