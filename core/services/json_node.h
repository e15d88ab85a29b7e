#pragma once

// JsonNode: a JSON value as read from a file, keeping every number as the
// exact text it was written with ("760.5", "-12", "1e3"). Amounts in
// imported files must never pass through binary floating point, which
// QJsonDocument would force on them.
//
// The reader is strict: UTF-8 only (a leading byte-order mark is skipped),
// no trailing commas, no comments, no duplicate keys in one object, and at
// most kMaxDepth nested arrays and objects. Object members keep the order
// in which they were written.
//
// Errors: parse() returns a JsonSyntaxError with the line and column
// (both counted from 1, the column in bytes) and what was wrong.
// Thread safety: a plain value; any thread.

#include <optional>
#include <utility>
#include <vector>

#include <QByteArrayView>
#include <QString>

#include "base/result.h"

namespace tallyra {

struct JsonSyntaxError
{
    int line = 0;
    int column = 0;
    QString message;

    // "line 3, column 14: expected “,” or “]”"
    [[nodiscard]] QString describe() const;
};

class JsonNode
{
public:
    enum class Type
    {
        null,
        boolean,
        number,
        string,
        array,
        object
    };
    using Member = std::pair<QString, JsonNode>;

    static constexpr int kMaxDepth = 64;

    JsonNode() = default;

    [[nodiscard]] static Result<JsonNode, JsonSyntaxError> parse(QByteArrayView utf8);

    [[nodiscard]] Type type() const noexcept { return m_type; }
    [[nodiscard]] bool isNull() const noexcept { return m_type == Type::null; }
    [[nodiscard]] bool isBool() const noexcept { return m_type == Type::boolean; }
    [[nodiscard]] bool isNumber() const noexcept { return m_type == Type::number; }
    [[nodiscard]] bool isString() const noexcept { return m_type == Type::string; }
    [[nodiscard]] bool isArray() const noexcept { return m_type == Type::array; }
    [[nodiscard]] bool isObject() const noexcept { return m_type == Type::object; }

    [[nodiscard]] bool boolean() const noexcept { return m_boolean; }
    // The contents of a string, or the written text of a number; empty for
    // the other types.
    [[nodiscard]] const QString& text() const noexcept { return m_text; }
    // The elements of an array; empty for the other types.
    [[nodiscard]] const std::vector<JsonNode>& items() const noexcept { return m_items; }
    // The members of an object in written order; empty for the other types.
    [[nodiscard]] const std::vector<Member>& members() const noexcept { return m_members; }
    // The member with that key, or null when the object has none (or this
    // is not an object).
    [[nodiscard]] const JsonNode* member(QStringView key) const;

    // "a number", "a text", "an array", … for messages about wrong types.
    [[nodiscard]] static QString typeName(Type type);

private:
    friend class JsonParser;

    Type m_type = Type::null;
    bool m_boolean = false;
    QString m_text;
    std::vector<JsonNode> m_items;
    std::vector<Member> m_members;
};

} // namespace tallyra
