#include "services/sample_importer.h"

#include <algorithm>
#include <cassert>
#include <map>
#include <optional>
#include <set>
#include <vector>

#include "model/account_kind.h"
#include "model/category_icon.h"
#include "model/goal_kind.h"
#include "money/currency.h"
#include "money/stable_id.h"
#include "periods/wall_clock.h"
#include "reports/balance_timeline.h"
#include "store/store_context.h"
#include "writing/entry_draft.h"

namespace tallyra {

namespace {

QString quoted(const QString& text)
{
    return u'“' + text + u'”';
}

// Where a record came from, for messages.
struct Where
{
    QString file;
    QString record;

    [[noreturn]] void fail(const QString& problem) const
    {
        throw LedgerImportError::inRecord(file, record, problem);
    }
};

// The decimal in minor units of the currency, exactly: a value with more
// decimal places than the currency has is refused rather than rounded.
std::int64_t minorUnits(const Decimal& value, const CurrencyCode& currency, const Where& where,
                        QStringView field)
{
    const int digits = Currency::minorDigits(currency);
    const Decimal scaled = value * Decimal::pow10(digits);
    const QString named = u'"' + field.toString() + QStringLiteral("\" ") + value.toString();
    if (scaled.rounded(0, Rounding::halfEven) != scaled)
        where.fail(
            named +
            QStringLiteral(" has more decimal places than %1 has (%2)").arg(currency).arg(digits));
    const auto minor = scaled.toInt64();
    if (!minor || *minor > kMoneyLimitMinor || *minor < -kMoneyLimitMinor)
        where.fail(named + QStringLiteral(" is larger than any amount the ledger can hold"));
    return *minor;
}

CategoryIcon iconOf(const std::optional<CategoryDTO::Icon>& icon)
{
    if (!icon)
        return CategoryIcon();
    if (icon->kind == u"symbol" && icon->sfSymbol && !icon->sfSymbol->isEmpty())
        return CategoryIcon::symbol(*icon->sfSymbol);
    if (icon->kind == u"emoji" && icon->emoji && !icon->emoji->isEmpty())
        return CategoryIcon::emoji(*icon->emoji);
    // A kind that can't be read (or a symbol or emoji without its text).
    return CategoryIcon();
}

struct PlannedTransaction
{
    TransactionModel model;
    size_t account = 0;
    std::optional<size_t> toAccount;
    std::optional<size_t> category;
};

struct PlannedCheckpoint
{
    BalanceCheckpointModel model;
    size_t account = 0;
};

struct PlannedGoal
{
    GoalModel model;
    std::vector<size_t> accounts;
    std::optional<size_t> category;
};

struct PlannedBudget
{
    BudgetModel model;
    std::vector<size_t> categories;
};

// One account's movements, for its opening balance.
struct Movement
{
    qint64 at = 0; // milliseconds since the epoch
    std::int64_t minor = 0;
};

class Importer
{
public:
    Importer(StoreContext& context, const QTimeZone& zone, const QString& scope,
             std::int64_t dayShift)
        : m_context(context), m_zone(zone), m_wallClock(zone), m_scope(scope), m_dayShift(dayShift),
          m_main(Currency::main())
    {
    }

    ImportSummary run(const LedgerDocument& document)
    {
        planAccounts(document);
        planCategories(document);
        planTransactions(document);
        planOpeningBalances(document);
        planPlans(document);
        // The ids are checked under the write lock the rows are written
        // with: a second import of the same ledger running at the same time
        // waits here and then finds the first one's ids.
        m_context.beginWrite();
        try {
            refuseKnownIds();
        } catch (...) {
            m_context.rollback();
            throw;
        }
        write();
        return ImportSummary{
            static_cast<int>(m_accounts.size()),     static_cast<int>(m_categories.size()),
            static_cast<int>(m_transactions.size()), static_cast<int>(m_checkpoints.size()),
            static_cast<int>(m_budgets.size()),      static_cast<int>(m_goals.size())};
    }

private:
    [[nodiscard]] QString nameSpace(QStringView kind) const
    {
        return m_scope + u'.' + kind.toString();
    }

