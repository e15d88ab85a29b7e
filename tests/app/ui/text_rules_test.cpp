#include <QTest>

#include "settings/in_memory_settings_backend.h"
#include "ui_test_registry.h"
#include "widgets/initials_avatar.h"
#include "window/user_name.h"
#include "window/window_options.h"
#include "window/window_state.h"

using namespace tallyra;
using namespace tallyra::app;

namespace {

QString q(const char* text)
{
    return QString::fromUtf8(text);
}

QStringList words(std::initializer_list<const char*> list)
{
    QStringList result;
    for (const char* word : list)
        result.push_back(q(word));
    return result;
}

} // namespace

class TextRulesTest : public QObject
{
    Q_OBJECT

private slots:
    void initialsTakeFirstAndLastWord_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("expected");
        QTest::newRow("two words") << QStringLiteral("Olena Kovalenko") << QStringLiteral("OK");
        QTest::newRow("three words")
            << QStringLiteral("Anna Maria Schmidt") << QStringLiteral("AS");
        QTest::newRow("one word, lower case") << QStringLiteral("олена") << QStringLiteral("О");
        QTest::newRow("hyphenated first name")
            << QStringLiteral("Jean-Luc Picard") << QStringLiteral("JP");
        QTest::newRow("parenthesised nickname")
            << QStringLiteral("Robert (Bob) Smith") << QStringLiteral("RS");
        QTest::newRow("leading digits skipped")
            << QStringLiteral("3M Admin") << QStringLiteral("MA");
        QTest::newRow("letter outside the BMP")
            << QStringLiteral("𝒜lice Bell") << QStringLiteral("𝒜B");
        QTest::newRow("no letters") << QStringLiteral("1234 ,,") << QStringLiteral("?");
        QTest::newRow("empty") << QString() << QStringLiteral("?");
    }
    void initialsTakeFirstAndLastWord()
    {
        QFETCH(QString, name);
        QFETCH(QString, expected);
        QCOMPARE(initials(name), expected);
    }

    void displayNameReadsTheGecosField_data()
    {
        QTest::addColumn<QString>("gecos");
        QTest::addColumn<QString>("login");
        QTest::addColumn<QString>("expected");
        QTest::newRow("full entry") << QStringLiteral("Olena Kovalenko,Room 4,+380,,")
                                    << QStringLiteral("olena") << QStringLiteral("Olena Kovalenko");
        QTest::newRow("plain name")
            << QStringLiteral("Taras") << QStringLiteral("t") << QStringLiteral("Taras");
        QTest::newRow("empty gecos")
            << QString() << QStringLiteral("olena") << QStringLiteral("olena");
        QTest::newRow("only commas")
            << QStringLiteral(",,,") << QStringLiteral("olena") << QStringLiteral("olena");
        QTest::newRow("ampersand is the login")
            << QStringLiteral("& Shevchenko") << QStringLiteral("taras")
            << QStringLiteral("Taras Shevchenko");
        QTest::newRow("spaces trimmed") << QStringLiteral("  Ivan Franko  ,") << QStringLiteral("i")
                                        << QStringLiteral("Ivan Franko");
    }
    void displayNameReadsTheGecosField()
    {
        QFETCH(QString, gecos);
        QFETCH(QString, login);
        QFETCH(QString, expected);
        QCOMPARE(displayName(gecos, login), expected);
    }

    void windowOptionsAreTakenOutOfTheArguments_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("today");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QStringList>("rest");
        QTest::newRow("both, separate values")
            << words({"--sample-data", "--today", "2026-02-28", "--screenshots", "out"})
            << q("2026-02-28") << q("out") << words({"--sample-data"});
        QTest::newRow("equals form") << words({"--today=2024-02-29", "--locale", "uk_UA"})
                                     << q("2024-02-29") << q("") << words({"--locale", "uk_UA"});
        QTest::newRow("nothing of ours")
            << words({"--empty"}) << q("") << q("") << words({"--empty"});
    }
    void windowOptionsAreTakenOutOfTheArguments()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, today);
        QFETCH(QString, folder);
        QFETCH(QStringList, rest);
        const auto options = parseWindowOptions(arguments);
        QVERIFY(options.hasValue());
        QCOMPARE(options->today.value_or(QDate()).toString(Qt::ISODate), today);
        QCOMPARE(options->screenshotFolder.value_or(QString()), folder);
        QCOMPARE(options->rest, rest);
    }

    void ratesFileIsTaken()
    {
        const auto options = parseWindowOptions(words({"--rates", "r.json", "--empty"}));
        QVERIFY(options.hasValue());
        QCOMPARE(options->ratesFile.value_or(QString()), q("r.json"));
        QCOMPARE(options->rest, words({"--empty"}));
    }

    void badWindowOptionsAreRefused_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("no such day") << words({"--today", "2026-02-29"});
        QTest::newRow("day missing") << words({"--today"});
        QTest::newRow("day is another option") << words({"--today", "--empty"});
        QTest::newRow("folder missing") << words({"--screenshots"});
        QTest::newRow("rates file missing") << words({"--rates"});
        QTest::newRow("empty folder") << words({"--screenshots="});
    }
    void badWindowOptionsAreRefused()
    {
        QFETCH(QStringList, arguments);
        const auto options = parseWindowOptions(arguments);
        QVERIFY(!options.hasValue());
        QVERIFY(!options.error().isEmpty());
    }

    void windowStateSurvivesTheRoundTrip()
    {
        InMemorySettingsBackend backend;
        WindowState state;
        state.geometry = QByteArray("\x01\x02\x00\xff", 4);
        state.splitter = QByteArray("splitter");
        state.destination = Destination::plans;
        state.write(backend);
        const WindowState read = WindowState::read(backend);
        QCOMPARE(read.geometry, state.geometry);
        QCOMPARE(read.splitter, state.splitter);
        QVERIFY(read.destination == Destination::plans);
    }

    void unreadableWindowStateIsIgnored()
    {
        InMemorySettingsBackend backend;
        backend.setValue(QString::fromLatin1(WindowState::kDestinationKey),
                         QVariant(QStringLiteral("ledger")));
        backend.setValue(QString::fromLatin1(WindowState::kGeometryKey), QVariant(QVariantList{}));
        const WindowState read = WindowState::read(backend);
        QVERIFY(!read.destination);
        QVERIFY(read.geometry.isEmpty());
        QVERIFY(WindowState::read(InMemorySettingsBackend()).splitter.isEmpty());
    }
};

TALLYRA_UI_TEST(TextRulesTest);

#include "text_rules_test.moc"
