#pragma once

// StoreFailurePage: what the window shows instead of its screens when the
// ledger cannot be read: "Couldn’t read your data", why (the store's own
// message, which never names files or SQL), and "Try Again".
//
// Threading: main thread only.

#include <QWidget>

class QPushButton;

namespace tallyra::app {

class EmptyState;

class StoreFailurePage final : public QWidget
{
    Q_OBJECT

public:
    explicit StoreFailurePage(QWidget* parent = nullptr);

    void setReason(const QString& reason);
    [[nodiscard]] QString reason() const;
    [[nodiscard]] QPushButton* tryAgainButton() const noexcept { return m_tryAgain; }

signals:
    void tryAgain();

private:
    EmptyState* m_state;
    QPushButton* m_tryAgain;
};

} // namespace tallyra::app
