// Test entry point of the application-shell tests: like the core tests'
// but with a QGuiApplication, since actions and key sequences need one.
// The platform is "offscreen" unless the environment names another, so no
// display is needed (test discovery runs without the tests' environment).

#include <QGuiApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    qputenv("TZ", "UTC");
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
