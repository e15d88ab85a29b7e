// Runs one registered window test class (the first argument) or all of
// them, under a QApplication on the offscreen platform.

#include <cstdio>

#include <QApplication>
#include <QTest>

#include "ui_test_registry.h"

int main(int argc, char** argv)
{
    qputenv("TZ", "UTC");
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("TallyraTests"));
    const auto& tests = tallyra::app::testing::uiTests();
    QStringList arguments = QApplication::arguments();
    std::string only;
    if (arguments.size() > 1 && !arguments.at(1).startsWith(QLatin1Char('-'))) {
        only = arguments.at(1).toStdString();
        arguments.removeAt(1);
        if (!tests.count(only)) {
            std::fprintf(stderr, "no test class %s\n", only.c_str());
            return 2;
        }
    }
    int failed = 0;
    for (const auto& [name, make] : tests) {
        if (!only.empty() && name != only)
            continue;
        const std::unique_ptr<QObject> test = make();
        failed += QTest::qExec(test.get(), arguments);
    }
    return failed == 0 ? 0 : 1;
}
