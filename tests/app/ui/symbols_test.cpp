#include <set>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

#include "icons/item_icon.h"
#include "icons/symbol_catalog.h"
#include "icons/symbol_icons.h"
#include "model/account_kind.h"
#include "model/category_icon.h"
#include "services/default_categories.h"
#include "ui_test_registry.h"

using namespace tallyra;
using namespace tallyra::app;

namespace {

void collectSymbols(const QJsonValue& value, std::set<QString>& into)
{
    if (value.isObject()) {
        const QJsonObject object = value.toObject();
        for (auto it = object.begin(); it != object.end(); ++it) {
            if ((it.key() == QLatin1String("sfSymbol") || it.key() == QLatin1String("symbol")) &&
                it.value().isString())
                into.insert(it.value().toString());
            else
                collectSymbols(it.value(), into);
        }
    } else if (value.isArray()) {
        for (const QJsonValue& item : value.toArray())
            collectSymbols(item, into);
    }
}

QStringList names(const std::vector<const SymbolEntry*>& entries)
{
    QStringList result;
    for (const SymbolEntry* entry : entries)
        result.push_back(entry->name);
    return result;
}

} // namespace

class SymbolsTest : public QObject
{
    Q_OBJECT

private slots:
    // A symbol named by the sample ledger, the starter categories or an
    // account kind that the catalogue lacks would draw as a question mark.
    void everySymbolTheDataNamesIsBundled()
    {
        std::set<QString> wanted;
        const QDir sample(QStringLiteral(TALLYRA_SOURCE_DIR "/core/services/sample"));
        for (const QString& file : sample.entryList({QStringLiteral("*.json")})) {
            QFile json(sample.filePath(file));
            QVERIFY(json.open(QIODevice::ReadOnly));
            const QJsonDocument document = QJsonDocument::fromJson(json.readAll());
            collectSymbols(document.isArray() ? QJsonValue(document.array())
                                              : QJsonValue(document.object()),
                           wanted);
        }
        for (const auto& root : DefaultCategories::tree()) {
            wanted.insert(root.symbol);
            for (const auto& child : root.children)
                wanted.insert(child.symbol);
        }
        for (const AccountKind kind : allCases<AccountKind>())
            wanted.insert(symbol(kind));
        QVERIFY(wanted.size() > 40);
        const SymbolCatalog& catalog = SymbolCatalog::bundled();
        for (const QString& name : wanted)
            QVERIFY2(catalog.find(name), qPrintable(name));
    }

    void everyEntryDrawsFromABundledFile()
    {
        const SymbolCatalog& catalog = SymbolCatalog::bundled();
        QVERIFY(catalog.entries().size() > 100);
        for (const SymbolEntry& entry : catalog.entries())
            QVERIFY2(QFile::exists(entry.resource), qPrintable(entry.resource));
    }

    void unknownNamesDrawTheFallback()
    {
        const SymbolCatalog& catalog = SymbolCatalog::bundled();
        QCOMPARE(catalog.resolve(QStringLiteral("no.such.symbol")).name,
                 QString::fromUtf16(kFallbackCategorySymbol));
        QCOMPARE(catalog.resolve(QString()).name, QString::fromUtf16(kFallbackCategorySymbol));
    }

