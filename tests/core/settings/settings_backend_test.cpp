#include <functional>
#include <thread>
#include <vector>

#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "settings/in_memory_cloud_key_value_store.h"
#include "settings/in_memory_settings_backend.h"
#include "settings/local_preferences.h"
#include "settings/ubiquitous_settings_backend.h"
#include "settings/user_defaults_backend.h"

using namespace tallyra;

namespace {

struct TypedValue
{
    const char* key;
    QVariant value;
};

std::vector<TypedValue> typedValues()
{
    const QVariantList list{QVariant(1), QVariant(QStringLiteral("two")), QVariant(true),
                            QVariant(2.5)};
    QVariantMap map;
    map.insert(QStringLiteral("rates"), list);
    map.insert(QStringLiteral("count"), QVariant(3));
    map.insert(QStringLiteral("nested"), QVariantMap{{QStringLiteral("ok"), QVariant(false)}});
    return {
        {"text", QVariant(QStringLiteral("Couldn’t Save · 1\u202F000"))},
        {"empty.text", QVariant(QString())},
        {"integer", QVariant(-42)},
        {"integer.zero", QVariant(0)},
        {"integer.64", QVariant(qint64(1) << 50)},
        {"boolean.true", QVariant(true)},
        {"boolean.false", QVariant(false)},
        {"double", QVariant(0.1)},
        {"double.whole", QVariant(3.0)},
        {"list", QVariant(list)},
        {"map", QVariant(map)},
        {"fx.rates", QVariant(map)},
    };
}

void expectTypedRoundTrip(SettingsBackend& writer,
                          const std::function<const SettingsBackend&()>& reader)
{
    for (const TypedValue& v : typedValues())
        writer.setValue(QString::fromLatin1(v.key), v.value);
    writer.setValue(QStringLiteral("removed"), QVariant(7));
    writer.setValue(QStringLiteral("removed"), std::nullopt);

    const SettingsBackend& backend = reader();
    for (const TypedValue& v : typedValues()) {
        SCOPED_TRACE(v.key);
        const std::optional<QVariant> read = backend.value(QString::fromLatin1(v.key));
        ASSERT_TRUE(read);
        EXPECT_EQ(read->typeId(), v.value.typeId()) << read->typeName();
        EXPECT_EQ(*read, v.value);
    }
    EXPECT_FALSE(backend.value(QStringLiteral("removed")));
    EXPECT_FALSE(backend.value(QStringLiteral("never.written")));
}

} // namespace

TEST(InMemorySettingsBackend, keepsTypes)
{
    InMemorySettingsBackend backend;
    expectTypedRoundTrip(backend, [&]() -> const SettingsBackend& { return backend; });
}

TEST(UserDefaultsBackend, keepsTypesInANewSettingsInstance)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("defaults.ini"));
    UserDefaultsBackend writer(path);
    // A second QSettings on the same file, opened only after the writes.
    std::unique_ptr<UserDefaultsBackend> reader;
    expectTypedRoundTrip(writer, [&]() -> const SettingsBackend& {
        reader = std::make_unique<UserDefaultsBackend>(
            std::make_unique<QSettings>(path, QSettings::IniFormat));
        return *reader;
    });
}

TEST(UserDefaultsBackend, survivesTheWriterAndReadsForeignValuesAsStored)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("defaults.ini"));
    {
        UserDefaultsBackend writer(path);
        writer.setValue(QStringLiteral("settings.monthStartDay"), QVariant(25));
    }
    {
        QSettings plain(path, QSettings::IniFormat);
        plain.setValue(QStringLiteral("settings.currency"), QStringLiteral("EUR"));
        plain.setValue(QStringLiteral("broken"), QByteArray("TallyraV1:\x01"));
    }
    const UserDefaultsBackend reader(path);
    EXPECT_EQ(reader.value(QStringLiteral("settings.monthStartDay")), QVariant(25));
    EXPECT_EQ(reader.value(QStringLiteral("settings.currency")), QVariant(QStringLiteral("EUR")));
    EXPECT_FALSE(reader.value(QStringLiteral("broken")));
}

