#include "window/screen.h"

namespace tallyra::app {

Screen::Screen(Destination destination, WindowContext& context, QWidget* parent)
    : QWidget(parent), m_destination(destination), m_context(context)
{
    setAccessibleName(title(destination));
}

} // namespace tallyra::app
