#include "sheets/welcome/welcome_sheet.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "shell/app_commands.h"
#include "theme/theme.h"
#include "widgets/symbol_label.h"
#include "widgets/tone_label.h"
#include "window/command_actions.h"
#include "window/window_context.h"

namespace tallyra::app {

WelcomeSheet::WelcomeSheet(WindowContext& context, QWidget* parent) : Sheet(parent)
{
    setWindowTitle(tr("Welcome to Tallyra"));
    const QString newKey = context.actions.action(AppCommand::newTransaction)
                               ->shortcut()
                               .toString(QKeySequence::NativeText);
    struct Feature
    {
        const char* symbol;
        QString title;
        QString text;
    };
    const Feature features[] = {
        {"chart.bar", tr("The Whole Picture"),
         tr("Net worth, income and spending for any period, next to the same days of the period "
            "before.")},
        {"plus", tr("Recorded in Seconds"),
         tr("Press %1 on any screen, type the amount, pick a category and press Return.")
             .arg(newKey)},
        {"folder", tr("Categories Your Way"),
         tr("Up to four levels, each with its color and an emoji, a symbol or a picture of your "
            "own.")},
        {"lock.shield", tr("Private by Design"),
         tr("Everything stays in a local database on this computer. No sign-up, no ads, no "
            "tracking.")},
    };

    auto* icon = new QLabel;
    const int appIcon = fontMetrics().height() * 4;
    icon->setPixmap(QIcon(QStringLiteral(":/icons/tallyra.svg")).pixmap(appIcon, appIcon));
    icon->setAlignment(Qt::AlignCenter);
    auto* title = new QLabel(tr("Welcome to Tallyra"));
    title->setFont(Theme::scaled(font(), 1.7, QFont::DemiBold));
    title->setAlignment(Qt::AlignCenter);
    body()->addWidget(icon);
    body()->addWidget(title);
    body()->addSpacing(12);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(14);
    grid->setVerticalSpacing(2);
    QFont bold = font();
    bold.setBold(true);
    int row = 0;
    for (const Feature& feature : features) {
        auto* symbol = new SymbolLabel(QString::fromLatin1(feature.symbol), Tone::accent, 1.6);
        auto* heading = new QLabel(feature.title);
        heading->setFont(bold);
        auto* text = new ToneLabel(feature.text, Tone::neutral);
        text->setWordWrap(true);
        grid->addWidget(symbol, row, 0, 2, 1, Qt::AlignTop | Qt::AlignHCenter);
        grid->addWidget(heading, row, 1);
        grid->addWidget(text, row + 1, 1);
        grid->setRowMinimumHeight(row + 2, 12);
        row += 3;
    }
    grid->setColumnStretch(1, 1);
    body()->addLayout(grid);
    body()->addSpacing(8);

    QPushButton* proceed = setAcceptButton(tr("Continue"));
    proceed->setFocus();
    buttons()->setCenterButtons(true);
    setMinimumWidth(fontMetrics().averageCharWidth() * 64);
}

} // namespace tallyra::app
