#include "window/placeholder_screen.h"

#include <QLabel>
#include <QVBoxLayout>

#include "theme/theme.h"

namespace tallyra::app {

PlaceholderScreen::PlaceholderScreen(Destination destination, WindowContext& context,
                                     QWidget* parent)
    : Screen(destination, context, parent)
{
    auto* label = new QLabel(title(destination));
    label->setFont(Theme::scaled(font(), 1.6, QFont::DemiBold));
    label->setAlignment(Qt::AlignCenter);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
}

} // namespace tallyra::app
