#pragma once

// AppModel: the state of one window without its drawing — which screen is
// shown, what is selected, which sheet is open, the toast, the error alert,
// the search text, the period viewed and the device-local preferences the
// window toggles. Screens and the menu commands (AppCommands) act on it;
// the window binds its widgets to its properties and change signals.
//
// Presentations: the sheet in `editor`, the transaction composer, the
// category manager and the welcome sheet exclude each other; presenting
// one closes the others. When a sheet closes while `afterSheet` is set, the
// sheet it names (add account or compose) opens and afterSheet is cleared.
//
// Toasts: showToast() replaces the toast with a new one that clears itself
// five seconds later unless a newer toast replaced it first (the scheduler
// is injected, so tests advance time instead of sleeping).
//
// Device-local preferences: hidesBalances ("display.hideBalances"),
// keepsEditorOpen ("editor.keepOpen"), showsEditorDetails
// ("editor.detailsExpanded") and playsSounds ("sounds.enabled") start from
// the local backend and are written there on every change; "welcome.seen"
// and "contacts.asked" make the welcome sheet and the contact request
// happen once per installation. hidesBalances is mirrored into the money
// display.
//
// Period: `period` starts at the settings' default period; periodEngine
// holds today and the calendar; stepping back stops at the period holding
// ledgerStart, stepping forward at the current period.
//
// Threading: main thread only. Background answers (the contact request)
// come back to the main thread before they change anything.

#include <chrono>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>

#include <QDateTime>
#include <QObject>
#include <QString>

#include "base/typed_id.h"
#include "destination.h"
#include "editor_request.h"
#include "list_selection.h"
#include "model/entry_kind.h"
#include "periods/period_engine.h"
#include "periods/period_mode.h"
#include "periods/period_selection.h"
#include "plan_id.h"
#include "settings/settings_backend.h"
#include "undo_toast.h"

namespace tallyra {
class MoneyDisplay;
class UndoManager;
} // namespace tallyra

namespace tallyra::app {

class ContactBook;
class SaveSounds;
class Scheduler;

// The edit and duplicate actions the current screen offers the Edit menu;
// an empty function leaves the menu item disabled.
struct ScreenActions
{
    std::function<void()> edit;
    std::function<void()> duplicate;
};

class AppModel final : public QObject
{
    Q_OBJECT

public:
    static constexpr std::chrono::milliseconds kToastDuration{5000};
    static constexpr char kContactsAskedKey[] = "contacts.asked";

    enum class AfterSheet
    {
        addAccount,
        compose,
    };

    struct Options
    {
        // The device-local preference store.
        std::shared_ptr<SettingsBackend> local;
        Scheduler* scheduler = nullptr;     // required
        MoneyDisplay* display = nullptr;    // may be null
        SaveSounds* sounds = nullptr;       // may be null
        ContactBook* contacts = nullptr;    // may be null
        UndoManager* undoManager = nullptr; // may be null
        Destination destination = Destination::overview;
        PeriodMode periodMode = PeriodMode::rolling;
        PeriodLength defaultPeriod = PeriodLength::last30Days;
        std::optional<PeriodEngine> periodEngine; // required
        bool makesSound = true;
        bool asksForContacts = true;
        bool welcomes = true;
    };

    explicit AppModel(Options options, QObject* parent = nullptr);
    ~AppModel() override;

    // --- Navigation and selection
    [[nodiscard]] Destination destination() const noexcept { return m_destination; }
    void setDestination(Destination destination);
    [[nodiscard]] const ScreenActions* screenActions(Destination destination) const;
    // Registers (or with empty functions removes) a screen's Edit menu actions.
    void setScreenActions(Destination destination, ScreenActions actions);
    // Runs the current screen's edit or duplicate action; false when it has none.
    bool runEdit();
    bool runDuplicate();

