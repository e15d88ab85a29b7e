#include "services/json_node.h"

#include <QSet>

namespace tallyra {

QString JsonSyntaxError::describe() const
{
    return QStringLiteral("line %1, column %2: %3").arg(line).arg(column).arg(message);
}

const JsonNode* JsonNode::member(QStringView key) const
{
    for (const Member& m : m_members)
        if (m.first == key)
            return &m.second;
    return nullptr;
}

QString JsonNode::typeName(Type type)
{
    switch (type) {
    case Type::null:
        return QStringLiteral("null");
    case Type::boolean:
        return QStringLiteral("true or false");
    case Type::number:
        return QStringLiteral("a number");
    case Type::string:
        return QStringLiteral("a text");
    case Type::array:
        return QStringLiteral("an array");
    case Type::object:
        return QStringLiteral("an object");
    }
    return {};
}

// Recursive descent over the UTF-8 bytes. Errors are thrown as the syntax
// error itself and turned into the Result by parse().
class JsonParser
{
public:
    explicit JsonParser(QByteArrayView bytes) : m_bytes(bytes) {}

    JsonNode document()
    {
        if (m_bytes.startsWith("\xEF\xBB\xBF"))
            m_at = 3;
        skipSpace();
        JsonNode root = value(0);
        skipSpace();
        if (m_at < m_bytes.size())
            failHere(QStringLiteral("unexpected text after the end of the document"));
        return root;
    }

private:
    [[noreturn]] void failAt(qsizetype at, const QString& message) const
    {
        int line = 1;
        int column = 1;
        for (qsizetype i = 0; i < at && i < m_bytes.size(); ++i) {
            if (m_bytes[i] == '\n') {
                ++line;
                column = 1;
            } else {
                ++column;
            }
        }
        throw JsonSyntaxError{line, column, message};
    }
    [[noreturn]] void failHere(const QString& message) const { failAt(m_at, message); }

    [[nodiscard]] bool atEnd() const { return m_at >= m_bytes.size(); }
    [[nodiscard]] char peek() const { return atEnd() ? '\0' : m_bytes[m_at]; }

    void skipSpace()
    {
        while (!atEnd()) {
            const char c = m_bytes[m_at];
            if (c != ' ' && c != '\t' && c != '\n' && c != '\r')
                return;
            ++m_at;
        }
    }

    void expectWord(const char* word)
    {
        const QByteArrayView expected(word);
        if (m_bytes.sliced(m_at).startsWith(expected)) {
            m_at += expected.size();
            return;
        }
        failHere(QStringLiteral("unexpected character"));
    }

    JsonNode value(int depth)
    {
        if (atEnd())
            failHere(QStringLiteral("the document ends where a value was expected"));
        JsonNode node;
        switch (peek()) {
        case '{':
            return object(depth + 1);
        case '[':
            return array(depth + 1);
        case '"':
            node.m_type = JsonNode::Type::string;
            node.m_text = string();
            return node;
        case 't':
            expectWord("true");
            node.m_type = JsonNode::Type::boolean;
            node.m_boolean = true;
            return node;
        case 'f':
            expectWord("false");
            node.m_type = JsonNode::Type::boolean;
            return node;
        case 'n':
            expectWord("null");
            return node;
        default:
            if (peek() == '-' || (peek() >= '0' && peek() <= '9')) {
                node.m_type = JsonNode::Type::number;
                node.m_text = number();
                return node;
            }
            failHere(QStringLiteral("unexpected character"));
        }
    }

    void checkDepth(int depth) const
    {
        if (depth > JsonNode::kMaxDepth)
            failHere(QStringLiteral("nested more than %1 levels deep").arg(JsonNode::kMaxDepth));
    }

    JsonNode object(int depth)
    {
        checkDepth(depth);
        JsonNode node;
        node.m_type = JsonNode::Type::object;
        ++m_at; // '{'
        skipSpace();
        if (peek() == '}') {
            ++m_at;
            return node;
        }
        // A hash of the keys so far: a scan of the members for every key
        // would make an object of many keys take quadratic time.
        QSet<QString> keys;
        for (;;) {
            skipSpace();
            if (peek() != '"')
                failHere(QStringLiteral("expected a key in double quotes"));
            const qsizetype keyAt = m_at;
            QString key = interned(string());
            if (keys.contains(key))
                failAt(keyAt, QStringLiteral("the key “%1” appears twice").arg(key));
            keys.insert(key);
            skipSpace();
            if (peek() != ':')
                failHere(QStringLiteral("expected “:” after the key"));
            ++m_at;
            skipSpace();
            node.m_members.emplace_back(std::move(key), value(depth));
            skipSpace();
            if (peek() == ',') {
                ++m_at;
                continue;
            }
            if (peek() == '}') {
                ++m_at;
                return node;
            }
            failHere(QStringLiteral("expected “,” or “}”"));
        }
    }

