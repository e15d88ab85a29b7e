#pragma once

// EmptyState: what a list, chart or screen shows instead of its content
// when there is nothing to show: a symbol, a heading, one sentence and the
// buttons that fill it ("Add Account", "New Transaction…", "Previous
// Period", "Clear Search"). The first button is the default one.
//
// Threading: main thread only.

#include <functional>

#include <QString>
#include <QWidget>

class QAction;
class QLabel;
class QPushButton;
class QHBoxLayout;

namespace tallyra::app {

class SymbolLabel;

class EmptyState : public QWidget
{
    Q_OBJECT

public:
    explicit EmptyState(QWidget* parent = nullptr);

    // A new content: earlier buttons are removed.
    void setContent(const QString& symbol, const QString& heading, const QString& body);
    // A button that runs onClick.
    QPushButton* addButton(const QString& text, std::function<void()> onClick);
    // A button bound to a shared action: it triggers it and follows its
    // enabled state; text replaces the action's menu title when given.
    QPushButton* addAction(QAction* action, const QString& text = QString());
    void clearButtons();
    // Smaller symbol and heading, for cards and chart areas.
    void setCompact(bool compact);

    [[nodiscard]] QString heading() const;
    [[nodiscard]] QString body() const;

private:
    bool m_compact = false;
    SymbolLabel* m_icon;
    QLabel* m_heading;
    QLabel* m_body;
    QHBoxLayout* m_buttons;
};

} // namespace tallyra::app