    [[nodiscard]] QDate shifted(const QDate& day) const { return day.addDays(m_dayShift); }
    [[nodiscard]] QDateTime startOf(const QDate& day) const
    {
        return shifted(day).startOfDay(m_zone).toUTC();
    }
    // A day's balance holds from the start of the next day.
    [[nodiscard]] QDateTime endOf(const QDate& day) const { return startOf(day.addDays(1)); }
    [[nodiscard]] QDateTime instantOf(const TransactionDTO& t)
    {
        return m_wallClock.instant(shifted(t.date), t.time.value_or(QTime(12, 0)));
    }

    void planAccounts(const LedgerDocument& document)
    {
        const QString file = QString::fromUtf16(LedgerFiles::kAccountsFile);
        for (size_t i = 0; i < document.accounts.size(); ++i) {
            const AccountDTO& dto = document.accounts[i];
            AccountModel m;
            m.id = AccountId(StableID::make(nameSpace(u"account"), dto.name));
            m.name = dto.name;
            m.groupRaw = dto.group;
            m.detail = dto.detail;
            if (dto.color)
                m.colorHex = dto.color->toUpper();
            m.sfSymbol =
                dto.sfSymbol.value_or(symbol(accountKindFromStored(QString(), m.groupRaw, m.name)));
            m.currency = dto.currency.value_or(m_main);
            m.order = static_cast<std::int64_t>(i);
            const Where where{file, recordName(i)};
            // The writers' rules: a currency from the list, one account of
            // a name.
            if (!Currency::all().contains(m.currency))
                where.fail(QStringLiteral("\"currency\" %1 is not a currency the ledger knows")
                               .arg(quoted(m.currency)));
            for (const AccountModel& other : m_accounts)
                if (other.name.trimmed().compare(dto.name.trimmed(), Qt::CaseInsensitive) == 0)
                    where.fail(QStringLiteral("another account already has the name %1")
                                   .arg(quoted(dto.name)));
            applyAccountDetails(m, dto, where);
            m_accountByName.emplace(dto.name, i);
            m_accountWhere.push_back(Where{file, recordName(i)});
            m_accounts.push_back(std::move(m));
        }
        m_movements.resize(m_accounts.size());
    }

    // The optional keys of an account record: kind, archived and the
    // credit details.
    static void applyAccountDetails(AccountModel& m, const AccountDTO& dto, const Where& where)
    {
        if (dto.kind) {
            m.kindRaw = rawValue(*dto.kind);
            if (!dto.sfSymbol)
                m.sfSymbol = symbol(*dto.kind);
        }
        m.isArchived = dto.archived;
        if (dto.creditLimit)
            m.creditLimitMinor = minorUnits(*dto.creditLimit, m.currency, where, u"creditLimit");
        m.statementDay = dto.statementDay;
        m.paymentDueDay = dto.paymentDueDay;
        m.interestRateBP = dto.interestRateBP;
    }

    void planCategories(const LedgerDocument& document)
    {
        std::map<QString, size_t> byPath;
        for (size_t i = 0; i < document.categories.size(); ++i)
            byPath.emplace(document.categories[i].path, i);
        m_categories.resize(document.categories.size());
        m_categoryParent.resize(document.categories.size());
        // Parents before children, so that a child can take its parent's kind.
        std::vector<size_t> byLevel(document.categories.size());
        for (size_t i = 0; i < byLevel.size(); ++i)
            byLevel[i] = i;
        std::stable_sort(byLevel.begin(), byLevel.end(), [&](size_t a, size_t b) {
            return document.categories[a].level < document.categories[b].level;
        });
        for (const size_t i : byLevel) {
            const CategoryDTO& dto = document.categories[i];
            CategoryModel& m = m_categories[i];
            m.id = CategoryId(StableID::make(nameSpace(u"category"), dto.path));
            m.name = dto.name;
            std::optional<size_t> parent;
            if (dto.parent)
                parent = byPath.at(*dto.parent); // checked when the document was read
            CategoryKind kind = CategoryKind::expense;
            if (dto.kind)
                kind = *dto.kind;
            else if (parent)
                kind = m_categories[*parent].kind();
            m.kindRaw = rawValue(kind);
            if (dto.color)
                m.colorHex = dto.color->toUpper();
            m.setIcon(iconOf(dto.icon));
            m.order = static_cast<std::int64_t>(i);
            m_categoryParent[i] = parent;
        }
        for (size_t i = 0; i < document.categories.size(); ++i)
            m_categoryByName.emplace(document.categories[i].name, i); // the first of a name wins
        m_categoryByPath = std::move(byPath);
        m_categoryOrder = std::move(byLevel);
    }

