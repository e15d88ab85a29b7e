#pragma once

// The round badge of a category, an account or a plan: the item's colour
// as a disc with its icon on it, the way lists, pickers and charts' legends
// show items. A symbol is drawn in white or black, whichever reads better
// on the colour; an emoji is drawn in the system's colour emoji font on a
// pale disc of the colour; a picture fills the disc.
//
// Threading: main thread only (QPixmap); paintItemIcon draws on any
// QPainter of the caller's thread.

#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QRectF>

#include "model/category_icon.h"

class QPainter;

namespace tallyra::app {

// The family of the colour emoji font ("Noto Color Emoji").
[[nodiscard]] QString emojiFontFamily();

// The glyph colour that reads on a disc of the colour.
[[nodiscard]] QColor glyphColorOn(const QColor& disc);

// picture: the item's own image, for an image icon (none draws the fallback).
void paintItemIcon(QPainter& painter, const QRectF& rect, const CategoryIcon& icon,
                   const QColor& color, const QImage& picture = {});

[[nodiscard]] QPixmap itemIconPixmap(const CategoryIcon& icon, const QColor& color, int size,
                                     qreal devicePixelRatio, const QImage& picture = {});

} // namespace tallyra::app
