#pragma once

// SettingsScreen: every preference in grouped cards (General, Periods,
// Transactions, Exchange Rates, Data, About), each row with its title, its
// help text and its control. Changes apply at once through the
// SettingsViewModel; there is nothing to save.
//
// Threading: main thread only.

#include <QMap>

#include "window/screen.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QVBoxLayout;

namespace tallyra::app {

class Card;
class SegmentedSwitcher;
class SettingsViewModel;
class ToneLabel;

class SettingsScreen final : public Screen
{
    Q_OBJECT

public:
    SettingsScreen(WindowContext& context, QWidget* parent = nullptr);

    [[nodiscard]] bool usesPeriod() const override { return false; }
    [[nodiscard]] SettingsViewModel& viewModel() const noexcept { return *m_viewModel; }
    // The control of a row, by its title (for tests and screenshots).
    [[nodiscard]] QWidget* control(const QString& rowTitle) const;

private:
    Card* addSection(QVBoxLayout* column, const QString& title);
    void addRow(Card* card, const QString& title, const QString& help, QWidget* control);
    QComboBox* makeCombo(const QString& title);
    QCheckBox* makeSwitch(const QString& title);
    void fillCombos();
    void refresh();

    SettingsViewModel* m_viewModel;
    QMap<QString, QWidget*> m_controls;
    QComboBox* m_currency;
    QComboBox* m_weekStart;
    QComboBox* m_monthStart;
    SegmentedSwitcher* m_periodMode;
    QComboBox* m_defaultPeriod;
    SegmentedSwitcher* m_appearance;
    QCheckBox* m_hideCents;
    QCheckBox* m_hideBalances;
    QCheckBox* m_sounds;
    QCheckBox* m_showTime;
    QCheckBox* m_suggestCategory;
    QCheckBox* m_trackCleared;
    QLabel* m_ratesStatus;
    ToneLabel* m_ratesSources;
    ToneLabel* m_ratesError;
    QPushButton* m_backup;
};

} // namespace tallyra::app