    size_t accountNamed(const QString& name, const Where& where, QStringView field) const
    {
        const auto found = m_accountByName.find(name);
        if (found == m_accountByName.end())
            where.fail(u'"' + field.toString() + QStringLiteral("\" names no account: ") +
                       quoted(name));
        return found->second;
    }

    void planTransactions(const LedgerDocument& document)
    {
        const QString file = QString::fromUtf16(LedgerFiles::kTransactionsFile);
        m_transactions.reserve(document.transactions.size());
        for (size_t i = 0; i < document.transactions.size(); ++i) {
            const TransactionDTO& dto = document.transactions[i];
            const Where where{file, document.transactionRecordName(i)};
            PlannedTransaction planned;
            TransactionModel& m = planned.model;
            const QString key = dto.id ? QStringLiteral("id:%1").arg(*dto.id)
                                       : QStringLiteral("record:%1").arg(i + 1);
            m.id = EntryId(StableID::make(nameSpace(u"transaction"), key));
            m.date = instantOf(dto);
            m.hasTime = dto.time.has_value();
            m.kindRaw = rawValue(dto.kind);
            m.payee = dto.payee;
            m.note = dto.note;
            m.setTags(dto.tags);
            m.cleared = dto.cleared;
            planned.account = accountNamed(dto.account, where, u"account");
            const CurrencyCode& currency = m_accounts[planned.account].currency;
            m.amountMinor = minorUnits(dto.amount, currency, where, u"amount");
            if (dto.toAccount) {
                planned.toAccount = accountNamed(*dto.toAccount, where, u"toAccount");
                const CurrencyCode& toCurrency = m_accounts[*planned.toAccount].currency;
                if (dto.toAmount)
                    m.toAmountMinor = minorUnits(*dto.toAmount, toCurrency, where, u"toAmount");
                else if (toCurrency != currency)
                    where.fail(
                        QStringLiteral(
                            "a transfer from %1 to %2 needs \"toAmount\", what arrived in %2")
                            .arg(currency, toCurrency));
            }
            requireWritable(dto, planned, where);
            if (dto.category) {
                const auto found = m_categoryByPath.find(*dto.category);
                if (found == m_categoryByPath.end())
                    where.fail(QStringLiteral("\"category\" names no category path: ") +
                               quoted(*dto.category));
                planned.category = found->second;
            }
            recordMovements(planned);
            m_transactions.push_back(std::move(planned));
        }
    }

    // The rules the ledger writer applies to every add and edit, so that
    // nothing imported is refused the first time it is edited.
    void requireWritable(const TransactionDTO& dto, const PlannedTransaction& planned,
                         const Where& where) const
    {
        EntryDraft draft;
        draft.kind = dto.kind;
        draft.amount = dto.amount;
        draft.accountID = m_accounts[planned.account].id;
        if (planned.toAccount)
            draft.toAccountID = m_accounts[*planned.toAccount].id;
        draft.toAmount = dto.toAmount;
        const bool crossCurrency = planned.toAccount && m_accounts[*planned.toAccount].currency !=
                                                            m_accounts[planned.account].currency;
        if (const auto problem = draft.validate(crossCurrency))
            where.fail(EntryDraft::message(*problem));
    }

    // The transaction's effect on each account it touches, by the same rule
    // the balance timeline applies.
    void recordMovements(const PlannedTransaction& planned)
    {
        const TransactionModel& m = planned.model;
        Entry entry;
        entry.kind = m.kind();
        entry.amount = Money{m.amountMinor, m_accounts[planned.account].currency};
        entry.accountID = m_accounts[planned.account].id;
        if (planned.toAccount) {
            entry.toAccountID = m_accounts[*planned.toAccount].id;
            if (m.toAmountMinor)
                entry.toAmount = Money{*m.toAmountMinor, m_accounts[*planned.toAccount].currency};
        }
        const qint64 at = m.date.toMSecsSinceEpoch();
        m_movements[planned.account].push_back(Movement{at, effect(entry, *entry.accountID)});
        if (planned.toAccount && *planned.toAccount != planned.account)
            m_movements[*planned.toAccount].push_back(
                Movement{at, effect(entry, *entry.toAccountID)});
    }

