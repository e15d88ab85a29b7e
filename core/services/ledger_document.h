#pragma once

// LedgerDocument: a ledger in the sample-data format, read from its four
// JSON files into plain records (the DTOs below, one per kind of record),
// checked for everything that can be checked without a store: types,
// required keys, dates, times, raw values, colours, currency codes and
// numbers. Names are resolved (and amounts fitted to their currencies) by
// SampleImporter.
//
// The format, per file (each file holds an array of records, except
// plans.json, which holds one object):
//   accounts.json      "name", "group" (an account group raw value), "detail",
//                      "color" ("#RRGGBB"), "sfSymbol", "balance" (what the
//                      account holds after all its transactions), and the
//                      optional "currency" (default: the main currency),
//                      "checkpoints" ([{"date": "YYYY-MM-DD", "balance": n}],
//                      each the balance at the end of that day), "kind" (an
//                      account kind raw value; default: inferred from the
//                      group and name; "group" may then be left out),
//                      "archived" (default false), "creditLimit" (in the
//                      account's currency), "statementDay" and
//                      "paymentDueDay" (1…31) and "interestRate" (percent,
//                      at most two decimals).
//   categories.json    "path" (the names from the top level down joined by
//                      "/"), "name", "color", "parent" (the parent's path;
//                      absent at the top level), "level" (1 at the top),
//                      "kind" (optional; default: the parent's kind, else
//                      "expense"), "icon" ({"kind", "sfSymbol", "emoji"}).
//   transactions.json  "id" (an integer, unique in the file; optional),
//                      "date" ("YYYY-MM-DD"), "time" ("HH:mm" or "h:mm AM";
//                      empty or absent: untimed), "kind", "payee", "account"
//                      (an account name), "amount" (positive), "category"
//                      (a category path), "toAccount" (transfers), and the
//                      optional "toAmount" (what arrived, in the destination's
//                      currency), "note", "tags" (array of texts) and
//                      "cleared" (default true).
//   plans.json         {"budgets": [{"name", "emoji", "limit", "categories":
//                      [category names or paths]}], "savingGoals": [{"name",
//                      "emoji", "saved", "target", "monthly", "deadline",
//                      "account" (the savings account holding it)}],
//                      "balanceGoals": [{"name", "mode", "emoji", "deadline",
//                      "accounts": [account names] or "all", "amount"}],
//                      "challenges": [{"name", "category" (a category name
//                      or path), "start", "end", "emoji"}]}; every list
//                      optional, and in a plan "emoji", "deadline" and a
//                      saving goal's "account". A budget needs a limit above
//                      0 and a category; a saving goal a target above 0; a
//                      balance goal an amount of 0 or more (0: a card paid
//                      off) and its accounts; a challenge its end on or
//                      after its start.
// A key a record may not have is refused, naming the key and the record.
// Amounts are JSON numbers (or texts holding a plain decimal) read exactly,
// never through floating point. Texts where the format expects a detail,
// colour, symbol, payee or note may be left out.
//
// Errors: decode() fails with a LedgerImportError naming the file and the
// first bad record, in the order accounts, categories, transactions, plans.
// Thread safety: a plain value; any thread.

#include <cstdint>
#include <optional>
#include <vector>

#include <QDate>
#include <QString>
#include <QStringList>
#include <QTime>

#include "base/result.h"
#include "model/account_group.h"
#include "model/account_kind.h"
#include "model/balance_mode.h"
#include "model/category_kind.h"
#include "model/entry_kind.h"
#include "money/decimal.h"
#include "money/money.h"
#include "services/ledger_files.h"
#include "services/ledger_import_error.h"

namespace tallyra {

struct AccountDTO
{
    struct Checkpoint
    {
        QDate date;
        Decimal balance;
    };

    QString name;
    QString group; // raw value, checked
    QString detail;
    std::optional<QString> color;
    std::optional<QString> sfSymbol;
    Decimal balance;
    std::optional<CurrencyCode> currency;
    std::vector<Checkpoint> checkpoints;
    std::optional<AccountKind> kind;
    bool archived = false;
    std::optional<Decimal> creditLimit;
    std::optional<std::int64_t> statementDay;
    std::optional<std::int64_t> paymentDueDay;
    std::optional<std::int64_t> interestRateBP; // percent × 100
};

struct CategoryDTO
{
    struct Icon
    {
        QString kind;
        std::optional<QString> sfSymbol;
        std::optional<QString> emoji;
    };

    QString path;
    QString name;
    std::optional<QString> color;
    std::optional<QString> parent;
    int level = 1;
    std::optional<CategoryKind> kind;
    std::optional<Icon> icon;
};

struct TransactionDTO
{
    std::optional<std::int64_t> id;
    QDate date;
    std::optional<QTime> time; // none: untimed
    EntryKind kind = EntryKind::expense;
    QString payee;
    QString account;
    Decimal amount;
    std::optional<QString> category;
    std::optional<QString> toAccount;
    std::optional<Decimal> toAmount;
    QString note;
    QStringList tags;
    bool cleared = true;
};

struct BudgetDTO
{
    QString name;
    std::optional<QString> emoji;
    Decimal limit;
    QStringList categories;
};

struct SavingDTO
{
    QString name;
    std::optional<QString> emoji;
    Decimal saved;
    Decimal target;
    Decimal monthly;
    std::optional<QDate> deadline;
    std::optional<QString> account; // the savings account, by name
};

struct BalanceDTO
{
    QString name;
    BalanceMode mode = BalanceMode::stayAbove;
    std::optional<QString> emoji;
    std::optional<QDate> deadline;
    bool allAccounts = false;
    QStringList accounts;
    Decimal amount;
};

struct ChallengeDTO
{
    QString name;
    QString category;
    QDate start;
    QDate end;
    std::optional<QString> emoji;
};

struct PlansDTO
{
    std::vector<BudgetDTO> budgets;
    std::vector<SavingDTO> savingGoals;
    std::vector<BalanceDTO> balanceGoals;
    std::vector<ChallengeDTO> challenges;
};

struct LedgerDocument
{
    std::vector<AccountDTO> accounts;
    std::vector<CategoryDTO> categories;
    std::vector<TransactionDTO> transactions;
    PlansDTO plans;

    [[nodiscard]] static Result<LedgerDocument, LedgerImportError> decode(const LedgerFiles& files);

    // The latest "date" among the transactions; none without transactions.
    [[nodiscard]] std::optional<QDate> newestTransactionDay() const;
    // How a message names transaction i (from 0): "record 12 (id 12)".
    [[nodiscard]] QString transactionRecordName(size_t i) const;
};

// "record 3": how messages name the i-th record (from 0) of a file.
[[nodiscard]] QString recordName(size_t i);

} // namespace tallyra
