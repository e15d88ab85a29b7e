#pragma once

// The icon of a category: a named symbol, an emoji, or the category's own
// picture (CategoryItem.iconImage). Stored as two texts, iconKind and
// iconValue: ("emoji", the emoji), ("image", anything) or any other kind
// with the symbol name in iconValue.
//
// Invariant: an image icon carries no text.
// Thread safety: a plain value; any thread.

#include <cstdint>

#include <QString>
#include <QStringView>

#include "base/enum_table.h"

namespace tallyra {

// The symbol shown when a stored icon names none.
inline constexpr char16_t kFallbackCategorySymbol[] = u"questionmark";

class CategoryIcon
{
public:
    enum class Kind : std::uint8_t
    {
        symbol,
        emoji,
        image
    };

    // The fallback symbol, "questionmark".
    CategoryIcon();

    [[nodiscard]] static CategoryIcon symbol(QString name);
    [[nodiscard]] static CategoryIcon emoji(QString text);
    [[nodiscard]] static CategoryIcon image();

    [[nodiscard]] Kind kind() const noexcept { return m_kind; }
    // The symbol name or the emoji text; empty for an image.
    [[nodiscard]] const QString& value() const noexcept { return m_value; }

    // The texts to store in iconKind and iconValue.
    [[nodiscard]] QString storedKind() const;
    [[nodiscard]] QString storedValue() const { return m_value; }

    friend bool operator==(const CategoryIcon& a, const CategoryIcon& b) = default;

private:
    CategoryIcon(Kind kind, QString value) : m_kind(kind), m_value(std::move(value)) {}

    Kind m_kind;
    QString m_value;
};

// The stored iconKind texts.
inline constexpr auto kCategoryIconKinds = makeEnumTable<CategoryIcon::Kind>({
    {CategoryIcon::Kind::symbol, u"symbol"},
    {CategoryIcon::Kind::emoji, u"emoji"},
    {CategoryIcon::Kind::image, u"image"},
});
[[nodiscard]] constexpr const auto& enumTable(CategoryIcon::Kind) noexcept
{
    return kCategoryIconKinds;
}

// Repairing read of stored data: "emoji" → emoji(iconValue), "image" →
// image, anything else → symbol(iconValue), with an empty iconValue read as
// the "questionmark" symbol.
[[nodiscard]] CategoryIcon categoryIconFromStored(QStringView iconKind, const QString& iconValue);

[[nodiscard]] size_t qHash(const CategoryIcon& icon, size_t seed = 0) noexcept;

} // namespace tallyra