    void planOpeningBalances(const LedgerDocument& document)
    {
        for (size_t a = 0; a < m_accounts.size(); ++a) {
            const AccountDTO& dto = document.accounts[a];
            AccountModel& account = m_accounts[a];
            const Where& where = m_accountWhere[a];
            const std::int64_t balance =
                minorUnits(dto.balance, account.currency, where, u"balance");
            const std::vector<Movement>& movements = m_movements[a];
            // Sums and the opening balance are exact or an error: a clamped
            // opening balance would make every balance of the account wrong.
            const auto tooLarge = [&] {
                where.fail(QStringLiteral("the opening balance of %1 that this needs is larger "
                                          "than any amount the ledger can hold")
                               .arg(quoted(account.name)));
            };
            const auto exactSum = [&](std::int64_t x, std::int64_t y) {
                std::int64_t sum = 0;
                if (__builtin_add_overflow(x, y, &sum))
                    tooLarge();
                return sum;
            };
            auto sumWhere = [&](auto&& keep) {
                std::int64_t sum = 0;
                for (const Movement& movement : movements)
                    if (keep(movement.at))
                        sum = exactSum(sum, movement.minor);
                return sum;
            };
            const auto opening = [&](std::int64_t known, std::int64_t moved) {
                std::int64_t result = 0;
                if (__builtin_sub_overflow(known, moved, &result) || result > kMoneyLimitMinor ||
                    result < -kMoneyLimitMinor)
                    tooLarge();
                return result;
            };
            if (dto.checkpoints.empty()) {
                account.openingBalanceMinor =
                    opening(balance, sumWhere([](qint64) { return true; }));
                continue;
            }
            std::vector<PlannedCheckpoint> checkpoints;
            for (size_t c = 0; c < dto.checkpoints.size(); ++c) {
                const AccountDTO::Checkpoint& checkpoint = dto.checkpoints[c];
                const Where at{where.file,
                               where.record + QStringLiteral(", checkpoint %1").arg(c + 1)};
                PlannedCheckpoint planned;
                planned.account = a;
                planned.model.id = CheckpointId(StableID::make(
                    nameSpace(u"checkpoint"),
                    QString(account.name + u'@' + checkpoint.date.toString(Qt::ISODate))));
                planned.model.date = endOf(checkpoint.date);
                planned.model.balanceMinor =
                    minorUnits(checkpoint.balance, account.currency, at, u"balance");
                checkpoints.push_back(std::move(planned));
            }
            std::stable_sort(checkpoints.begin(), checkpoints.end(),
                             [](const PlannedCheckpoint& x, const PlannedCheckpoint& y) {
                                 return x.model.date < y.model.date;
                             });
            const qint64 first = checkpoints.front().model.date.toMSecsSinceEpoch();
            const qint64 last = checkpoints.back().model.date.toMSecsSinceEpoch();
            account.openingBalanceMinor = opening(checkpoints.front().model.balanceMinor,
                                                  sumWhere([&](qint64 at) { return at < first; }));
            const std::int64_t end = exactSum(checkpoints.back().model.balanceMinor,
                                              sumWhere([&](qint64 at) { return at >= last; }));
            if (end != balance)
                where.fail(
                    QStringLiteral(
                        "\"balance\" %1 doesn’t match the last checkpoint plus the transactions "
                        "after it, which give %2")
                        .arg(dto.balance.toString(),
                             Decimal::fromMinor(end, Currency::minorDigits(account.currency))
                                 .toString()));
            for (PlannedCheckpoint& checkpoint : checkpoints)
                m_checkpoints.push_back(std::move(checkpoint));
        }
    }

    // A plan's category by its path ("Food/Groceries"), else by its name.
    size_t categoryNamed(const QString& name, const Where& where) const
    {
        if (const auto byPath = m_categoryByPath.find(name); byPath != m_categoryByPath.end())
            return byPath->second;
        const auto found = m_categoryByName.find(name);
        if (found == m_categoryByName.end())
            where.fail(QStringLiteral("no category has the name or path ") + quoted(name));
        return found->second;
    }

