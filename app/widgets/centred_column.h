#pragma once

// Places a column of content in the middle of a widget, at most
// widthInChars average characters wide, a little above the centre (as
// empty states and first-run pages sit). Stretches do the centring rather
// than layout alignment, which would cost wrapped labels their
// height-for-width.
//
// Threading: main thread only.

class QLayout;
class QWidget;

namespace tallyra::app {

// owner gets a new layout; content becomes the column's layout.
void placeCentred(QWidget& owner, QLayout* content, int widthInChars);

} // namespace tallyra::app
