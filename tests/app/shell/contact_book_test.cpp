#include "shell/contact_book.h"

#include <QCoreApplication>
#include <QTimer>

#include <gtest/gtest.h>

#include "settings/in_memory_settings_backend.h"
#include "shell_test_support.h"

using namespace tallyra;
using namespace tallyra::app;
using namespace tallyra::app::testing;

namespace {

QStringList names(const QList<PickedContact>& contacts)
{
    QStringList list;
    for (const PickedContact& contact : contacts)
        list << contact.name;
    return list;
}

TEST(LocalContactBook, theFirstGrantTakesInTheLedgersNamesLater)
{
    auto local = std::make_shared<InMemorySettingsBackend>();
    LocalContactBook book(local, [] { return QStringList{q("olena"), q("Taras"), q("  ")}; });
    (void)book.add(q("Olena"));
    QObject context;
    std::optional<bool> answer;
    book.requestAccess(&context, [&](bool granted) { answer = granted; });
    EXPECT_FALSE(answer) << "never answered inside the call";
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    ASSERT_EQ(answer, true);
    EXPECT_EQ(names(book.contacts()), (QStringList{q("Olena"), q("Taras")}));
}

TEST(LocalContactBook, editsKeepTheListSortedAndFindIgnoresCaseAndAccents)
{
    auto local = std::make_shared<InMemorySettingsBackend>();
    LocalContactBook book(local);
    const auto zoe = book.add(q("Zoë"));
    const auto andriy = book.add(q("Andriy"));
    EXPECT_FALSE(book.add(q("   ")));
    EXPECT_EQ(book.add(q("zoë"))->identifier, zoe->identifier) << "no second Zoë";
    book.rename(andriy->identifier, q("Andrii"));
    EXPECT_EQ(names(book.contacts()), (QStringList{q("Andrii"), q("Zoë")}));
    EXPECT_EQ(names(book.matching(q("ZOE"))), QStringList{q("Zoë")});
    book.remove(zoe->identifier);
    EXPECT_EQ(names(LocalContactBook(local).contacts()), QStringList{q("Andrii")})
        << "kept in the local preferences";
}

} // namespace
