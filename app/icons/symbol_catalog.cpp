#include "icons/symbol_catalog.h"

#include <QFile>

#include "model/category_icon.h"

namespace tallyra::app {

SymbolCatalog SymbolCatalog::parse(const QString& table)
{
    SymbolCatalog catalog;
    const QStringList lines = table.split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList fields = line.split(QLatin1Char('\t'));
        if (fields.size() < 3 || fields[0].isEmpty() || catalog.m_byName.contains(fields[0]))
            continue;
        SymbolEntry entry;
        entry.name = fields[0].trimmed();
        entry.resource =
            QStringLiteral(":/icons/bootstrap/") + fields[1].trimmed() + QStringLiteral(".svg");
        entry.group = fields[2].trimmed();
        if (fields.size() > 3)
            entry.words = fields[3].toLower().split(QLatin1Char(' '), Qt::SkipEmptyParts);
        catalog.m_byName.insert(entry.name, catalog.m_entries.size());
        catalog.m_entries.push_back(std::move(entry));
    }
    return catalog;
}

const SymbolCatalog& SymbolCatalog::bundled()
{
    static const SymbolCatalog catalog = [] {
        QFile file(QStringLiteral(":/icons/symbols.tsv"));
        if (!file.open(QIODevice::ReadOnly))
            return SymbolCatalog();
        return parse(QString::fromUtf8(file.readAll()));
    }();
    return catalog;
}

const SymbolEntry* SymbolCatalog::find(const QString& name) const
{
    const auto it = m_byName.constFind(name);
    return it == m_byName.constEnd() ? nullptr : &m_entries[*it];
}

const SymbolEntry& SymbolCatalog::resolve(const QString& name) const
{
    if (const SymbolEntry* entry = find(name))
        return *entry;
    if (const SymbolEntry* fallback = find(QString::fromUtf16(kFallbackCategorySymbol)))
        return *fallback;
    static const SymbolEntry empty;
    return m_entries.empty() ? empty : m_entries.front();
}

std::vector<const SymbolEntry*> SymbolCatalog::pickable() const
{
    std::vector<const SymbolEntry*> result;
    for (const SymbolEntry& entry : m_entries)
        if (entry.group != QLatin1String("ui"))
            result.push_back(&entry);
    return result;
}

std::vector<const SymbolEntry*> SymbolCatalog::search(const QString& query) const
{
    const QStringList terms = query.toLower().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    std::vector<const SymbolEntry*> result;
    for (const SymbolEntry* entry : pickable()) {
        const bool matches = std::all_of(terms.begin(), terms.end(), [entry](const QString& term) {
            return entry->name.contains(term) ||
                   std::any_of(entry->words.begin(), entry->words.end(),
                               [&term](const QString& word) { return word.startsWith(term); });
        });
        if (matches)
            result.push_back(entry);
    }
    return result;
}

} // namespace tallyra::app
