#pragma once

// Drawing the catalogue's symbols: SVG rendered with Qt SVG at the device
// pixel ratio and tinted in one colour, so icons stay sharp at any scale
// and follow the palette.
//
// icon(name) gives a QIcon whose colour comes from the application palette
// each time it is painted (WindowText, the disabled text colour, or
// HighlightedText on a selected row), so a palette change re-tints every
// icon without rebuilding it. icon(name, color) keeps an item's own colour
// (a category's, an account's). Rendered pixmaps are kept in
// QPixmapCache.
//
// Threading: main thread only (QPixmap).

#include <QColor>
#include <QIcon>
#include <QPixmap>
#include <QString>

namespace tallyra::app {

class SymbolIcons final
{
public:
    SymbolIcons() = delete;

    // The symbol tinted in color, size × size device-independent pixels.
    [[nodiscard]] static QPixmap pixmap(const QString& name, const QColor& color, int size,
                                        qreal devicePixelRatio);
    [[nodiscard]] static QIcon icon(const QString& name);
    [[nodiscard]] static QIcon icon(const QString& name, const QColor& color);
};

} // namespace tallyra::app
