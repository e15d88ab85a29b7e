#include "i18n/string_table.h"

#include <map>
#include <memory>
#include <mutex>

#include <QCoreApplication>
#include <QHash>
#include <QPointer>
#include <QStringList>
#include <QTranslator>

namespace tallyra {

namespace {

const QString& tableName()
{
    static const QString name = QStringLiteral("tallyra");
    return name;
}

const QString& tableFolder()
{
    static const QString folder = QStringLiteral(":/i18n");
    return folder;
}

bool isEnglish(const QLocale& locale)
{
    // The keys are English, and C is the untranslated locale.
    return locale.language() == QLocale::English || locale.language() == QLocale::C;
}

// Loads the table QTranslator finds for the locale's UI languages
// ("uk-UA" → tallyra_uk_UA.qm, then tallyra_uk.qm); nullptr when none.
std::unique_ptr<QTranslator> loadTable(const QLocale& locale)
{
    if (isEnglish(locale))
        return nullptr;
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(locale, tableName(), QStringLiteral("_"), tableFolder()))
        return nullptr;
    return translator;
}

// Translators are loaded on first use and never freed, so the pointers handed
// out stay valid until exit, also for threads still running while the
// process ends. QTranslator::translate is a read of the loaded table and
// safe to call concurrently once loading has finished under the lock.
class Tables
{
public:
    const QTranslator* translatorFor(const QLocale& locale)
    {
        // QTranslator picks the file from the UI languages alone, so they are
        // the exact key; locales that end at the same file share it.
        const QString key = locale.uiLanguages().join(QLatin1Char(','));
        const std::lock_guard lock(m_mutex);
        if (const auto found = m_byLanguages.constFind(key); found != m_byLanguages.cend())
            return found.value();
        const QTranslator* table = nullptr;
        if (std::unique_ptr<QTranslator> loaded = loadTable(locale)) {
            auto& slot = m_byFile[loaded->filePath()];
            if (!slot)
                slot = std::move(loaded);
            table = slot.get();
        }
        m_byLanguages.insert(key, table);
        return table;
    }

private:
    std::mutex m_mutex;
    QHash<QString, const QTranslator*> m_byLanguages;
    std::map<QString, std::unique_ptr<QTranslator>> m_byFile;
};

Tables& tables()
{
    static Tables* const instance = new Tables;
    return *instance;
}

void replacePercentN(QString& text, int n, const QLocale& locale)
{
    text.replace(QStringLiteral("%Ln"), locale.toString(n));
    text.replace(QStringLiteral("%n"), QString::number(n));
}

} // namespace

const QTranslator* translatorFor(const QLocale& locale)
{
    return tables().translatorFor(locale);
}

StringTable::StringTable(const QLocale& locale)
    : m_locale(locale), m_translator(translatorFor(locale))
{
}

StringTable::StringTable(const QLocale& locale, const QTranslator* translator) noexcept
    : m_locale(locale), m_translator(translator)
{
}

QString StringTable::translate(const char* context, const char* text, const char* disambiguation,
                               int n) const
{
    QString result;
    if (m_translator)
        result = m_translator->translate(context, text, disambiguation, n);
    if (result.isEmpty())
        result = QString::fromUtf8(text);
    if (n >= 0)
        replacePercentN(result, n, m_locale);
    return result;
}

QString translate(const QLocale& locale, const char* context, const char* text,
                  const char* disambiguation, int n)
{
    return StringTable(locale).translate(context, text, disambiguation, n);
}

bool installApplicationTranslator(const QLocale& locale)
{
    // Parented to the application, so it goes away with it; the pointer
    // notices that.
    static QPointer<QTranslator> installed;
    QCoreApplication* application = QCoreApplication::instance();
    if (!application)
        return false;
    if (installed) {
        QCoreApplication::removeTranslator(installed);
        delete installed;
    }
    std::unique_ptr<QTranslator> table = loadTable(locale);
    if (!table)
        return false;
    table->setParent(application);
    installed = table.release();
    return QCoreApplication::installTranslator(installed);
}

} // namespace tallyra
