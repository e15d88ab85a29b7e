#include "model/category_icon.h"

#include <gtest/gtest.h>

using namespace tallyra;

namespace {

QString q(const char* text)
{
    return QString::fromUtf8(text);
}

struct IconCase
{
    const char* iconKind;
    const char* iconValue;
    CategoryIcon expected;
};

TEST(CategoryIcon, storedFormIsRepairedWhenRead)
{
    const IconCase cases[] = {
        {"symbol", "cart.fill", CategoryIcon::symbol(q("cart.fill"))},
        {"symbol", "", CategoryIcon::symbol(q("questionmark"))},
        {"", "", CategoryIcon::symbol(q("questionmark"))},
        {"sfSymbol", "bag", CategoryIcon::symbol(q("bag"))},
        {"emoji", "🍕", CategoryIcon::emoji(q("🍕"))},
        {"image", "whatever", CategoryIcon::image()},
        {"Emoji", "🍕", CategoryIcon::symbol(q("🍕"))},
    };
    for (const IconCase& c : cases)
        EXPECT_EQ(categoryIconFromStored(q(c.iconKind), q(c.iconValue)), c.expected)
            << c.iconKind << "/" << c.iconValue;
}

TEST(CategoryIcon, roundTripsThroughItsStoredForm)
{
    for (const CategoryIcon& icon :
         {CategoryIcon::symbol(q("fork.knife")), CategoryIcon::emoji(q("☕️")),
          CategoryIcon::image(), CategoryIcon()}) {
        EXPECT_EQ(categoryIconFromStored(icon.storedKind(), icon.storedValue()), icon);
    }
    EXPECT_EQ(CategoryIcon().value(), q("questionmark"));
    EXPECT_EQ(CategoryIcon::image().storedKind(), q("image"));
    EXPECT_TRUE(CategoryIcon::image().storedValue().isEmpty());
}

TEST(CategoryIcon, symbolAndEmojiWithTheSameTextDiffer)
{
    EXPECT_NE(CategoryIcon::symbol(q("x")), CategoryIcon::emoji(q("x")));
    EXPECT_NE(qHash(CategoryIcon::symbol(q("x"))), qHash(CategoryIcon::emoji(q("x"))));
}

} // namespace
