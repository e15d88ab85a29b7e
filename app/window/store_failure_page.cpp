#include "window/store_failure_page.h"

#include <QPushButton>
#include <QVBoxLayout>

#include "widgets/empty_state.h"

namespace tallyra::app {

StoreFailurePage::StoreFailurePage(QWidget* parent)
    : QWidget(parent), m_state(new EmptyState), m_tryAgain(nullptr)
{
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_state);
    setReason(QString());
}

void StoreFailurePage::setReason(const QString& reason)
{
    m_state->setContent(QStringLiteral("externaldrive.badge.xmark"), tr("Couldn’t read your data"),
                        reason);
    m_tryAgain = m_state->addButton(tr("Try Again"), [this] { emit tryAgain(); });
}

QString StoreFailurePage::reason() const
{
    return m_state->body();
}

} // namespace tallyra::app
