#pragma once

// StringTable: the application's translated texts for one locale.
//
// Every user-facing text of the core is an English key in a context
// ("PeriodLabels", "Today"); the user's language only changes the table the
// key is looked up in. Tables are Qt translation files (i18n/tallyra_<lang>.ts
// in the repository) compiled into the library as resources under
// ":/i18n/tallyra_<lang>.qm". A text missing from a table, or left
// unfinished there, comes out as its English key. English has no table.
//
// Two ways to use it:
// - Code that works in the application's language calls
//   QCoreApplication::translate(context, text) as usual; the application
//   installs the table once with installApplicationTranslator().
// - Code that must follow a locale of its own (labels made for a period
//   engine's locale) calls StringTable(locale).translate(context, text).
//
// Numbers in a text are placeholders of the whole phrase, never pieces glued
// to it, so each language can order and inflect them: "%n Weeks Ago" with
// n = 5 picks the table's plural form for 5 and puts 5 in place of %n ("%Ln"
// formats the number for the locale). Further numbers use %1, %2 and are
// filled in by the caller with QString::arg.
//
// lupdate (the update_translations target) collects texts from calls of the
// form translate("Context", "Text"[, disambiguation[, n]]) whose first two
// arguments are string literals: QCoreApplication::translate and
// StringTable::translate, not the free function translate(locale, …) below.
// Mark texts passed through variables with QT_TRANSLATE_NOOP.
//
// Thread safety: the tables are loaded once per language and never freed, so
// a StringTable, translatorFor() and translate() may be used from any thread.
// installApplicationTranslator() belongs to the main thread.

#include <QLocale>
#include <QString>

class QTranslator;

namespace tallyra {

// The table for the locale's language; nullptr for English and for
// languages without a table. The translator lives until the process exits.
[[nodiscard]] const QTranslator* translatorFor(const QLocale& locale);

class StringTable final
{
public:
    // The table for the locale's language (none for English).
    explicit StringTable(const QLocale& locale);
    // A table already looked up; `translator` may be nullptr (English).
    StringTable(const QLocale& locale, const QTranslator* translator) noexcept;

    [[nodiscard]] const QLocale& locale() const noexcept { return m_locale; }
    [[nodiscard]] bool hasTranslations() const noexcept { return m_translator != nullptr; }

    // The text in the table's language, or the English `text` (UTF-8) when
    // the table has none. With n ≥ 0 the plural form for n is chosen and %n
    // (digits) and %Ln (the locale's number format) are replaced by n.
    [[nodiscard]] QString translate(const char* context, const char* text,
                                    const char* disambiguation = nullptr, int n = -1) const;

private:
    QLocale m_locale;
    const QTranslator* m_translator = nullptr;
};

// StringTable(locale).translate(context, text, disambiguation, n).
[[nodiscard]] QString translate(const QLocale& locale, const char* context, const char* text,
                                const char* disambiguation = nullptr, int n = -1);

// Makes the locale's table the one QCoreApplication::translate uses,
// replacing a table installed by an earlier call. Returns whether a table
// was installed: false for English, for a language without a table and
// before the QCoreApplication exists; the texts are then English. Main
// thread only.
bool installApplicationTranslator(const QLocale& locale);

} // namespace tallyra