    JsonNode array(int depth)
    {
        checkDepth(depth);
        JsonNode node;
        node.m_type = JsonNode::Type::array;
        ++m_at; // '['
        skipSpace();
        if (peek() == ']') {
            ++m_at;
            return node;
        }
        for (;;) {
            skipSpace();
            node.m_items.push_back(value(depth));
            skipSpace();
            if (peek() == ',') {
                ++m_at;
                continue;
            }
            if (peek() == ']') {
                ++m_at;
                return node;
            }
            failHere(QStringLiteral("expected “,” or “]”"));
        }
    }

    int hexDigit(qsizetype at) const
    {
        const char c = at < m_bytes.size() ? m_bytes[at] : '\0';
        if (c >= '0' && c <= '9')
            return c - '0';
        if (c >= 'a' && c <= 'f')
            return c - 'a' + 10;
        if (c >= 'A' && c <= 'F')
            return c - 'A' + 10;
        failAt(at, QStringLiteral("expected four hexadecimal digits after \\u"));
    }

    char16_t unicodeEscape()
    {
        // m_at is on the 'u'.
        int code = 0;
        for (int i = 1; i <= 4; ++i)
            code = code * 16 + hexDigit(m_at + i);
        m_at += 5;
        return static_cast<char16_t>(code);
    }

    QString string()
    {
        ++m_at; // opening quote
        QString text;
        qsizetype runStart = m_at;
        auto flushRun = [&] {
            if (m_at > runStart)
                text += QString::fromUtf8(m_bytes.sliced(runStart, m_at - runStart));
        };
        for (;;) {
            if (atEnd())
                failHere(QStringLiteral("a text is not closed with a double quote"));
            const auto c = static_cast<unsigned char>(m_bytes[m_at]);
            if (c == '"') {
                flushRun();
                ++m_at;
                return text;
            }
            if (c < 0x20)
                failHere(QStringLiteral("a control character inside a text must be escaped"));
            if (c != '\\') {
                ++m_at;
                continue;
            }
            flushRun();
            const qsizetype escapeAt = m_at;
            ++m_at;
            switch (peek()) {
            case '"':
                text += u'"';
                break;
            case '\\':
                text += u'\\';
                break;
            case '/':
                text += u'/';
                break;
            case 'b':
                text += u'\b';
                break;
            case 'f':
                text += u'\f';
                break;
            case 'n':
                text += u'\n';
                break;
            case 'r':
                text += u'\r';
                break;
            case 't':
                text += u'\t';
                break;
            case 'u': {
                const char16_t unit = unicodeEscape();
                if (QChar::isHighSurrogate(unit)) {
                    if (!m_bytes.sliced(m_at).startsWith("\\u"))
                        failAt(escapeAt, QStringLiteral("a lone surrogate in a \\u escape"));
                    ++m_at;
                    const char16_t low = unicodeEscape();
                    if (!QChar::isLowSurrogate(low))
                        failAt(escapeAt, QStringLiteral("a lone surrogate in a \\u escape"));
                    text += QChar(unit);
                    text += QChar(low);
                } else if (QChar::isLowSurrogate(unit)) {
                    failAt(escapeAt, QStringLiteral("a lone surrogate in a \\u escape"));
                } else {
                    text += QChar(unit);
                }
                runStart = m_at;
                continue;
            }
            default:
                failAt(escapeAt, QStringLiteral("unknown escape sequence"));
            }
            ++m_at;
            runStart = m_at;
        }
    }

    QString number()
    {
        const qsizetype start = m_at;
        auto digits = [&] {
            const qsizetype first = m_at;
            while (!atEnd() && peek() >= '0' && peek() <= '9')
                ++m_at;
            return m_at - first;
        };
        if (peek() == '-')
            ++m_at;
        if (peek() == '0') {
            ++m_at;
        } else if (digits() == 0) {
            failHere(QStringLiteral("expected a digit"));
        }
        if (peek() == '.') {
            ++m_at;
            if (digits() == 0)
                failHere(QStringLiteral("expected a digit after the decimal point"));
        }
        if (peek() == 'e' || peek() == 'E') {
            ++m_at;
            if (peek() == '+' || peek() == '-')
                ++m_at;
            if (digits() == 0)
                failHere(QStringLiteral("expected a digit in the exponent"));
        }
        if (peek() >= '0' && peek() <= '9')
            failHere(QStringLiteral("a number may not start with 0 followed by digits"));
        return QString::fromLatin1(m_bytes.sliced(start, m_at - start));
    }

    // Every record of a file repeats the same few keys; they share one
    // string each.
    QString interned(QString key)
    {
        if (const auto found = m_keys.constFind(key); found != m_keys.constEnd())
            return *found;
        m_keys.insert(key);
        return key;
    }

    QByteArrayView m_bytes;
    qsizetype m_at = 0;
    QSet<QString> m_keys;
};

Result<JsonNode, JsonSyntaxError> JsonNode::parse(QByteArrayView utf8)
{
    if (!utf8.isValidUtf8())
        return fail(JsonSyntaxError{1, 1, QStringLiteral("the file is not UTF-8 text")});
    try {
        return JsonParser(utf8).document();
    } catch (const JsonSyntaxError& error) {
        return fail(error);
    }
}

} // namespace tallyra
