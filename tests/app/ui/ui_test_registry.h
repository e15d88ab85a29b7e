#pragma once

// The window tests are Qt Test classes in one executable; each class
// registers itself here and CTest runs one class per case
// ("app_ui_tests SidebarTest").

#include <functional>
#include <map>
#include <memory>
#include <string>

#include <QObject>

namespace tallyra::app::testing {

using TestFactory = std::function<std::unique_ptr<QObject>()>;

inline std::map<std::string, TestFactory>& uiTests()
{
    static std::map<std::string, TestFactory> tests;
    return tests;
}

struct RegisterUiTest
{
    RegisterUiTest(const char* name, TestFactory factory)
    {
        uiTests().emplace(name, std::move(factory));
    }
};

} // namespace tallyra::app::testing

#define TALLYRA_UI_TEST(Class)                                                                     \
    static const ::tallyra::app::testing::RegisterUiTest registered##Class(                        \
        #Class, [] { return std::make_unique<Class>(); })
