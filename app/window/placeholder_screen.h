#pragma once

// PlaceholderScreen: what a destination shows until its screen exists: its
// title and nothing else.
//
// Threading: main thread only.

#include "window/screen.h"

namespace tallyra::app {

class PlaceholderScreen final : public Screen
{
    Q_OBJECT

public:
    PlaceholderScreen(Destination destination, WindowContext& context, QWidget* parent = nullptr);
};

} // namespace tallyra::app
