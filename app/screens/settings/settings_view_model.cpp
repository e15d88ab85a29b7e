#include "screens/settings/settings_view_model.h"

#include <QCoreApplication>
#include <QLocale>

#include "display/money_display.h"
#include "money/currency.h"
#include "periods/period_labels.h"
#include "services/app_services.h"
#include "shell/app_model.h"

namespace tallyra::app {

SettingsViewModel::SettingsViewModel(AppServices& services, AppModel& model, MoneyDisplay& display,
                                     QObject* parent)
    : QObject(parent), m_services(services), m_model(model), m_display(display)
{
    connect(&m_services.settings(), &SettingsStore::settingsChanged, this,
            &SettingsViewModel::changed);
    ExchangeRates& rates = m_services.rates();
    connect(&rates, &ExchangeRates::updatedChanged, this, &SettingsViewModel::changed);
    connect(&rates, &ExchangeRates::lastErrorChanged, this, &SettingsViewModel::changed);
    connect(&rates, &ExchangeRates::ratesChanged, this, &SettingsViewModel::changed);
    connect(&m_model, &AppModel::hidesBalancesChanged, this, &SettingsViewModel::changed);
    connect(&m_model, &AppModel::playsSoundsChanged, this, &SettingsViewModel::changed);
    connect(&m_model, &AppModel::periodEngineChanged, this, &SettingsViewModel::changed);
}

const AppSettings& SettingsViewModel::settings() const
{
    return m_services.settings().settings();
}

void SettingsViewModel::change(const std::function<void(AppSettings&)>& edit)
{
    const AppSettings before = settings();
    AppSettings after = before;
    edit(after);
    if (after.periodMode != before.periodMode)
        after.setPeriodMode(after.periodMode);
    if (after == before)
        return;
    // The services rebase the rates on a new main currency and the
    // lifecycle hands hidden cents to the money display, both on this signal.
    m_services.settings().setSettings(after);
}

void SettingsViewModel::setHideBalances(bool hide)
{
    m_model.setHidesBalances(hide);
}

void SettingsViewModel::setSounds(bool on)
{
    m_model.setPlaysSounds(on);
}

bool SettingsViewModel::hidesBalances() const
{
    return m_model.hidesBalances();
}

bool SettingsViewModel::playsSounds() const
{
    return m_model.playsSounds();
}

bool SettingsViewModel::soundsAvailable() const
{
    return m_model.makesSound();
}

bool SettingsViewModel::keepsNothing() const
{
    return m_services.env().keepsNothing();
}

QList<SettingsChoice> SettingsViewModel::currencies() const
{
    QList<SettingsChoice> choices;
    const QLocale language = m_display.language();
    for (const QString& code : Currency::all()) {
        const QString name = Currency::name(code, language);
        choices.push_back(
            {code, name.isEmpty() || name == code ? code : tr("%1 — %2").arg(code, name)});
    }
    return choices;
}

QList<SettingsChoice> SettingsViewModel::weekdays() const
{
    // Stored as 1 = Sunday … 7 = Saturday; Monday first in the list.
    QList<SettingsChoice> choices;
    const QLocale language = m_display.language();
    for (const int stored : {2, 3, 4, 5, 6, 7, 1}) {
        const int qtDay = stored == 1 ? 7 : stored - 1;
        choices.push_back({stored, language.standaloneDayName(qtDay, QLocale::LongFormat)});
    }
    return choices;
}

QList<SettingsChoice> SettingsViewModel::monthDays() const
{
    QList<SettingsChoice> choices;
    for (int day = 1; day <= 31; ++day)
        choices.push_back({day, m_display.dayOfMonth(day)});
    return choices;
}

QList<SettingsChoice> SettingsViewModel::defaultPeriods() const
{
    QList<SettingsChoice> choices;
    const PeriodLabels labels(m_model.periodEngine());
    const PeriodMode mode = settings().periodMode;
    QList<PeriodLength> lengths;
    for (const PeriodLength length : allCases<PeriodLength>())
        if (length != PeriodLength::max && converted(length, mode) == length)
            lengths.push_back(length);
    lengths.push_back(PeriodLength::max);
    for (const PeriodLength length : lengths)
        choices.push_back({rawValue(length), labels.periodTitle(length, 0)});
    return choices;
}

RatesSummary SettingsViewModel::ratesSummary() const
{
    const ExchangeRates& rates = m_services.rates();
    RatesSummary summary;
    if (const auto& updated = rates.updated())
        summary.status =
            tr("Updated %1").arg(PeriodLabels(m_model.periodEngine()).dateAndTime(*updated));
    else
        summary.status = tr("Not loaded yet");
    CurrencySet currencies;
    if (const auto& index = m_services.store().index())
        for (const Account& account : index->accounts())
            if (account.currency != settings().currency)
                currencies.insert(account.currency);
    summary.sources = rates.sourceDescription(currencies);
    if (const auto& error = rates.lastError())
        summary.error = tr("Couldn’t refresh rates: %1").arg(*error);
    summary.base = tr("; totals are shown in %1").arg(settings().currency);
    return summary;
}

QString SettingsViewModel::versionText()
{
    return tr("Version %1").arg(QCoreApplication::applicationVersion());
}

} // namespace tallyra::app