TEST(UbiquitousSettingsBackend, keepsTypesThroughCloudAndLocal)
{
    auto cloud = std::make_shared<InMemoryCloudKeyValueStore>();
    auto local = std::make_shared<InMemorySettingsBackend>();
    UbiquitousSettingsBackend backend(cloud, local);
    expectTypedRoundTrip(backend, [&]() -> const SettingsBackend& { return backend; });
    // Both halves hold every value, so either alone can answer.
    expectTypedRoundTrip(backend, [&]() -> const SettingsBackend& { return *local; });
    for (const TypedValue& v : typedValues())
        EXPECT_EQ(cloud->value(QString::fromLatin1(v.key)), v.value);
}

TEST(UbiquitousSettingsBackend, readsCloudFirstWritesBothAndSyncsOnce)
{
    auto cloud = std::make_shared<InMemoryCloudKeyValueStore>();
    auto local = std::make_shared<InMemorySettingsBackend>();
    cloud->setValue(QStringLiteral("settings.currency"), QVariant(QStringLiteral("EUR")));
    local->setValue(QStringLiteral("settings.currency"), QVariant(QStringLiteral("USD")));
    local->setValue(QStringLiteral("settings.hideCents"), QVariant(true));

    UbiquitousSettingsBackend backend(cloud, local);
    EXPECT_EQ(cloud->synchronizeCount(), 1);
    EXPECT_EQ(backend.value(QStringLiteral("settings.currency")), QVariant(QStringLiteral("EUR")));
    EXPECT_EQ(backend.value(QStringLiteral("settings.hideCents")), QVariant(true));

    backend.setValue(QStringLiteral("settings.currency"), std::nullopt);
    EXPECT_FALSE(cloud->value(QStringLiteral("settings.currency")));
    EXPECT_FALSE(local->value(QStringLiteral("settings.currency")));
    EXPECT_FALSE(backend.value(QStringLiteral("settings.currency")));
    EXPECT_EQ(cloud->synchronizeCount(), 1);
}

TEST(InMemorySettingsBackend, serialisesConcurrentAccess)
{
    InMemorySettingsBackend backend;
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t)
        threads.emplace_back([&backend, t] {
            for (int i = 0; i < 500; ++i) {
                const QString key = QStringLiteral("k%1.%2").arg(t).arg(i);
                backend.setValue(key, QVariant(i));
                (void)backend.value(QStringLiteral("k0.0"));
                if (i % 2 == 1)
                    backend.setValue(key, std::nullopt);
            }
        });
    for (std::thread& thread : threads)
        thread.join();
    EXPECT_EQ(backend.keys().size(), 4 * 250);
    EXPECT_EQ(backend.value(QStringLiteral("k3.498")), QVariant(498));
}

TEST(LocalPreferences, missingOrMistypedValuesReadAsDefaults)
{
    auto backend = std::make_shared<InMemorySettingsBackend>();
    LocalPreferences preferences(backend);
    EXPECT_TRUE(preferences.soundsEnabled());
    EXPECT_FALSE(preferences.editorKeepOpen());
    EXPECT_FALSE(preferences.editorDetailsExpanded());
    EXPECT_FALSE(preferences.hideBalances());
    EXPECT_FALSE(preferences.welcomeSeen());

    backend->setValue(QStringLiteral("sounds.enabled"), QVariant(0));
    backend->setValue(QStringLiteral("display.hideBalances"), QVariant(QStringLiteral("true")));
    EXPECT_TRUE(preferences.soundsEnabled());
    EXPECT_FALSE(preferences.hideBalances());

    preferences.setSoundsEnabled(false);
    preferences.setEditorKeepOpen(true);
    preferences.setEditorDetailsExpanded(true);
    preferences.setHideBalances(true);
    preferences.setWelcomeSeen(true);
    EXPECT_EQ(backend->value(QStringLiteral("sounds.enabled")), QVariant(false));
    EXPECT_EQ(backend->value(QStringLiteral("editor.keepOpen")), QVariant(true));
    EXPECT_EQ(backend->value(QStringLiteral("editor.detailsExpanded")), QVariant(true));
    EXPECT_EQ(backend->value(QStringLiteral("display.hideBalances")), QVariant(true));
    EXPECT_EQ(backend->value(QStringLiteral("welcome.seen")), QVariant(true));
    const LocalPreferences reread(backend);
    EXPECT_FALSE(reread.soundsEnabled());
    EXPECT_TRUE(reread.editorKeepOpen());
    EXPECT_TRUE(reread.welcomeSeen());
}