    [[nodiscard]] CategoryMode categoryMode() const noexcept { return m_categoryMode; }
    void setCategoryMode(CategoryMode mode);
    [[nodiscard]] std::optional<CategoryId> categorySelection(CategoryMode mode) const;
    void setCategorySelection(CategoryMode mode, std::optional<CategoryId> id);
    [[nodiscard]] const std::set<CategoryId>& categoryExpanded() const noexcept
    {
        return m_categoryExpanded;
    }
    void setCategoryExpanded(const CategoryId& id, bool expanded);
    [[nodiscard]] const std::optional<PlanID>& planSelection() const noexcept
    {
        return m_planSelection;
    }
    void setPlanSelection(std::optional<PlanID> plan);
    [[nodiscard]] const std::optional<AccountId>& accountSelection() const noexcept
    {
        return m_accountSelection;
    }
    void setAccountSelection(std::optional<AccountId> account);
    [[nodiscard]] const QList<CategoryId>& categoryManagerPath() const noexcept
    {
        return m_categoryManagerPath;
    }
    void setCategoryManagerPath(QList<CategoryId> path);
    [[nodiscard]] TransactionFilter transactionFilter() const noexcept
    {
        return m_transactionFilter;
    }
    void setTransactionFilter(TransactionFilter filter);
    [[nodiscard]] const TransactionScope& transactionScope() const noexcept
    {
        return m_transactionScope;
    }
    void setTransactionScope(TransactionScope scope);
    [[nodiscard]] const std::optional<EntryId>& revealedTransaction() const noexcept
    {
        return m_revealedTransaction;
    }
    // Goes to the transactions screen and marks the row to scroll to.
    void revealTransaction(std::optional<EntryId> id);
    [[nodiscard]] const QString& searchText() const noexcept { return m_searchText; }
    void setSearchText(const QString& text);
    [[nodiscard]] int searchFocusToken() const noexcept { return m_searchFocusToken; }
    // Asks the window to move keyboard focus to the search field.
    void focusSearch();
    [[nodiscard]] bool isNarrow() const noexcept { return m_isNarrow; }
    void setNarrow(bool narrow);

    // --- Presentations (sheets)
    [[nodiscard]] const std::optional<EditorRequest>& editor() const noexcept { return m_editor; }
    [[nodiscard]] bool isComposingTransaction() const noexcept { return m_isComposing; }
    [[nodiscard]] bool isManagingCategories() const noexcept { return m_isManagingCategories; }
    [[nodiscard]] bool isShowingWelcome() const noexcept { return m_isShowingWelcome; }
    [[nodiscard]] const std::optional<EntryId>& editingTransactionID() const noexcept
    {
        return m_editingTransactionID;
    }
    [[nodiscard]] const std::optional<AfterSheet>& afterSheet() const noexcept
    {
        return m_afterSheet;
    }
    // True while any sheet, the composer, the manager or the welcome is up.
    [[nodiscard]] bool isPresenting() const noexcept;

    void present(EditorRequest::Sheet sheet);
    void compose();
    void editTransaction(const EntryId& id);
    void manageCategories();
    void showWelcome();
    // Closes whatever is presented (the transaction editor too), then opens
    // the after-sheet when one is set.
    void dismiss();
    void setAfterSheet(std::optional<AfterSheet> after);

    // --- Toasts and alerts
    [[nodiscard]] const std::optional<UndoToast>& toast() const noexcept { return m_toast; }
    void showToast(const QString& message);
    void clearToast();
    // The toast's "Undo" button: undoes the newest step and clears the toast.
    void undoFromToast();
    [[nodiscard]] const std::optional<QString>& errorMessage() const noexcept
    {
        return m_errorMessage;
    }
    [[nodiscard]] const QString& errorTitle() const noexcept { return m_errorTitle; }
    // Title defaults to "Couldn’t Save".
    void reportError(const QString& message, const QString& title = QString());
    void dismissError();
    [[nodiscard]] static QString defaultErrorTitle();

    // --- Device-local preferences
    [[nodiscard]] bool hidesBalances() const noexcept { return m_hidesBalances; }
    void setHidesBalances(bool hides);
    void toggleHiddenBalances() { setHidesBalances(!m_hidesBalances); }
    [[nodiscard]] bool keepsEditorOpen() const noexcept { return m_keepsEditorOpen; }
    void setKeepsEditorOpen(bool keeps);
    [[nodiscard]] bool showsEditorDetails() const noexcept { return m_showsEditorDetails; }
    void setShowsEditorDetails(bool shows);
    [[nodiscard]] bool playsSounds() const noexcept { return m_playsSounds; }
    void setPlaysSounds(bool plays);
    [[nodiscard]] bool makesSound() const noexcept { return m_makesSound; }
    [[nodiscard]] bool asksForContacts() const noexcept { return m_asksForContacts; }
    [[nodiscard]] bool welcomes() const noexcept { return m_welcomes; }
    [[nodiscard]] const std::shared_ptr<SettingsBackend>& local() const noexcept { return m_local; }

    // Shows the welcome sheet once per installation (when welcomes and
    // "welcome.seen" is not true); returns whether it did.
    bool offerWelcome();
    [[nodiscard]] bool isAskingForContacts() const noexcept { return m_isAskingForContacts; }
    // Asks the contact book for access once per installation; returns
    // whether a request started.
    bool askForContacts();

    // After a new transaction is saved: its sound, and for a date after
    // today the toast that it will show when its day comes.
    void noteSavedTransaction(EntryKind kind, const QDateTime& date);
    [[nodiscard]] static QString futureDateToast();

