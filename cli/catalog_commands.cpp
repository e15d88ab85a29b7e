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

int runAccountAdd(CommandContext& context, QStringList arguments)
{
    const auto kind = takeOption(arguments, QStringLiteral("--kind"));
    const auto currency = takeOption(arguments, QStringLiteral("--currency"));
    const auto balance = takeOption(arguments, QStringLiteral("--balance"));
    const std::optional<QDate> day = takeDay(arguments, QStringLiteral("--on"));
    if (arguments.size() != 1 || !kind || !currency)
        throw UsageError(QStringLiteral("Usage: account add NAME --kind KIND --currency CODE "
                                        "[--balance AMOUNT [--on YYYY-MM-DD]]"));
    if (day && !balance)
        throw UsageError(QStringLiteral("--on goes with --balance."));
    const QString code = currency->toUpper();
    if (!Currency::all().contains(code))
        throw UsageError(QStringLiteral("--currency expects a currency code such as UAH, not “%1”.")
                             .arg(*currency));

    WriteSession session(context.options);
    AccountDraft draft;
    draft.name = arguments.first();
    draft.kind = parseAccountKind(*kind);
    draft.currency = code;
    if (balance)
        draft.balanceToday = session.amount(*balance);
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
    const Decimal balance = session.amount(arguments.at(1));
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
    if (arguments.isEmpty() || arguments.first() != u"add")
        throw UsageError(QStringLiteral("Usage: account add NAME --kind KIND --currency CODE "
                                        "[--balance AMOUNT [--on YYYY-MM-DD]]"));
    arguments.removeFirst();
    return runAccountAdd(context, std::move(arguments));
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
