#include "services/csv_export.h"

#include <limits>

#include <gtest/gtest.h>

#include "support/ledger_builder.h"

using namespace tallyra;
using namespace tallyra::testing;

namespace {

const QString kHeaderLine = QString::fromUtf16(CSVExport::kHeader) + u'\n';

QString exported(const LedgerBuilder& b, const char* zone = "UTC")
{
    return CSVExport::text(b.build(FXRates::empty(QStringLiteral("UAH"))),
                           QTimeZone(QByteArray(zone)));
}

QString onlyRow(const QString& csv)
{
    EXPECT_TRUE(csv.startsWith(kHeaderLine));
    return csv.mid(kHeaderLine.size());
}

TEST(CSVExport, emptyLedgerIsTheHeaderAndOneLineFeed)
{
    EXPECT_EQ(exported(LedgerBuilder()),
              QStringLiteral("Date,Time,Type,Amount,Currency,To Amount,To "
                             "Currency,Payee,Category,Account,To Account,"
                             "Note,Tags,Cleared\n"));
}

TEST(CSVExport, plainAmounts)
{
    struct Case
    {
        std::int64_t minor;
        const char* currency;
        const char* text;
    };
    for (const Case& c :
         {Case{1250, "USD", "12.5"}, Case{1200, "USD", "12"}, Case{5, "USD", "0.05"},
          Case{-5, "USD", "-0.05"}, Case{1500, "JPY", "1500"}, Case{1500, "KWD", "1.5"},
          Case{1, "KWD", "0.001"}, Case{0, "USD", "0"},
          Case{std::numeric_limits<std::int64_t>::min(), "JPY", "-9223372036854775808"}})
        EXPECT_EQ(CSVExport::plainAmount(Money{c.minor, QString::fromUtf8(c.currency)}),
                  QString::fromUtf8(c.text));
}

TEST(CSVExport, rowWithEveryColumn)
{
    LedgerBuilder b;
    const auto usd = b.account(QStringLiteral("Wallet"), QStringLiteral("USD"));
    const auto eur = b.account(QStringLiteral("Trip, EUR"), QStringLiteral("EUR"));
    const auto food = b.category(QStringLiteral("Food"));
    const auto out = b.category(QStringLiteral("Eating out"), food);
    Entry& e = b.transfer(usd, eur, 10000, utc(2026, 7, 1, 22, 30), 9150);
    e.categoryID = out;
    e.payee = QStringLiteral("=SUM(A1)");
    e.texts.setNote(QStringLiteral("said \"hi\"\nbye"));
    e.texts.setTags(QStringList{QStringLiteral("trip"), QStringLiteral("food")});
    e.cleared = true;
    EXPECT_EQ(onlyRow(exported(b, "Europe/Kyiv")),
              QStringLiteral(
                  "2026-07-02,01:30,transfer,100,USD,91.5,EUR,'=SUM(A1),Food / Eating out,Wallet,"
                  "\"Trip, EUR\",\"said \"\"hi\"\"\nbye\",trip;food,yes\n"));
}

TEST(CSVExport, guardsOnlyTheTextCells)
{
    LedgerBuilder b;
    const auto acc = b.account(QStringLiteral("@home"), QStringLiteral("UAH"));
    Entry& e = b.expense(acc, -250, utc(2026, 1, 1));
    e.hasTime = false;
    e.texts.setNote(QStringLiteral("-minus"));
    e.payee = QStringLiteral("+plus");
    e.texts.setTags(QStringList{QStringLiteral("a,b")});
    EXPECT_EQ(
        onlyRow(exported(b)),
        QStringLiteral("2026-01-01,,expense,-2.5,UAH,,,'+plus,,'@home,,'-minus,\"a,b\",no\n"));
}

TEST(CSVExport, missingAccountAndTransferWithoutReceivedAmount)
{
    LedgerBuilder b;
    const auto a = b.account(QStringLiteral("A"), QStringLiteral("UAH"));
    const auto c = b.account(QStringLiteral("C"), QStringLiteral("UAH"));
    b.transfer(a, c, 100, utc(2026, 1, 2));
    Entry& orphan = b.expense(a, 1, utc(2026, 1, 3));
    orphan.accountID = accountId(99);
    orphan.categoryID = categoryId(99);
    const QString csv = exported(b);
    EXPECT_TRUE(csv.contains(QStringLiteral("2026-01-02,12:00,transfer,1,UAH,,,,,A,C,,,no\n")));
    EXPECT_TRUE(csv.contains(QStringLiteral("2026-01-03,12:00,expense,0.01,UAH,,,,,,,,,no\n")));
    EXPECT_TRUE(csv.endsWith(u'\n'));
    EXPECT_FALSE(csv.contains(u'\r'));
}

TEST(CSVExport, datesFollowTheTimeZone)
{
    LedgerBuilder b;
    b.expense(b.account(QStringLiteral("A"), QStringLiteral("UAH")), 100, utc(2026, 3, 1, 23, 15));
    EXPECT_TRUE(onlyRow(exported(b, "UTC")).startsWith(QStringLiteral("2026-03-01,23:15,")));
    EXPECT_TRUE(
        onlyRow(exported(b, "Europe/Kyiv")).startsWith(QStringLiteral("2026-03-02,01:15,")));
    EXPECT_TRUE(
        onlyRow(exported(b, "America/New_York")).startsWith(QStringLiteral("2026-03-01,18:15,")));
}

} // namespace