    // --- Period
    [[nodiscard]] const PeriodSelection& period() const noexcept { return m_period; }
    void setPeriod(const PeriodSelection& period);
    [[nodiscard]] PeriodMode periodMode() const noexcept { return m_periodMode; }
    // A new mode converts the period's length into the mode's family.
    void setPeriodMode(PeriodMode mode);
    [[nodiscard]] const PeriodEngine& periodEngine() const noexcept { return *m_periodEngine; }
    void setPeriodEngine(PeriodEngine engine);
    [[nodiscard]] const std::optional<QDateTime>& ledgerStart() const noexcept
    {
        return m_ledgerStart;
    }
    void setLedgerStart(std::optional<QDateTime> start);
    [[nodiscard]] bool canStepPeriod(PeriodSelection::Direction direction) const;
    void stepPeriod(PeriodSelection::Direction direction);

    // --- Export and backup
    [[nodiscard]] const std::optional<QString>& exportDocument() const noexcept
    {
        return m_exportDocument;
    }
    void setExportDocument(std::optional<QString> csv);
    [[nodiscard]] bool isChoosingBackupFolder() const noexcept { return m_isChoosingBackupFolder; }
    void setChoosingBackupFolder(bool choosing);

signals:
    void destinationChanged(tallyra::app::Destination destination);
    void screenActionsChanged();
    void categoryModeChanged(tallyra::app::CategoryMode mode);
    void categorySelectionChanged();
    void categoryExpandedChanged();
    void planSelectionChanged();
    void accountSelectionChanged();
    void categoryManagerPathChanged();
    void transactionFilterChanged(tallyra::app::TransactionFilter filter);
    void transactionScopeChanged();
    void revealedTransactionChanged();
    void searchTextChanged(const QString& text);
    void searchFocusTokenChanged(int token);
    void isNarrowChanged(bool narrow);
    // Any of editor, isComposingTransaction, isManagingCategories,
    // isShowingWelcome, editingTransactionID changed.
    void presentationChanged();
    void afterSheetChanged();
    void toastChanged();
    void errorChanged();
    void hidesBalancesChanged(bool hides);
    void keepsEditorOpenChanged(bool keeps);
    void showsEditorDetailsChanged(bool shows);
    void playsSoundsChanged(bool plays);
    void isAskingForContactsChanged(bool asking);
    void contactsAnswered(bool granted);
    void periodChanged();
    void periodModeChanged(tallyra::PeriodMode mode);
    void periodEngineChanged();
    void ledgerStartChanged();
    void exportDocumentChanged();
    void isChoosingBackupFolderChanged(bool choosing);

private:
    enum class Presentation
    {
        none,
        editor,
        composing,
        editingTransaction,
        managingCategories,
        welcome,
    };
    void setPresentation(Presentation presentation, std::optional<EditorRequest> editor = {},
                         std::optional<EntryId> transaction = {});
    [[nodiscard]] bool readFlag(QLatin1String key, bool fallback) const;
    void writeFlag(QLatin1String key, bool value);

    std::shared_ptr<SettingsBackend> m_local;
    Scheduler* m_scheduler;
    MoneyDisplay* m_display;
    SaveSounds* m_sounds;
    ContactBook* m_contacts;
    UndoManager* m_undoManager;

    Destination m_destination;
    std::map<Destination, ScreenActions> m_screenActions;
    CategoryMode m_categoryMode = CategoryMode::expenses;
    std::map<CategoryMode, CategoryId> m_categorySelection;
    std::set<CategoryId> m_categoryExpanded;
    std::optional<PlanID> m_planSelection;
    std::optional<AccountId> m_accountSelection;
    QList<CategoryId> m_categoryManagerPath;
    TransactionFilter m_transactionFilter = TransactionFilter::all;
    TransactionScope m_transactionScope;
    std::optional<EntryId> m_revealedTransaction;
    QString m_searchText;
    int m_searchFocusToken = 0;
    bool m_isNarrow = false;

    std::optional<EditorRequest> m_editor;
    bool m_isComposing = false;
    bool m_isManagingCategories = false;
    bool m_isShowingWelcome = false;
    std::optional<EntryId> m_editingTransactionID;
    std::optional<AfterSheet> m_afterSheet;

    std::optional<UndoToast> m_toast;
    std::optional<std::uint64_t> m_toastTicket;
    std::optional<QString> m_errorMessage;
    QString m_errorTitle;

    bool m_hidesBalances;
    bool m_keepsEditorOpen;
    bool m_showsEditorDetails;
    bool m_playsSounds;
    bool m_makesSound;
    bool m_asksForContacts;
    bool m_welcomes;
    bool m_isAskingForContacts = false;

    PeriodMode m_periodMode;
    PeriodSelection m_period;
    std::optional<PeriodEngine> m_periodEngine;
    std::optional<QDateTime> m_ledgerStart;

    std::optional<QString> m_exportDocument;
    bool m_isChoosingBackupFolder = false;
};

} // namespace tallyra::app