    void planPlans(const LedgerDocument& document)
    {
        const QString file = QString::fromUtf16(LedgerFiles::kPlansFile);
        const PlansDTO& plans = document.plans;
        auto where = [&](const char* list, size_t i) {
            return Where{file, QString::fromLatin1(list) + QStringLiteral(", ") + recordName(i)};
        };
        auto inMain = [&](const Decimal& value, const Where& at, QStringView field) {
            return minorUnits(value, m_main, at, field);
        };
        for (size_t i = 0; i < plans.budgets.size(); ++i) {
            const BudgetDTO& dto = plans.budgets[i];
            const Where at = where("budgets", i);
            PlannedBudget planned;
            planned.model.id = BudgetId(StableID::make(
                nameSpace(u"budget"), QString(QStringLiteral("%1/").arg(i + 1) + dto.name)));
            planned.model.name = dto.name;
            planned.model.emoji = dto.emoji;
            planned.model.limitMinor = inMain(dto.limit, at, u"limit");
            planned.model.order = static_cast<std::int64_t>(i);
            for (const QString& name : dto.categories) {
                const size_t category = categoryNamed(name, at);
                if (std::find(planned.categories.begin(), planned.categories.end(), category) ==
                    planned.categories.end())
                    planned.categories.push_back(category);
            }
            m_budgets.push_back(std::move(planned));
        }
        auto newGoal = [&](GoalKind kind, size_t i, const QString& name,
                           const std::optional<QString>& emoji) {
            PlannedGoal planned;
            planned.model.id = GoalId(
                StableID::make(nameSpace(u"goal"),
                               QString(rawValue(kind) + QStringLiteral("/%1/").arg(i + 1) + name)));
            planned.model.kindRaw = rawValue(kind);
            planned.model.name = name;
            planned.model.emoji = emoji;
            planned.model.order = static_cast<std::int64_t>(m_goals.size());
            return planned;
        };
        for (size_t i = 0; i < plans.savingGoals.size(); ++i) {
            const SavingDTO& dto = plans.savingGoals[i];
            const Where at = where("savingGoals", i);
            PlannedGoal planned = newGoal(GoalKind::saving, i, dto.name, dto.emoji);
            planned.model.assignedMinor = inMain(dto.saved, at, u"saved");
            planned.model.targetMinor = inMain(dto.target, at, u"target");
            planned.model.monthlyMinor = inMain(dto.monthly, at, u"monthly");
            if (dto.deadline)
                planned.model.deadline = startOf(*dto.deadline);
            if (dto.account)
                planned.accounts.push_back(accountNamed(*dto.account, at, u"account"));
            m_goals.push_back(std::move(planned));
        }
        for (size_t i = 0; i < plans.balanceGoals.size(); ++i) {
            const BalanceDTO& dto = plans.balanceGoals[i];
            const Where at = where("balanceGoals", i);
            PlannedGoal planned = newGoal(GoalKind::balance, i, dto.name, dto.emoji);
            planned.model.balanceModeRaw = rawValue(dto.mode);
            planned.model.targetMinor = inMain(dto.amount, at, u"amount");
            planned.model.allAccounts = dto.allAccounts;
            if (dto.deadline)
                planned.model.deadline = startOf(*dto.deadline);
            for (const QString& name : dto.accounts) {
                const size_t account = accountNamed(name, at, u"accounts");
                if (std::find(planned.accounts.begin(), planned.accounts.end(), account) ==
                    planned.accounts.end())
                    planned.accounts.push_back(account);
            }
            m_goals.push_back(std::move(planned));
        }
        for (size_t i = 0; i < plans.challenges.size(); ++i) {
            const ChallengeDTO& dto = plans.challenges[i];
            const Where at = where("challenges", i);
            PlannedGoal planned = newGoal(GoalKind::challenge, i, dto.name, dto.emoji);
            planned.category = categoryNamed(dto.category, at);
            planned.model.startDate = startOf(dto.start);
            planned.model.endDate = startOf(dto.end);
            m_goals.push_back(std::move(planned));
        }
    }

