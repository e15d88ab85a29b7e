#include "window/sidebar.h"

#include <QAction>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QVBoxLayout>

#include "icons/symbol_icons.h"
#include "shell/app_model.h"
#include "window/net_worth_card.h"
#include "window/sidebar_delegate.h"
#include "window/sidebar_model.h"
#include "window/sidebar_status.h"

namespace tallyra::app {

Sidebar::Sidebar(AppModel& model, NetWorthCard* netWorth, SidebarStatus* status, QWidget* parent)
    : QWidget(parent), m_appModel(model), m_model(new SidebarModel(this)),
      m_delegate(new SidebarDelegate(this)), m_search(new QLineEdit), m_list(new QListView),
      m_netWorth(netWorth), m_status(status)
{
    setAccessibleName(tr("Sidebar"));
    m_search->setPlaceholderText(tr("Search"));
    m_search->setAccessibleName(tr("Search transactions"));
    m_search->setClearButtonEnabled(true);
    m_search->addAction(SymbolIcons::icon(QStringLiteral("magnifyingglass")),
                        QLineEdit::LeadingPosition);
    m_search->installEventFilter(this);
    m_searchTimer.setSingleShot(true);
    m_searchTimer.setInterval(kSearchDebounceMs);
    connect(&m_searchTimer, &QTimer::timeout, this, &Sidebar::commitSearch);
    connect(m_search, &QLineEdit::textEdited, this, [this] { m_searchTimer.start(); });
    // The clear button edits without textEdited; commit at once.
    connect(m_search, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (text.isEmpty())
            commitSearch();
    });
    connect(&m_appModel, &AppModel::searchTextChanged, this, [this](const QString& text) {
        if (text != m_search->text())
            m_search->setText(text);
    });
    connect(&m_appModel, &AppModel::searchFocusTokenChanged, this, [this] {
        m_search->setFocus(Qt::ShortcutFocusReason);
        m_search->selectAll();
    });

    m_list->setModel(m_model);
    m_list->setItemDelegate(m_delegate);
    m_list->setSelectionMode(QAbstractItemView::NoSelection);
    m_list->setFrameShape(QFrame::NoFrame);
    m_list->setUniformItemSizes(true);
    m_list->setMouseTracking(true);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_list->viewport()->setAutoFillBackground(false);
    m_list->setAutoFillBackground(false);
    m_list->setAccessibleName(tr("Screens"));
    connect(m_list, &QListView::clicked, this, &Sidebar::activate);
    connect(m_list, &QListView::activated, this, &Sidebar::activate);

    m_model->setCurrent(m_appModel.destination());
    m_list->setCurrentIndex(m_model->indexOf(m_appModel.destination()));
    connect(&m_appModel, &AppModel::destinationChanged, this, [this](Destination destination) {
        m_model->setCurrent(destination);
        if (!m_list->hasFocus())
            m_list->setCurrentIndex(m_model->indexOf(destination));
    });

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 10, 0, 0);
    column->setSpacing(8);
    auto* searchRow = new QVBoxLayout;
    searchRow->setContentsMargins(10, 0, 10, 0);
    searchRow->addWidget(m_search);
    column->addLayout(searchRow);
    column->addWidget(m_list, 1);
    auto* cardRow = new QVBoxLayout;
    cardRow->setContentsMargins(10, 0, 10, 0);
    cardRow->addWidget(m_netWorth);
    column->addLayout(cardRow);
    column->addWidget(m_status);
}

int Sidebar::preferredWidth() const
{
    const int line = fontMetrics().height();
    return m_compact ? line * 3 + 4 : line * 14;
}

void Sidebar::setCompact(bool compact)
{
    if (compact == m_compact)
        return;
    m_compact = compact;
    m_delegate->setCompact(compact);
    m_search->setVisible(!compact);
    m_netWorth->setVisible(!compact);
    m_status->setCompact(compact);
    setMaximumWidth(compact ? preferredWidth() : QWIDGETSIZE_MAX);
    m_list->doItemsLayout();
    updateGeometry();
}

bool Sidebar::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_search && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Escape && !m_search->text().isEmpty()) {
            m_search->clear();
            return true;
        }
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            m_searchTimer.stop();
            commitSearch();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void Sidebar::activate(const QModelIndex& index)
{
    if (!index.isValid())
        return;
    m_appModel.setDestination(
        static_cast<Destination>(index.data(SidebarModel::DestinationRole).toInt()));
}

void Sidebar::commitSearch()
{
    const QString text = m_search->text();
    if (text == m_appModel.searchText())
        return;
    m_appModel.setSearchText(text);
    if (!text.trimmed().isEmpty() && m_appModel.destination() != Destination::transactions)
        m_appModel.setDestination(Destination::transactions);
}

} // namespace tallyra::app
