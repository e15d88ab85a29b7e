#pragma once

// The root of the project's typed errors. Each service derives its own
// error type (LedgerWriter::WriteError, StoreBackup::Failure, …) so callers
// can catch by service, and every error carries the text shown to the user.
// The detail is for the log only: it may hold file names or SQL and never
// reaches the screen.

#include <exception>
#include <string>

#include <QString>

namespace tallyra {

class Error : public std::exception
{
public:
    explicit Error(QString userMessage, QString detail = {})
        : m_userMessage(std::move(userMessage)), m_detail(std::move(detail)),
          m_what(m_userMessage.toStdString())
    {
    }

    [[nodiscard]] const QString& userMessage() const noexcept { return m_userMessage; }
    [[nodiscard]] const QString& detail() const noexcept { return m_detail; }
    [[nodiscard]] const char* what() const noexcept override { return m_what.c_str(); }

private:
    QString m_userMessage;
    QString m_detail;
    std::string m_what;
};

} // namespace tallyra
