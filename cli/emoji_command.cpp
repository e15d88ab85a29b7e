#include "emoji_command.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QLocale>
#include <QSet>

#include "emoji/emoji_catalog.h"
#include "value_json.h"

namespace tallyra::cli {

int runEmoji(CommandContext& context, QStringList arguments)
{
    const auto words = takeOption(arguments, QStringLiteral("--search"));
    const auto groupName = takeOption(arguments, QStringLiteral("--group"));
    if (!arguments.isEmpty())
        throw UsageError(QStringLiteral("emoji: unexpected “%1”.").arg(arguments.first()));
    const QLocale language =
        context.options.locale ? QLocale(*context.options.locale) : QLocale::system();
    const EmojiCatalog catalog = EmojiCatalog::build(language);
    if (groupName && !catalog.group(*groupName)) {
        QStringList names;
        for (const EmojiGroup& group : catalog.groups())
            names << group.id;
        throw UsageError(QStringLiteral("--group expects one of %1, not “%2”.")
                             .arg(names.join(QStringLiteral(", ")), *groupName));
    }
    const QStringList languages = EmojiCatalog::searchLanguages({language.name()});
    QSet<QString> found;
    for (const EmojiItem& item : catalog.search(words.value_or(QString()), languages))
        found.insert(item.emoji);

    QJsonArray list;
    bool any = false;
    bool printedGroup = false;
    for (const EmojiGroup& group : catalog.groups()) {
        if (groupName && group.id.compare(*groupName, Qt::CaseInsensitive) != 0)
            continue;
        bool headed = false;
        for (const EmojiItem& item : group.items) {
            if (!found.contains(item.emoji))
                continue;
            any = true;
            if (context.options.json) {
                list.append(QJsonObject{{QStringLiteral("emoji"), item.emoji},
                                        {QStringLiteral("name"), item.name},
                                        {QStringLiteral("group"), group.id},
                                        {QStringLiteral("words"), item.words},
                                        {QStringLiteral("keywords"), item.keywords}});
                continue;
            }
            if (!headed) {
                if (printedGroup)
                    context.out << '\n';
                context.out << group.id << '\n';
                headed = printedGroup = true;
            }
            context.out << "  " << item.emoji << "  " << item.name << '\n';
        }
    }
    if (context.options.json)
        printJson(context.out, list);
    else if (!any)
        context.out << "No emoji for “" << words.value_or(QString()) << "”.\n";
    return 0;
}

} // namespace tallyra::cli
