#include "store/predicate_sql.h"

#include <variant>

namespace tallyra::store_detail {

QByteArray quoted(const char* name)
{
    return '"' + QByteArray(name) + '"';
}

const char* comparisonOperator(Comparison comparison)
{
    switch (comparison) {
    case Comparison::equal:
        return " = ";
    case Comparison::notEqual:
        return " <> ";
    case Comparison::less:
        return " < ";
    case Comparison::lessOrEqual:
        return " <= ";
    case Comparison::greater:
        return " > ";
    case Comparison::greaterOrEqual:
        return " >= ";
    }
    return " = ";
}

QByteArray jsonArray(const QList<StoreValue>& values)
{
    QByteArray json = "[";
    for (qsizetype i = 0; i < values.size(); ++i) {
        if (i > 0)
            json += ',';
        const auto& value = values.at(i).sql();
        if (const auto* integer = std::get_if<std::int64_t>(&value)) {
            json += QByteArray::number(*integer);
        } else if (const auto* bytes = std::get_if<QByteArray>(&value)) {
            json += '"' + bytes->toHex().toUpper() + '"';
        } else if (const auto* text = std::get_if<QString>(&value)) {
            QByteArray escaped;
            for (const char c : text->toUtf8()) {
                if (c == '"' || c == '\\')
                    escaped += '\\';
                if (static_cast<unsigned char>(c) < 0x20)
                    escaped += "\\u00" + QByteArray::number(static_cast<unsigned char>(c), 16)
                                             .rightJustified(2, '0');
                else
                    escaped += c;
            }
            json += '"' + escaped + '"';
        } else {
            json += "null";
        }
    }
    json += ']';
    return json;
}

} // namespace tallyra::store_detail
