#include "app_options.h"

#include <QCoreApplication>
#include <QLocale>

namespace tallyra::app {

Result<AppEnvironment, AppOptionsError> appEnvironment(const QStringList& arguments,
                                                       const SettingsBackend& defaults)
{
    AppEnvironment env = AppEnvironment::fromDefaults(defaults);
    env.showsWelcome = true;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        QString word = arguments.at(i);
        QString value;
        bool hasValue = false;
        if (const qsizetype eq = word.indexOf(u'='); word.startsWith(u"--") && eq > 0) {
            value = word.mid(eq + 1);
            word.truncate(eq);
            hasValue = true;
        }
        if (word == u"--sample-data" && !hasValue) {
            env.useSampleData = true;
        } else if (word == u"--empty" && !hasValue) {
            env.useEmptyStore = true;
        } else if (word == u"--no-welcome" && !hasValue) {
            env.showsWelcome = false;
        } else if (word == u"--locale") {
            if (!hasValue) {
                if (i + 1 >= arguments.size())
                    return fail(AppOptionsError{
                        QCoreApplication::translate("AppOptions", "--locale needs a value, such "
                                                                  "as uk_UA.")});
                value = arguments.at(++i);
            }
            if (QLocale(value).language() == QLocale::C && value != u"C")
                return fail(AppOptionsError{
                    QCoreApplication::translate("AppOptions", "Unknown locale “%1”.").arg(value)});
            env.localeOverride = value;
        } else {
            return fail(AppOptionsError{
                QCoreApplication::translate("AppOptions", "Unknown option “%1”. Try --help.")
                    .arg(arguments.at(i))});
        }
    }
    // Sample data wins: both mean an in-memory run, and the sample is the
    // more useful of the two.
    if (env.useSampleData)
        env.useEmptyStore = false;
    return env;
}

QString appOptionsHelp()
{
    return QCoreApplication::translate(
        "AppOptions", "Usage: tallyra [--sample-data | --empty] [--no-welcome] [--locale ID]\n\n"
                      "  --sample-data   open the built-in sample ledger; nothing is saved\n"
                      "  --empty         start with an empty ledger; nothing is saved\n"
                      "  --no-welcome    don’t offer the welcome sheet\n"
                      "  --locale ID     language and formats for this run, such as uk_UA\n");
}

} // namespace tallyra::app
