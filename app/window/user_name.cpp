#include "window/user_name.h"

#include <vector>

#include <QByteArray>

#include <pwd.h>
#include <unistd.h>

namespace tallyra::app {

QString displayName(const QString& gecos, const QString& login)
{
    QString name = gecos.section(QLatin1Char(','), 0, 0).trimmed();
    if (name.contains(QLatin1Char('&')) && !login.isEmpty()) {
        QString capitalised = login;
        capitalised[0] = capitalised[0].toUpper();
        name.replace(QLatin1Char('&'), capitalised);
    }
    return name.isEmpty() ? login : name;
}

QString systemUserName()
{
    passwd entry{};
    passwd* result = nullptr;
    const long suggested = sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(suggested > 0 ? static_cast<size_t>(suggested) : 16384);
    if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &result) == 0 && result) {
        return displayName(QString::fromLocal8Bit(result->pw_gecos ? result->pw_gecos : ""),
                           QString::fromLocal8Bit(result->pw_name ? result->pw_name : ""));
    }
    return qEnvironmentVariable("USER");
}

} // namespace tallyra::app
