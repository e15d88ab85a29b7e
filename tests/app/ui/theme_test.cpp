#include "theme/theme.h"

#include <QPalette>
#include <QTest>

#include "theme/color_contrast.h"
#include "theme/semantic_colors.h"
#include "ui_test_registry.h"

using namespace tallyra::app;

namespace {

QPalette paletteOn(const QColor& base, const QColor& placeholder)
{
    QPalette palette;
    palette.setColor(QPalette::Base, base);
    palette.setColor(QPalette::PlaceholderText, placeholder);
    return palette;
}

} // namespace

class ThemeTest : public QObject
{
    Q_OBJECT

private slots:
    // Income, expense, warning and neutral text must read (4.5:1) on the
    // background of lists and cards whatever the palette.
    void semanticColorsReadOnEveryBase_data()
    {
        QTest::addColumn<QColor>("base");
        QTest::addColumn<QColor>("placeholder");
        QTest::newRow("white") << QColor(255, 255, 255) << QColor(160, 160, 160);
        QTest::newRow("fusion light") << Theme::lightPalette().color(QPalette::Base)
                                      << Theme::lightPalette().color(QPalette::PlaceholderText);
        QTest::newRow("our dark") << Theme::darkPalette().color(QPalette::Base)
                                  << Theme::darkPalette().color(QPalette::PlaceholderText);
        QTest::newRow("black") << QColor(0, 0, 0) << QColor(60, 60, 60);
        // Greys near the middle are the hard case: little room either way.
        QTest::newRow("mid grey, light side") << QColor(128, 128, 128) << QColor(110, 110, 110);
        QTest::newRow("mid grey, dark side") << QColor(118, 118, 118) << QColor(140, 140, 140);
        QTest::newRow("solarized light") << QColor(0xfd, 0xf6, 0xe3) << QColor(0x93, 0xa1, 0xa1);
        QTest::newRow("navy high contrast") << QColor(0, 0, 80) << QColor(200, 200, 0);
    }
    void semanticColorsReadOnEveryBase()
    {
        QFETCH(QColor, base);
        QFETCH(QColor, placeholder);
        const SemanticColors colors = SemanticColors::derive(paletteOn(base, placeholder));
        for (const QColor& color : {colors.income, colors.expense, colors.warning, colors.neutral})
            QVERIFY2(contrastRatio(color, base) >= kTextContrast - 1e-9,
                     qPrintable(color.name() + QStringLiteral(" on ") + base.name()));
        // Income and expense stay told apart by hue, not only by lightness.
        QVERIFY(colors.income.hslHue() != colors.expense.hslHue());
    }

    void withContrastLeavesReadableColoursAlone()
    {
        const QColor green(0x1a, 0x7f, 0x37);
        QCOMPARE(withContrast(green, Qt::white), green);
    }

    void withContrastMovesTheLeastNeeded()
    {
        const QColor pale(0x9f, 0xe0, 0xb0);
        const QColor fixed = withContrast(pale, Qt::white);
        QVERIFY(contrastRatio(fixed, Qt::white) >= kTextContrast);
        // The bisection stops close to the threshold instead of going to black.
        QVERIFY(contrastRatio(fixed, Qt::white) < kTextContrast + 0.1);
        QCOMPARE(fixed.toHsl().hslHue(), pale.toHsl().hslHue());
    }

    void withContrastFallsBackToTheExtremeWhenNothingReads()
    {
        // 13:1 cannot be reached on these greys at all: the extreme on the
        // far side comes closest (white on the dark one, black on the light).
        QCOMPARE(withContrast(QColor(200, 0, 0), QColor(60, 60, 60), 13.0), QColor(Qt::white));
        QCOMPARE(withContrast(QColor(200, 0, 0), QColor(200, 200, 200), 13.0), QColor(Qt::black));
    }

    void contrastRatioMatchesTheDefinition()
    {
        QCOMPARE(qRound(contrastRatio(Qt::black, Qt::white) * 100), 2100);
        QCOMPARE(contrastRatio(QColor(10, 20, 30), QColor(10, 20, 30)), 1.0);
        QCOMPARE(contrastRatio(Qt::white, Qt::black), contrastRatio(Qt::black, Qt::white));
    }

    void darkSchemeIsDecidedByBaseLightness_data()
    {
        QTest::addColumn<int>("lightness");
        QTest::addColumn<bool>("dark");
        QTest::newRow("126") << 126 << true;
        QTest::newRow("127") << 127 << false;
        QTest::newRow("0") << 0 << true;
        QTest::newRow("255") << 255 << false;
    }
    void darkSchemeIsDecidedByBaseLightness()
    {
        QFETCH(int, lightness);
        QFETCH(bool, dark);
        QPalette palette;
        palette.setColor(QPalette::Base, QColor::fromHsl(0, 0, lightness));
        QCOMPARE(isDarkScheme(palette), dark);
    }

    void forcedPalettesKeepTheirTextReadable()
    {
        for (const QPalette& palette : {Theme::lightPalette(), Theme::darkPalette()}) {
            for (const auto role : {QPalette::Text, QPalette::WindowText}) {
                const QPalette::ColorRole background =
                    role == QPalette::Text ? QPalette::Base : QPalette::Window;
                QVERIFY(contrastRatio(palette.color(role), palette.color(background)) >= 7.0);
            }
            QVERIFY(contrastRatio(palette.color(QPalette::HighlightedText),
                                  palette.color(QPalette::Highlight)) >= kTextContrast);
        }
        QVERIFY(isDarkScheme(Theme::darkPalette()));
        QVERIFY(!isDarkScheme(Theme::lightPalette()));
    }

    void amountFontHasTabularDigits()
    {
        QFont proportional(QStringLiteral("DejaVu Sans"));
        const QFont amounts = Theme::amountFont(proportional);
        QVERIFY(Theme::hasTabularDigits(amounts));
        QCOMPARE(amounts.pointSizeF(), proportional.pointSizeF());
    }

    void mixBlendsChannelsAndClamps()
    {
        QCOMPARE(mix(Qt::black, Qt::white, 0.5).red(), 128);
        QCOMPARE(mix(Qt::black, Qt::white, -1.0), QColor(Qt::black));
        QCOMPARE(mix(Qt::black, Qt::white, 2.0), QColor(Qt::white));
    }
};

TALLYRA_UI_TEST(ThemeTest);

#include "theme_test.moc"
