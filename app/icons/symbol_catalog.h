#pragma once

// SymbolCatalog: the named symbols the ledger's data and the window use
// ("banknote.fill", "fork.knife", "square.grid.2x2", …) and the bundled
// Bootstrap icon that draws each one, read from the resource
// :/icons/symbols.tsv (app/icons/symbols.tsv). A name the catalogue does not
// know draws as "questionmark", so data from elsewhere never shows a hole.
//
// The icon picker lists the entries of every group but "ui" (the window's
// own icons) and searches their words in English and Ukrainian.
//
// Thread safety: immutable after construction; any thread.

#include <optional>
#include <vector>

#include <QHash>
#include <QString>
#include <QStringList>

namespace tallyra::app {

struct SymbolEntry
{
    QString name;      // "fork.knife"
    QString resource;  // ":/icons/bootstrap/egg-fried.svg"
    QString group;     // "food"
    QStringList words; // search words, lower case
};

class SymbolCatalog final
{
public:
    // The catalogue of the bundled table.
    [[nodiscard]] static const SymbolCatalog& bundled();
    // A catalogue of a table's text (the format of symbols.tsv).
    [[nodiscard]] static SymbolCatalog parse(const QString& table);

    [[nodiscard]] const SymbolEntry* find(const QString& name) const;
    // The entry that draws the name: its own, else the fallback's.
    [[nodiscard]] const SymbolEntry& resolve(const QString& name) const;
    // The picker's entries (no "ui" group), in table order.
    [[nodiscard]] std::vector<const SymbolEntry*> pickable() const;
    // Picker entries whose name or words contain every word of the query
    // (case-blind); all of them for an empty query.
    [[nodiscard]] std::vector<const SymbolEntry*> search(const QString& query) const;
    [[nodiscard]] const std::vector<SymbolEntry>& entries() const noexcept { return m_entries; }

private:
    std::vector<SymbolEntry> m_entries;
    QHash<QString, std::size_t> m_byName;
};

} // namespace tallyra::app
