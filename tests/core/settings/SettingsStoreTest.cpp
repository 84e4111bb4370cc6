#include "core/settings/SettingsStore.h"
#include "support/TempEnvironment.h"

#include <gtest/gtest.h>

using core::SettingsStore;

TEST(SettingsStore, WritesThroughToTheConfigFolderOfTheEnvironment) {
    testing_support::TempEnvironment env;
    SettingsStore store;
    ASSERT_TRUE(store.SaveSetting(QStringLiteral("Settings"), QStringLiteral("cboOutput"), QStringLiteral("1")));
    // On disk at once, where another process reads it.
    EXPECT_TRUE(testing_support::readBytes(env.path(QStringLiteral("config/Tallivo/Tallivo.conf")))
                    .contains("[Settings]\ncboOutput=1"));
}

TEST(SettingsStore, TheFiveOperationsKeepValuesExactly) {
    testing_support::TempEnvironment env;
    SettingsStore store;
    const QString section = QStringLiteral("Report");
    // Texts that INI syntax or QVariant would otherwise quote, split or convert.
    const QString awkward[] = {
        QStringLiteral("Total = <value>"), QStringLiteral("a,b, c"),  QStringLiteral("@at"),  QStringLiteral("1\f25\f"),
        QStringLiteral(" spaced "),        QStringLiteral("Zoë ½ €"), QStringLiteral("true"), QString()};
    int i = 0;
    for (const QString& value : awkward)
        ASSERT_TRUE(store.SaveSetting(section, QStringLiteral("Key%1").arg(i++), value));
    i = 0;
    for (const QString& value : awkward)
        EXPECT_EQ(SettingsStore().GetSetting(section, QStringLiteral("Key%1").arg(i++), QStringLiteral("x")), value);

    // Keys are case-sensitive and listed sorted.
    ASSERT_TRUE(store.SaveSetting(section, QStringLiteral("sort0"), QStringLiteral("lower")));
    ASSERT_TRUE(store.SaveSetting(section, QStringLiteral("Sort0"), QStringLiteral("upper")));
    EXPECT_EQ(store.GetSetting(section, QStringLiteral("sort0")), QStringLiteral("lower"));
    const auto all = store.GetAllSettings(section);
    ASSERT_EQ(all.size(), 10);
    EXPECT_EQ(all.first().first, QStringLiteral("Key0"));
    EXPECT_EQ(all.last().first, QStringLiteral("sort0"));

    ASSERT_TRUE(store.DeleteSetting(section, QStringLiteral("Key0")));
    EXPECT_EQ(store.GetSetting(section, QStringLiteral("Key0"), QStringLiteral("gone")), QStringLiteral("gone"));
    ASSERT_TRUE(store.SaveSetting(QStringLiteral("Settings"), QStringLiteral("Keep"), QStringLiteral("1")));
    ASSERT_TRUE(store.ReplaceSection(section, {{QStringLiteral("Sort0"), QStringLiteral("7")}}));
    EXPECT_EQ(store.GetAllSettings(section), (SettingsStore::Pairs{{QStringLiteral("Sort0"), QStringLiteral("7")}}));
    ASSERT_TRUE(store.DeleteSection(section));
    EXPECT_TRUE(store.GetAllSettings(section).isEmpty());
    EXPECT_EQ(store.GetSetting(QStringLiteral("Settings"), QStringLiteral("Keep")), QStringLiteral("1"));
}

TEST(SettingsStore, RefusesKeysItCannotHoldAsOneKey) {
    testing_support::TempEnvironment env;
    SettingsStore store;
    const SettingsStore::Pairs before = {{QStringLiteral("Sort0"), QStringLiteral("1")}};
    ASSERT_TRUE(store.ReplaceSection(QStringLiteral("Report"), before));
    for (const QString& key : {QString(), QStringLiteral("a/b"), QStringLiteral("a\\b")}) {
        EXPECT_FALSE(store.SaveSetting(QStringLiteral("Report"), key, QStringLiteral("v")));
        // An empty key reaching QSettings would remove the whole section.
        EXPECT_FALSE(store.DeleteSetting(QStringLiteral("Report"), key));
        EXPECT_FALSE(store.ReplaceSection(QStringLiteral("Report"),
                                          {{QStringLiteral("ok"), QStringLiteral("1")}, {key, QStringLiteral("2")}}));
        EXPECT_EQ(store.GetAllSettings(QStringLiteral("Report")), before);
    }
    EXPECT_TRUE(SettingsStore::isValidKey(QStringLiteral("25CalcType1")));
}
