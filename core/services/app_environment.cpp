#include "services/app_environment.h"

namespace tallyra {

namespace {

// The key is usually set by hand in the defaults file, where QSettings
// keeps "true" as text; a boolean, a number or such text all count.
bool readsTrue(const std::optional<QVariant>& value)
{
    if (!value)
        return false;
    switch (value->typeId()) {
    case QMetaType::Bool:
        return value->toBool();
    case QMetaType::Int:
    case QMetaType::LongLong:
        return value->toLongLong() != 0;
    case QMetaType::QString: {
        const QString text = value->toString().trimmed();
        return text.compare(u"true", Qt::CaseInsensitive) == 0 ||
               text.compare(u"yes", Qt::CaseInsensitive) == 0 || text == u"1";
    }
    default:
        return false;
    }
}

} // namespace

AppEnvironment AppEnvironment::fromDefaults(const SettingsBackend& defaults)
{
    AppEnvironment environment;
    environment.useEmptyStore = readsTrue(defaults.value(kEmptyStoreKey));
    environment.showsWelcome = true;
    return environment;
}

} // namespace tallyra
