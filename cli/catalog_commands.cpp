#include <QJsonObject>

#include "money/currency.h"
#include "write_commands.h"
#include "write_support.h"
#include "writing/catalog_writer.h"

namespace tallyra::cli {

namespace {

AccountKind parseAccountKind(const QString& text)
{
    for (const AccountKind kind : allCases<AccountKind>())
        if (rawValue(kind).compare(text, Qt::CaseInsensitive) == 0)
            return kind;
    QStringList names;
    for (const AccountKind kind : allCases<AccountKind>())
        names.append(rawValue(kind));
    throw UsageError(QStringLiteral("--kind expects one of %1, not “%2”.")
                         .arg(names.join(QStringLiteral(", ")), text));
}

CategoryKind parseCategoryKind(const QString& text)
{
    if (const auto kind = enumFromRaw<CategoryKind>(text.toLower()))
        return *kind;
    throw UsageError(
        QStringLiteral("--kind expects expense, income or transfer, not “%1”.").arg(text));
}

std::optional<QDate> takeDay(QStringList& arguments, const QString& name)
{
    if (const auto text = takeOption(arguments, name))
        return parseDay(*text, name);
    return std::nullopt;
}

QJsonValue idOrNull(const std::optional<CheckpointId>& id)
{
    return id ? QJsonValue(id->toString()) : QJsonValue(QJsonValue::Null);
}

void printCheckpoint(CommandContext& context, const WriteSession& session,
                     const AccountModel& account, const CheckpointId& id)
{
    const auto checkpoint =
        session.context().fetchFirst(Predicate<BalanceCheckpointModel>::idEquals(id));
    if (!checkpoint)
        return;
    context.out << "Balance of " << account.name << ": "
                << moneyText(checkpoint->balanceMinor, account.currency) << " from "
                << session.localText(checkpoint->date) << " (id " << id.toString() << ")\n";
}

const QString kAccountUsage = QStringLiteral(
    "Usage: account add NAME --kind KIND --currency CODE [--balance AMOUNT [--on YYYY-MM-DD]] "
    "[CREDIT]\n       account edit NAME [--name NEW] [--kind KIND] [--currency CODE] "
    "[--detail TEXT] [CREDIT]\n       account archive|unarchive NAME\n"
    "CREDIT: [--limit AMOUNT] [--statement-day D] [--payment-day D] [--interest PERCENT], each "
    "\"none\" to clear");

// --limit, --statement-day, --payment-day and --interest as typed; "none"
// clears a value. The writer keeps each only for the kinds it belongs to (a
// limit and a statement day for credit cards, …).
class CreditOptions
{
public:
    explicit CreditOptions(QStringList& arguments)
        : m_limit(takeOption(arguments, QStringLiteral("--limit"))),
          m_statementDay(takeOption(arguments, QStringLiteral("--statement-day"))),
          m_paymentDay(takeOption(arguments, QStringLiteral("--payment-day"))),
          m_interest(takeOption(arguments, QStringLiteral("--interest")))
    {
        // Checked at once, before anything is opened.
        (void)dayOfMonth(m_statementDay, QStringLiteral("--statement-day"));
        (void)dayOfMonth(m_paymentDay, QStringLiteral("--payment-day"));
        (void)interest();
    }

    void applyTo(AccountDraft& draft, const WriteSession& session) const
    {
        if (m_limit) {
            draft.creditLimit.reset();
            if (*m_limit != u"none") {
                const Decimal limit = session.amount(*m_limit, draft.currency);
                if (limit.isNaN() || limit.isNegative())
                    throw UsageError(
                        QStringLiteral("--limit expects an amount of 0 or more, not “%1”.")
                            .arg(*m_limit));
                draft.creditLimit = limit;
            }
        }
        if (m_statementDay)
            draft.statementDay = dayOfMonth(m_statementDay, QStringLiteral("--statement-day"));
        if (m_paymentDay)
            draft.paymentDueDay = dayOfMonth(m_paymentDay, QStringLiteral("--payment-day"));
        if (m_interest)
            draft.interestRate = interest();
    }

private:
    static std::optional<std::int64_t> dayOfMonth(const std::optional<QString>& text,
                                                  const QString& option)
    {
        if (!text || *text == u"none")
            return std::nullopt;
        bool ok = false;
        const int day = text->toInt(&ok);
        if (!ok || day < 1 || day > 31)
            throw UsageError(QStringLiteral("%1 expects a day of the month from 1 to 31, not “%2”.")
                                 .arg(option, *text));
        return day;
    }

