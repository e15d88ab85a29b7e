#include "money/stable_id.h"

#include <QSet>

#include <gtest/gtest.h>

using namespace tallyra;

namespace {

struct VectorCase
{
    const char16_t* nameSpace;
    const char16_t* key;
    const char* expected;
};

// Computed independently (Python hashlib) from SHA-256 of "namespace:key".
TEST(StableID, matchesKnownVectors)
{
    const VectorCase cases[] = {
        {u"category", u"food", "9c2719e0-f71f-5d91-9a13-5f21738d6fa1"},
        {u"category", u"Food", "2dda4e07-ae10-563c-9bf4-3fa156a4fcf5"},
        {u"", u"", "e7ac0786-668e-5ff0-b02b-62bd04f45ff6"},
        {u"account", u"\u0413\u043E\u0442\u0456\u0432\u043A\u0430",
         "ea5bd472-346d-5ddc-9714-b7ddac0bf262"},
        {u"sample.entry", u"42", "3474ffb7-15b0-5f9c-8ea4-f786e7618cbc"},
        // Composed and decomposed "é" are different texts.
        {u"category", u"Caf\u00E9", "519ac1b6-ecf6-555b-9fba-2edc7adef888"},
        {u"category", u"Cafe\u0301", "d97ee1de-58c2-52d8-b38c-75c597163e8f"},
    };
    for (const auto& c : cases) {
        const QUuid id = StableID::make(c.nameSpace, c.key);
        EXPECT_EQ(id, QUuid::fromString(QLatin1String(c.expected)))
            << c.expected << " vs " << id.toString().toStdString();
    }
}

TEST(StableID, alwaysHasVersionFiveAndTheRfcVariant)
{
    QSet<QUuid> seen;
    for (int i = 0; i < 2000; ++i) {
        const QUuid id = StableID::make(u"entry", QString::number(i));
        ASSERT_EQ(id.version(), QUuid::Sha1) << i;
        ASSERT_EQ(id.variant(), QUuid::DCE) << i;
        seen.insert(id);
    }
    EXPECT_EQ(seen.size(), 2000);
}

} // namespace
