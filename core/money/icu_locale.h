#pragma once

// The bridge from Qt locales to ICU locale identifiers, so that separators,
// number formatting and currency names come from ICU's locale data for the
// locale the user chose in Qt.
//
// Thread safety: pure; any thread.

#include <string>

#include <QLocale>

namespace tallyra {

// "language_Territory" as Qt names it ("de_DE", "uk_UA"), with the script
// inserted only when it differs from the usual one for that language and
// territory ("sr_Latn_RS"); Qt's C locale becomes "en_US_POSIX".
[[nodiscard]] std::string icuLocaleId(const QLocale& locale);

} // namespace tallyra
