// Test entry point shared by every core test executable: a QCoreApplication
// exists for code that needs an event loop or the string table, and the
// process runs in UTC unless a test pins a zone itself.

#include <QCoreApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    qputenv("TZ", "UTC");
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
