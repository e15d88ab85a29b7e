#include "theme/theme.h"

#include <memory>

#include <QApplication>
#include <QEvent>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QStyle>
#include <QStyleFactory>

#include "theme/fusion_style.h"

namespace tallyra::app {

Theme::Theme(QApplication& application, QObject* parent)
    : QObject(parent), m_application(application), m_systemStyle(application.style()->name())
{
    m_application.installEventFilter(this);
    refresh();
}

Theme::~Theme()
{
    m_application.removeEventFilter(this);
}

void Theme::setAppearance(AppSettings::Appearance appearance)
{
    if (appearance == m_appearance)
        return;
    m_appearance = appearance;
    switch (appearance) {
    case AppSettings::Appearance::system:
        QApplication::setStyle(QStyleFactory::create(m_systemStyle));
        // An empty palette hands the colours back to the platform theme.
        QApplication::setPalette(QPalette());
        break;
    case AppSettings::Appearance::light:
        QApplication::setStyle(new FusionStyle);
        QApplication::setPalette(lightPalette());
        break;
    case AppSettings::Appearance::dark:
        QApplication::setStyle(new FusionStyle);
        QApplication::setPalette(darkPalette());
        break;
    }
    refresh();
}

QPalette Theme::lightPalette()
{
    std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    QPalette palette = fusion->standardPalette();
    // Fusion's highlight blue is too light under white text (3.7:1).
    palette.setColor(QPalette::Active, QPalette::Highlight, QColor(0x27, 0x70, 0xc0));
    palette.setColor(QPalette::Inactive, QPalette::Highlight, QColor(0x27, 0x70, 0xc0));
    return palette;
}

QPalette Theme::darkPalette()
{
    // Neutral greys close to the common desktop dark schemes, with the
    // highlight blue kept readable under white text.
    const QColor window(0x2a, 0x2c, 0x30);
    const QColor base(0x1e, 0x20, 0x23);
    const QColor text(0xe6, 0xe7, 0xe9);
    const QColor button(0x33, 0x36, 0x3b);
    const QColor highlight(0x2f, 0x6f, 0xc4);
    const QColor disabledText(0x7c, 0x80, 0x87);
    QPalette p;
    p.setColor(QPalette::Window, window);
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Base, base);
    p.setColor(QPalette::AlternateBase, QColor(0x25, 0x27, 0x2b));
    p.setColor(QPalette::ToolTipBase, QColor(0x32, 0x35, 0x3a));
    p.setColor(QPalette::ToolTipText, text);
    p.setColor(QPalette::PlaceholderText, QColor(0x9a, 0x9e, 0xa5));
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::Button, button);
    p.setColor(QPalette::ButtonText, text);
    p.setColor(QPalette::BrightText, QColor(0xff, 0x6b, 0x6b));
    p.setColor(QPalette::Light, QColor(0x45, 0x48, 0x4e));
    p.setColor(QPalette::Midlight, QColor(0x3a, 0x3d, 0x42));
    p.setColor(QPalette::Mid, QColor(0x4a, 0x4e, 0x55));
    p.setColor(QPalette::Dark, QColor(0x16, 0x17, 0x1a));
    p.setColor(QPalette::Shadow, QColor(0x0b, 0x0c, 0x0d));
    p.setColor(QPalette::Highlight, highlight);
    p.setColor(QPalette::HighlightedText, QColor(0xff, 0xff, 0xff));
    p.setColor(QPalette::Link, QColor(0x6c, 0xa8, 0xf0));
    p.setColor(QPalette::LinkVisited, QColor(0xb0, 0x8c, 0xf0));
    for (const QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        p.setColor(QPalette::Disabled, role, disabledText);
    }
    p.setColor(QPalette::Disabled, QPalette::Highlight, QColor(0x3a, 0x3d, 0x42));
    p.setColor(QPalette::Inactive, QPalette::Highlight, QColor(0x2a, 0x4e, 0x80));
    return p;
}

bool Theme::hasTabularDigits(const QFont& font)
{
    const QFontMetricsF metrics(font);
    return qFuzzyCompare(metrics.horizontalAdvance(QLatin1Char('0')),
                         metrics.horizontalAdvance(QLatin1Char('1')));
}

QFont Theme::amountFont(const QFont& base)
{
    if (hasTabularDigits(base))
        return base;
    const QStringList families = QFontDatabase::families();
    for (const QString& family : {QStringLiteral("DejaVu Sans"), QStringLiteral("Noto Sans")}) {
        if (!families.contains(family))
            continue;
        QFont font(base);
        font.setFamilies({family});
        if (hasTabularDigits(font))
            return font;
    }
    return base;
}

QFont Theme::scaled(const QFont& base, double factor, int weight)
{
    QFont font(base);
    if (base.pointSizeF() > 0)
        font.setPointSizeF(base.pointSizeF() * factor);
    else
        font.setPixelSize(qRound(base.pixelSize() * factor));
    if (weight >= 0)
        font.setWeight(static_cast<QFont::Weight>(weight));
    return font;
}

bool Theme::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &m_application && event->type() == QEvent::ApplicationPaletteChange)
        refresh();
    return QObject::eventFilter(watched, event);
}

void Theme::refresh()
{
    const QPalette palette = QApplication::palette();
    m_isDark = isDarkScheme(palette);
    m_colors = SemanticColors::derive(palette);
    emit schemeChanged();
}

} // namespace tallyra::app
