#include "services/ledger_document.h"

#include <algorithm>
#include <map>
#include <set>

#include <QRegularExpression>

#include "services/json_node.h"

namespace tallyra {

namespace {

QString quoted(const QString& text)
{
    return u'“' + text + u'”';
}
QString key(QStringView name)
{
    return u'"' + name.toString() + u'"';
}

const QRegularExpression& colorPattern()
{
    static const QRegularExpression pattern(QStringLiteral("^#[0-9A-Fa-f]{6}$"));
    return pattern;
}

const QRegularExpression& currencyPattern()
{
    static const QRegularExpression pattern(QStringLiteral("^[A-Z]{3}$"));
    return pattern;
}

const QRegularExpression& dayPattern()
{
    static const QRegularExpression pattern(QStringLiteral("^\\d{4}-\\d{2}-\\d{2}$"));
    return pattern;
}

// The two time forms, "HH:mm" first; both also take a one-digit hour, as
// a date formatter reading them does.
std::optional<QTime> parseTime(const QString& text)
{
    static const QRegularExpression clock24(QStringLiteral("^(\\d{1,2}):(\\d{2})$"));
    static const QRegularExpression clock12(QStringLiteral("^(\\d{1,2}):(\\d{2}) ([AaPp][Mm])$"));
    if (const auto m = clock24.match(text); m.hasMatch()) {
        const int hour = m.captured(1).toInt();
        const int minute = m.captured(2).toInt();
        if (hour <= 23 && minute <= 59)
            return QTime(hour, minute);
        return std::nullopt;
    }
    if (const auto m = clock12.match(text); m.hasMatch()) {
        const int hour = m.captured(1).toInt();
        const int minute = m.captured(2).toInt();
        if (hour < 1 || hour > 12 || minute > 59)
            return std::nullopt;
        const bool pm = m.captured(3).toUpper() == u"PM";
        return QTime(hour % 12 + (pm ? 12 : 0), minute);
    }
    return std::nullopt;
}

// The keys of one record, read with messages that name the file, the
// record and the key. Failures are thrown and become decode()'s result.
class Fields
{
public:
    Fields(const JsonNode& node, QString file, QString record)
        : m_node(node), m_file(std::move(file)), m_record(std::move(record))
    {
        if (!node.isObject())
            fail(QStringLiteral("a record must be an object, not %1")
                     .arg(JsonNode::typeName(node.type())));
    }

    [[noreturn]] void fail(const QString& problem) const
    {
        throw LedgerImportError::inRecord(m_file, m_record, problem);
    }

    // The member, or null when it is absent or JSON null.
    [[nodiscard]] const JsonNode* find(QStringView name) const
    {
        const JsonNode* node = m_node.member(name);
        return node != nullptr && !node->isNull() ? node : nullptr;
    }

    [[nodiscard]] const JsonNode& required(QStringView name) const
    {
        const JsonNode* node = find(name);
        if (node == nullptr)
            fail(key(name) + QStringLiteral(" is missing"));
        return *node;
    }

    void expectType(QStringView name, const JsonNode& node, JsonNode::Type type) const
    {
        if (node.type() != type)
            fail(key(name) + QStringLiteral(" must be %1, not %2")
                                 .arg(JsonNode::typeName(type), JsonNode::typeName(node.type())));
    }

    [[nodiscard]] std::optional<QString> optionalText(QStringView name) const
    {
        const JsonNode* node = find(name);
        if (node == nullptr)
            return std::nullopt;
        expectType(name, *node, JsonNode::Type::string);
        return node->text();
    }

    [[nodiscard]] QString text(QStringView name) const
    {
        const JsonNode& node = required(name);
        expectType(name, node, JsonNode::Type::string);
        return node.text();
    }

    // A required text that is not blank.
    [[nodiscard]] QString name(QStringView name) const
    {
        QString value = text(name);
        if (value.trimmed().isEmpty())
            fail(key(name) + QStringLiteral(" is empty"));
        return value;
    }

