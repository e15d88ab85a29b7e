#pragma once

// A backend for tests that remembers every write, in order, over an
// in-memory map.

#include <utility>
#include <vector>

#include "settings/in_memory_settings_backend.h"

namespace tallyra::test_support {

class RecordingBackend final : public SettingsBackend
{
public:
    std::vector<std::pair<QString, std::optional<QVariant>>> writes;

    [[nodiscard]] std::optional<QVariant> value(const QString& key) const override
    {
        return m_values.value(key);
    }
    void setValue(const QString& key, const std::optional<QVariant>& value) override
    {
        writes.emplace_back(key, value);
        m_values.setValue(key, value);
    }
    // Seeds a value without recording it as a write.
    void seed(const QString& key, const QVariant& value) { m_values.setValue(key, value); }

private:
    InMemorySettingsBackend m_values;
};

} // namespace tallyra::test_support