    [[nodiscard]] std::optional<Decimal> interest() const
    {
        if (!m_interest || *m_interest == u"none")
            return std::nullopt;
        const std::optional<Decimal> percent = Decimal::parse(m_interest->trimmed());
        if (!percent || percent->isNegative())
            throw UsageError(
                QStringLiteral("--interest expects a percentage such as 24.9, not “%1”.")
                    .arg(*m_interest));
        return percent;
    }

    std::optional<QString> m_limit;
    std::optional<QString> m_statementDay;
    std::optional<QString> m_paymentDay;
    std::optional<QString> m_interest;
};

// What the account is now, as a draft to change.
AccountDraft draftOf(const AccountModel& account)
{
    AccountDraft draft;
    draft.name = account.name;
    draft.kind = account.kind();
    draft.detail = account.detail;
    draft.colorHex = account.colorHex;
    draft.sfSymbol = account.sfSymbol;
    draft.iconEmoji = account.iconEmoji;
    draft.iconImage = account.iconImage;
    draft.currency = account.currency;
    draft.isArchived = account.isArchived;
    const int digits = Currency::minorDigits(account.currency);
    if (account.creditLimitMinor)
        draft.creditLimit = Decimal::fromMinor(*account.creditLimitMinor, digits);
    draft.statementDay = account.statementDay;
    draft.paymentDueDay = account.paymentDueDay;
    if (account.interestRateBP)
        draft.interestRate = Decimal::fromMinor(*account.interestRateBP, 2);
    return draft;
}

QString currencyCode(const QString& text)
{
    const QString code = text.toUpper();
    if (!Currency::all().contains(code))
        throw UsageError(
            QStringLiteral("--currency expects a currency code such as UAH, not “%1”.").arg(text));
    return code;
}

int runAccountEdit(CommandContext& context, QStringList arguments)
{
    const auto name = takeOption(arguments, QStringLiteral("--name"));
    const auto kind = takeOption(arguments, QStringLiteral("--kind"));
    const auto currency = takeOption(arguments, QStringLiteral("--currency"));
    const auto detail = takeOption(arguments, QStringLiteral("--detail"));
    const CreditOptions credit(arguments);
    if (arguments.size() != 1)
        throw UsageError(kAccountUsage);
    WriteSession session(context.options);
    const AccountModel account = session.account(arguments.first());
    AccountDraft draft = draftOf(account);
    if (name)
        draft.name = *name;
    if (kind) {
        const AccountKind newKind = parseAccountKind(*kind);
        // A symbol that only stood for the old kind follows the new one.
        if (draft.sfSymbol == symbol(draft.kind))
            draft.sfSymbol.clear();
        draft.kind = newKind;
    }
    if (currency)
        draft.currency = currencyCode(*currency);
    if (detail)
        draft.detail = *detail;
    // After the currency: the limit is read with the digits of the
    // currency the account will have.
    credit.applyTo(draft, session);

    CatalogWriter writer(session.context(), session.zone());
    writer.accounts().editAccount(account.id, draft);
    if (context.options.json)
        printJson(context.out, QJsonObject{{QStringLiteral("id"), account.id.toString()}});
    else
        context.out << "Changed account " << draft.name.trimmed() << " (id "
                    << account.id.toString() << ")\n";
    return 0;
}

int runAccountArchive(CommandContext& context, QStringList arguments, bool archived)
{
    if (arguments.size() != 1)
        throw UsageError(kAccountUsage);
    WriteSession session(context.options);
    const AccountModel account = session.account(arguments.first());
    CatalogWriter writer(session.context(), session.zone());
    writer.accounts().setArchived(account.id, archived);
    if (context.options.json)
        printJson(context.out, QJsonObject{{QStringLiteral("id"), account.id.toString()},
                                           {QStringLiteral("isArchived"), archived}});
    else
        context.out << (archived ? "Archived account " : "Unarchived account ") << account.name
                    << '\n';
    return 0;
}

int runAccountAdd(CommandContext& context, QStringList arguments)
{
    const auto kind = takeOption(arguments, QStringLiteral("--kind"));
    const auto currency = takeOption(arguments, QStringLiteral("--currency"));
    const auto balance = takeOption(arguments, QStringLiteral("--balance"));
    const std::optional<QDate> day = takeDay(arguments, QStringLiteral("--on"));
    const CreditOptions credit(arguments);
    if (arguments.size() != 1 || !kind || !currency)
        throw UsageError(kAccountUsage);
    if (day && !balance)
        throw UsageError(QStringLiteral("--on goes with --balance."));
    AccountDraft draft;
    draft.name = arguments.first();
    draft.kind = parseAccountKind(*kind);
    draft.currency = currencyCode(*currency);

    WriteSession session(context.options);
    credit.applyTo(draft, session);
    if (balance)
        draft.balanceToday = session.amount(*balance, draft.currency);
    draft.balanceDate = day;
    // A balance that can't be read must not silently become zero.
    if (draft.balanceToday.isNaN())
        throw Error(QStringLiteral("“%1” is not an amount.").arg(*balance));

    CatalogWriter writer(session.context(), session.zone());
    const AccountId id = writer.accounts().newAccount(draft);
    const auto account = session.context().fetchFirst(Predicate<AccountModel>::idEquals(id));
    const QList<BalanceCheckpointModel> checkpoints = session.context().checkpoints(*account);
    const std::optional<CheckpointId> checkpoint =
        checkpoints.isEmpty() ? std::nullopt : std::optional(checkpoints.first().id);
    if (context.options.json) {
        printJson(context.out, QJsonObject{{QStringLiteral("id"), id.toString()},
                                           {QStringLiteral("checkpoint"), idOrNull(checkpoint)}});
        return 0;
    }
    context.out << "Created account " << account->name << " (" << rawValue(draft.kind) << ", "
                << account->currency << ", id " << id.toString() << ")\n";
    if (checkpoint)
        printCheckpoint(context, session, *account, *checkpoint);
    return 0;
}

int runCategoryAdd(CommandContext& context, QStringList arguments)
{
    const auto kindText = takeOption(arguments, QStringLiteral("--kind"));
    if (arguments.size() != 1)
        throw UsageError(
            QStringLiteral("Usage: category add PATH [--kind expense|income|transfer]"));
    const QString path = arguments.first();
    const std::optional<CategoryKind> kind =
        kindText ? std::optional(parseCategoryKind(*kindText)) : std::nullopt;

    WriteSession session(context.options);
    CategoryDraft draft;
    const qsizetype slash = path.lastIndexOf(u'/');
    draft.name = slash < 0 ? path : path.mid(slash + 1);
    if (slash >= 0) {
        const CategoryModel parent = session.category(path.left(slash));
        if (kind && *kind != parent.kind())
            throw Error(QStringLiteral("A subcategory has its parent’s type: “%1” is %2.")
                            .arg(session.pathOf(parent), rawValue(parent.kind())));
        draft.parentID = parent.id;
    } else if (!kind) {
        throw UsageError(
            QStringLiteral("A top-level category needs --kind expense, income or transfer."));
    }
    draft.kind = kind.value_or(CategoryKind::expense);

    CatalogWriter writer(session.context(), session.zone());
    const CategoryId id = writer.categories().newCategory(draft);
    const auto category = session.context().fetchFirst(Predicate<CategoryModel>::idEquals(id));
    if (context.options.json)
        printJson(context.out, QJsonObject{{QStringLiteral("id"), id.toString()}});
    else
        context.out << "Created category " << session.pathOf(*category) << " (" << category->kindRaw
                    << ", id " << id.toString() << ")\n";
    return 0;
}

} // namespace

int runSetBalance(CommandContext& context, QStringList arguments)
{
    const std::optional<QDate> day = takeDay(arguments, QStringLiteral("--on"));
    if (arguments.size() != 2)
        throw UsageError(QStringLiteral("Usage: set-balance ACCOUNT AMOUNT [--on YYYY-MM-DD]"));

    WriteSession session(context.options);
    const AccountModel account = session.account(arguments.at(0));
    const Decimal balance = session.amount(arguments.at(1), account.currency);
    if (balance.isNaN())
        throw Error(QStringLiteral("“%1” is not an amount.").arg(arguments.at(1)));

    CatalogWriter writer(session.context(), session.zone());
    const CheckpointId id = writer.accounts().changeBalance(account.id, balance, day);
    if (context.options.json)
        printJson(context.out, QJsonObject{{QStringLiteral("id"), id.toString()},
                                           {QStringLiteral("account"), account.id.toString()}});
    else
        printCheckpoint(context, session, account, id);
    return 0;
}

int runAccount(CommandContext& context, QStringList arguments)
{
    const QString action = arguments.isEmpty() ? QString() : arguments.takeFirst();
    if (action == u"add")
        return runAccountAdd(context, std::move(arguments));
    if (action == u"edit")
        return runAccountEdit(context, std::move(arguments));
    if (action == u"archive" || action == u"unarchive")
        return runAccountArchive(context, std::move(arguments), action == u"archive");
    throw UsageError(kAccountUsage);
}

int runCategory(CommandContext& context, QStringList arguments)
{
    if (arguments.isEmpty() || arguments.first() != u"add")
        throw UsageError(
            QStringLiteral("Usage: category add PATH [--kind expense|income|transfer]"));
    arguments.removeFirst();
    return runCategoryAdd(context, std::move(arguments));
}

} // namespace tallyra::cli
