#pragma once

// The screen table: which widget each destination shows. A screen
// registers itself by adding one row to screen_table.cpp; a destination
// without a row shows a placeholder with its title.
//
// Threading: main thread only.

#include <span>

#include "shell/destination.h"

class QWidget;

namespace tallyra::app {

class Screen;
struct WindowContext;

struct ScreenEntry
{
    Destination destination;
    Screen* (*make)(WindowContext& context, QWidget* parent);
};

[[nodiscard]] std::span<const ScreenEntry> screenTable();
// The destination's screen from the table, or its placeholder.
[[nodiscard]] Screen* makeScreen(Destination destination, WindowContext& context, QWidget* parent);

} // namespace tallyra::app
