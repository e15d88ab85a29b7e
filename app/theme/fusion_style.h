#pragma once

// FusionStyle: Qt's Fusion style as used when the Appearance setting forces
// light or dark. Fusion outlines check boxes and radio buttons with a
// darker shade of the window colour, which disappears on dark bases; this
// proxy draws that outline from the text colour instead so the controls
// read in either scheme.
//
// Threading: main thread only.

#include <QProxyStyle>

namespace tallyra::app {

class FusionStyle final : public QProxyStyle
{
    Q_OBJECT

public:
    FusionStyle();

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
};

} // namespace tallyra::app
