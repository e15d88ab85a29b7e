#include "app_model.h"

#include <QCoreApplication>

#include "contact_book.h"
#include "display/money_display.h"
#include "periods/period_length.h"
#include "save_sounds.h"
#include "scheduler.h"
#include "settings/local_preferences.h"
#include "writing/undo_manager.h"

namespace tallyra::app {

AppModel::AppModel(Options options, QObject* parent)
    : QObject(parent), m_local(std::move(options.local)), m_scheduler(options.scheduler),
      m_display(options.display), m_sounds(options.sounds), m_contacts(options.contacts),
      m_undoManager(options.undoManager), m_destination(options.destination),
      m_errorTitle(defaultErrorTitle()), m_makesSound(options.makesSound),
      m_asksForContacts(options.asksForContacts), m_welcomes(options.welcomes),
      m_periodMode(options.periodMode),
      m_period(converted(options.defaultPeriod, options.periodMode)),
      m_periodEngine(std::move(options.periodEngine))
{
    Q_ASSERT(m_local && m_scheduler && m_periodEngine);
    m_hidesBalances = readFlag(LocalPreferences::kHideBalancesKey, false);
    m_keepsEditorOpen = readFlag(LocalPreferences::kEditorKeepOpenKey, false);
    m_showsEditorDetails = readFlag(LocalPreferences::kEditorDetailsExpandedKey, false);
    m_playsSounds = readFlag(LocalPreferences::kSoundsEnabledKey, true);
    if (m_display)
        m_display->setHideBalances(m_hidesBalances);
}

AppModel::~AppModel()
{
    if (m_toastTicket)
        m_scheduler->cancel(*m_toastTicket);
}

bool AppModel::readFlag(QLatin1String key, bool fallback) const
{
    const auto value = m_local->value(QString(key));
    return value && value->typeId() == QMetaType::Bool ? value->toBool() : fallback;
}

void AppModel::writeFlag(QLatin1String key, bool value)
{
    m_local->setValue(QString(key), QVariant(value));
}

// --- Navigation and selection

void AppModel::setDestination(Destination destination)
{
    if (m_destination == destination)
        return;
    m_destination = destination;
    emit destinationChanged(destination);
}

const ScreenActions* AppModel::screenActions(Destination destination) const
{
    const auto found = m_screenActions.find(destination);
    return found == m_screenActions.end() ? nullptr : &found->second;
}

void AppModel::setScreenActions(Destination destination, ScreenActions actions)
{
    if (!actions.edit && !actions.duplicate)
        m_screenActions.erase(destination);
    else
        m_screenActions[destination] = std::move(actions);
    emit screenActionsChanged();
}

bool AppModel::runEdit()
{
    const ScreenActions* actions = screenActions(m_destination);
    if (!actions || !actions->edit)
        return false;
    actions->edit();
    return true;
}

bool AppModel::runDuplicate()
{
    const ScreenActions* actions = screenActions(m_destination);
    if (!actions || !actions->duplicate)
        return false;
    actions->duplicate();
    return true;
}

void AppModel::setCategoryMode(CategoryMode mode)
{
    if (m_categoryMode == mode)
        return;
    m_categoryMode = mode;
    emit categoryModeChanged(mode);
}

std::optional<CategoryId> AppModel::categorySelection(CategoryMode mode) const
{
    const auto found = m_categorySelection.find(mode);
    return found == m_categorySelection.end() ? std::nullopt
                                              : std::optional<CategoryId>(found->second);
}

void AppModel::setCategorySelection(CategoryMode mode, std::optional<CategoryId> id)
{
    if (categorySelection(mode) == id)
        return;
    if (id)
        m_categorySelection[mode] = *id;
    else
        m_categorySelection.erase(mode);
    emit categorySelectionChanged();
}

void AppModel::setCategoryExpanded(const CategoryId& id, bool expanded)
{
    const bool changed =
        expanded ? m_categoryExpanded.insert(id).second : m_categoryExpanded.erase(id) > 0;
    if (changed)
        emit categoryExpandedChanged();
}

void AppModel::setPlanSelection(std::optional<PlanID> plan)
{
    if (m_planSelection == plan)
        return;
    m_planSelection = std::move(plan);
    emit planSelectionChanged();
}

void AppModel::setAccountSelection(std::optional<AccountId> account)
{
    if (m_accountSelection == account)
        return;
    m_accountSelection = account;
    emit accountSelectionChanged();
}

void AppModel::setCategoryManagerPath(QList<CategoryId> path)
{
    if (m_categoryManagerPath == path)
        return;
    m_categoryManagerPath = std::move(path);
    emit categoryManagerPathChanged();
}

void AppModel::setTransactionFilter(TransactionFilter filter)
{
    if (m_transactionFilter == filter)
        return;
    m_transactionFilter = filter;
    emit transactionFilterChanged(filter);
}

void AppModel::setTransactionScope(TransactionScope scope)
{
    if (m_transactionScope == scope)
        return;
    m_transactionScope = scope;
    emit transactionScopeChanged();
}

void AppModel::revealTransaction(std::optional<EntryId> id)
{
    if (id)
        setDestination(Destination::transactions);
    if (m_revealedTransaction == id)
        return;
    m_revealedTransaction = id;
    emit revealedTransactionChanged();
}

void AppModel::setSearchText(const QString& text)
{
    if (m_searchText == text)
        return;
    m_searchText = text;
    emit searchTextChanged(text);
}

void AppModel::focusSearch()
{
    ++m_searchFocusToken;
    emit searchFocusTokenChanged(m_searchFocusToken);
}

void AppModel::setNarrow(bool narrow)
{
    if (m_isNarrow == narrow)
        return;
    m_isNarrow = narrow;
    emit isNarrowChanged(narrow);
}

// --- Presentations

bool AppModel::isPresenting() const noexcept
{
    return m_editor || m_isComposing || m_editingTransactionID || m_isManagingCategories ||
           m_isShowingWelcome;
}

void AppModel::setPresentation(Presentation presentation, std::optional<EditorRequest> editor,
                               std::optional<EntryId> transaction)
{
    m_editor = std::move(editor);
    m_isComposing = presentation == Presentation::composing;
    m_editingTransactionID = transaction;
    m_isManagingCategories = presentation == Presentation::managingCategories;
    m_isShowingWelcome = presentation == Presentation::welcome;
    emit presentationChanged();
}

void AppModel::present(EditorRequest::Sheet sheet)
{
    setPresentation(Presentation::editor, EditorRequest::make(std::move(sheet)));
}

void AppModel::compose()
{
    setPresentation(Presentation::composing);
}

void AppModel::editTransaction(const EntryId& id)
{
    setPresentation(Presentation::editingTransaction, std::nullopt, id);
}

void AppModel::manageCategories()
{
    setPresentation(Presentation::managingCategories);
}

void AppModel::showWelcome()
{
    setPresentation(Presentation::welcome);
}

void AppModel::dismiss()
{
    const std::optional<AfterSheet> after = m_afterSheet;
    if (after) {
        m_afterSheet.reset();
        emit afterSheetChanged();
    }
    if (!after) {
        if (isPresenting())
            setPresentation(Presentation::none);
        return;
    }
    if (*after == AfterSheet::addAccount)
        present(EditorRequest::Account{});
    else
        compose();
}

void AppModel::setAfterSheet(std::optional<AfterSheet> after)
{
    if (m_afterSheet == after)
        return;
    m_afterSheet = after;
    emit afterSheetChanged();
}

// --- Toasts and alerts

void AppModel::showToast(const QString& message)
{
    if (m_toastTicket)
        m_scheduler->cancel(*m_toastTicket);
    m_toast = UndoToast::make(message);
    const QUuid id = m_toast->id;
    m_toastTicket = m_scheduler->after(kToastDuration, this, [this, id] {
        if (m_toast && m_toast->id == id) {
            m_toastTicket.reset();
            clearToast();
        }
    });
    emit toastChanged();
}

void AppModel::clearToast()
{
    if (m_toastTicket) {
        m_scheduler->cancel(*m_toastTicket);
        m_toastTicket.reset();
    }
    if (!m_toast)
        return;
    m_toast.reset();
    emit toastChanged();
}

void AppModel::undoFromToast()
{
    clearToast();
    if (m_undoManager)
        m_undoManager->undo();
}

QString AppModel::defaultErrorTitle()
{
    return QCoreApplication::translate("AppModel", "Couldn’t Save");
}

void AppModel::reportError(const QString& message, const QString& title)
{
    m_errorTitle = title.isEmpty() ? defaultErrorTitle() : title;
    m_errorMessage = message;
    emit errorChanged();
}

void AppModel::dismissError()
{
    if (!m_errorMessage)
        return;
    m_errorMessage.reset();
    emit errorChanged();
}

// --- Device-local preferences

void AppModel::setHidesBalances(bool hides)
{
    if (m_hidesBalances == hides)
        return;
    m_hidesBalances = hides;
    if (m_display)
        m_display->setHideBalances(hides);
    writeFlag(LocalPreferences::kHideBalancesKey, hides);
    emit hidesBalancesChanged(hides);
}

void AppModel::setKeepsEditorOpen(bool keeps)
{
    if (m_keepsEditorOpen == keeps)
        return;
    m_keepsEditorOpen = keeps;
    writeFlag(LocalPreferences::kEditorKeepOpenKey, keeps);
    emit keepsEditorOpenChanged(keeps);
}

void AppModel::setShowsEditorDetails(bool shows)
{
    if (m_showsEditorDetails == shows)
        return;
    m_showsEditorDetails = shows;
    writeFlag(LocalPreferences::kEditorDetailsExpandedKey, shows);
    emit showsEditorDetailsChanged(shows);
}

void AppModel::setPlaysSounds(bool plays)
{
    if (m_playsSounds == plays)
        return;
    m_playsSounds = plays;
    writeFlag(LocalPreferences::kSoundsEnabledKey, plays);
    emit playsSoundsChanged(plays);
}

bool AppModel::offerWelcome()
{
    if (!m_welcomes || readFlag(LocalPreferences::kWelcomeSeenKey, false))
        return false;
    writeFlag(LocalPreferences::kWelcomeSeenKey, true);
    showWelcome();
    return true;
}

bool AppModel::askForContacts()
{
    const QLatin1String key(kContactsAskedKey);
    if (!m_asksForContacts || !m_contacts || m_isAskingForContacts || readFlag(key, false))
        return false;
    m_isAskingForContacts = true;
    writeFlag(key, true);
    emit isAskingForContactsChanged(true);
    m_contacts->requestAccess(this, [this](bool granted) {
        m_isAskingForContacts = false;
        emit isAskingForContactsChanged(false);
        emit contactsAnswered(granted);
    });
    return true;
}

QString AppModel::futureDateToast()
{
    return QCoreApplication::translate(
        "AppModel", "After today — it will show in its period when that day comes.");
}

void AppModel::noteSavedTransaction(EntryKind kind, const QDateTime& date)
{
    if (m_sounds)
        m_sounds->play(kind, m_makesSound, m_playsSounds);
    if (m_periodEngine->isAfterToday(date))
        showToast(futureDateToast());
}

// --- Period

void AppModel::setPeriod(const PeriodSelection& period)
{
    if (m_period == period)
        return;
    m_period = period;
    emit periodChanged();
}

void AppModel::setPeriodMode(PeriodMode mode)
{
    if (m_periodMode == mode)
        return;
    m_periodMode = mode;
    emit periodModeChanged(mode);
    setPeriod(PeriodSelection(converted(m_period.length(), mode)));
}

void AppModel::setPeriodEngine(PeriodEngine engine)
{
    m_periodEngine = std::move(engine);
    emit periodEngineChanged();
}

void AppModel::setLedgerStart(std::optional<QDateTime> start)
{
    if (m_ledgerStart == start)
        return;
    m_ledgerStart = std::move(start);
    emit ledgerStartChanged();
}

bool AppModel::canStepPeriod(PeriodSelection::Direction direction) const
{
    if (!m_period.canStep())
        return false;
    if (direction == PeriodSelection::Direction::newer)
        return m_period.offset() > 0;
    // Back as far as the period that holds the ledger's first day.
    if (!m_ledgerStart)
        return false;
    const PeriodWindow window = m_periodEngine->window(m_period);
    return *m_ledgerStart < window.interval.start;
}

void AppModel::stepPeriod(PeriodSelection::Direction direction)
{
    if (canStepPeriod(direction))
        setPeriod(m_period.stepped(direction));
}

// --- Export and backup

void AppModel::setExportDocument(std::optional<QString> csv)
{
    if (m_exportDocument == csv)
        return;
    m_exportDocument = std::move(csv);
    emit exportDocumentChanged();
}

void AppModel::setChoosingBackupFolder(bool choosing)
{
    if (m_isChoosingBackupFolder == choosing)
        return;
    m_isChoosingBackupFolder = choosing;
    emit isChoosingBackupFolderChanged(choosing);
}

} // namespace tallyra::app
