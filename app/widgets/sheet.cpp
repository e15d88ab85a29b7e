#include "widgets/sheet.h"

#include <QDialogButtonBox>
#include <QMessageBox>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace tallyra::app {

Sheet::Sheet(QWidget* parent)
    : QDialog(parent), m_body(new QVBoxLayout), m_buttons(new QDialogButtonBox)
{
    setWindowModality(Qt::WindowModal);
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 16);
    layout->setSpacing(16);
    layout->addLayout(m_body, 1);
    layout->addWidget(m_buttons);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &Sheet::reject);
}

QPushButton* Sheet::setAcceptButton(const QString& text)
{
    QPushButton* button = m_buttons->addButton(text, QDialogButtonBox::AcceptRole);
    button->setDefault(true);
    return button;
}

QPushButton* Sheet::addCancelButton()
{
    return m_buttons->addButton(QDialogButtonBox::Cancel);
}

bool Sheet::confirmDiscard()
{
    QMessageBox box(QMessageBox::Question, tr("Discard changes?"), tr("Discard changes?"),
                    QMessageBox::NoButton, this);
    box.setWindowModality(Qt::WindowModal);
    QPushButton* discard = box.addButton(tr("Discard"), QMessageBox::DestructiveRole);
    QPushButton* keep = box.addButton(tr("Keep Editing"), QMessageBox::RejectRole);
    box.setDefaultButton(keep);
    box.setEscapeButton(keep);
    box.exec();
    return box.clickedButton() == discard;
}

void Sheet::reject()
{
    if (hasChanges() && !confirmDiscard())
        return;
    QDialog::reject();
}

void Sheet::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (QWidget* host = parentWidget() ? parentWidget()->window() : nullptr) {
        const QRect frame = host->geometry();
        move(frame.center() - rect().center());
    }
}

} // namespace tallyra::app