    // The same ledger imported a second time would give every object a
    // second copy under the same id, which the index can't tell apart.
    void refuseKnownIds()
    {
        std::set<QUuid> known;
        for (const AccountModel& m : m_context.fetch<AccountModel>())
            known.insert(m.id.uuid());
        for (const CategoryModel& m : m_context.fetch<CategoryModel>())
            known.insert(m.id.uuid());
        for (const BudgetModel& m : m_context.fetch<BudgetModel>())
            known.insert(m.id.uuid());
        for (const GoalModel& m : m_context.fetch<GoalModel>())
            known.insert(m.id.uuid());
        for (size_t i = 0; i < m_accounts.size(); ++i)
            if (known.contains(m_accounts[i].id.uuid()))
                m_accountWhere[i].fail(
                    QStringLiteral("the account %1 is in the database already; this ledger "
                                   "was imported before")
                        .arg(quoted(m_accounts[i].name)));
        for (size_t i = 0; i < m_categories.size(); ++i)
            if (known.contains(m_categories[i].id.uuid()))
                Where{QString::fromUtf16(LedgerFiles::kCategoriesFile), recordName(i)}.fail(
                    QStringLiteral("the category %1 is in the database already; this ledger was "
                                   "imported before")
                        .arg(quoted(m_categories[i].name)));
        // Plans are checked too, for a ledger that holds nothing else.
        const QString plansFile = QString::fromUtf16(LedgerFiles::kPlansFile);
        for (const PlannedBudget& b : m_budgets)
            if (known.contains(b.model.id.uuid()))
                Where{plansFile, QStringLiteral("budgets")}.fail(
                    QStringLiteral(
                        "the budget %1 is in the database already; this ledger was imported before")
                        .arg(quoted(b.model.name)));
        for (const PlannedGoal& g : m_goals)
            if (known.contains(g.model.id.uuid()))
                Where{plansFile, QStringLiteral("goals")}.fail(
                    QStringLiteral(
                        "the goal %1 is in the database already; this ledger was imported before")
                        .arg(quoted(g.model.name)));
    }

    void write()
    {
        assert(!m_context.hasChanges());
        try {
            // One unit of work without a savepoint per row, and the
            // transaction indexes built once after the rows.
            StoreContext::Batch batch(m_context, {QByteArrayLiteral("TransactionModel")});
            for (AccountModel& m : m_accounts)
                m_context.insert(m);
            for (const size_t i : m_categoryOrder) {
                CategoryModel& m = m_categories[i];
                if (m_categoryParent[i])
                    m.parent = m_categories[*m_categoryParent[i]].objectID;
                m_context.insert(m);
            }
            for (PlannedTransaction& t : m_transactions) {
                t.model.account = m_accounts[t.account].objectID;
                if (t.toAccount)
                    t.model.toAccount = m_accounts[*t.toAccount].objectID;
                if (t.category)
                    t.model.category = m_categories[*t.category].objectID;
                m_context.insert(t.model);
            }
            for (PlannedCheckpoint& c : m_checkpoints) {
                c.model.account = m_accounts[c.account].objectID;
                m_context.insert(c.model);
            }
            for (PlannedBudget& b : m_budgets) {
                for (const size_t category : b.categories)
                    b.model.categories.append(m_categories[category].objectID);
                m_context.insert(b.model);
            }
            for (PlannedGoal& g : m_goals) {
                for (const size_t account : g.accounts)
                    g.model.accounts.append(m_accounts[account].objectID);
                if (g.category)
                    g.model.category = m_categories[*g.category].objectID;
                m_context.insert(g.model);
            }
            batch.finish();
            m_context.save();
        } catch (...) {
            m_context.rollback();
            throw;
        }
    }

    StoreContext& m_context;
    QTimeZone m_zone;
    WallClock m_wallClock;
    QString m_scope;
    std::int64_t m_dayShift;
    CurrencyCode m_main;

    std::vector<AccountModel> m_accounts;
    std::vector<Where> m_accountWhere;
    std::map<QString, size_t> m_accountByName;
    std::vector<std::vector<Movement>> m_movements;
    std::vector<CategoryModel> m_categories;
    std::vector<std::optional<size_t>> m_categoryParent;
    std::vector<size_t> m_categoryOrder; // parents first
    std::map<QString, size_t> m_categoryByPath;
    std::map<QString, size_t> m_categoryByName;
    std::vector<PlannedTransaction> m_transactions;
    std::vector<PlannedCheckpoint> m_checkpoints;
    std::vector<PlannedBudget> m_budgets;
    std::vector<PlannedGoal> m_goals;
};

} // namespace

SampleImporter::SampleImporter(StoreContext& context, QTimeZone zone)
    : m_context(context), m_zone(std::move(zone))
{
}

void SampleImporter::setIdScope(QString scope)
{
    assert(!scope.contains(u':'));
    m_scope = std::move(scope);
}

void SampleImporter::setDayShift(std::int64_t days)
{
    m_dayShift = days;
}

ImportSummary SampleImporter::run(const LedgerDocument& document)
{
    return Importer(m_context, m_zone, m_scope, m_dayShift).run(document);
}

} // namespace tallyra
