#include "window/window_options.h"

#include <QCoreApplication>

namespace tallyra::app {

Result<WindowOptions, QString> parseWindowOptions(const QStringList& arguments)
{
    WindowOptions options;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        QString word = arguments.at(i);
        std::optional<QString> value;
        if (const qsizetype eq = word.indexOf(u'='); word.startsWith(u"--") && eq > 0) {
            value = word.mid(eq + 1);
            word.truncate(eq);
        }
        const auto take = [&]() -> std::optional<QString> {
            if (value)
                return value;
            if (i + 1 < arguments.size() && !arguments.at(i + 1).startsWith(u"--"))
                return arguments.at(++i);
            return std::nullopt;
        };
        if (word == u"--today") {
            const std::optional<QString> text = take();
            const QDate day = text ? QDate::fromString(*text, Qt::ISODate) : QDate();
            if (!day.isValid())
                return fail(QCoreApplication::translate("WindowOptions",
                                                        "--today needs a day such as 2026-12-10."));
            options.today = day;
        } else if (word == u"--screenshots") {
            const std::optional<QString> folder = take();
            if (!folder || folder->isEmpty())
                return fail(QCoreApplication::translate(
                    "WindowOptions", "--screenshots needs the folder to write the pictures to."));
            options.screenshotFolder = *folder;
        } else if (word == u"--rates") {
            const std::optional<QString> file = take();
            if (!file || file->isEmpty())
                return fail(QCoreApplication::translate(
                    "WindowOptions", "--rates needs a rates file such as rates.json."));
            options.ratesFile = *file;
        } else if (word == u"--help" || word == u"-h") {
            options.help = true;
        } else {
            options.rest.push_back(arguments.at(i));
        }
    }
    return options;
}

QString windowOptionsHelp()
{
    return QCoreApplication::translate(
        "WindowOptions",
        "  --today YYYY-MM-DD  act as if today were that day\n"
        "  --screenshots DIR   render every screen and sheet to DIR as PNG files and quit\n"
        "                      (an empty ledger unless --sample-data is given)\n"
        "  --rates FILE        take exchange rates from FILE instead of the banks\n");
}

} // namespace tallyra::app
