#pragma once

// AlertSheet: the window's error alert, for what the user must know before
// going on (a write that failed, an export that couldn't be written): a
// warning symbol, the title in bold, the message, and "Close".
//
// Threading: main thread only.

#include "widgets/sheet.h"

class QLabel;
class QPushButton;

namespace tallyra::app {

class AlertSheet final : public Sheet
{
    Q_OBJECT

public:
    explicit AlertSheet(QWidget* parent);

    void setAlert(const QString& title, const QString& message);
    [[nodiscard]] QString title() const;
    [[nodiscard]] QString message() const;
    [[nodiscard]] QPushButton* closeButton() const noexcept { return m_close; }

private:
    QLabel* m_title;
    QLabel* m_message;
    QPushButton* m_close;
};

} // namespace tallyra::app
