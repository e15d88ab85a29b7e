#include "screens/accounts/accounts_screen.h"

#include <QListView>
#include <QTest>

#include "display/money_display.h"
#include "model/account_kind.h"
#include "reports/ledger_index.h"
#include "screens/accounts/account_detail_view.h"
#include "screens/accounts/accounts_view_model.h"
#include "shell/app_model.h"
#include "shell/app_writers.h"
#include "ui_test_registry.h"
#include "window/main_window.h"
#include "window_fixture.h"

using namespace tallyra;
using namespace tallyra::app;
using namespace tallyra::app::testing;

namespace {

AccountsScreen* accountsOf(WindowFixture& fixture)
{
    auto* screen =
        qobject_cast<AccountsScreen*>(fixture.session->window().screen(Destination::accounts));
    Q_ASSERT(screen);
    return screen;
}

const Account& accountNamed(WindowFixture& fixture, const QString& name)
{
    for (const Account& account : fixture.services->store().index()->accounts())
        if (account.name == name)
            return account;
    qFatal("no account named %s", qPrintable(name));
}

// The section title above the account's row.
QString sectionOf(const AccountsViewModel& viewModel, const AccountId& id)
{
    QString section;
    for (const AccountRow& row : viewModel.rows()) {
        if (row.kind == AccountRow::Kind::section)
            section = row.title;
        else if (row.id == id)
            return section;
    }
    return {};
}

AccountDraft draftOf(const Account& account)
{
    AccountDraft draft;
    draft.name = account.name;
    draft.kind = account.kind;
    draft.detail = account.detail;
    draft.colorHex = account.colorHex;
    draft.sfSymbol = account.sfSymbol;
    draft.currency = account.currency;
    draft.creditLimit =
        account.creditLimit ? std::optional(account.creditLimit->decimal()) : std::nullopt;
    draft.statementDay = account.statementDay;
    draft.paymentDueDay = account.paymentDueDay;
    draft.interestRate = account.interestRate;
    return draft;
}

QString figure(const std::vector<AccountFigure>& figures, const QString& caption)
{
    for (const AccountFigure& f : figures)
        if (f.caption == caption)
            return f.value;
    return QStringLiteral("<none>");
}

} // namespace

class AccountsScreenTest : public QObject
{
    Q_OBJECT

private slots:
    void archivingMovesTheAccountToTheArchivedSectionAndUndoBringsItBack()
    {
        WindowFixture fixture;
        AccountsViewModel& viewModel = accountsOf(fixture)->viewModel();
        const AccountId cash = accountNamed(fixture, q("Cash")).id;
        QCOMPARE(sectionOf(viewModel, cash), q("Cash"));

        viewModel.setArchived(cash, true);
        fixture.settle();
        QCOMPARE(sectionOf(viewModel, cash), q("Archived"));
        // The archived section is always last.
        QCOMPARE(viewModel.rows().back().id, std::optional(cash));
        viewModel.select(cash);
        QCOMPARE(viewModel.archiveActionText(), q("Unarchive"));
        QVERIFY(viewModel.archivedNote().startsWith(q("Archived — not counted")));

        fixture.session->writers().undoManager().undo();
        fixture.settle();
        QCOMPARE(sectionOf(viewModel, cash), q("Cash"));
        QVERIFY(viewModel.archivedNote().isEmpty());
    }

    void accountsWithoutARateAreMarked()
    {
        // No rates are scripted: the dollar and euro accounts can't be
        // converted into the main currency.
        WindowFixture fixture;
        AccountsViewModel& viewModel = accountsOf(fixture)->viewModel();
        const auto rowOf = [&](const QString& name) {
            return viewModel.rows().at(
                static_cast<size_t>(viewModel.rowOf(accountNamed(fixture, name).id)));
        };
        QVERIFY(!rowOf(q("Cash")).hasNoRate);
        const AccountRow wise = rowOf(q("Wise USD"));
        QVERIFY(wise.hasNoRate);
        QCOMPARE(wise.noRateHelp,
                 q("Not counted in totals or net worth: no exchange rate for USD"));
        QVERIFY(wise.sentence().contains(wise.noRateHelp));
    }

    void selectionFallsBackToTheFirstAccount()
    {
        WindowFixture fixture;
        AccountsViewModel& viewModel = accountsOf(fixture)->viewModel();
        QVERIFY(viewModel.account());
        const AccountId first = *viewModel.rows().at(1).id;
        QCOMPARE(viewModel.account()->id, first);
        fixture.session->model().setAccountSelection(AccountId::random());
        QCOMPARE(viewModel.account()->id, first);
        const AccountId brokerage = accountNamed(fixture, q("Brokerage")).id;
        viewModel.select(brokerage);
        QCOMPARE(viewModel.account()->id, brokerage);
        // The list follows the model's selection.
        QCOMPARE(accountsOf(fixture)->list()->currentIndex().row(), viewModel.rowOf(brokerage));
    }

