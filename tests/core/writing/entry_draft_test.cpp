#include "writing/entry_draft.h"

#include <ostream>

#include <gtest/gtest.h>

#include "support/ledger_builder.h"
#include "writing/ledger_writer.h"

using namespace tallyra;
using namespace tallyra::testing;

namespace {

QString q(const char* text)
{
    return QString::fromUtf8(text);
}
Decimal d(const char* text)
{
    return *Decimal::parse(q(text));
}

const AccountId kCard = accountId(1);
const AccountId kCash = accountId(2);

struct ValidationCase
{
    const char* name;
    EntryKind kind;
    Decimal amount;
    std::optional<AccountId> account;
    std::optional<AccountId> destination;
    std::optional<Decimal> received;
    bool crossCurrency;
    std::optional<EntryDraft::Problem> expected;
};

void PrintTo(const ValidationCase& row, std::ostream* os)
{
    *os << row.name;
}

class EntryDraftValidation : public ::testing::TestWithParam<ValidationCase>
{
};

TEST_P(EntryDraftValidation, firstFailingStepDecides)
{
    const ValidationCase& c = GetParam();
    EntryDraft draft = EntryDraft::make(utc(2025, 3, 7), c.account);
    draft.kind = c.kind;
    draft.amount = c.amount;
    draft.toAccountID = c.destination;
    draft.toAmount = c.received;
    EXPECT_EQ(draft.validate(c.crossCurrency), c.expected);
}

using P = EntryDraft::Problem;
constexpr EntryKind kExpense = EntryKind::expense;
constexpr EntryKind kIncome = EntryKind::income;
constexpr EntryKind kTransfer = EntryKind::transfer;

INSTANTIATE_TEST_SUITE_P(
    Table, EntryDraftValidation,
    ::testing::Values(
        ValidationCase{"zero", kExpense, Decimal(0), kCard, {}, {}, false, P::noAmount},
        ValidationCase{"negative", kExpense, d("-5"), kCard, {}, {}, false, P::noAmount},
        ValidationCase{"notANumber", kExpense, Decimal::nan(), kCard, {}, {}, false, P::noAmount},
        ValidationCase{"amountBeforeAccount", kExpense, Decimal(0), {}, {}, {}, false, P::noAmount},
        ValidationCase{
            "largestAccepted", kExpense, d("999999999999"), kCard, {}, {}, false, std::nullopt},
        ValidationCase{
            "oneCentTooLarge", kExpense, d("999999999999.01"), kCard, {}, {}, false, P::tooLarge},
        ValidationCase{"leftoverReceivedTooLarge",
                       kExpense,
                       d("10"),
                       kCard,
                       {},
                       d("1e15"),
                       false,
                       P::tooLarge},
        ValidationCase{
            "receivedAtLimit", kIncome, d("10"), kCard, {}, d("999999999999"), false, std::nullopt},
        ValidationCase{
            "tooLargeBeforeNoAccount", kExpense, d("1e12"), {}, {}, {}, false, P::tooLarge},
        ValidationCase{"noAccount", kIncome, d("1"), {}, {}, {}, false, P::noAccount},
        ValidationCase{
            "expenseNeedsNoCategory", kExpense, d("0.01"), kCard, {}, {}, false, std::nullopt},
        ValidationCase{
            "expenseIgnoresDestination", kExpense, d("1"), kCard, kCard, {}, true, std::nullopt},
        ValidationCase{"noDestination", kTransfer, d("1"), kCard, {}, {}, false, P::noDestination},
        ValidationCase{"sameAccount", kTransfer, d("1"), kCard, kCard, {}, false, P::sameAccount},
        ValidationCase{"oneCurrency", kTransfer, d("1"), kCard, kCash, {}, false, std::nullopt},
        ValidationCase{"oneCurrencyIgnoresReceived", kTransfer, d("1"), kCard, kCash, Decimal(0),
                       false, std::nullopt},
        ValidationCase{
            "crossWithoutReceived", kTransfer, d("1"), kCard, kCash, {}, true, P::noReceived},
        ValidationCase{"crossReceivedZero", kTransfer, d("1"), kCard, kCash, Decimal(0), true,
                       P::noReceived},
        ValidationCase{"crossReceivedNaN", kTransfer, d("1"), kCard, kCash, Decimal::nan(), true,
                       P::noReceived},
        ValidationCase{"crossReceivedNegative", kTransfer, d("1"), kCard, kCash, d("-2"), true,
                       P::noReceived},
        ValidationCase{"crossWithReceived", kTransfer, d("1"), kCard, kCash, d("0.03"), true,
                       std::nullopt}),
    [](const ::testing::TestParamInfo<ValidationCase>& row) {
        return std::string(row.param.name);
    });

TEST(EntryDraft, newDraftHasTheDefaults)
{
    const QDateTime date = utc(2025, 3, 7, 8, 15);
    const EntryDraft draft = EntryDraft::make(date, kCard);
    EXPECT_EQ(draft.kind, EntryKind::expense);
    EXPECT_EQ(draft.amount, Decimal(0));
    EXPECT_EQ(draft.date, date);
    EXPECT_TRUE(draft.hasTime);
    EXPECT_EQ(draft.accountID, kCard);
    EXPECT_FALSE(draft.toAccountID || draft.toAmount || draft.categoryID || draft.contactName ||
                 draft.contactIdentifier);
    EXPECT_TRUE(draft.payee.isEmpty() && draft.note.isEmpty() && draft.tags.isEmpty());
    EXPECT_TRUE(draft.cleared);
    EXPECT_EQ(draft.validate(false), P::noAmount) << "valid only once an amount is set";
    EntryDraft withAmount = draft;
    withAmount.amount = d("0.01");
    EXPECT_EQ(withAmount.validate(false), std::nullopt);
    withAmount.accountID.reset();
    EXPECT_EQ(withAmount.validate(false), P::noAccount);
}

TEST(EntryDraft, messagesOfEveryWriteError)
{
    using Code = LedgerWriter::WriteError::Code;
    const std::pair<LedgerWriter::WriteError, const char*> cases[] = {
        {LedgerWriter::WriteError::invalid(P::noAmount), "Enter an amount."},
        {LedgerWriter::WriteError::invalid(P::noAccount), "Choose an account."},
        {LedgerWriter::WriteError::invalid(P::noDestination), "Choose where the money goes."},
        {LedgerWriter::WriteError::invalid(P::sameAccount), "Pick two different accounts."},
        {LedgerWriter::WriteError::invalid(P::tooLarge), "The amount is too large."},
        {LedgerWriter::WriteError::invalid(P::noReceived), "Enter how much arrived."},
        {LedgerWriter::WriteError::notFound(),
         "The transaction no longer exists \u2014 it may have been deleted on another device."},
        {LedgerWriter::WriteError::accountDeleted(), "The account was deleted."},
    };
    for (const auto& [error, message] : cases)
        EXPECT_EQ(error.userMessage(), q(message));
    EXPECT_EQ(LedgerWriter::WriteError::notFound().code(), Code::notFound);
    EXPECT_EQ(LedgerWriter::WriteError::invalid(P::sameAccount).problem(), P::sameAccount);
}

TEST(EntryDraft, draftOfAnEntryUsesEachCurrencysMinorDigits)
{
    Entry entry;
    entry.id = EntryId::random();
    entry.kind = EntryKind::transfer;
    entry.date = utc(2025, 3, 1, 9, 0);
    entry.hasTime = false;
    entry.amount = Money{1500, q("JPY")};
    entry.toAmount = Money{12345, q("KWD")};
    entry.accountID = kCard;
    entry.toAccountID = kCash;
    entry.categoryID = categoryId(3);
    entry.payee = q("Shop");
    entry.texts.setNote(q("note"));
    entry.texts.setTags({q("a"), q("b")});
    entry.cleared = false;
    entry.texts.setContactName(q("Olena"));
    entry.texts.setContactIdentifier(q("abc"));

    const EntryDraft draft = EntryDraft::of(entry);
    EXPECT_EQ(draft.amount, Decimal(1500));
    EXPECT_EQ(draft.toAmount, d("12.345"));
    EXPECT_EQ(draft.kind, EntryKind::transfer);
    EXPECT_EQ(draft.date, entry.date);
    EXPECT_FALSE(draft.hasTime);
    EXPECT_EQ(draft.toAccountID, kCash);
    EXPECT_EQ(draft.categoryID, categoryId(3));
    EXPECT_EQ(draft.tags, entry.tags());
    EXPECT_FALSE(draft.cleared);
    EXPECT_EQ(draft.contactIdentifier, q("abc"));

    entry.amount = Money{1250, q("UAH")};
    entry.toAmount.reset();
    EXPECT_EQ(EntryDraft::of(entry).amount, d("12.5"));
    EXPECT_FALSE(EntryDraft::of(entry).toAmount);
}

TEST(EntryDraft, parseTagsSplitsTrimsAndKeepsOrderAndDuplicates)
{
    EXPECT_EQ(EntryDraft::parseTags(q("food, , travel ,food")),
              (QStringList{q("food"), q("travel"), q("food")}));
    EXPECT_EQ(EntryDraft::parseTags(q(",,  ,")), QStringList());
    EXPECT_EQ(EntryDraft::parseTags(q(" one tag ")), QStringList{q("one tag")});
}

TEST(EntryDraft, suggestedCategoryTakesTheMatchNearestTheEnd)
{
    LedgerBuilder b;
    const AccountId card = b.account(q("Card"), q("UAH"));
    const auto withContact = [&](EntryKind kind, std::optional<int> category, const char* name,
                                 const char* identifier) {
        Entry& e = b.entry(kind, card, 100, utc(2025, 3, 1));
        if (category)
            e.categoryID = categoryId(*category);
        if (name)
            e.texts.setContactName(q(name));
        if (identifier)
            e.texts.setContactIdentifier(q(identifier));
    };
    withContact(EntryKind::expense, 1, "Olena", "id-1");
    withContact(EntryKind::expense, 2, "olena", nullptr);
    withContact(EntryKind::income, 3, "Olena", "id-1");
    withContact(EntryKind::expense, std::nullopt, "Olena", "id-1");
    withContact(EntryKind::expense, 4, "Taras", "id-2");
    const std::vector<Entry>& entries = b.records().entries;

    EXPECT_EQ(EntryDraft::suggestedCategory(q("  OLENA "), QString(), EntryKind::expense, entries),
              categoryId(2));
    EXPECT_EQ(EntryDraft::suggestedCategory(q("Olena"), QString(), EntryKind::income, entries),
              categoryId(3));
    EXPECT_EQ(EntryDraft::suggestedCategory(QString(), q("id-2"), EntryKind::expense, entries),
              categoryId(4));
    EXPECT_EQ(EntryDraft::suggestedCategory(q("Someone"), q("id-1"), EntryKind::expense, entries),
              categoryId(1));
    EXPECT_EQ(EntryDraft::suggestedCategory(q("Nobody"), q("id-9"), EntryKind::expense, entries),
              std::nullopt);
    EXPECT_EQ(EntryDraft::suggestedCategory(q("  "), QString(), EntryKind::expense, entries),
              std::nullopt);
    EXPECT_EQ(EntryDraft::suggestedCategory(q("Olena"), QString(), EntryKind::transfer, entries),
              std::nullopt);
}

TEST(EntryDraft, resavingFillsAMissingReceivedAmount)
{
    LedgerBuilder b;
    const AccountId uah = b.account(q("Hryvnia"), q("UAH"));
    const AccountId uah2 = b.account(q("Cash"), q("UAH"));
    const AccountId usd = b.account(q("Dollars"), q("USD"));
    const AccountId eur = b.account(q("Euro"), q("EUR"));
    const AccountId xau = b.account(q("Gold"), q("XAU"));
    FXRates rates = FXRates::empty(q("UAH"));
    rates.perUnit[q("USD")] = d("41.0");
    rates.perUnit[q("EUR")] = d("44.0");
    const Entry sameCurrency = b.transfer(uah, uah2, 12550, utc(2025, 3, 1));
    const Entry usdToEur = b.transfer(usd, eur, 10000, utc(2025, 3, 1));
    const Entry uahToUsd = b.transfer(uah, usd, 10000, utc(2025, 3, 1));
    const Entry noRate = b.transfer(usd, xau, 10000, utc(2025, 3, 1));
    const Entry filled = b.transfer(usd, eur, 10000, utc(2025, 3, 1), 9000);
    Entry zeroSameCurrency = b.transfer(uah, uah2, 0, utc(2025, 3, 1));
    const Entry expense = b.expense(uah, 500, utc(2025, 3, 1));
    Entry gone = b.transfer(uah, accountId(99), 500, utc(2025, 3, 1));
    const LedgerIndex ledger = b.build(rates);

    EXPECT_EQ(EntryDraft::resaving(sameCurrency, ledger)->toAmount, d("125.5"));
    EXPECT_EQ(EntryDraft::resaving(usdToEur, ledger)->toAmount, d("93.18"));
    EXPECT_EQ(EntryDraft::resaving(uahToUsd, ledger)->toAmount, d("2.44"));
    EXPECT_EQ(EntryDraft::resaving(noRate, ledger), std::nullopt);
    EXPECT_EQ(EntryDraft::resaving(filled, ledger)->toAmount, d("90"));
    EXPECT_EQ(EntryDraft::resaving(zeroSameCurrency, ledger), std::nullopt);
    EXPECT_EQ(EntryDraft::resaving(expense, ledger), EntryDraft::of(expense));
    EXPECT_EQ(EntryDraft::resaving(gone, ledger), EntryDraft::of(gone));

    FXRates zero = rates;
    zero.perUnit[q("EUR")] = Decimal(0);
    EXPECT_EQ(EntryDraft::resaving(usdToEur, b.build(zero)), std::nullopt);
}

} // namespace
