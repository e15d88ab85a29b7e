#include "sheets/transaction_editor/transaction_editor_sheet.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeDatabase>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/clock.h"
#include "display/money_display.h"
#include "money/currency.h"
#include "money/money_input.h"
#include "reports/ledger_index.h"
#include "services/app_services.h"
#include "services/ledger_store.h"
#include "settings/settings_store.h"
#include "shell/app_model.h"
#include "shell/app_writers.h"
#include "shell/contact_book.h"
#include "shell/transaction_editor_model.h"
#include "theme/theme.h"
#include "widgets/segmented_switcher.h"
#include "widgets/tone_label.h"
#include "window/window_context.h"

namespace tallyra::app {

namespace {

const Entry* findEntry(const LedgerIndex& ledger, const EntryId& id)
{
    for (const Entry& entry : ledger.entries())
        if (entry.id == id)
            return &entry;
    return nullptr;
}

CategoryKind categoryKindOf(EntryKind kind)
{
    switch (kind) {
    case EntryKind::expense:
        return CategoryKind::expense;
    case EntryKind::income:
        return CategoryKind::income;
    case EntryKind::transfer:
        return CategoryKind::transfer;
    }
    return CategoryKind::expense;
}

void selectData(QComboBox* combo, const QString& data)
{
    combo->setCurrentIndex(std::max(0, combo->findData(data)));
}

} // namespace

TransactionEditorSheet::TransactionEditorSheet(WindowContext& context,
                                               std::optional<EntryId> editing, QWidget* parent)
    : Sheet(parent), m_context(context)
{
    const std::shared_ptr<const LedgerIndex>& ledger = context.services.store().index();
    auto fallback = ledger ? ledger : std::make_shared<const LedgerIndex>();
    const Entry* entry = editing && ledger ? findEntry(*ledger, *editing) : nullptr;
    if (entry) {
        m_model = std::make_unique<TransactionEditorModel>(context.writers.ledger(), context.model,
                                                           fallback, *entry);
    } else {
        const auto account = TransactionEditorModel::startingAccount(
            *fallback, context.services.settings().settings().defaultAccountID);
        m_model = std::make_unique<TransactionEditorModel>(context.writers.ledger(), context.model,
                                                           fallback, context.services.clock().now(),
                                                           account);
    }
    buildForm();
    connect(m_model.get(), &TransactionEditorModel::draftChanged, this,
            &TransactionEditorSheet::refreshFromModel);
    connect(m_model.get(), &TransactionEditorModel::receiptChangedSignal, this,
            &TransactionEditorSheet::refreshFromModel);
    connect(m_model.get(), &TransactionEditorModel::resetCountChanged, this, [this] {
        m_amount->clear();
        m_amountEdited = false;
        m_payee->clear();
        m_note->clear();
        m_tags->clear();
        m_contact->setCurrentText(QString());
        refreshFromModel();
        m_amount->setFocus();
    });
    connect(&context.services.store(), &LedgerStore::indexChanged, this,
            [this](const std::shared_ptr<const LedgerIndex>& index) {
                if (index)
                    m_model->setLedger(index);
            });
    refreshFromModel();
    m_amount->setFocus();
}

TransactionEditorSheet::~TransactionEditorSheet() = default;

void TransactionEditorSheet::buildForm()
{
    const EntryDraft& draft = m_model->draft();
    const bool isNew = m_model->isNew();
    const QLocale locale = m_context.services.locale();
    setMinimumWidth(fontMetrics().averageCharWidth() * 64);

    m_kind = new SegmentedSwitcher({tr("Expense"), tr("Income"), tr("Transfer")});
    m_kind->setAccessibleName(tr("Kind"));
    connect(m_kind, &SegmentedSwitcher::currentChanged, this, [this](int index) {
        if (!m_refreshing)
            m_model->setKind(static_cast<EntryKind>(index));
    });

    m_amount = new QLineEdit;
    m_amount->setAccessibleName(tr("Amount"));
    m_amount->setAlignment(Qt::AlignRight);
    m_amount->setFont(Theme::scaled(Theme::amountFont(font()), 1.6, QFont::DemiBold));
    if (!isNew && !draft.amount.isZero())
        m_amount->setText(MoneyInput::editingText(draft.amount, QString(), locale));
    connect(m_amount, &QLineEdit::textEdited, this, [this, locale](const QString& text) {
        m_amountEdited = true;
        const std::optional<Decimal> value = MoneyInput::evaluate(text, locale);
        m_model->setAmount(value && *value > Decimal(0) ? *value : Decimal(0));
        // Unreadable text leaves the draft at zero, which changes nothing.
        refreshMessage();
    });
    m_currency = new QLabel;
    m_currency->setForegroundRole(QPalette::PlaceholderText);
    m_currency->setFont(Theme::scaled(font(), 1.3));
    auto* amountRow = new QHBoxLayout;
    amountRow->addWidget(m_amount, 1);
    amountRow->addWidget(m_currency);

    m_account = new QComboBox;
    m_toAccount = new QComboBox;
    connect(m_account, &QComboBox::activated, this, [this] {
        m_model->setAccount(AccountId::fromString(m_account->currentData().toString()));
    });
    connect(m_toAccount, &QComboBox::activated, this, [this] {
        m_model->setToAccount(AccountId::fromString(m_toAccount->currentData().toString()));
    });
    m_received = new QLineEdit;
    m_received->setAlignment(Qt::AlignRight);
    m_received->setFont(Theme::amountFont(font()));
    if (draft.toAmount)
        m_received->setText(MoneyInput::editingText(*draft.toAmount, QString(), locale));
    connect(m_received, &QLineEdit::textEdited, this, [this, locale](const QString& text) {
        const std::optional<Decimal> value = MoneyInput::evaluate(text, locale);
        m_model->setToAmount(value && *value > Decimal(0) ? value : std::nullopt);
    });

    m_category = new QComboBox;
    m_category->setEditable(true);
    m_category->setInsertPolicy(QComboBox::NoInsert);
    m_category->completer()->setFilterMode(Qt::MatchContains);
    m_category->completer()->setCompletionMode(QCompleter::PopupCompletion);
    m_category->setAccessibleName(tr("Category"));
    connect(m_category, &QComboBox::activated, this, [this] {
        m_model->pickCategory(CategoryId::fromString(m_category->currentData().toString()));
    });

    m_date = new QDateEdit;
    m_date->setCalendarPopup(true);
    // The short format with the whole year: "11/30/26" reads as a sum.
    QString dateFormat = locale.dateFormat(QLocale::ShortFormat);
    if (!dateFormat.contains(QStringLiteral("yyyy")))
        dateFormat.replace(QStringLiteral("yy"), QStringLiteral("yyyy"));
    m_date->setDisplayFormat(dateFormat);
    connect(m_date, &QDateEdit::dateChanged, this, [this](QDate date) {
        if (m_refreshing)
            return;
        const QTimeZone zone = m_context.services.zone();
        const QTime time = m_model->draft().date.toTimeZone(zone).time();
        m_model->setDate(QDateTime(date, time, zone).toUTC(), m_model->draft().hasTime);
    });

    m_payee = new QLineEdit;
    m_payee->setPlaceholderText(tr("Who was paid or who paid"));
    m_payee->setText(draft.payee);
    connect(m_payee, &QLineEdit::textEdited, m_model.get(), &TransactionEditorModel::setPayee);

    m_contact = new QComboBox;
    m_contact->setEditable(true);
    m_contact->setInsertPolicy(QComboBox::NoInsert);
    m_contact->completer()->setFilterMode(Qt::MatchContains);
    m_contact->lineEdit()->setPlaceholderText(tr("None"));
    QStringList names;
    if (const auto& ledger = m_model->ledger())
        for (auto e = ledger->entries().rbegin(); e != ledger->entries().rend(); ++e)
            if (e->contactName() && !names.contains(*e->contactName(), Qt::CaseInsensitive))
                names.push_back(*e->contactName());
    m_contact->addItems(names);
    m_contact->setCurrentText(draft.contactName.value_or(QString()));
    const auto pickContact = [this] {
        const QString name = m_contact->currentText().trimmed();
        if (name == m_model->draft().contactName.value_or(QString()))
            return;
        if (name.isEmpty())
            return m_model->pickContact(std::nullopt, false);
        // The same person keeps the identifier the ledger knows them by.
        QString identifier;
        if (const auto& ledger = m_model->ledger())
            for (auto e = ledger->entries().rbegin(); e != ledger->entries().rend(); ++e)
                if (e->contactName() && e->contactName()->compare(name, Qt::CaseInsensitive) == 0 &&
                    e->contactIdentifier()) {
                    identifier = *e->contactIdentifier();
                    break;
                }
        if (identifier.isEmpty())
            identifier = QUuid::createUuid().toString(QUuid::WithoutBraces);
        m_model->pickContact(PickedContact{identifier, name},
                             m_context.services.settings().settings().suggestCategoryFromContact);
    };
    connect(m_contact, &QComboBox::activated, this, pickContact);
    connect(m_contact->lineEdit(), &QLineEdit::editingFinished, this, pickContact);

    m_note = new QLineEdit;
    m_note->setText(draft.note);
    connect(m_note, &QLineEdit::textEdited, m_model.get(), &TransactionEditorModel::setNote);
    m_tags = new QLineEdit;
    m_tags->setPlaceholderText(tr("food, travel"));
    m_tags->setText(m_model->tagsText());
    connect(m_tags, &QLineEdit::textEdited, m_model.get(), &TransactionEditorModel::setTagsText);

    m_receiptText = new QLabel;
    m_receiptText->setForegroundRole(QPalette::PlaceholderText);
    m_receiptButton = new QPushButton;
    connect(m_receiptButton, &QPushButton::clicked, this, &TransactionEditorSheet::chooseReceipt);
    m_removeReceipt = new QPushButton(tr("Remove"));
    connect(m_removeReceipt, &QPushButton::clicked, this,
            [this] { m_model->setReceipt(std::nullopt); });
    auto* receiptRow = new QHBoxLayout;
    receiptRow->addWidget(m_receiptText, 1);
    receiptRow->addWidget(m_removeReceipt);
    receiptRow->addWidget(m_receiptButton);

    m_cleared = new QCheckBox(tr("Cleared — it is on the statement"));
    m_cleared->setChecked(draft.cleared);
    connect(m_cleared, &QCheckBox::toggled, m_model.get(), &TransactionEditorModel::setCleared);

    auto* form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    form->addRow(QString(), m_kind);
    form->addRow(tr("Amount"), amountRow);
    m_accountLabel = new QLabel(tr("Account"));
    form->addRow(m_accountLabel, m_account);
    m_toAccountLabel = new QLabel(tr("To"));
    form->addRow(m_toAccountLabel, m_toAccount);
    m_receivedLabel = new QLabel(TransactionEditorModel::receivedLabel());
    form->addRow(m_receivedLabel, m_received);
    m_categoryLabel = new QLabel(tr("Category"));
    form->addRow(m_categoryLabel, m_category);
    form->addRow(tr("Date"), m_date);
    form->addRow(tr("Payee"), m_payee);
    form->addRow(tr("Contact"), m_contact);
    form->addRow(tr("Note"), m_note);
    form->addRow(tr("Tags"), m_tags);
    form->addRow(tr("Receipt"), receiptRow);
    form->addRow(QString(), m_cleared);
    m_cleared->setVisible(m_context.services.settings().settings().trackCleared);

    m_message = new ToneLabel(QString(), Tone::warning);
    m_message->setWordWrap(true);
    m_keepOpen = new QCheckBox(tr("Keep open for the next one"));
    m_keepOpen->setChecked(m_context.model.keepsEditorOpen());
    m_keepOpen->setVisible(isNew);
    connect(m_keepOpen, &QCheckBox::toggled, &m_context.model, &AppModel::setKeepsEditorOpen);
    auto* keys = new QLabel(tr("Return saves · Ctrl+Return saves and closes"));
    keys->setForegroundRole(QPalette::PlaceholderText);
    auto* footer = new QHBoxLayout;
    footer->addWidget(m_keepOpen);
    footer->addStretch(1);
    footer->addWidget(keys);

    body()->addLayout(form);
    body()->addWidget(m_message);
    body()->addLayout(footer);
    addCancelButton();
    m_save = setAcceptButton(isNew ? m_model->title() : tr("Save"));
}

void TransactionEditorSheet::fillAccounts()
{
    const auto& ledger = m_model->ledger();
    const EntryDraft& draft = m_model->draft();
    for (QComboBox* combo : {m_account, m_toAccount}) {
        const QSignalBlocker blocker(combo);
        combo->clear();
        if (combo == m_toAccount)
            combo->addItem(tr("Choose an account"), QString());
        if (!ledger)
            continue;
        for (const Account& account : ledger->activeAccounts())
            combo->addItem(account.name + QStringLiteral(" · ") + account.currency,
                           account.id.toString());
        // An archived account of an edited transaction stays choosable.
        const std::optional<AccountId>& current =
            combo == m_account ? draft.accountID : draft.toAccountID;
        if (current && combo->findData(current->toString()) < 0)
            if (const Account* account = ledger->account(*current))
                combo->addItem(account->name + QStringLiteral(" · ") + account->currency,
                               account->id.toString());
        selectData(combo, current ? current->toString() : QString());
        if (combo->count() == 0)
            combo->setPlaceholderText(tr("Add an account first"));
    }
}

void TransactionEditorSheet::fillCategories()
{
    const QSignalBlocker blocker(m_category);
    m_category->clear();
    m_category->addItem(tr("Uncategorized"), QString());
    const auto& ledger = m_model->ledger();
    const EntryDraft& draft = m_model->draft();
    if (!ledger)
        return;
    const CategoryKind kind = categoryKindOf(draft.kind);
    QList<std::pair<QString, QString>> items;
    for (const CategoryItem& category : ledger->categories()) {
        if (category.kind != kind)
            continue;
        QStringList names;
        for (const CategoryId& step : ledger->path(category.id))
            if (const CategoryItem* item = ledger->category(step))
                names.push_back(item->name);
        QString label = names.join(QStringLiteral(" › "));
        if (category.icon.kind() == CategoryIcon::Kind::emoji)
            label = category.icon.value() + QLatin1Char(' ') + label;
        items.push_back({label, category.id.toString()});
    }
    std::sort(items.begin(), items.end(), [](const auto& a, const auto& b) {
        return QString::localeAwareCompare(a.first, b.first) < 0;
    });
    for (const auto& [label, id] : items)
        m_category->addItem(label, id);
    selectData(m_category, draft.categoryID ? draft.categoryID->toString() : QString());
}

void TransactionEditorSheet::refreshFromModel()
{
    m_refreshing = true;
    const EntryDraft& draft = m_model->draft();
    const bool transfer = draft.kind == EntryKind::transfer;
    m_kind->setCurrentIndex(static_cast<int>(draft.kind));
    setWindowTitle(m_model->title());
    if (m_model->isNew() && m_save)
        m_save->setText(m_model->title());
    fillAccounts();
    fillCategories();
    m_accountLabel->setText(transfer ? tr("From") : tr("Account"));
    m_toAccountLabel->setVisible(transfer);
    m_toAccount->setVisible(transfer);
    const bool received = m_model->showsReceivedAmount();
    m_receivedLabel->setVisible(received);
    m_received->setVisible(received);
    if (received) {
        const auto route = m_model->route();
        m_receivedLabel->setText(TransactionEditorModel::receivedLabel());
        const std::optional<Decimal> placeholder = m_model->receivedPlaceholder();
        m_received->setPlaceholderText(
            (placeholder
                 ? MoneyInput::editingText(*placeholder, route->second, m_context.services.locale())
                 : MoneyInput::placeholder(route->second, m_context.services.locale())) +
            QLatin1Char(' ') + route->second + TransactionEditorModel::receivedHint());
    }
    const auto& ledger = m_model->ledger();
    const Account* account =
        ledger && draft.accountID ? ledger->account(*draft.accountID) : nullptr;
    const QString currency = account ? account->currency : Currency::main();
    m_currency->setText(m_context.display.symbol(currency).text);
    m_currency->setToolTip(currency);
    if (m_amount->text().isEmpty())
        m_amount->setPlaceholderText(
            MoneyInput::placeholder(currency, m_context.services.locale()));
    {
        const QSignalBlocker blocker(m_date);
        m_date->setDate(draft.date.toTimeZone(m_context.services.zone()).date());
    }
    const auto& receipt = m_model->receipt();
    m_receiptText->setText(
        receipt ? tr("Attached (%1)").arg(QLocale().formattedDataSize(receipt->data.size()))
        : m_model->receiptUnavailable() ? tr("Couldn’t load the receipt")
                                        : tr("None"));
    m_receiptButton->setText(receipt ? tr("Replace…") : tr("Attach…"));
    m_removeReceipt->setVisible(receipt.has_value());
    m_refreshing = false;
    refreshMessage();
}

void TransactionEditorSheet::refreshMessage()
{
    const std::optional<EntryDraft::Problem> problem = m_model->problem();
    // "Enter an amount" greets nobody: it shows once the amount was touched.
    const bool quiet = problem == EntryDraft::Problem::noAmount && !m_amountEdited;
    const QString text = quiet ? QString() : m_model->inlineMessage();
    m_message->setText(text);
    m_message->setVisible(!text.isEmpty());
    if (m_save)
        m_save->setEnabled(!problem.has_value());
}

QString TransactionEditorSheet::inlineMessage() const
{
    return m_message->isHidden() ? QString() : m_message->text();
}

bool TransactionEditorSheet::hasChanges() const
{
    return m_model->hasChanges();
}

void TransactionEditorSheet::chooseReceipt()
{
    const QString path = QFileDialog::getOpenFileName(
        this, tr("Choose a Receipt"), QString(),
        tr("Pictures and PDF files (*.png *.jpg *.jpeg *.webp *.heic *.pdf)"));
    if (path.isEmpty())
        return;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        m_receiptText->setText(tr("Couldn’t read the file"));
        return;
    }
    const QByteArray bytes = file.readAll();
    m_model->setReceipt(TransactionEditorModel::Receipt{
        bytes, QMimeDatabase().mimeTypeForFileNameAndData(path, bytes).name()});
}

void TransactionEditorSheet::save(bool close)
{
    // The fields that commit on leaving them commit now.
    if (m_contact->hasFocus() || m_contact->lineEdit()->hasFocus())
        emit m_contact->lineEdit()->editingFinished();
    if (m_model->problem()) {
        m_amountEdited = true;
        refreshMessage();
        return;
    }
    const TransactionEditorModel::SaveResult result = m_model->save();
    if (result == TransactionEditorModel::SaveResult::keptOpen && close)
        m_context.model.dismiss();
}

void TransactionEditorSheet::accept()
{
    save(false);
}

void TransactionEditorSheet::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        save(event->modifiers().testFlag(Qt::ControlModifier));
        return;
    }
    Sheet::keyPressEvent(event);
}

} // namespace tallyra::app
