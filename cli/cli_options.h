#pragma once

// The global options of tallyra-cli. They come before the command:
//   tallyra-cli --db ledger.sqlite --json accounts
// Each is optional; an absent option means the application's own default.

#include <optional>

#include <QDate>
#include <QString>
#include <QStringList>

#include "base/error.h"

namespace tallyra::cli {

struct GlobalOptions
{
    std::optional<QString> dbPath;     // --db PATH
    bool sampleData = false;           // --sample-data
    std::optional<QString> currency;   // --currency CODE
    std::optional<QString> ratesFile;  // --rates FILE
    std::optional<QDate> today;        // --today YYYY-MM-DD
    std::optional<QString> timeZone;   // --tz ZONE
    std::optional<QString> locale;     // --locale ID
    std::optional<int> monthStartDay;  // --month-start D
    std::optional<int> firstWeekday;   // --first-weekday W
    std::optional<QString> periodMode; // --mode rolling|calendar
    bool hideCents = false;            // --hide-cents
    bool hideBalances = false;         // --hide-balances
    bool json = false;                 // --json
    bool help = false;                 // --help / -h
    bool version = false;              // --version
};

// A command line split into the global options, the command and its own
// arguments.
struct CommandLine
{
    GlobalOptions options;
    QString command;
    QStringList arguments;
};

// A mistake in what was typed on the command line; the message is printed
// to stderr and the program exits with status 2.
class UsageError final : public Error
{
public:
    using Error::Error;
};

// Reads the global options up to the first word that is not an option.
// Throws UsageError for an unknown option or a bad value.
[[nodiscard]] CommandLine parseCommandLine(const QStringList& arguments);

// The value of "--name VALUE" or "--name=VALUE" among a command's own
// arguments, removing it from the list; nothing when absent. Throws
// UsageError when the option is given without a value.
[[nodiscard]] std::optional<QString> takeOption(QStringList& arguments, const QString& name);
// True (and removed) when the flag is among the arguments.
[[nodiscard]] bool takeFlag(QStringList& arguments, const QString& name);
// Reads YYYY-MM-DD or throws UsageError naming the option.
[[nodiscard]] QDate parseDay(const QString& text, const QString& optionName);

} // namespace tallyra::cli
