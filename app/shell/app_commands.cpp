#include "app_commands.h"

#include <array>

#include <QCoreApplication>

#include "app_model.h"
#include "services/csv_export.h"
#include "services/ledger_store.h"

namespace tallyra::app {

namespace {

constexpr std::array kAllCommands{
    AppCommand::newTransaction, AppCommand::newAccount,     AppCommand::exportTransactions,
    AppCommand::backUp,         AppCommand::settings,       AppCommand::edit,
    AppCommand::duplicate,      AppCommand::overview,       AppCommand::transactions,
    AppCommand::categories,     AppCommand::accounts,       AppCommand::search,
    AppCommand::toggleBalances, AppCommand::previousPeriod, AppCommand::nextPeriod,
    AppCommand::welcome,        AppCommand::support,        AppCommand::privacy,
};

QString translated(const char* text)
{
    return QCoreApplication::translate("AppCommands", text);
}

QKeySequence keys(QKeyCombination combination)
{
    return QKeySequence(combination);
}

} // namespace

AppCommands::AppCommands(AppModel& model, LedgerStore* store, bool storeAvailable, QTimeZone zone,
                         QObject* parent)
    : QObject(parent), m_model(model), m_store(store), m_storeAvailable(storeAvailable),
      m_zone(std::move(zone))
{
    connect(&m_model, &AppModel::destinationChanged, this, &AppCommands::changed);
    connect(&m_model, &AppModel::screenActionsChanged, this, &AppCommands::changed);
    connect(&m_model, &AppModel::periodChanged, this, &AppCommands::changed);
    connect(&m_model, &AppModel::periodEngineChanged, this, &AppCommands::changed);
    connect(&m_model, &AppModel::ledgerStartChanged, this, &AppCommands::changed);
    connect(&m_model, &AppModel::hidesBalancesChanged, this, &AppCommands::changed);
}

AppCommands::~AppCommands() = default;

std::span<const AppCommand> AppCommands::all()
{
    return kAllCommands;
}

QString AppCommands::menuTitle(AppMenu menu)
{
    switch (menu) {
    case AppMenu::file:
        return translated(QT_TRANSLATE_NOOP("AppCommands", "File"));
    case AppMenu::edit:
        return translated(QT_TRANSLATE_NOOP("AppCommands", "Edit"));
    case AppMenu::view:
        return translated(QT_TRANSLATE_NOOP("AppCommands", "View"));
    case AppMenu::period:
        return translated(QT_TRANSLATE_NOOP("AppCommands", "Period"));
    case AppMenu::help:
        return translated(QT_TRANSLATE_NOOP("AppCommands", "Help"));
    }
    return {};
}

CommandDescription AppCommands::description(AppCommand command) const
{
    const auto make = [&](AppMenu menu, const char* title, QKeySequence shortcut = {}) {
        return CommandDescription{command,           menu,
                                  translated(title), std::move(shortcut),
                                  QAction::NoRole,   isEnabled(command)};
    };
    switch (command) {
    case AppCommand::newTransaction:
        return make(AppMenu::file, QT_TRANSLATE_NOOP("AppCommands", "New Transaction"),
                    keys(Qt::CTRL | Qt::Key_N));
    case AppCommand::newAccount:
        return make(AppMenu::file, QT_TRANSLATE_NOOP("AppCommands", "New Account…"),
                    keys(Qt::SHIFT | Qt::CTRL | Qt::Key_N));
    case AppCommand::exportTransactions:
        return make(AppMenu::file, QT_TRANSLATE_NOOP("AppCommands", "Export Transactions…"),
                    keys(Qt::SHIFT | Qt::CTRL | Qt::Key_E));
    case AppCommand::backUp:
        return make(AppMenu::file, QT_TRANSLATE_NOOP("AppCommands", "Back Up Data…"));
    case AppCommand::settings: {
        CommandDescription settings =
            make(AppMenu::edit, QT_TRANSLATE_NOOP("AppCommands", "Preferences…"),
                 keys(Qt::CTRL | Qt::Key_Comma));
        settings.role = QAction::PreferencesRole;
        return settings;
    }
    case AppCommand::edit:
        return make(AppMenu::edit, QT_TRANSLATE_NOOP("AppCommands", "Edit…"),
                    keys(Qt::CTRL | Qt::Key_Return));
    case AppCommand::duplicate:
        return make(AppMenu::edit, QT_TRANSLATE_NOOP("AppCommands", "Duplicate"),
                    keys(Qt::CTRL | Qt::Key_D));
    case AppCommand::overview:
        return make(AppMenu::view, QT_TRANSLATE_NOOP("AppCommands", "Overview"),
                    keys(Qt::CTRL | Qt::Key_1));
    case AppCommand::transactions:
        return make(AppMenu::view, QT_TRANSLATE_NOOP("AppCommands", "Transactions"),
                    keys(Qt::CTRL | Qt::Key_2));
    case AppCommand::categories:
        return make(AppMenu::view, QT_TRANSLATE_NOOP("AppCommands", "Categories"),
                    keys(Qt::CTRL | Qt::Key_3));
    case AppCommand::accounts:
        return make(AppMenu::view, QT_TRANSLATE_NOOP("AppCommands", "Accounts"),
                    keys(Qt::CTRL | Qt::Key_4));
    case AppCommand::search:
        return make(AppMenu::view, QT_TRANSLATE_NOOP("AppCommands", "Search"),
                    keys(Qt::ALT | Qt::CTRL | Qt::Key_F));
    case AppCommand::toggleBalances:
        return make(AppMenu::view,
                    m_model.hidesBalances() ? QT_TRANSLATE_NOOP("AppCommands", "Show Balances")
                                            : QT_TRANSLATE_NOOP("AppCommands", "Hide Balances"),
                    keys(Qt::SHIFT | Qt::CTRL | Qt::Key_B));
    case AppCommand::previousPeriod:
        return make(AppMenu::period, QT_TRANSLATE_NOOP("AppCommands", "Previous Period"),
                    keys(Qt::CTRL | Qt::Key_BracketLeft));
    case AppCommand::nextPeriod:
        return make(AppMenu::period, QT_TRANSLATE_NOOP("AppCommands", "Next Period"),
                    keys(Qt::CTRL | Qt::Key_BracketRight));
    case AppCommand::welcome:
        return make(AppMenu::help, QT_TRANSLATE_NOOP("AppCommands", "Welcome to Tallyra"));
    case AppCommand::support:
        return make(AppMenu::help, QT_TRANSLATE_NOOP("AppCommands", "Tallyra Support"));
    case AppCommand::privacy:
        return make(AppMenu::help, QT_TRANSLATE_NOOP("AppCommands", "Privacy"));
    }
    Q_UNREACHABLE();
    return make(AppMenu::help, "");
}

bool AppCommands::isEnabled(AppCommand command) const
{
    switch (command) {
    case AppCommand::support:
    case AppCommand::privacy:
    case AppCommand::welcome:
        return true;
    default:
        break;
    }
    if (!m_storeAvailable)
        return false;
    const ScreenActions* actions = m_model.screenActions(m_model.destination());
    switch (command) {
    case AppCommand::edit:
        return actions && actions->edit;
    case AppCommand::duplicate:
        return actions && actions->duplicate;
    case AppCommand::previousPeriod:
        return m_model.canStepPeriod(PeriodSelection::Direction::older);
    case AppCommand::nextPeriod:
        return m_model.canStepPeriod(PeriodSelection::Direction::newer);
    default:
        return true;
    }
}

bool AppCommands::trigger(AppCommand command)
{
    if (!isEnabled(command))
        return false;
    switch (command) {
    case AppCommand::newTransaction:
        m_model.compose();
        break;
    case AppCommand::newAccount:
        m_model.present(EditorRequest::Account{});
        break;
    case AppCommand::exportTransactions:
        m_model.setExportDocument(m_store ? CSVExport::text(*m_store->index(), m_zone)
                                          : QString::fromUtf16(CSVExport::kHeader) + u'\n');
        break;
    case AppCommand::backUp:
        m_model.setChoosingBackupFolder(true);
        break;
    case AppCommand::settings:
        m_model.setDestination(Destination::settings);
        break;
    case AppCommand::edit:
        return m_model.runEdit();
    case AppCommand::duplicate:
        return m_model.runDuplicate();
    case AppCommand::overview:
        m_model.setDestination(Destination::overview);
        break;
    case AppCommand::transactions:
        m_model.setDestination(Destination::transactions);
        break;
    case AppCommand::categories:
        m_model.setDestination(Destination::categories);
        break;
    case AppCommand::accounts:
        m_model.setDestination(Destination::accounts);
        break;
    case AppCommand::search:
        m_model.focusSearch();
        break;
    case AppCommand::toggleBalances:
        m_model.toggleHiddenBalances();
        break;
    case AppCommand::previousPeriod:
        m_model.stepPeriod(PeriodSelection::Direction::older);
        break;
    case AppCommand::nextPeriod:
        m_model.stepPeriod(PeriodSelection::Direction::newer);
        break;
    case AppCommand::welcome:
        m_model.showWelcome();
        break;
    case AppCommand::support:
        emit openUrl(QUrl(QString::fromLatin1(kSupportUrl)));
        break;
    case AppCommand::privacy:
        emit openUrl(QUrl(QString::fromLatin1(kPrivacyUrl)));
        break;
    }
    return true;
}

QAction* AppCommands::makeAction(AppCommand command, QObject* parent)
{
    auto* action = new QAction(parent);
    const auto update = [this, action, command] {
        const CommandDescription described = description(command);
        action->setText(described.title);
        action->setShortcut(described.shortcut);
        action->setMenuRole(described.role);
        action->setEnabled(described.isEnabled);
    };
    update();
    connect(this, &AppCommands::changed, action, update);
    connect(action, &QAction::triggered, this, [this, command] { trigger(command); });
    return action;
}

} // namespace tallyra::app