    [[nodiscard]] Decimal decimalOf(QStringView name, const JsonNode& node) const
    {
        if (!node.isNumber() && !node.isString())
            fail(key(name) +
                 QStringLiteral(" must be a number, not %1").arg(JsonNode::typeName(node.type())));
        const auto value = Decimal::parse(node.text().trimmed());
        if (!value)
            fail(key(name) + QStringLiteral(" is not a number: %1").arg(quoted(node.text())));
        return *value;
    }

    [[nodiscard]] Decimal decimal(QStringView name) const
    {
        return decimalOf(name, required(name));
    }

    [[nodiscard]] std::optional<Decimal> optionalDecimal(QStringView name) const
    {
        const JsonNode* node = find(name);
        if (node == nullptr)
            return std::nullopt;
        return decimalOf(name, *node);
    }

    [[nodiscard]] std::int64_t integer(QStringView name) const
    {
        const Decimal value = decimal(name);
        const auto whole = value.toInt64();
        if (!whole)
            fail(key(name) + QStringLiteral(" must be a whole number"));
        return *whole;
    }

    [[nodiscard]] QDate dayOf(QStringView name, const QString& text) const
    {
        const QDate day = QDate::fromString(text, Qt::ISODate);
        if (!dayPattern().match(text).hasMatch() || !day.isValid())
            fail(key(name) +
                 QStringLiteral(" must be a day as YYYY-MM-DD, not %1").arg(quoted(text)));
        return day;
    }

    [[nodiscard]] QDate day(QStringView name) const { return dayOf(name, text(name)); }

    [[nodiscard]] std::optional<QDate> optionalDay(QStringView name) const
    {
        const auto value = optionalText(name);
        if (!value || value->isEmpty())
            return std::nullopt;
        return dayOf(name, *value);
    }

    [[nodiscard]] bool boolean(QStringView name, bool fallback) const
    {
        const JsonNode* node = find(name);
        if (node == nullptr)
            return fallback;
        expectType(name, *node, JsonNode::Type::boolean);
        return node->boolean();
    }

    [[nodiscard]] QStringList textList(QStringView name) const
    {
        const JsonNode* node = find(name);
        if (node == nullptr)
            return {};
        expectType(name, *node, JsonNode::Type::array);
        QStringList list;
        for (const JsonNode& item : node->items()) {
            if (!item.isString())
                fail(key(name) + QStringLiteral(" must hold only texts, not %1")
                                     .arg(JsonNode::typeName(item.type())));
            list.append(item.text());
        }
        return list;
    }

    [[nodiscard]] std::optional<QString> color(QStringView name) const
    {
        auto value = optionalText(name);
        if (value && !colorPattern().match(*value).hasMatch())
            fail(key(name) +
                 QStringLiteral(" must be a colour as #RRGGBB, not %1").arg(quoted(*value)));
        return value;
    }

    [[nodiscard]] std::optional<QString> emoji() const
    {
        auto value = optionalText(u"emoji");
        if (value && value->isEmpty())
            return std::nullopt;
        return value;
    }

    // Refuses a member whose key is not one of `known`: a misspelt key
    // would otherwise be dropped without a word.
    void allowOnly(std::initializer_list<QStringView> known) const
    {
        for (const JsonNode::Member& member : m_node.members())
            if (std::find(known.begin(), known.end(), QStringView(member.first)) == known.end())
                fail(key(member.first) + QStringLiteral(" is not a key the import knows"));
    }

    [[nodiscard]] std::optional<std::int64_t> optionalDayOfMonth(QStringView name) const
    {
        if (find(name) == nullptr)
            return std::nullopt;
        const std::int64_t day = integer(name);
        if (day < 1 || day > 31)
            fail(key(name) + QStringLiteral(" must be a day of the month from 1 to 31"));
        return day;
    }