    void creditDaysSayTodayAndTomorrow_data()
    {
        QTest::addColumn<int>("statementDay");
        QTest::addColumn<int>("paymentDay");
        QTest::addColumn<QString>("statement");
        QTest::addColumn<QString>("payment");
        // Today is November 30.
        QTest::newRow("today and tomorrow") << 30 << 1 << q("Today") << q("Tomorrow");
        QTest::newRow("day 31 held to the 30th") << 31 << 2 << q("Today") << q("Dec 2");
        QTest::newRow("earlier day rolls into next month")
            << 15 << 29 << q("Dec 15") << q("Dec 29");
    }
    void creditDaysSayTodayAndTomorrow()
    {
        QFETCH(int, statementDay);
        QFETCH(int, paymentDay);
        QFETCH(QString, statement);
        QFETCH(QString, payment);
        WindowFixture fixture;
        AccountsViewModel& viewModel = accountsOf(fixture)->viewModel();
        const Account card = accountNamed(fixture, q("Credit Card"));
        QVERIFY(isCredit(card.kind));
        AccountDraft draft = draftOf(card);
        draft.kind = AccountKind::creditCard;
        draft.statementDay = statementDay;
        draft.paymentDueDay = paymentDay;
        draft.creditLimit = Decimal(50000);
        draft.interestRate = Decimal::parse(u"39.9");
        fixture.session->writers().catalog().accounts().editAccount(card.id, draft);
        fixture.settle();
        viewModel.select(card.id);
        QCOMPARE(figure(viewModel.creditFigures(), q("Statement")), statement);
        QCOMPARE(figure(viewModel.creditFigures(), q("Payment")), payment);
        QCOMPARE(figure(viewModel.creditFigures(), q("Interest")), q("39.9% APR"));
        QVERIFY(figure(viewModel.creditFigures(), q("Available")) != q("<none>"));
    }

    void accountsWithoutCreditHaveNoCreditSummary()
    {
        WindowFixture fixture;
        AccountsViewModel& viewModel = accountsOf(fixture)->viewModel();
        viewModel.select(accountNamed(fixture, q("Cash")).id);
        QVERIFY(viewModel.creditFigures().empty());
        QCOMPARE(viewModel.figures().size(), size_t(6));
    }

    void chartReadouts()
    {
        WindowFixture fixture;
        AccountsViewModel& viewModel = accountsOf(fixture)->viewModel();
        viewModel.select(accountNamed(fixture, q("Monobank Black")).id);
        const auto& points = viewModel.detail().points;
        QVERIFY(points.size() > 2);
        const int last = static_cast<int>(points.size()) - 1;
        QCOMPARE(viewModel.axisLabel(0), q("Start"));
        QCOMPARE(viewModel.axisLabel(last), q("Today"));
        QVERIFY(viewModel.pointReadout(last + 1).isEmpty());
        QVERIFY(viewModel.pointReadout(-1).isEmpty());
        // A range over one day says nothing; over two days it names both ends.
        QVERIFY(viewModel.rangeReadout(3, 3).isEmpty());
        const QString range = viewModel.rangeReadout(0, last);
        // The whole period's range moves by the period's change.
        const AccountDetail& detail = viewModel.detail();
        const QString change = fixture.session->display().signedAmount(
            detail.closing.minor - points.front().balance.minor, detail.closing.currency);
        QVERIFY2(range.contains(q(" – ")) && range.endsWith(q(": ") + change), qPrintable(range));
    }

    void hiddenBalancesMaskTheListButNotTheFlows()
    {
        WindowFixture fixture;
        AccountsViewModel& viewModel = accountsOf(fixture)->viewModel();
        fixture.session->model().setHidesBalances(true);
        for (const AccountRow& row : viewModel.rows())
            if (row.kind == AccountRow::Kind::account)
                QVERIFY2(row.balance.contains(QString::fromUtf16(MoneyDisplay::kMask)),
                         qPrintable(row.balance));
        QVERIFY(!figure(viewModel.figures(), q("Money out"))
                     .contains(QString::fromUtf16(MoneyDisplay::kMask)));
    }

    void anEmptyLedgerOffersToAddAnAccount()
    {
        WindowSetup setup;
        setup.sampleData = false;
        WindowFixture fixture(setup);
        AccountsScreen* screen = accountsOf(fixture);
        QVERIFY(screen->showsEmptyState());
        QVERIFY(!screen->viewModel().account());
        QVERIFY(!screen->toolbarActions().at(1)->isEnabled());
        screen->viewModel().addAccount();
        QVERIFY(fixture.session->model().editor());
        QVERIFY(std::holds_alternative<EditorRequest::Account>(
            fixture.session->model().editor()->sheet));
    }
};

TALLYRA_UI_TEST(AccountsScreenTest);
#include "accounts_screen_test.moc"
