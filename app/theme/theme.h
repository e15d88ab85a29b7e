#pragma once

// Theme: the window's colour scheme and the fonts that go with it.
//
// Appearance follows the setting: System leaves the desktop's style and
// palette alone (and follows its changes), Light and Dark switch to the
// Fusion style with a palette of our own. Whether the scheme is dark is
// read from the palette in use (Base lightness), re-checked on every
// ApplicationPaletteChange, and announced with schemeChanged() so that
// delegates repaint, charts restyle and icons re-tint.
//
// Amounts are drawn in tabular digits so that decimal marks line up: the
// UI font is used when its '0' and '1' advance equally, else DejaVu Sans or
// Noto Sans at the same size.
//
// Threading: main thread only. One instance per application.

#include <QFont>
#include <QObject>
#include <QPalette>
#include <QString>

#include "settings/app_settings.h"
#include "theme/semantic_colors.h"

class QApplication;

namespace tallyra::app {

class Theme final : public QObject
{
    Q_OBJECT

public:
    explicit Theme(QApplication& application, QObject* parent = nullptr);
    ~Theme() override;

    void setAppearance(AppSettings::Appearance appearance);
    [[nodiscard]] AppSettings::Appearance appearance() const noexcept { return m_appearance; }

    [[nodiscard]] bool isDark() const noexcept { return m_isDark; }
    [[nodiscard]] const SemanticColors& colors() const noexcept { return m_colors; }

    // The palettes used when the appearance is forced.
    [[nodiscard]] static QPalette lightPalette();
    [[nodiscard]] static QPalette darkPalette();

    // Whether '0' and '1' have the same advance in the font.
    [[nodiscard]] static bool hasTabularDigits(const QFont& font);
    // The font for amounts at base's size and weight.
    [[nodiscard]] static QFont amountFont(const QFont& base);
    // base scaled by factor (headings, big figures), weight kept unless given.
    [[nodiscard]] static QFont scaled(const QFont& base, double factor,
                                      int weight = -1 /* QFont::Weight or -1 */);

signals:
    // The palette changed; isDark() and colors() are up to date.
    void schemeChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void refresh();

    QApplication& m_application;
    QString m_systemStyle;
    AppSettings::Appearance m_appearance = AppSettings::Appearance::system;
    bool m_isDark = false;
    SemanticColors m_colors;
};

} // namespace tallyra::app