    [[nodiscard]] const QString& file() const noexcept { return m_file; }
    [[nodiscard]] const QString& record() const noexcept { return m_record; }

private:
    const JsonNode& m_node;
    QString m_file;
    QString m_record;
};

JsonNode parseFile(const QString& file, const QByteArray& bytes)
{
    auto parsed = JsonNode::parse(bytes);
    if (!parsed)
        throw LedgerImportError::inFile(
            file, QStringLiteral("not readable as JSON (%1)").arg(parsed.error().describe()));
    return std::move(parsed).value();
}

const std::vector<JsonNode>& recordsOf(const QString& file, const JsonNode& root)
{
    if (!root.isArray())
        throw LedgerImportError::inFile(
            file, QStringLiteral("the file must hold an array of records, not %1")
                      .arg(JsonNode::typeName(root.type())));
    return root.items();
}

std::vector<AccountDTO> decodeAccounts(const QByteArray& bytes)
{
    const QString file = QString::fromUtf16(LedgerFiles::kAccountsFile);
    const JsonNode root = parseFile(file, bytes);
    std::vector<AccountDTO> accounts;
    std::set<QString> names;
    const auto& records = recordsOf(file, root);
    for (size_t i = 0; i < records.size(); ++i) {
        const Fields f(records[i], file, recordName(i));
        f.allowOnly({u"name", u"group", u"detail", u"color", u"sfSymbol", u"balance", u"currency",
                     u"checkpoints", u"kind", u"archived", u"creditLimit", u"statementDay",
                     u"paymentDueDay", u"interestRate"});
        AccountDTO a;
        a.name = f.name(u"name");
        if (!names.insert(a.name).second)
            f.fail(QStringLiteral("another account already has the name %1").arg(quoted(a.name)));
        if (const auto kind = f.optionalText(u"kind")) {
            a.kind = enumFromRaw<AccountKind>(*kind);
            if (!a.kind)
                f.fail(key(u"kind") + QStringLiteral(" must be an account kind such as checking "
                                                     "or creditCard, not %1")
                                          .arg(quoted(*kind)));
        }
        a.group = a.kind && !f.find(u"group") ? rawValue(group(*a.kind)) : f.text(u"group");
        if (!enumFromRaw<AccountGroup>(a.group))
            f.fail(key(u"group") +
                   QStringLiteral(" must be bank, cash, savings, credit or investments, not %1")
                       .arg(quoted(a.group)));
        a.detail = f.optionalText(u"detail").value_or(QString());
        a.color = f.color(u"color");
        a.sfSymbol = f.optionalText(u"sfSymbol");
        if (a.sfSymbol && a.sfSymbol->isEmpty())
            a.sfSymbol.reset();
        a.balance = f.decimal(u"balance");
        a.currency = f.optionalText(u"currency");
        if (a.currency && !currencyPattern().match(*a.currency).hasMatch())
            f.fail(key(u"currency") + QStringLiteral(" must be a currency code such as UAH, not %1")
                                          .arg(quoted(*a.currency)));
        a.archived = f.boolean(u"archived", false);
        a.creditLimit = f.optionalDecimal(u"creditLimit");
        if (a.creditLimit && a.creditLimit->isNegative())
            f.fail(key(u"creditLimit") + QStringLiteral(" may not be negative"));
        a.statementDay = f.optionalDayOfMonth(u"statementDay");
        a.paymentDueDay = f.optionalDayOfMonth(u"paymentDueDay");
        if (const auto rate = f.optionalDecimal(u"interestRate")) {
            a.interestRateBP = (*rate * Decimal(100)).toInt64();
            if (rate->isNegative() || !a.interestRateBP)
                f.fail(key(u"interestRate") +
                       QStringLiteral(" must be a percentage with at most two decimals"));
        }
        if (const JsonNode* checkpoints = f.find(u"checkpoints")) {
            f.expectType(u"checkpoints", *checkpoints, JsonNode::Type::array);
            std::set<QDate> days;
            for (size_t c = 0; c < checkpoints->items().size(); ++c) {
                const JsonNode& item = checkpoints->items()[c];
                const Fields cf(item, file,
                                f.record() + QStringLiteral(", checkpoint %1").arg(c + 1));
                cf.allowOnly({u"date", u"balance"});
                AccountDTO::Checkpoint checkpoint{cf.day(u"date"), cf.decimal(u"balance")};
                if (!days.insert(checkpoint.date).second)
                    cf.fail(QStringLiteral("another checkpoint is on the same day"));
                a.checkpoints.push_back(checkpoint);
            }
        }
        accounts.push_back(std::move(a));
    }
    return accounts;
}

std::vector<CategoryDTO> decodeCategories(const QByteArray& bytes)
{
    const QString file = QString::fromUtf16(LedgerFiles::kCategoriesFile);
    const JsonNode root = parseFile(file, bytes);
    const auto& records = recordsOf(file, root);
    std::vector<CategoryDTO> categories;
    std::map<QString, size_t> byPath;
    for (size_t i = 0; i < records.size(); ++i) {
        const Fields f(records[i], file, recordName(i));
        f.allowOnly({u"path", u"name", u"color", u"parent", u"level", u"kind", u"icon"});
        CategoryDTO c;
        c.path = f.name(u"path");
        c.name = f.name(u"name");
        if (c.name.contains(u'/'))
            f.fail(key(u"name") +
                   QStringLiteral(" may not contain “/”, which separates the names of a path"));
        c.color = f.color(u"color");
        c.parent = f.optionalText(u"parent");
        if (c.parent && c.parent->isEmpty())
            c.parent.reset();
        const std::int64_t level = f.integer(u"level");
        if (level < 1 || level > 4)
            f.fail(key(u"level") +
                   QStringLiteral(" must be 1 to 4 (categories are at most four levels deep)"));
        c.level = static_cast<int>(level);
        const QString expectedPath = c.parent ? *c.parent + u'/' + c.name : c.name;
        if (c.path != expectedPath)
            f.fail(key(u"path") +
                   QStringLiteral(" must be %1: the parent’s path and the name joined by “/”")
                       .arg(quoted(expectedPath)));
        if (const auto kind = f.optionalText(u"kind")) {
            c.kind = enumFromRaw<CategoryKind>(*kind);
            if (!c.kind)
                f.fail(key(u"kind") + QStringLiteral(" must be expense, income or transfer, not %1")
                                          .arg(quoted(*kind)));
        }
        if (const JsonNode* icon = f.find(u"icon")) {
            const Fields iconFields(*icon, file, f.record() + QStringLiteral(", icon"));
            iconFields.allowOnly({u"kind", u"sfSymbol", u"emoji"});
            c.icon = CategoryDTO::Icon{iconFields.optionalText(u"kind").value_or(QString()),
                                       iconFields.optionalText(u"sfSymbol"),
                                       iconFields.optionalText(u"emoji")};
        }
        if (!byPath.emplace(c.path, i).second)
            f.fail(QStringLiteral("another category already has the path %1").arg(quoted(c.path)));
        categories.push_back(std::move(c));
    }
    // Parents may be listed after their children, so they are checked once
    // every path is known.
    for (size_t i = 0; i < categories.size(); ++i) {
        const CategoryDTO& c = categories[i];
        const int parentLevel = [&] {
            if (!c.parent)
                return 0;
            const auto parent = byPath.find(*c.parent);
            if (parent == byPath.end())
                throw LedgerImportError::inRecord(
                    file, recordName(i),
                    key(u"parent") +
                        QStringLiteral(" names no category: %1").arg(quoted(*c.parent)));
            return categories[parent->second].level;
        }();
        if (c.level != parentLevel + 1)
            throw LedgerImportError::inRecord(
                file, recordName(i),
                key(u"level") +
                    QStringLiteral(" must be %1, one below its parent").arg(parentLevel + 1));
    }
    return categories;
}

std::vector<TransactionDTO> decodeTransactions(const QByteArray& bytes)
{
    const QString file = QString::fromUtf16(LedgerFiles::kTransactionsFile);
    const JsonNode root = parseFile(file, bytes);
    const auto& records = recordsOf(file, root);
    std::vector<TransactionDTO> transactions;
    transactions.reserve(records.size());
    std::set<std::int64_t> ids;
    for (size_t i = 0; i < records.size(); ++i) {
        QString record = recordName(i);
        if (const JsonNode* id = records[i].member(u"id"); id != nullptr && id->isNumber())
            record += QStringLiteral(" (id %1)").arg(id->text());
        const Fields f(records[i], file, record);
        f.allowOnly({u"id", u"date", u"time", u"kind", u"payee", u"account", u"amount", u"category",
                     u"toAccount", u"toAmount", u"note", u"tags", u"cleared"});
        TransactionDTO t;
        if (f.find(u"id") != nullptr) {
            t.id = f.integer(u"id");
            if (!ids.insert(*t.id).second)
                f.fail(QStringLiteral("another transaction already has this id"));
        }
        t.date = f.day(u"date");
        if (const auto time = f.optionalText(u"time"); time && !time->isEmpty()) {
            t.time = parseTime(*time);
            if (!t.time)
                f.fail(key(u"time") + QStringLiteral(" must be a time as HH:mm or h:mm AM, not %1")
                                          .arg(quoted(*time)));
        }
        const QString kind = f.text(u"kind");
        const auto entryKind = enumFromRaw<EntryKind>(kind);
        if (!entryKind)
            f.fail(
                key(u"kind") +
                QStringLiteral(" must be expense, income or transfer, not %1").arg(quoted(kind)));
        t.kind = *entryKind;
        t.payee = f.optionalText(u"payee").value_or(QString());
        t.account = f.name(u"account");
        t.amount = f.decimal(u"amount");
        if (!(t.amount > Decimal(0)))
            f.fail(
                key(u"amount") +
                QStringLiteral(" must be greater than 0 (the kind says which way the money went)"));
        t.category = f.optionalText(u"category");
        if (t.category && t.category->isEmpty())
            t.category.reset();
        t.toAccount = f.optionalText(u"toAccount");
        if (t.toAccount && t.toAccount->isEmpty())
            t.toAccount.reset();
        t.toAmount = f.optionalDecimal(u"toAmount");
        if (t.kind == EntryKind::transfer && !t.toAccount)
            f.fail(QStringLiteral("a transfer needs %1").arg(key(u"toAccount")));
        if (t.kind != EntryKind::transfer && (t.toAccount || t.toAmount))
            f.fail(QStringLiteral("%1 and %2 belong to transfers only")
                       .arg(key(u"toAccount"), key(u"toAmount")));
        if (t.toAmount && !(*t.toAmount > Decimal(0)))
            f.fail(key(u"toAmount") + QStringLiteral(" must be greater than 0"));
        t.note = f.optionalText(u"note").value_or(QString());
        for (const QString& tag : f.textList(u"tags")) {
            if (tag.contains(u'\n') || tag.contains(u'\r'))
                f.fail(key(u"tags") + QStringLiteral(" may not contain line breaks"));
            if (!tag.isEmpty())
                t.tags.append(tag);
        }
        t.cleared = f.boolean(u"cleared", true);
        transactions.push_back(std::move(t));
    }
    return transactions;
}

PlansDTO decodePlans(const QByteArray& bytes)
{
    PlansDTO plans;
    if (bytes.isEmpty())
        return plans;
    const QString file = QString::fromUtf16(LedgerFiles::kPlansFile);
    const JsonNode root = parseFile(file, bytes);
    if (!root.isObject())
        throw LedgerImportError::inFile(file,
                                        QStringLiteral("the file must hold one object, not %1")
                                            .arg(JsonNode::typeName(root.type())));
    for (const JsonNode::Member& member : root.members())
        if (member.first != u"budgets" && member.first != u"savingGoals" &&
            member.first != u"balanceGoals" && member.first != u"challenges")
            throw LedgerImportError::inFile(
                file, key(member.first) + QStringLiteral(" is not a key the import knows"));
    auto each = [&](QStringView list, auto&& read) {
        const JsonNode* node = root.member(list);
        if (node == nullptr || node->isNull())
            return;
        if (!node->isArray())
            throw LedgerImportError::inFile(file,
                                            key(list) + QStringLiteral(" must be an array, not %1")
                                                            .arg(JsonNode::typeName(node->type())));
        for (size_t i = 0; i < node->items().size(); ++i)
            read(Fields(node->items()[i], file,
                        list.toString() + QStringLiteral(", ") + recordName(i)));
    };
    each(u"budgets", [&](const Fields& f) {
        f.allowOnly({u"name", u"emoji", u"limit", u"categories"});
        BudgetDTO b;
        b.name = f.name(u"name");
        b.emoji = f.emoji();
        b.limit = f.decimal(u"limit");
        if (!(b.limit > Decimal(0)))
            f.fail(key(u"limit") + QStringLiteral(" must be greater than 0"));
        b.categories = f.textList(u"categories");
        if (b.categories.isEmpty())
            f.fail(key(u"categories") + QStringLiteral(" names no category"));
        plans.budgets.push_back(std::move(b));
    });
    each(u"savingGoals", [&](const Fields& f) {
        f.allowOnly({u"name", u"emoji", u"saved", u"target", u"monthly", u"deadline", u"account"});
        SavingDTO s;
        s.name = f.name(u"name");
        s.emoji = f.emoji();
        s.saved = f.decimal(u"saved");
        s.target = f.decimal(u"target");
        s.monthly = f.decimal(u"monthly");
        for (const auto& [name, value] :
             {std::pair{u"saved", s.saved}, {u"target", s.target}, {u"monthly", s.monthly}})
            if (value.isNegative())
                f.fail(key(name) + QStringLiteral(" may not be negative"));
        if (!(s.target > Decimal(0)))
            f.fail(key(u"target") + QStringLiteral(" must be greater than 0"));
        s.deadline = f.optionalDay(u"deadline");
        s.account = f.optionalText(u"account");
        if (s.account && s.account->isEmpty())
            s.account.reset();
        plans.savingGoals.push_back(std::move(s));
    });
    each(u"balanceGoals", [&](const Fields& f) {
        f.allowOnly({u"name", u"mode", u"emoji", u"deadline", u"accounts", u"amount"});
        BalanceDTO b;
        b.name = f.name(u"name");
        const QString mode = f.text(u"mode");
        const auto balanceMode = enumFromRaw<BalanceMode>(mode);
        if (!balanceMode)
            f.fail(key(u"mode") +
                   QStringLiteral(" must be reachBy or stayAbove, not %1").arg(quoted(mode)));
        b.mode = *balanceMode;
        b.emoji = f.emoji();
        b.deadline = f.optionalDay(u"deadline");
        const JsonNode& accounts = f.required(u"accounts");
        if (accounts.isString()) {
            if (accounts.text() != u"all")
                f.fail(key(u"accounts") +
                       QStringLiteral(" must be a list of account names or \"all\", not %1")
                           .arg(quoted(accounts.text())));
            b.allAccounts = true;
        } else {
            b.accounts = f.textList(u"accounts");
            if (b.accounts.isEmpty())
                f.fail(key(u"accounts") + QStringLiteral(" names no account"));
        }
        b.amount = f.decimal(u"amount");
        // Zero is a real target here: a card paid off, an overdraft cleared.
        if (b.amount.isNegative())
            f.fail(key(u"amount") + QStringLiteral(" may not be negative"));
        plans.balanceGoals.push_back(std::move(b));
    });
    each(u"challenges", [&](const Fields& f) {
        f.allowOnly({u"name", u"category", u"start", u"end", u"emoji"});
        ChallengeDTO c;
        c.name = f.name(u"name");
        c.category = f.name(u"category");
        c.start = f.day(u"start");
        c.end = f.day(u"end");
        if (c.end < c.start)
            f.fail(key(u"end") + QStringLiteral(" is before ") + key(u"start"));
        c.emoji = f.emoji();
        plans.challenges.push_back(std::move(c));
    });
    return plans;
}

} // namespace

QString recordName(size_t i)
{
    return QStringLiteral("record %1").arg(i + 1);
}

Result<LedgerDocument, LedgerImportError> LedgerDocument::decode(const LedgerFiles& files)
{
    try {
        LedgerDocument document;
        document.accounts = decodeAccounts(files.accounts);
        document.categories = decodeCategories(files.categories);
        document.transactions = decodeTransactions(files.transactions);
        document.plans = decodePlans(files.plans);
        return document;
    } catch (const LedgerImportError& error) {
        return fail(error);
    }
}

std::optional<QDate> LedgerDocument::newestTransactionDay() const
{
    std::optional<QDate> newest;
    for (const TransactionDTO& t : transactions)
        if (!newest || *newest < t.date)
            newest = t.date;
    return newest;
}

QString LedgerDocument::transactionRecordName(size_t i) const
{
    QString name = recordName(i);
    if (i < transactions.size() && transactions[i].id)
        name += QStringLiteral(" (id %1)").arg(*transactions[i].id);
    return name;
}

} // namespace tallyra
