#include "core/settings/SettingsStore.h"
#include "support/TempEnvironment.h"

#include <gtest/gtest.h>

using core::SettingsStore;
using namespace Qt::StringLiterals;

TEST(SettingsStore, TheFiveOperationsKeepValuesExactlyWriteThroughAndRefuseKeysTheyCannotHold) {
    testing_support::TempEnvironment env;
    SettingsStore store;
    const QString section = u"Report"_s;
    ASSERT_TRUE(store.SaveSetting(u"Settings"_s, u"Keep"_s, u"1"_s));
    // On disk at once, where another process reads it.
    EXPECT_TRUE(testing_support::readBytes(env.path(u"config/Tallivo/Tallivo.conf"_s)).contains("[Settings]\nKeep=1"));
    // Texts that INI syntax or QVariant would otherwise quote, split or convert.
    const QString awkward[] = {u"Total = <value>"_s, u"a,b, c"_s,  u"@at"_s,  u"1\f25\f"_s,
                               u" spaced "_s,        u"Zoë ½ €"_s, u"true"_s, QString()};
    for (int i = 0; i < 8; ++i)
        ASSERT_TRUE(store.SaveSetting(section, u"Key%1"_s.arg(i), awkward[i]));
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(SettingsStore().GetSetting(section, u"Key%1"_s.arg(i), u"x"_s), awkward[i]);

    // Keys are case-sensitive and listed sorted.
    ASSERT_TRUE(store.SaveSetting(section, u"sort0"_s, u"lower"_s));
    ASSERT_TRUE(store.SaveSetting(section, u"Sort0"_s, u"upper"_s));
    EXPECT_EQ(store.GetSetting(section, u"sort0"_s), u"lower"_s);
    const SettingsStore::Pairs all = store.GetAllSettings(section);
    ASSERT_EQ(all.size(), 10);
    EXPECT_EQ(std::pair(all.first().first, all.last().first), std::pair(u"Key0"_s, u"sort0"_s));

    ASSERT_TRUE(store.DeleteSetting(section, u"Key0"_s));
    EXPECT_EQ(store.GetSetting(section, u"Key0"_s, u"gone"_s), u"gone"_s);
    const SettingsStore::Pairs replaced = {{u"Sort0"_s, u"7"_s}};
    ASSERT_TRUE(store.ReplaceSection(section, replaced));
    EXPECT_EQ(store.GetAllSettings(section), replaced);
    // Keys it cannot hold as one key are refused, and nothing changes.
    for (const QString& key : {QString(), u"a/b"_s, u"a\\b"_s}) {
        EXPECT_FALSE(store.SaveSetting(section, key, u"v"_s));
        // An empty key reaching QSettings would remove the whole section.
        EXPECT_FALSE(store.DeleteSetting(section, key));
        EXPECT_FALSE(store.ReplaceSection(section, {{u"ok"_s, u"1"_s}, {key, u"2"_s}}));
        EXPECT_EQ(store.GetAllSettings(section), replaced);
    }
    EXPECT_TRUE(SettingsStore::isValidKey(u"25CalcType1"_s));
    ASSERT_TRUE(store.DeleteSection(section));
    EXPECT_TRUE(store.GetAllSettings(section).isEmpty());
    EXPECT_EQ(store.GetSetting(u"Settings"_s, u"Keep"_s), u"1"_s);
}
