#include "money/icu_locale.h"

namespace tallyra {

std::string icuLocaleId(const QLocale& locale)
{
    if (locale.language() == QLocale::C)
        return "en_US_POSIX";
    // QLocale::name() drops the script, which would turn Serbian in Latin
    // letters back into Cyrillic; ICU would also fall back badly from
    // "de_Latn_CH" to "de", so the script is added only when it matters.
    std::string id = QLocale::languageToCode(locale.language()).toStdString();
    const QLocale usual(locale.language(), locale.territory());
    if (locale.script() != QLocale::AnyScript && locale.script() != usual.script())
        id += '_' + QLocale::scriptToCode(locale.script()).toStdString();
    if (locale.territory() != QLocale::AnyTerritory)
        id += '_' + QLocale::territoryToCode(locale.territory()).toStdString();
    return id;
}

} // namespace tallyra
