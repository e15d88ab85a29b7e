#include <QJsonArray>
#include <QJsonObject>
#include <QSet>

#include "periods/wall_clock.h"
#include "store/record_builders.h"
#include "write_commands.h"
#include "write_support.h"
#include "writing/ledger_writer.h"

namespace tallyra::cli {

namespace {

struct EntryOptions
{
    std::optional<QString> kind;
    std::optional<QString> amount;
    std::optional<QString> account;
    std::optional<QString> to;
    std::optional<QString> received;
    std::optional<QString> category;
    std::optional<QString> payee;
    std::optional<QString> note;
    std::optional<QString> tags;
    std::optional<QDate> date;
    std::optional<QTime> time;
    bool cleared = false;
    bool uncleared = false;
};

EntryOptions takeEntryOptions(QStringList& arguments, bool forEdit)
{
    EntryOptions o;
    if (forEdit) {
        o.kind = takeOption(arguments, QStringLiteral("--kind"));
        o.amount = takeOption(arguments, QStringLiteral("--amount"));
        o.cleared = takeFlag(arguments, QStringLiteral("--cleared"));
    }
    o.account = takeOption(arguments, QStringLiteral("--account"));
    o.to = takeOption(arguments, QStringLiteral("--to"));
    o.received = takeOption(arguments, QStringLiteral("--received"));
    o.category = takeOption(arguments, QStringLiteral("--category"));
    o.payee = takeOption(arguments, QStringLiteral("--payee"));
    o.note = takeOption(arguments, QStringLiteral("--note"));
    o.tags = takeOption(arguments, QStringLiteral("--tags"));
    if (const auto date = takeOption(arguments, QStringLiteral("--date")))
        o.date = parseDay(*date, QStringLiteral("--date"));
    if (const auto time = takeOption(arguments, QStringLiteral("--time")))
        o.time = parseTime(*time, QStringLiteral("--time"));
    o.uncleared = takeFlag(arguments, QStringLiteral("--uncleared"));
    if (o.cleared && o.uncleared)
        throw UsageError(QStringLiteral("Give either --cleared or --uncleared."));
    return o;
}

// The draft's date after --date and --time: a time sets the time of day
// (on the given day, or the transaction's own); a day alone makes a new
// transaction one without a time of day, and moves an edited one to that
// day keeping whatever time of day it had.
void applyDate(EntryDraft& draft, const EntryOptions& o, const WriteSession& session, bool editing)
{
    if (!o.date && !o.time)
        return;
    const QDateTime local = draft.date.toTimeZone(session.zone());
    const QDate day = o.date.value_or(local.date());
    WallClock clock(session.zone());
    if (o.time) {
        draft.date = clock.instant(day, *o.time);
        draft.hasTime = true;
    } else if (editing && draft.hasTime) {
        draft.date = clock.instant(day, local.time());
    } else {
        draft.date = day.startOfDay(session.zone()).toUTC();
        draft.hasTime = false;
    }
}

void applyOptions(EntryDraft& draft, const EntryOptions& o, const WriteSession& session,
                  bool editing)
{
    if (o.kind)
        draft.kind = parseEntryKind(*o.kind);
    if (o.account)
        draft.accountID = session.account(*o.account).id;
    if (o.to)
        draft.toAccountID = session.account(*o.to).id;
    // Amounts after the accounts: each is read with its account's digits.
    if (o.amount)
        draft.amount = session.amount(*o.amount, session.currencyOf(draft.accountID));
    if (o.received)
        draft.toAmount = session.amount(*o.received, session.currencyOf(draft.toAccountID));
    if (o.category)
        draft.categoryID =
            o.category->isEmpty() ? std::nullopt : std::optional(session.category(*o.category).id);
    if (o.payee)
        draft.payee = *o.payee;
    if (o.note)
        draft.note = *o.note;
    if (o.tags)
        draft.tags = EntryDraft::parseTags(*o.tags);
    if (o.cleared)
        draft.cleared = true;
    if (o.uncleared)
        draft.cleared = false;
    applyDate(draft, o, session, editing);
}

QString describe(const WriteSession& session, const EntryId& id)
{
    const auto t = session.context().fetchFirst(Predicate<TransactionModel>::idEquals(id));
    if (!t)
        return id.toString();
    const auto account =
        t->account ? session.context().object<AccountModel>(*t->account) : std::nullopt;
    const auto to =
        t->toAccount ? session.context().object<AccountModel>(*t->toAccount) : std::nullopt;
    const auto category =
        t->category ? session.context().object<CategoryModel>(*t->category) : std::nullopt;
    QString text = rawValue(t->kind()) + u' ' +
                   moneyText(t->amountMinor, account ? account->currency : QString());
    if (account)
        text += QStringLiteral(" from ") + account->name;
    if (to)
        text += QStringLiteral(" to ") + to->name +
                (t->toAmountMinor
                     ? QStringLiteral(" (") + moneyText(*t->toAmountMinor, to->currency) + u')'
                     : QString());
    text += QStringLiteral(" on ") +
            (t->hasTime ? session.localText(t->date).left(16)
                        : t->date.toTimeZone(session.zone()).date().toString(Qt::ISODate));
    if (category)
        text += QStringLiteral(" in ") + session.pathOf(*category);
    return text + QStringLiteral(" (id ") + id.toString() + u')';
}

// The writer files a transaction without a category when the category is of
// another kind; say so rather than leave the user wondering.
void noteDroppedCategory(CommandContext& context, const WriteSession& session,
                         const EntryDraft& draft, const EntryId& id)
{
    if (!draft.categoryID)
        return;
    const auto stored = session.context().fetchFirst(Predicate<TransactionModel>::idEquals(id));
    if (stored && !stored->category)
        context.err << "Note: that category is not a category for " << rawValue(draft.kind)
                    << "s, so the transaction has no category.\n";
}

EntryId parseEntryID(const QString& text)
{
    const auto id = EntryId::fromString(text);
    if (!id)
        throw UsageError(QStringLiteral("“%1” is not a transaction id.").arg(text));
    return *id;
}

} // namespace

int runAdd(CommandContext& context, QStringList arguments)
{
    const EntryOptions options = takeEntryOptions(arguments, false);
    if (arguments.size() < 2)
        throw UsageError(
            QStringLiteral("Usage: add expense|income|transfer AMOUNT --account A [options]"));
    const EntryKind kind = parseEntryKind(arguments.takeFirst());
    const QString amount = arguments.takeFirst();
    expectNoMoreArguments(arguments);

    WriteSession session(context.options);
    EntryDraft draft = EntryDraft::make(session.now());
    draft.kind = kind;
    applyOptions(draft, options, session, false);
    draft.amount = session.amount(amount, session.currencyOf(draft.accountID));

    LedgerWriter writer(session.context(), session.zone());
    const EntryId id = writer.add(draft);
    noteDroppedCategory(context, session, draft, id);
    if (context.options.json)
        printJson(context.out, QJsonObject{{QStringLiteral("id"), id.toString()}});
    else
        context.out << "Added " << describe(session, id) << '\n';
    return 0;
}

int runEdit(CommandContext& context, QStringList arguments)
{
    const EntryOptions options = takeEntryOptions(arguments, true);
    if (arguments.size() != 1)
        throw UsageError(QStringLiteral("Usage: edit ID [options]"));
    const EntryId id = parseEntryID(arguments.first());

    WriteSession session(context.options);
    StoreContext& store = session.context();
    const auto stored = store.fetchFirst(Predicate<TransactionModel>::idEquals(id));
    if (!stored)
        throw LedgerWriter::WriteError::notFound();
    const RecordLinks links(store.fetch<AccountModel>(), store.fetch<CategoryModel>());
    EntryDraft draft = EntryDraft::of(makeEntry(*stored, links));
    applyOptions(draft, options, session, true);

    LedgerWriter writer(store, session.zone());
    writer.edit(id, draft);
    noteDroppedCategory(context, session, draft, id);
    if (context.options.json)
        printJson(context.out, QJsonObject{{QStringLiteral("id"), id.toString()}});
    else
        context.out << "Changed " << describe(session, id) << '\n';
    return 0;
}

int runDelete(CommandContext& context, QStringList arguments)
{
    if (arguments.isEmpty())
        throw UsageError(QStringLiteral("Usage: delete ID…"));
    QList<EntryId> ids;
    for (const QString& text : std::as_const(arguments))
        ids.append(parseEntryID(text));

    WriteSession session(context.options);
    QJsonArray deleted;
    QJsonArray missing;
    QSet<EntryId> present;
    for (const EntryId& id : std::as_const(ids)) {
        const bool exists = session.context().count(Predicate<TransactionModel>::idEquals(id)) > 0;
        if (exists && !present.contains(id))
            deleted.append(id.toString());
        else if (!exists)
            missing.append(id.toString());
        if (exists)
            present.insert(id);
    }
    if (present.isEmpty())
        throw LedgerWriter::WriteError::notFound();

    LedgerWriter writer(session.context(), session.zone());
    writer.remove(present);
    for (const QJsonValue id : std::as_const(missing))
        context.err << "No transaction " << id.toString() << "; skipped.\n";
    if (context.options.json)
        printJson(context.out, QJsonObject{{QStringLiteral("deleted"), deleted},
                                           {QStringLiteral("missing"), missing}});
    else
        context.out << "Deleted " << deleted.size()
                    << (deleted.size() == 1 ? " transaction.\n" : " transactions.\n");
    return 0;
}

} // namespace tallyra::cli
