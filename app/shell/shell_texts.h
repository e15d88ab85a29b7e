#pragma once

// The window's fixed texts that speak about the platform, in this
// platform's words: the data is one database on this computer, shortcuts
// use Ctrl, Shift and Alt, and nothing is synced to a cloud. Every text is
// a key of the string table (context "ShellTexts"), translated when called.
//
// Thread safety: pure; any thread (texts in the application's language).

#include <QList>
#include <QString>

namespace tallyra::app::ShellTexts {

struct Feature
{
    QString title;
    QString body;
};

// "Welcome to Tallyra".
[[nodiscard]] QString welcomeTitle();
// The four features of the welcome sheet, in order.
[[nodiscard]] QList<Feature> welcomeFeatures();
[[nodiscard]] QString welcomeContinue();
// The first-run view of an empty ledger.
[[nodiscard]] QString firstRunIntro();
[[nodiscard]] Feature addAccountStep();
[[nodiscard]] Feature recordTransactionStep();

// Help texts that name a shortcut.
[[nodiscard]] QString undoHint();           // "You can undo this with Ctrl+Z."
[[nodiscard]] QString newTransactionHelp(); // "New Transaction (Ctrl+N)"
[[nodiscard]] QString addAccountHelp();     // "Add Account (Ctrl+Shift+N)"
[[nodiscard]] QString previousPeriodHelp(); // "Previous Period (Ctrl+[)"
[[nodiscard]] QString nextPeriodHelp();     // "Next Period (Ctrl+])"
[[nodiscard]] QString hideBalancesHelp();
[[nodiscard]] QString backUpHelp(bool sampleData);

} // namespace tallyra::app::ShellTexts
