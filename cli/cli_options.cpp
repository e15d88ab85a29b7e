#include "cli_options.h"

#include <functional>
#include <map>

namespace tallyra::cli {

namespace {

int parseInt(const QString& text, const QString& optionName, int low, int high)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < low || value > high)
        throw UsageError(QStringLiteral("%1 expects a whole number from %2 to %3, not “%4”.")
                             .arg(optionName)
                             .arg(low)
                             .arg(high)
                             .arg(text));
    return value;
}

} // namespace

QDate parseDay(const QString& text, const QString& optionName)
{
    const QDate day = QDate::fromString(text, Qt::ISODate);
    if (!day.isValid() || text.size() != 10)
        throw UsageError(
            QStringLiteral("%1 expects a day as YYYY-MM-DD, not “%2”.").arg(optionName, text));
    return day;
}

CommandLine parseCommandLine(const QStringList& arguments)
{
    using Setter = std::function<void(GlobalOptions&, const QString&)>;
    const std::map<QString, Setter> valued{
        {QStringLiteral("--db"), [](GlobalOptions& o, const QString& v) { o.dbPath = v; }},
        {QStringLiteral("--currency"),
         [](GlobalOptions& o, const QString& v) { o.currency = v.toUpper(); }},
        {QStringLiteral("--rates"), [](GlobalOptions& o, const QString& v) { o.ratesFile = v; }},
        {QStringLiteral("--today"),
         [](GlobalOptions& o, const QString& v) {
             o.today = parseDay(v, QStringLiteral("--today"));
         }},
        {QStringLiteral("--tz"), [](GlobalOptions& o, const QString& v) { o.timeZone = v; }},
        {QStringLiteral("--locale"), [](GlobalOptions& o, const QString& v) { o.locale = v; }},
        {QStringLiteral("--month-start"),
         [](GlobalOptions& o, const QString& v) {
             o.monthStartDay = parseInt(v, QStringLiteral("--month-start"), 1, 31);
         }},
        {QStringLiteral("--first-weekday"),
         [](GlobalOptions& o, const QString& v) {
             o.firstWeekday = parseInt(v, QStringLiteral("--first-weekday"), 1, 7);
         }},
        {QStringLiteral("--mode"),
         [](GlobalOptions& o, const QString& v) {
             if (v != u"rolling" && v != u"calendar")
                 throw UsageError(
                     QStringLiteral("--mode expects rolling or calendar, not “%1”.").arg(v));
             o.periodMode = v;
         }},
    };

    CommandLine line;
    int i = 0;
    for (; i < arguments.size(); ++i) {
        QString word = arguments.at(i);
        if (!word.startsWith(u'-'))
            break;
        if (word == u"--json") {
            line.options.json = true;
            continue;
        }
        if (word == u"--hide-cents") {
            line.options.hideCents = true;
            continue;
        }
        if (word == u"--hide-balances") {
            line.options.hideBalances = true;
            continue;
        }
        if (word == u"--sample-data") {
            line.options.sampleData = true;
            continue;
        }
        if (word == u"--help" || word == u"-h") {
            line.options.help = true;
            continue;
        }
        if (word == u"--version") {
            line.options.version = true;
            continue;
        }
        QString value;
        bool hasValue = false;
        if (const auto eq = word.indexOf(u'='); eq > 0) {
            value = word.mid(eq + 1);
            word.truncate(eq);
            hasValue = true;
        }
        const auto setter = valued.find(word);
        if (setter == valued.end())
            throw UsageError(QStringLiteral("Unknown option “%1”.").arg(word));
        if (!hasValue) {
            if (i + 1 >= arguments.size())
                throw UsageError(QStringLiteral("%1 needs a value.").arg(word));
            value = arguments.at(++i);
        }
        setter->second(line.options, value);
    }
    if (i < arguments.size()) {
        line.command = arguments.at(i);
        line.arguments = arguments.mid(i + 1);
    }
    return line;
}

std::optional<QString> takeOption(QStringList& arguments, const QString& name)
{
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& word = arguments.at(i);
        if (word == name) {
            if (i + 1 >= arguments.size())
                throw UsageError(QStringLiteral("%1 needs a value.").arg(name));
            QString value = arguments.at(i + 1);
            arguments.remove(i, 2);
            return value;
        }
        if (word.startsWith(name + u'=')) {
            QString value = word.mid(name.size() + 1);
            arguments.removeAt(i);
            return value;
        }
    }
    return std::nullopt;
}

bool takeFlag(QStringList& arguments, const QString& name)
{
    return arguments.removeAll(name) > 0;
}

} // namespace tallyra::cli
