#include <map>

#include <QTest>

#include "model/account_kind.h"
#include "reports/ledger_index.h"
#include "sheets/account/account_sheet_model.h"
#include "sheets/account/set_balances_model.h"
#include "shell/app_writers.h"
#include "ui_test_registry.h"
#include "window_fixture.h"
#include "writing/catalog_write_error.h"

using namespace tallyra;
using namespace tallyra::app;
using namespace tallyra::app::testing;

namespace {

const QLocale kInput(QLocale::English, QLocale::UnitedStates);

AccountSheetModel newAccount(WindowFixture& fixture)
{
    return AccountSheetModel(fixture.services->store().index().get(),
                             fixture.session->writers().catalog().accounts(), std::nullopt, kInput);
}

const Account* named(WindowFixture& fixture, const QString& name)
{
    for (const Account& account : fixture.services->store().index()->accounts())
        if (account.name == name)
            return &account;
    return nullptr;
}

} // namespace

class AccountSheetTest : public QObject
{
    Q_OBJECT

private slots:
    void refusalsComeBackAsMessagesAndWriteNothing_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("balance");
        QTest::addColumn<QString>("limit");
        QTest::addColumn<QString>("interest");
        QTest::addColumn<QString>("message");
        const int card = static_cast<int>(AccountKind::creditCard);
        const int cash = static_cast<int>(AccountKind::cash);
        QTest::newRow("blank name, from the writer")
            << q("   ") << cash << QString() << QString() << QString()
            << CatalogWriteError::message(CatalogWriteError::Code::emptyName);
        QTest::newRow("balance not a number") << q("Wallet") << cash << q("abc") << QString()
                                              << QString() << q("The balance isn’t a number.");
        QTest::newRow("negative limit") << q("Card") << card << QString() << q("-5") << QString()
                                        << q("The credit limit must be a positive amount.");
        QTest::newRow("interest past 1000%")
            << q("Card") << card << QString() << QString() << q("1000.5")
            << q("The interest rate must be a percentage between 0 and 1000.");
    }
    void refusalsComeBackAsMessagesAndWriteNothing()
    {
        QFETCH(QString, name);
        QFETCH(int, kind);
        QFETCH(QString, balance);
        QFETCH(QString, limit);
        QFETCH(QString, interest);
        QFETCH(QString, message);
        WindowFixture fixture;
        const size_t before = fixture.services->store().index()->accounts().size();
        AccountSheetModel model = newAccount(fixture);
        model.draft.name = name;
        model.draft.kind = static_cast<AccountKind>(kind);
        model.balanceText = balance;
        model.limitText = limit;
        model.interestText = interest;
        QCOMPARE(model.save(), std::optional(message));
        fixture.settle();
        QCOMPARE(fixture.services->store().index()->accounts().size(), before);
    }

    void detailsOfOtherKindsAreNotKept()
    {
        WindowFixture fixture;
        AccountSheetModel model = newAccount(fixture);
        model.draft.name = q("Jar");
        model.draft.kind = AccountKind::cash;
        // Typed while the kind was a card, then the kind changed.
        model.limitText = q("1000");
        model.statementDay = 5;
        model.balanceText = q("1,250.50");
        QVERIFY(model.hasChanges());
        QCOMPARE(model.save(), std::optional<QString>());
        fixture.settle();
        const Account* jar = named(fixture, q("Jar"));
        QVERIFY(jar);
        QVERIFY(!jar->creditLimit);
        QVERIFY(!jar->statementDay);
        QCOMPARE(fixture.services->store().index()->currentBalance(jar->id).minor, 125050);
    }

    void anAccountWithTransactionsKeepsItsCurrency()
    {
        WindowFixture fixture;
        const Account* cash = named(fixture, q("Cash"));
        AccountSheetModel model(fixture.services->store().index().get(),
                                fixture.session->writers().catalog().accounts(), cash->id, kInput);
        QVERIFY(!model.isNew());
        QVERIFY(model.currencyLocked());
        QVERIFY(!model.hasChanges());
        QCOMPARE(model.acceptText(), q("Save"));
    }
};

class SetBalancesTest : public QObject
{
    Q_OBJECT

private slots:
    void onlyChangedAccountsGetABalanceChangeInOneUndoStep()
    {
        WindowFixture fixture;
        const auto& index = fixture.services->store().index();
        SetBalancesModel model(index.get(), fixture.session->writers().catalog().accounts(),
                               fixture.session->display(), kInput);
        QVERIFY(model.rowCount() >= 3);
        QVERIFY(!model.hasChanges());
        std::map<AccountId, size_t> checkpointsBefore;
        for (const Account& account : index->activeAccounts())
            checkpointsBefore[account.id] = index->checkpoints(account.id).size();
        const auto idAt = [&](int row) {
            const QString name = model.data(model.index(row, 0), Qt::DisplayRole).toString();
            return named(fixture, name)->id;
        };
        const AccountId first = idAt(0);
        const AccountId second = idAt(1);
        const AccountId third = idAt(2);
        const QModelIndex field = model.index(0, SetBalancesModel::NewColumn);
        QVERIFY(model.setData(field, q("1000"), Qt::EditRole));
        QVERIFY(
            model.setData(model.index(1, SetBalancesModel::NewColumn), q("-20.5"), Qt::EditRole));
        // The third gets the balance it already has: no change.
        QVERIFY(model.setData(model.index(2, SetBalancesModel::NewColumn),
                              model.data(model.index(2, SetBalancesModel::NewColumn), Qt::EditRole),
                              Qt::EditRole));
        QVERIFY(model.hasChanges());
        QCOMPARE(model.save(), std::optional<QString>());
        fixture.settle();
        const auto& after = fixture.services->store().index();
        QCOMPARE(after->currentBalance(first).minor, 100000);
        QCOMPARE(after->currentBalance(second).minor, -2050);
        QCOMPARE(after->checkpoints(first).size(), checkpointsBefore[first] + 1);
        QCOMPARE(after->checkpoints(second).size(), checkpointsBefore[second] + 1);
        QCOMPARE(after->checkpoints(third).size(), checkpointsBefore[third]);

        fixture.session->writers().undoManager().undo();
        fixture.settle();
        for (const auto& [id, count] : checkpointsBefore)
            QCOMPARE(fixture.services->store().index()->checkpoints(id).size(), count);
    }

    void anUnreadableBalanceNamesItsAccount()
    {
        WindowFixture fixture;
        SetBalancesModel model(fixture.services->store().index().get(),
                               fixture.session->writers().catalog().accounts(),
                               fixture.session->display(), kInput);
        model.setData(model.index(0, SetBalancesModel::NewColumn), q("abc"), Qt::EditRole);
        const QString name = model.data(model.index(0, 0), Qt::DisplayRole).toString();
        QCOMPARE(model.save(), std::optional(q("The balance of %1 isn’t a number.").arg(name)));
    }
};

TALLYRA_UI_TEST(AccountSheetTest);
TALLYRA_UI_TEST(SetBalancesTest);
#include "account_sheet_test.moc"
