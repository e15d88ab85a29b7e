#include "settings/user_defaults_backend.h"

#include <QDataStream>
#include <QIODevice>
#include <QLoggingCategory>

namespace tallyra {

namespace {

Q_LOGGING_CATEGORY(lcUserDefaults, "tallyra.settings.defaults")

constexpr QByteArrayView kMarker = "TallyraV1:";
constexpr QDataStream::Version kStreamVersion = QDataStream::Qt_6_0;

} // namespace

UserDefaultsBackend::UserDefaultsBackend()
    : UserDefaultsBackend(
          std::make_unique<QSettings>(QStringLiteral("Tallyra"), QStringLiteral("Tallyra")))
{
}

UserDefaultsBackend::UserDefaultsBackend(const QString& iniFilePath)
    : UserDefaultsBackend(std::make_unique<QSettings>(iniFilePath, QSettings::IniFormat))
{
}

UserDefaultsBackend::UserDefaultsBackend(std::unique_ptr<QSettings> settings)
    : m_settings(std::move(settings))
{
}

UserDefaultsBackend::~UserDefaultsBackend() = default;

std::optional<QVariant> UserDefaultsBackend::value(const QString& key) const
{
    std::lock_guard lock(m_mutex);
    const QVariant stored = m_settings->value(key);
    if (!stored.isValid())
        return std::nullopt;
    return decode(stored);
}

void UserDefaultsBackend::setValue(const QString& key, const std::optional<QVariant>& value)
{
    std::lock_guard lock(m_mutex);
    if (value)
        m_settings->setValue(key, encode(*value));
    else
        m_settings->remove(key);
    m_settings->sync();
    if (m_settings->status() != QSettings::NoError)
        qCWarning(lcUserDefaults, "Could not write %s to %s", qUtf8Printable(key),
                  qUtf8Printable(m_settings->fileName()));
}

QString UserDefaultsBackend::fileName() const
{
    std::lock_guard lock(m_mutex);
    return m_settings->fileName();
}

QByteArray UserDefaultsBackend::encode(const QVariant& value)
{
    QByteArray bytes(kMarker.data(), kMarker.size());
    QDataStream stream(&bytes, QIODevice::WriteOnly | QIODevice::Append);
    stream.setVersion(kStreamVersion);
    stream << value;
    return bytes;
}

std::optional<QVariant> UserDefaultsBackend::decode(const QVariant& stored)
{
    if (stored.typeId() != QMetaType::QByteArray)
        return stored;
    const QByteArray bytes = stored.toByteArray();
    if (!bytes.startsWith(kMarker))
        return stored;
    QDataStream stream(bytes.sliced(kMarker.size()));
    stream.setVersion(kStreamVersion);
    QVariant value;
    stream >> value;
    if (stream.status() != QDataStream::Ok || !value.isValid()) {
        qCWarning(lcUserDefaults, "Unreadable stored value ignored");
        return std::nullopt;
    }
    return value;
}

} // namespace tallyra
