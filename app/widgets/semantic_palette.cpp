#include "widgets/semantic_palette.h"

#include <QHash>

namespace tallyra::app {

const SemanticColors& semanticColors(const QPalette& palette)
{
    // A handful of palettes exist in a run (light, dark, disabled groups);
    // the cache stays tiny and is cleared when it grows past that.
    static QHash<qint64, SemanticColors> cache;
    const qint64 key = palette.cacheKey();
    auto it = cache.find(key);
    if (it == cache.end()) {
        if (cache.size() > 32)
            cache.clear();
        it = cache.insert(key, SemanticColors::derive(palette));
    }
    return *it;
}

QColor toneColor(const QPalette& palette, Tone tone)
{
    switch (tone) {
    case Tone::plain:
        return palette.color(QPalette::WindowText);
    case Tone::income:
        return semanticColors(palette).income;
    case Tone::expense:
        return semanticColors(palette).expense;
    case Tone::warning:
        return semanticColors(palette).warning;
    case Tone::neutral:
        return semanticColors(palette).neutral;
    case Tone::accent:
        return palette.color(QPalette::Highlight);
    }
    return palette.color(QPalette::WindowText);
}

Tone amountTone(EntryKind kind)
{
    switch (kind) {
    case EntryKind::income:
        return Tone::income;
    case EntryKind::expense:
        return Tone::plain;
    case EntryKind::transfer:
        return Tone::neutral;
    }
    return Tone::plain;
}

} // namespace tallyra::app
