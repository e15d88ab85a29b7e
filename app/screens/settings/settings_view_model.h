#pragma once

// SettingsViewModel: what the Settings screen shows and does. It reads the
// settings record and the rate service, offers the choices of each row
// (currencies, weekdays, month days, period lengths of the mode) with
// their labels, and applies a change to the settings store; what follows
// from it (rates rebased on a new main currency, hidden cents, the theme)
// listens to the store.
// The device-local switches
// (balances, sounds) go through the application model, which keeps them.
//
// Threading: main thread only.

#include <QList>
#include <QObject>
#include <QString>

#include "periods/period_length.h"
#include "settings/app_settings.h"

namespace tallyra {
class AppServices;
class MoneyDisplay;
} // namespace tallyra

namespace tallyra::app {

class AppModel;

// One entry of a choice list: the value as stored and its label.
struct SettingsChoice
{
    QVariant value;
    QString label;
};

// The exchange-rate row's texts.
struct RatesSummary
{
    QString status;  // "Updated Dec 10, 2026, 9:41 AM" or "Not loaded yet"
    QString sources; // where the rates came from
    QString error;   // "Couldn’t refresh rates: …", empty without one
    QString base;    // "; totals are shown in UAH"
};

class SettingsViewModel final : public QObject
{
    Q_OBJECT

public:
    SettingsViewModel(AppServices& services, AppModel& model, MoneyDisplay& display,
                      QObject* parent = nullptr);

    [[nodiscard]] const AppSettings& settings() const;
    // Applies one change to the settings record and its consequences.
    void change(const std::function<void(AppSettings&)>& edit);
    void setHideBalances(bool hide);
    void setSounds(bool on);
    [[nodiscard]] bool hidesBalances() const;
    [[nodiscard]] bool playsSounds() const;
    [[nodiscard]] bool soundsAvailable() const;
    [[nodiscard]] bool keepsNothing() const;

    [[nodiscard]] QList<SettingsChoice> currencies() const;
    [[nodiscard]] QList<SettingsChoice> weekdays() const;
    [[nodiscard]] QList<SettingsChoice> monthDays() const;
    [[nodiscard]] QList<SettingsChoice> defaultPeriods() const;
    [[nodiscard]] RatesSummary ratesSummary() const;

    // "1.0.0" and the line under it.
    [[nodiscard]] static QString versionText();

signals:
    // Anything the screen shows may have changed.
    void changed();

private:
    AppServices& m_services;
    AppModel& m_model;
    MoneyDisplay& m_display;
};

} // namespace tallyra::app
