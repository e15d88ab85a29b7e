#pragma once

// WelcomeSheet: shown once per installation (the application model
// decides when): the name, four short features and "Continue". It asks
// nothing.
//
// Threading: main thread only.

#include "widgets/sheet.h"

namespace tallyra::app {

struct WindowContext;

class WelcomeSheet final : public Sheet
{
    Q_OBJECT

public:
    WelcomeSheet(WindowContext& context, QWidget* parent);
};

} // namespace tallyra::app
