#include "theme/fusion_style.h"

#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>

#include "theme/color_contrast.h"

namespace tallyra::app {

FusionStyle::FusionStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

void FusionStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                QPainter* painter, const QWidget* widget) const
{
    QProxyStyle::drawPrimitive(element, option, painter, widget);
    if (element != PE_IndicatorCheckBox && element != PE_IndicatorRadioButton)
        return;
    const QPalette& palette = option->palette;
    const QColor outline = mix(palette.color(QPalette::Base), palette.color(QPalette::Text),
                               option->state.testFlag(State_Enabled) ? 0.55 : 0.3);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(QPen(outline, 1));
    painter->setBrush(Qt::NoBrush);
    const QRectF box = QRectF(option->rect).adjusted(0.5, 0.5, -0.5, -0.5);
    if (element == PE_IndicatorRadioButton)
        painter->drawEllipse(box);
    else
        painter->drawRoundedRect(box, 2, 2);
    painter->restore();
}

} // namespace tallyra::app
