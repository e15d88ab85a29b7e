#include "window/window_state.h"

#include "settings/settings_backend.h"

namespace tallyra::app {

namespace {

QByteArray readBytes(const SettingsBackend& backend, const char* key)
{
    const std::optional<QVariant> value = backend.value(QString::fromLatin1(key));
    if (!value || !value->canConvert<QString>())
        return {};
    return QByteArray::fromBase64(value->toString().toLatin1());
}

} // namespace

WindowState WindowState::read(const SettingsBackend& backend)
{
    WindowState state;
    state.geometry = readBytes(backend, kGeometryKey);
    state.splitter = readBytes(backend, kSplitterKey);
    if (const auto raw = backend.value(QString::fromLatin1(kDestinationKey)))
        state.destination = enumFromRaw<Destination>(raw->toString());
    return state;
}

void WindowState::write(SettingsBackend& backend) const
{
    backend.setValue(QString::fromLatin1(kGeometryKey),
                     QVariant(QString::fromLatin1(geometry.toBase64())));
    backend.setValue(QString::fromLatin1(kSplitterKey),
                     QVariant(QString::fromLatin1(splitter.toBase64())));
    if (destination)
        backend.setValue(QString::fromLatin1(kDestinationKey), QVariant(rawValue(*destination)));
}

} // namespace tallyra::app
