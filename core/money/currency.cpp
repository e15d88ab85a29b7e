#include "money/currency.h"

#include <mutex>

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
