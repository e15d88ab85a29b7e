#include "money/currency.h"

#include <algorithm>
#include <memory>
#include <mutex>

#include <QtGlobal>

#include <unicode/brkiter.h>
#include <unicode/locid.h>
#include <unicode/ucurr.h>
#include <unicode/uenum.h>
#include <unicode/unistr.h>

#include "money/icu_locale.h"

namespace tallyra::Currency {

namespace {

std::mutex& mainMutex()
{
    static std::mutex mutex;
    return mutex;
}

QString& mainCode()
{
    static QString code = QString::fromUtf16(kFallbackCode);
    return code;
}

std::mutex& localeMutex()
{
    static std::mutex mutex;
    return mutex;
}

QLocale& localeValue()
{
    static QLocale locale(QStringLiteral("en_US"));
    return locale;
}

QList<QString> commonCodes()
{
    QList<QString> codes;
    UErrorCode status = U_ZERO_ERROR;
    UEnumeration* list = ucurr_openISOCurrencies(UCURR_COMMON | UCURR_NON_DEPRECATED, &status);
    const std::unique_ptr<UEnumeration, decltype(&uenum_close)> guard(list, &uenum_close);
    int32_t length = 0;
    while (U_SUCCESS(status)) {
        const char* code = uenum_next(list, &length, &status);
        if (code == nullptr)
            break;
        codes.append(QString::fromLatin1(code, length));
    }
    if (U_FAILURE(status) || codes.isEmpty()) {
        // Without ICU's list the picker still needs one usable entry.
        qWarning("Currency list: ICU failed with %s", u_errorName(status));
        return {QString::fromUtf16(kFallbackCode)};
    }
    // QString's operator< compares UTF-16 code units, which for these
    // ASCII codes is plain code-point order.
    std::sort(codes.begin(), codes.end());
    codes.erase(std::unique(codes.begin(), codes.end()), codes.end());
    return codes;
}

bool isAsciiLetterCode(const QString& code)
{
    return code.size() == 3 && std::all_of(code.begin(), code.end(), [](QChar c) {
               return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
           });
}

// Upper-cases the first user-perceived character with the locale's rules
// ("i" becomes "İ" in Turkish) and keeps the rest as it is.
icu::UnicodeString withCapitalFirst(const icu::UnicodeString& text, const icu::Locale& locale)
{
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::BreakIterator> characters(
        icu::BreakIterator::createCharacterInstance(locale, status));
    int32_t end = text.moveIndex32(0, 1);
    if (U_SUCCESS(status)) {
        characters->setText(text);
        const int32_t next = characters->following(0);
        if (next != icu::BreakIterator::DONE)
            end = next;
    }
    icu::UnicodeString first(text, 0, end);
    first.toUpper(locale);
    return first.append(text, end, text.length() - end);
}

} // namespace

int minorDigits(const QString& code) noexcept
{
    static constexpr std::u16string_view zero[] = {u"JPY", u"KRW", u"VND", u"CLP", u"ISK"};
    static constexpr std::u16string_view three[] = {u"BHD", u"KWD", u"OMR", u"JOD", u"TND"};
    const std::u16string_view text(reinterpret_cast<const char16_t*>(code.utf16()),
                                   static_cast<size_t>(code.size()));
    for (auto c : zero)
        if (c == text)
            return 0;
    for (auto c : three)
        if (c == text)
            return 3;
    return 2;
}

std::int64_t minorScale(const QString& code) noexcept
{
    switch (minorDigits(code)) {
    case 0:
        return 1;
    case 3:
        return 1000;
    default:
        return 100;
    }
}

const QList<QString>& all()
{
    static const QList<QString> codes = commonCodes();
    return codes;
}

QString name(const QString& code, const QLocale& locale)
{
    // ICU reads only the first three characters of a code, so "EURO" would
    // come back as the euro; anything that is not three letters has no name.
    if (!isAsciiLetterCode(code))
        return code;
    const UChar terminated[4] = {code[0].unicode(), code[1].unicode(), code[2].unicode(), u'\0'};
    const std::string localeId = icuLocaleId(locale);
    UErrorCode status = U_ZERO_ERROR;
    UBool isChoiceFormat = false;
    int32_t length = 0;
    const UChar* found = ucurr_getName(terminated, localeId.c_str(), UCURR_LONG_NAME,
                                       &isChoiceFormat, &length, &status);
    if (U_FAILURE(status) || found == nullptr || length <= 0)
        return code;
    const QString result = QString::fromUtf16(found, length);
    // For a code ICU does not know it hands the code back as its "name".
    if (result.compare(code, Qt::CaseInsensitive) == 0)
        return code;
    const icu::Locale icuLocale(localeId.c_str());
    const icu::UnicodeString capital =
        withCapitalFirst(icu::UnicodeString(found, length), icuLocale);
    return QString::fromUtf16(capital.getBuffer(), capital.length());
}

QString main()
{
    std::lock_guard lock(mainMutex());
    return mainCode();
}

void setMain(const QString& code)
{
    std::lock_guard lock(mainMutex());
    mainCode() = code;
}

QLocale inputLocale()
{
    std::lock_guard lock(localeMutex());
    return localeValue();
}

void setInputLocale(const QLocale& locale)
{
    std::lock_guard lock(localeMutex());
    localeValue() = locale;
}

} // namespace tallyra::Currency
