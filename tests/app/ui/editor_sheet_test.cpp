#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "screens/transactions/transaction_list_model.h"
#include "screens/transactions/transactions_screen.h"
#include "screens/transactions/transactions_view_model.h"
#include "sheets/transaction_editor/transaction_editor_sheet.h"
#include "shell/app_commands.h"
#include "shell/app_model.h"
#include "shell/transaction_editor_model.h"
#include "ui_test_registry.h"
#include "widgets/toast.h"
#include "window/command_actions.h"
#include "window/main_window.h"
#include "window/sheet_host.h"
#include "window_fixture.h"

using namespace tallyra;
using namespace tallyra::app;
using namespace tallyra::app::testing;

namespace {

TransactionEditorSheet* openEditor(WindowFixture& fixture)
{
    fixture.session->actions().action(AppCommand::newTransaction)->trigger();
    return fixture.session->window().findChild<TransactionEditorSheet*>();
}

void type(QLineEdit* field, const QString& text)
{
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, text);
}

} // namespace

class EditorSheetTest : public QObject
{
    Q_OBJECT

private slots:
    void ctrlNFromSettingsOpensTheEditor()
    {
        WindowFixture fixture;
        fixture.settle();
        fixture.session->model().setDestination(Destination::settings);
        TransactionEditorSheet* sheet = openEditor(fixture);
        QVERIFY(sheet);
        QVERIFY(fixture.session->model().isComposingTransaction());
        QCOMPARE(sheet->windowTitle(), q("Add Expense"));
        QVERIFY(sheet->inlineMessage().isEmpty());
    }

    void aNewExpenseIsListedAndUndoRemovesIt()
    {
        WindowFixture fixture;
        fixture.settle();
        AppModel& app = fixture.session->model();
        app.setDestination(Destination::transactions);
        auto* screen = qobject_cast<TransactionsScreen*>(fixture.session->window().currentScreen());
        QVERIFY(QTest::qWaitFor([screen] { return !screen->isBusy(); }, 8000));
        const int before = screen->viewModel().list()->entryCount();

        TransactionEditorSheet* sheet = openEditor(fixture);
        QVERIFY(sheet);
        type(sheet->amountField(), q("12,50"));
        type(sheet->payeeField(), q("Corner Bakery"));
        QVERIFY(sheet->inlineMessage().isEmpty());
        QTest::keyClick(sheet->payeeField(), Qt::Key_Return);
        QVERIFY(!app.isComposingTransaction());
        fixture.settle();
        QVERIFY(QTest::qWaitFor(
            [&] { return screen->viewModel().list()->entryCount() == before + 1; }, 4000));
        TransactionListModel* list = screen->viewModel().list();
        QCOMPARE(list->rowModel(1)->title, q("Corner Bakery"));

        // Saving is one undo step, "Undo Add Transaction".
        QAction* undo = fixture.session->actions().undo();
        QVERIFY(undo->isEnabled());
        undo->trigger();
        fixture.settle();
        QVERIFY(QTest::qWaitFor([&] { return list->entryCount() == before; }, 4000));
    }

    void keepOpenClearsTheAmountAndKeepsTheCategory()
    {
        WindowFixture fixture;
        fixture.settle();
        AppModel& app = fixture.session->model();
        app.setKeepsEditorOpen(true);
        TransactionEditorSheet* sheet = openEditor(fixture);
        QVERIFY(sheet);
        QVERIFY(sheet->keepOpenBox()->isChecked());
        sheet->categoryField()->setCurrentIndex(2);
        emit sheet->categoryField()->activated(2);
        const auto category = sheet->model().draft().categoryID;
        QVERIFY(category);
        for (const char* amount : {"5", "7.25", "3"}) {
            type(sheet->amountField(), q(amount));
            sheet->save(false);
            QVERIFY(app.isComposingTransaction());
            QVERIFY(sheet->amountField()->text().isEmpty());
            QVERIFY(sheet->model().draft().categoryID == category);
            QVERIFY(sheet->amountField()->hasFocus() || !sheet->isActiveWindow());
        }
        // Ctrl+Return saves and closes even with the form kept open.
        type(sheet->amountField(), q("1"));
        QTest::keyClick(sheet->amountField(), Qt::Key_Return, Qt::ControlModifier);
        QVERIFY(!app.isComposingTransaction());
    }

    void aBadAmountKeepsSaveDisabledWithItsMessage()
    {
        WindowFixture fixture;
        fixture.settle();
        TransactionEditorSheet* sheet = openEditor(fixture);
        QVERIFY(sheet);
        type(sheet->amountField(), q("abc"));
        QCOMPARE(sheet->inlineMessage(), q("Enter an amount"));
        sheet->save(false);
        QVERIFY(fixture.session->model().isComposingTransaction());
        type(sheet->amountField(), q("10"));
        QVERIFY(sheet->inlineMessage().isEmpty());
    }
};

TALLYRA_UI_TEST(EditorSheetTest);

#include "editor_sheet_test.moc"
