#include "widgets/empty_state.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "theme/theme.h"
#include "widgets/centred_column.h"
#include "widgets/symbol_label.h"
#include "widgets/tone_label.h"

namespace tallyra::app {

EmptyState::EmptyState(QWidget* parent)
    : QWidget(parent), m_icon(new SymbolLabel), m_heading(new QLabel),
      m_body(new ToneLabel(QString(), Tone::neutral)), m_buttons(new QHBoxLayout)
{
    m_heading->setAlignment(Qt::AlignCenter);
    m_heading->setWordWrap(true);
    m_body->setAlignment(Qt::AlignCenter);
    m_body->setWordWrap(true);
    m_buttons->setSpacing(8);

    auto* column = new QVBoxLayout;
    column->setSpacing(8);
    column->addWidget(m_icon);
    column->addWidget(m_heading);
    column->addWidget(m_body);
    column->addSpacing(6);
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch(1);
    buttonRow->addLayout(m_buttons);
    buttonRow->addStretch(1);
    column->addLayout(buttonRow);

    // The text column keeps a readable width however wide the area is.
    placeCentred(*this, column, 60);
    setCompact(false);
}

void EmptyState::setContent(const QString& symbol, const QString& heading, const QString& body)
{
    m_icon->setSymbol(symbol);
    m_heading->setText(heading);
    m_body->setText(body);
    m_body->setVisible(!body.isEmpty());
    clearButtons();
    setAccessibleName(heading);
    setAccessibleDescription(body);
}

QPushButton* EmptyState::addButton(const QString& text, std::function<void()> onClick)
{
    auto* button = new QPushButton(text);
    if (m_buttons->count() == 0) {
        button->setDefault(true);
        button->setAutoDefault(true);
    }
    connect(button, &QPushButton::clicked, this, [onClick = std::move(onClick)] {
        if (onClick)
            onClick();
    });
    m_buttons->addWidget(button);
    return button;
}

QPushButton* EmptyState::addAction(QAction* action, const QString& text)
{
    const QString title = text.isEmpty() ? action->text() : text;
    QPushButton* button = addButton(title, [action] { action->trigger(); });
    button->setEnabled(action->isEnabled());
    button->setToolTip(action->toolTip());
    connect(action, &QAction::changed, button,
            [button, action] { button->setEnabled(action->isEnabled()); });
    return button;
}

void EmptyState::clearButtons()
{
    while (QLayoutItem* item = m_buttons->takeAt(0)) {
        delete item->widget();
        delete item;
    }
}

void EmptyState::setCompact(bool compact)
{
    m_compact = compact;
    m_heading->setFont(Theme::scaled(font(), compact ? 1.0 : 1.35, QFont::DemiBold));
    m_icon->setLines(compact ? 2 : 4);
}

QString EmptyState::heading() const
{
    return m_heading->text();
}

QString EmptyState::body() const
{
    return m_body->text();
}

} // namespace tallyra::app
