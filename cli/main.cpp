// tallyra-cli: a command-line front end over the Tallyra core, for
// scripting, import and export, and reports with --json output.

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <QCoreApplication>
#include <QTextStream>

#include "command.h"
#include "display/money_display.h"

namespace {

using namespace tallyra::cli;

void printHelp(QTextStream& out)
{
    out << "Usage: tallyra-cli [GLOBAL OPTIONS] COMMAND [ARGUMENTS]\n\n"
           "Global options:\n"
           "  --db PATH              the database (default: the application's database)\n"
           "  --sample-data          work on the built-in sample ledger in memory\n"
           "  --currency CODE        main currency for this run\n"
           "  --rates FILE           a JSON rates snapshot instead of the rate cache\n"
           "  --today YYYY-MM-DD     pin \"today\"\n"
           "  --tz ZONE              pin the time zone (IANA name)\n"
           "  --locale ID            locale for reading amounts and labels\n"
           "  --month-start D        first day of a pay month (1-31)\n"
           "  --first-weekday W      1 = Sunday ... 7 = Saturday\n"
           "  --mode rolling|calendar\n"
           "  --hide-cents           round amounts to whole units in text output\n"
           "  --hide-balances        mask balances and net worth in text output\n"
           "  --json                 print value records as JSON\n\n"
           "Commands:\n";
    for (const Command& command : commandTable())
        out << "  " << command.synopsis.leftJustified(40) << ' ' << command.summary << '\n';
}

bool flushed(QTextStream& stream)
{
    errno = 0;
    stream.flush();
    const bool streamOk = stream.status() == QTextStream::Ok;
    const bool fileOk = std::fflush(stdout) == 0 && std::ferror(stdout) == 0;
    if ((!streamOk || !fileOk) && errno == 0)
        errno = EIO;
    return streamOk && fileOk;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tallyra-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TALLYRA_VERSION));

    QTextStream out(stdout);
    QTextStream err(stderr);
    try {
        const CommandLine line = parseCommandLine(QCoreApplication::arguments().mid(1));
        if (line.options.version) {
            out << "tallyra-cli " << QCoreApplication::applicationVersion() << '\n';
            return 0;
        }
        if (line.options.help || line.command.isEmpty()) {
            printHelp(out);
            return line.command.isEmpty() && !line.options.help ? 2 : 0;
        }
        for (const Command& command : commandTable()) {
            if (command.name == line.command) {
                tallyra::MoneyDisplay display(line.options.locale ? QLocale(*line.options.locale)
                                                                  : QLocale::system());
                display.setHideCents(line.options.hideCents);
                display.setHideBalances(line.options.hideBalances);
                CommandContext context{line.options, out, err, display};
                const int status = command.run(context, line.arguments);
                // A full disk or a closed pipe shows only when the buffered
                // output is flushed; a script must not take a cut-off
                // result for a whole one.
                if (!flushed(out))
                    throw tallyra::Error(QStringLiteral("The output couldn’t be written: %1")
                                             .arg(QString::fromLocal8Bit(std::strerror(errno))));
                return status;
            }
        }
        throw UsageError(QStringLiteral("Unknown command “%1”. Try --help.").arg(line.command));
    } catch (const UsageError& error) {
        err << error.userMessage() << '\n';
        return 2;
    } catch (const tallyra::Error& error) {
        err << error.userMessage() << '\n';
        return 1;
    }
}
