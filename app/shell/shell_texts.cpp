#include "shell_texts.h"

#include <QCoreApplication>

namespace tallyra::app::ShellTexts {

namespace {

QString translated(const char* text)
{
    return QCoreApplication::translate("ShellTexts", text);
}

} // namespace

QString welcomeTitle()
{
    return translated(QT_TRANSLATE_NOOP("ShellTexts", "Welcome to Tallyra"));
}

QList<Feature> welcomeFeatures()
{
    return {
        {translated(QT_TRANSLATE_NOOP("ShellTexts", "The Whole Picture")),
         translated(QT_TRANSLATE_NOOP("ShellTexts",
                                      "Net worth, income and spending for any period, "
                                      "next to the same days of the period before."))},
        {translated(QT_TRANSLATE_NOOP("ShellTexts", "Recorded in Seconds")),
         translated(QT_TRANSLATE_NOOP("ShellTexts", "Press Ctrl+N on any screen, type the amount, "
                                                    "pick a category and press Enter."))},
        {translated(QT_TRANSLATE_NOOP("ShellTexts", "Categories Your Way")),
         translated(QT_TRANSLATE_NOOP("ShellTexts", "Up to four levels, each with its color and an "
                                                    "emoji, a symbol or a picture of your own."))},
        {translated(QT_TRANSLATE_NOOP("ShellTexts", "Private by Design")),
         translated(QT_TRANSLATE_NOOP("ShellTexts", "Everything stays in one database on this "
                                                    "computer. No sign-up, no ads, no tracking."))},
    };
}

QString welcomeContinue()
{
    return translated(QT_TRANSLATE_NOOP("ShellTexts", "Continue"));
}

QString firstRunIntro()
{
    return translated(QT_TRANSLATE_NOOP(
        "ShellTexts", "Track what you earn and spend across all your accounts and currencies. Your "
                      "data lives in one database on this computer — there are no Tallyra servers "
                      "and no separate account."));
}

Feature addAccountStep()
{
    return {
        translated(QT_TRANSLATE_NOOP("ShellTexts", "Add an account")),
        translated(QT_TRANSLATE_NOOP(
            "ShellTexts", "A bank account, card, cash or savings — with what it holds today."))};
}

Feature recordTransactionStep()
{
    return {translated(QT_TRANSLATE_NOOP("ShellTexts", "Record a transaction")),
            translated(QT_TRANSLATE_NOOP("ShellTexts", "Expenses, income and transfers between "
                                                       "accounts. Ctrl+N works on every screen."))};
}

QString undoHint()
{
    return translated(QT_TRANSLATE_NOOP("ShellTexts", "You can undo this with Ctrl+Z."));
}

QString newTransactionHelp()
{
    return translated(QT_TRANSLATE_NOOP("ShellTexts", "New Transaction (Ctrl+N)"));
}

QString addAccountHelp()
{
    return translated(QT_TRANSLATE_NOOP("ShellTexts", "Add Account (Ctrl+Shift+N)"));
}

QString previousPeriodHelp()
{
    return translated(QT_TRANSLATE_NOOP("ShellTexts", "Previous Period (Ctrl+[)"));
}

QString nextPeriodHelp()
{
    return translated(QT_TRANSLATE_NOOP("ShellTexts", "Next Period (Ctrl+])"));
}

QString hideBalancesHelp()
{
    return translated(QT_TRANSLATE_NOOP("ShellTexts", "Net worth and account balances show as •••; "
                                                      "transactions stay readable (Ctrl+Shift+B)"));
}

QString backUpHelp(bool sampleData)
{
    return sampleData
               ? translated(QT_TRANSLATE_NOOP("ShellTexts", "Sample data isn’t kept in a file"))
               : translated(QT_TRANSLATE_NOOP(
                     "ShellTexts", "A copy of everything, receipts and pictures included"));
}

} // namespace tallyra::app::ShellTexts
