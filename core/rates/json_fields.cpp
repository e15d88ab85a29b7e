#include "rates/json_fields.h"

#include <cmath>

#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QJsonValue>

namespace tallyra::json {

namespace {

QString missing(qsizetype index, const QString& key)
{
    return QCoreApplication::translate("RateError", "item %1 has no “%2”.").arg(index + 1).arg(key);
}

QString mistyped(qsizetype index, const QString& key, const char* expected)
{
    return QCoreApplication::translate("RateError", "“%2” in item %1 isn’t %3.")
        .arg(index + 1)
        .arg(key, QCoreApplication::translate("RateError", expected));
}

// 2^53: beyond it a JSON number no longer holds every integer exactly.
constexpr double kLargestExactInteger = 9007199254740992.0;

} // namespace

Result<QJsonArray, QString> parseArray(const QByteArray& body)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(body, &error);
    if (error.error != QJsonParseError::NoError)
        return fail(QCoreApplication::translate("RateError", "it isn’t valid JSON (%1 at byte %2).")
                        .arg(error.errorString())
                        .arg(error.offset));
    if (!document.isArray())
        return fail(QCoreApplication::translate("RateError", "it isn’t a list of rates."));
    return document.array();
}

Result<QJsonObject, QString> objectAt(const QJsonArray& array, qsizetype index)
{
    const QJsonValue value = array.at(index);
    if (!value.isObject())
        return fail(
            QCoreApplication::translate("RateError", "item %1 isn’t an object.").arg(index + 1));
    return value.toObject();
}

Result<QString, QString> requiredText(const QJsonObject& item, qsizetype index, const QString& key)
{
    const QJsonValue value = item.value(key);
    if (value.isUndefined() || value.isNull())
        return fail(missing(index, key));
    if (!value.isString())
        return fail(mistyped(index, key, QT_TRANSLATE_NOOP("RateError", "text")));
    return value.toString();
}

Result<double, QString> requiredNumber(const QJsonObject& item, qsizetype index, const QString& key)
{
    const QJsonValue value = item.value(key);
    if (value.isUndefined() || value.isNull())
        return fail(missing(index, key));
    if (!value.isDouble())
        return fail(mistyped(index, key, QT_TRANSLATE_NOOP("RateError", "a number")));
    return value.toDouble();
}

Result<std::int64_t, QString> requiredInteger(const QJsonObject& item, qsizetype index,
                                              const QString& key)
{
    const auto number = requiredNumber(item, index, key);
    if (!number)
        return fail(number.error());
    const double value = *number;
    if (std::trunc(value) != value || std::fabs(value) > kLargestExactInteger)
        return fail(mistyped(index, key, QT_TRANSLATE_NOOP("RateError", "a whole number")));
    return static_cast<std::int64_t>(value);
}

Result<std::optional<double>, QString> optionalNumber(const QJsonObject& item, qsizetype index,
                                                      const QString& key)
{
    const QJsonValue value = item.value(key);
    if (value.isUndefined() || value.isNull())
        return std::optional<double>{};
    if (!value.isDouble())
        return fail(mistyped(index, key, QT_TRANSLATE_NOOP("RateError", "a number")));
    return std::optional<double>{value.toDouble()};
}

} // namespace tallyra::json