    void searchMatchesNamesAndWordsInBothLanguages_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<QString>("expected");
        QTest::newRow("ukrainian word")
            << QStringLiteral("картка") << QStringLiteral("creditcard.fill");
        QTest::newRow("english prefix")
            << QStringLiteral("coff") << QStringLiteral("cup.and.saucer.fill");
        QTest::newRow("case blind") << QStringLiteral("TAXI") << QStringLiteral("car.side.fill");
        QTest::newRow("name part") << QStringLiteral("fork") << QStringLiteral("fork.knife");
        QTest::newRow("two words narrow")
            << QStringLiteral("bank savings") << QStringLiteral("building.columns.fill");
    }
    void searchMatchesNamesAndWordsInBothLanguages()
    {
        QFETCH(QString, query);
        QFETCH(QString, expected);
        QVERIFY2(names(SymbolCatalog::bundled().search(query)).contains(expected),
                 qPrintable(names(SymbolCatalog::bundled().search(query)).join(u' ')));
    }

    void searchNeedsEveryWordAndHidesTheWindowsOwnIcons()
    {
        const SymbolCatalog& catalog = SymbolCatalog::bundled();
        QVERIFY(catalog.search(QStringLiteral("coffee nonsense")).empty());
        QCOMPARE(catalog.search(QString()).size(), catalog.pickable().size());
        QVERIFY(!names(catalog.pickable()).contains(QStringLiteral("gearshape")));
        QVERIFY(names(catalog.pickable()).contains(QStringLiteral("gift.fill")));
    }

    void parsingSkipsCommentsBrokenLinesAndRepeats()
    {
        const SymbolCatalog catalog =
            SymbolCatalog::parse(QStringLiteral("# comment\n"
                                                "a.one\tplus\tmoney\tcash Гроші\n"
                                                "broken line\n"
                                                "a.one\tx-lg\tmoney\trepeat\n"
                                                "b.two\tgear\tui\n"));
        QCOMPARE(catalog.entries().size(), size_t(2));
        QCOMPARE(catalog.find(QStringLiteral("a.one"))->resource,
                 QStringLiteral(":/icons/bootstrap/plus.svg"));
        QCOMPARE(catalog.find(QStringLiteral("a.one"))->words,
                 QStringList({QStringLiteral("cash"), QStringLiteral("гроші")}));
        QVERIFY(catalog.find(QStringLiteral("b.two"))->words.isEmpty());
    }

    void pixmapsAreTintedAtTheDevicePixelRatio()
    {
        const QColor red(200, 20, 20);
        const QPixmap pixmap = SymbolIcons::pixmap(QStringLiteral("banknote.fill"), red, 16, 2.0);
        QCOMPARE(pixmap.size(), QSize(32, 32));
        QCOMPARE(pixmap.devicePixelRatio(), 2.0);
        const QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
        int drawn = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QColor pixel = image.pixelColor(x, y);
                if (pixel.alpha() < 250)
                    continue;
                ++drawn;
                QCOMPARE(pixel.rgb(), red.rgb());
            }
        }
        QVERIFY(drawn > 50);
    }

    void badgeGlyphsReadOnTheirDisc_data()
    {
        QTest::addColumn<QColor>("disc");
        QTest::addColumn<QColor>("glyph");
        QTest::newRow("dark blue") << QColor(0x1c, 0x3e, 0x96) << QColor(Qt::white);
        QTest::newRow("sample amber") << QColor(0xa8, 0x7c, 0x00) << QColor(Qt::black);
        QTest::newRow("pale green") << QColor(0xb2, 0xf2, 0xbb) << QColor(Qt::black);
        QTest::newRow("black") << QColor(Qt::black) << QColor(Qt::white);
    }
    void badgeGlyphsReadOnTheirDisc()
    {
        QFETCH(QColor, disc);
        QFETCH(QColor, glyph);
        QCOMPARE(glyphColorOn(disc), glyph);
    }

    // The emoji of a category comes from the colour emoji font: on a grey
    // disc, coloured pixels can only be the emoji's own.
    void emojiBadgesAreDrawnInColour()
    {
        const QImage image =
            itemIconPixmap(CategoryIcon::emoji(QStringLiteral("💳")), QColor(128, 128, 128), 48, 1.0)
                .toImage();
        int coloured = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixelColor(x, y).hsvSaturation() > 120 &&
                    image.pixelColor(x, y).alpha() > 200)
                    ++coloured;
        QVERIFY2(coloured > 40, qPrintable(QString::number(coloured)));
    }
};

TALLYRA_UI_TEST(SymbolsTest);

#include "symbols_test.moc"
