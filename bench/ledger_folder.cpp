#include "ledger_folder.h"

#include <stdexcept>

#include <QDate>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace tallyra::bench {

namespace {

QByteArray resource(const char* name)
{
    QFile file(QStringLiteral(":/tallyra/sample/") + QString::fromLatin1(name));
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error(std::string("no built-in sample file ") + name);
    return file.readAll();
}

void write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        throw std::runtime_error("can't write " + path.toStdString());
}

} // namespace

void writeLedgerFolder(const QString& folder, std::int64_t transactionCount)
{
    QJsonArray accounts = QJsonDocument::fromJson(resource("accounts.json")).array();
    for (qsizetype i = 0; i < accounts.size(); ++i) {
        QJsonObject account = accounts[i].toObject();
        account.remove(QStringLiteral("checkpoints"));
        accounts[i] = account;
    }
    write(folder + QStringLiteral("/accounts.json"), QJsonDocument(accounts).toJson());
    write(folder + QStringLiteral("/categories.json"), resource("categories.json"));
    write(folder + QStringLiteral("/plans.json"), resource("plans.json"));

    // The transactions are written record by record: a million of them as
    // one QJsonDocument would cost the benchmark more than the import.
    const QJsonArray sample = QJsonDocument::fromJson(resource("transactions.json")).array();
    QFile file(folder + QStringLiteral("/transactions.json"));
    if (!file.open(QIODevice::WriteOnly))
        throw std::runtime_error("can't write transactions.json");
    const QDate first(2016, 1, 1);
    const std::int64_t days = first.daysTo(QDate(2026, 1, 1));
    QByteArray chunk = "[\n";
    for (std::int64_t i = 0; i < transactionCount; ++i) {
        QJsonObject record = sample[static_cast<qsizetype>(i % sample.size())].toObject();
        record.insert(QStringLiteral("id"), static_cast<qint64>(i + 1));
        record.insert(QStringLiteral("date"),
                      first.addDays(i * days / transactionCount).toString(Qt::ISODate));
        chunk += QJsonDocument(record).toJson(QJsonDocument::Compact);
        chunk += i + 1 < transactionCount ? ",\n" : "\n";
        if (chunk.size() > (1 << 20)) {
            if (file.write(chunk) != chunk.size())
                throw std::runtime_error("can't write transactions.json");
            chunk.clear();
        }
    }
    chunk += "]\n";
    if (file.write(chunk) != chunk.size() || !file.flush())
        throw std::runtime_error("can't write transactions.json");
}

} // namespace tallyra::bench
