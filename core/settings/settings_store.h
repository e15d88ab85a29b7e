#pragma once

// SettingsStore: owns the current AppSettings for the whole run and tells
// observers when they change.
//
// Creation reads the record from the backend. setSettings() with a record
// equal to the current one does nothing; otherwise it replaces the record,
// emits settingsChanged once and writes all twelve keys in order. When the
// backend is a UbiquitousSettingsBackend, the store also listens for its
// cloud store's external changes: it re-reads the whole record (cloud values
// win over local ones), and if that differs from the current one replaces
// it and emits settingsChanged, without writing anything back. The
// connection uses the store as its context, so a change arriving after the
// store is gone reaches nobody.
//
// Thread safety: main thread only; cloud notifications emitted on another
// thread are queued to the store's thread.

#include <functional>
#include <memory>

#include <QMetaObject>
#include <QObject>

#include "settings/app_settings.h"
#include "settings/settings_backend.h"

namespace tallyra {

class SettingsStore final : public QObject
{
    Q_OBJECT

public:
    explicit SettingsStore(std::shared_ptr<SettingsBackend> backend, QObject* parent = nullptr);
    ~SettingsStore() override;

    [[nodiscard]] const AppSettings& settings() const noexcept { return m_settings; }
    [[nodiscard]] const std::shared_ptr<SettingsBackend>& backend() const noexcept
    {
        return m_backend;
    }

    // Replaces the record (see above). A record whose periodMode differs
    // from the current one has its defaultPeriod carried over to the new
    // mode first, as assigning the mode does.
    void setSettings(const AppSettings& settings);
    // Field-by-field change: applies `change` to a copy of the record and
    // stores the result with setSettings().
    void update(const std::function<void(AppSettings&)>& change);

    // Whether the store listens to a cloud store's external changes.
    [[nodiscard]] bool observesCloud() const { return static_cast<bool>(m_cloudObserver); }

signals:
    void settingsChanged(const tallyra::AppSettings& settings);

private:
    void applyExternalChange();

    std::shared_ptr<SettingsBackend> m_backend;
    AppSettings m_settings;
    QMetaObject::Connection m_cloudObserver;
};

} // namespace tallyra
