#pragma once

// Strict reading of the banks' JSON arrays. A malformed document, a missing
// required key or a value of the wrong type fails the whole decode with a
// short reason ("item 3 has no “cc”") that ends up in the user's error text;
// a null counts as missing. Item numbers in reasons count from 1.
//
// Thread safety: pure functions; any thread.

#include <cstdint>
#include <optional>

#include <QByteArray>
#include <QJsonArray>
#include <QJsonObject>
#include <QString>

#include "base/result.h"

namespace tallyra::json {

[[nodiscard]] Result<QJsonArray, QString> parseArray(const QByteArray& body);
// The element at index as an object.
[[nodiscard]] Result<QJsonObject, QString> objectAt(const QJsonArray& array, qsizetype index);

[[nodiscard]] Result<QString, QString> requiredText(const QJsonObject& item, qsizetype index,
                                                    const QString& key);
[[nodiscard]] Result<double, QString> requiredNumber(const QJsonObject& item, qsizetype index,
                                                     const QString& key);
// A number without a fraction that fits in 64 bits (and is exactly
// representable, so at most 2^53 in magnitude).
[[nodiscard]] Result<std::int64_t, QString> requiredInteger(const QJsonObject& item,
                                                            qsizetype index, const QString& key);
// Nothing when the key is absent or null; a failure for any other non-number.
[[nodiscard]] Result<std::optional<double>, QString>
optionalNumber(const QJsonObject& item, qsizetype index, const QString& key);

} // namespace tallyra::json
