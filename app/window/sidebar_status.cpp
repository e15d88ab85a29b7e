#include "window/sidebar_status.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "widgets/initials_avatar.h"
#include "widgets/symbol_label.h"
#include "widgets/tone_label.h"

namespace tallyra::app {

SidebarStatus::SidebarStatus(QWidget* parent)
    : QWidget(parent), m_syncIcon(new SymbolLabel(QStringLiteral("desktopcomputer"))),
      m_syncTitle(new ToneLabel(QString(), Tone::neutral)),
      m_syncDetail(new ToneLabel(QString(), Tone::neutral)), m_syncTexts(new QWidget),
      m_avatar(new InitialsAvatar), m_name(new QLabel)
{
    m_syncTitle->setWordWrap(true);
    m_syncDetail->setWordWrap(true);
    QFont small = font();
    small.setPointSizeF(small.pointSizeF() * 0.9);
    m_syncTitle->setFont(small);
    m_syncDetail->setFont(small);
    m_name->setTextFormat(Qt::PlainText);

    auto* texts = new QVBoxLayout(m_syncTexts);
    texts->setContentsMargins(0, 0, 0, 0);
    texts->setSpacing(0);
    texts->addWidget(m_syncTitle);
    texts->addWidget(m_syncDetail);

    auto* sync = new QHBoxLayout;
    sync->setSpacing(8);
    sync->addWidget(m_syncIcon, 0, Qt::AlignTop);
    sync->addWidget(m_syncTexts, 1);

    auto* profile = new QHBoxLayout;
    profile->setSpacing(8);
    profile->addWidget(m_avatar);
    profile->addWidget(m_name, 1);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(14, 6, 10, 10);
    column->setSpacing(10);
    column->addLayout(sync);
    column->addLayout(profile);
}

void SidebarStatus::setSyncLine(const QString& title, const QString& detail)
{
    m_syncTitle->setText(title);
    m_syncDetail->setText(detail);
    m_syncDetail->setVisible(!detail.isEmpty());
    const QString full = detail.isEmpty() ? title : title + QLatin1Char('\n') + detail;
    m_syncIcon->setToolTip(full);
    m_syncIcon->setAccessibleName(full);
}

void SidebarStatus::setUserName(const QString& name)
{
    m_name->setText(name);
    m_avatar->setName(name);
    m_avatar->setToolTip(name);
}

void SidebarStatus::setCompact(bool compact)
{
    m_syncTexts->setVisible(!compact);
    m_name->setVisible(!compact);
}

QString SidebarStatus::syncTitle() const
{
    return m_syncTitle->text();
}

QString SidebarStatus::userName() const
{
    return m_name->text();
}

} // namespace tallyra::app
