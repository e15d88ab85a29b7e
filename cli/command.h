#pragma once

// One tallyra-cli command. Each command lives in its own file and is listed
// in command_table.cpp; main() finds it by name and runs it.

#include <QString>
#include <QStringList>
#include <QTextStream>

#include "cli_options.h"

namespace tallyra {
class MoneyDisplay;
}

namespace tallyra::cli {

struct CommandContext
{
    const GlobalOptions& options;
    QTextStream& out; // the command's result (text or JSON)
    QTextStream& err; // messages for the person at the terminal
    // Amounts in human-readable output (--hide-cents, --hide-balances).
    const MoneyDisplay& display;
};

// Runs the command with its own arguments and returns the exit status.
// Expected failures throw a tallyra::Error whose userMessage() is printed.
using CommandFunction = int (*)(CommandContext& context, QStringList arguments);

struct Command
{
    QString name;
    QString synopsis; // "export [FILE]"
    QString summary;  // one line for --help
    CommandFunction run = nullptr;
};

[[nodiscard]] const QList<Command>& commandTable();

} // namespace tallyra::cli
