#include "shell/app_options.h"

#include <gtest/gtest.h>

#include "settings/in_memory_settings_backend.h"
#include "shell_test_support.h"

using namespace tallyra;
using namespace tallyra::app;
using namespace tallyra::app::testing;

namespace {

struct OptionsCase
{
    const char* name;
    QStringList arguments;
    bool emptyStoreDefault;
    std::optional<AppEnvironment> expected; // none: an error
};

AppEnvironment env(bool sample, bool empty, bool welcome, std::optional<QString> locale = {})
{
    AppEnvironment e;
    e.useSampleData = sample;
    e.useEmptyStore = empty;
    e.showsWelcome = welcome;
    e.localeOverride = std::move(locale);
    return e;
}

class AppOptions : public ::testing::TestWithParam<OptionsCase>
{
};

TEST_P(AppOptions, readTheCommandLine)
{
    const OptionsCase& c = GetParam();
    InMemorySettingsBackend defaults;
    if (c.emptyStoreDefault)
        defaults.setValue(q("TallyraEmptyStore"), QVariant(q("YES")));
    const auto result = appEnvironment(c.arguments, defaults);
    ASSERT_EQ(result.hasValue(), c.expected.has_value())
        << (result ? "" : result.error().message.toStdString());
    if (c.expected) {
        EXPECT_EQ(result.value(), *c.expected);
    } else {
        EXPECT_FALSE(result.error().message.isEmpty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AppOptions,
    ::testing::Values(
        OptionsCase{"none", {}, false, env(false, false, true)},
        OptionsCase{"sample", {q("--sample-data")}, false, env(true, false, true)},
        OptionsCase{"empty", {q("--empty"), q("--no-welcome")}, false, env(false, true, false)},
        OptionsCase{"emptyFromDefaults", {}, true, env(false, true, true)},
        OptionsCase{"sampleWinsOverEmpty",
                    {q("--empty"), q("--sample-data")},
                    false,
                    env(true, false, true)},
        OptionsCase{"localeSeparate",
                    {q("--locale"), q("uk_UA")},
                    false,
                    env(false, false, true, q("uk_UA"))},
        OptionsCase{
            "localeJoined", {q("--locale=en_GB")}, false, env(false, false, true, q("en_GB"))},
        OptionsCase{"localeMissingValue", {q("--locale")}, false, std::nullopt},
        OptionsCase{"localeUnknown", {q("--locale"), q("zz_QQ")}, false, std::nullopt},
        OptionsCase{"flagWithValue", {q("--empty=1")}, false, std::nullopt},
        OptionsCase{"unknown", {q("--frobnicate")}, false, std::nullopt}),
    [](const auto& testInfo) { return std::string(testInfo.param.name); });

} // namespace
