#include "core/settings/SettingsStore.h"
#include "support/TempEnvironment.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <gtest/gtest.h>

#include <sys/stat.h>

using core::SettingsStore;
using namespace Qt::StringLiterals;

TEST(SettingsStore, TheFiveOperationsKeepValuesExactlyWriteThroughAndRefuseKeysTheyCannotHold) {
    testing_support::TempEnvironment env;
    SettingsStore store;
    const QString section = u"Report"_s;
    ASSERT_TRUE(store.SaveSetting(u"Settings"_s, u"Keep"_s, u"1"_s));
    // On disk at once, where another process reads it.
    EXPECT_TRUE(testing_support::readBytes(env.path(u"config/Tallivo/Tallivo.conf"_s)).contains("[Settings]\nKeep=1"));
    // Texts that INI syntax or QVariant would otherwise quote, split or convert; the file reads the same in QSettings,
    // and a file QSettings wrote reads the same here.
    const QString awkward[] = {u"Total = <value>"_s, u"a,b, c"_s, u"@at"_s,     u"1\f25\f"_s, u" spaced "_s,
                               u"Zoë ½ €"_s,         u"true"_s,   QString(),    u"x\ry\n"_s,  u"q\"\\;#[x]"_s,
                               u"\u0001abc\t9"_s,    u"@@😀 "_s,   u"%41\\x41"_s};
    const int count = static_cast<int>(std::size(awkward));
    const auto key = [](int i) { return i % 2 ? u"Key%1"_s.arg(i) : u"Zoë 😀 [%1]=;"_s.arg(i); };
    QSettings theirs(env.path(u"theirs.conf"_s), QSettings::IniFormat);
    for (int i = 0; i < count; ++i) {
        ASSERT_TRUE(store.SaveSetting(section, key(i), awkward[i]));
        theirs.setValue(section + u'/' + key(i), awkward[i]);
    }
    theirs.sync();
    const QSettings ours(store.path(), QSettings::IniFormat);
    for (int i = 0; i < count; ++i)
        EXPECT_EQ(
            QStringList({SettingsStore().GetSetting(section, key(i)), ours.value(section + u'/' + key(i)).toString(),
                         SettingsStore(theirs.fileName()).GetSetting(section, key(i))}),
            QStringList(3, awkward[i]));

    // Keys are case-sensitive and listed sorted.
    ASSERT_TRUE(store.SaveSetting(section, u"sort0"_s, u"lower"_s));
    ASSERT_TRUE(store.SaveSetting(section, u"Sort0"_s, u"upper"_s));
    EXPECT_EQ(store.GetSetting(section, u"sort0"_s), u"lower"_s);
    const SettingsStore::Pairs all = store.GetAllSettings(section);
    ASSERT_EQ(all.size(), count + 2);
    EXPECT_EQ(std::pair(all.first().first, all.last().first), std::pair(u"Key1"_s, u"sort0"_s));

    ASSERT_TRUE(store.DeleteSetting(section, u"Key1"_s));
    EXPECT_EQ(store.GetSetting(section, u"Key1"_s, u"gone"_s), u"gone"_s);
    const SettingsStore::Pairs replaced = {{u"Sort0"_s, u"7"_s}};
    ASSERT_TRUE(store.ReplaceSection(section, replaced));
    EXPECT_EQ(store.GetAllSettings(section), replaced);
    // Keys it cannot hold as one key are refused, and nothing changes.
    for (const QString& key : {QString(), u"a/b"_s, u"a\\b"_s}) {
        EXPECT_FALSE(store.SaveSetting(section, key, u"v"_s));
        EXPECT_FALSE(store.DeleteSetting(section, key));
        EXPECT_FALSE(store.ReplaceSection(section, {{u"ok"_s, u"1"_s}, {key, u"2"_s}}));
        EXPECT_EQ(store.GetAllSettings(section), replaced);
    }
    EXPECT_TRUE(SettingsStore::isValidKey(u"25CalcType1"_s));
    ASSERT_TRUE(store.DeleteSection(section));
    EXPECT_TRUE(store.GetAllSettings(section).isEmpty());
    EXPECT_EQ(store.GetSetting(u"Settings"_s, u"Keep"_s), u"1"_s);
}

// A file that is not settings reads as defaults and is never written; a write that fails half way leaves the
// previous file whole; either is said in plain words.
TEST(SettingsStore, AFileItCannotUseOrAWriteThatFailsLeavesThePreviousFileWhole) {
    testing_support::TempEnvironment env;
    SettingsStore store;
    const QString file = store.path();
    ASSERT_TRUE(QDir().mkpath(QFileInfo(file).path()));
    const std::pair<std::function<void()>, const char*> cases[] = {
        {[&] { testing_support::writeBytes(file, QByteArray("[S]\nk=\0\x01", 8)); }, "it is not text"},
        {[&] { testing_support::writeBytes(file, "[S]\nk=1\n[T\n"); }, "line 3 opens a section it does not close"},
        {[&] { testing_support::writeBytes(file, "[S]\r\nk=1\r\nstray\r\n"); }, "line 3 is neither"},
        {[&] { testing_support::writeBytes(file, "[S]\nk=1\n=x\n"); }, "a setting without a key"},
        {[&] { QDir().mkpath(file); }, "it is not a regular file"},
        {[&] { mkfifo(QFile::encodeName(file).constData(), 0600); }, "it is not a regular file"},
    };
    // Reading a pipe here would wait for a writer.
    const auto contents = [&] { return QFileInfo(file).isFile() ? testing_support::readBytes(file) : "special"; };
    for (const auto& [arrange, why] : cases) {
        SCOPED_TRACE(why);
        QDir().rmdir(file);
        QFile::remove(file);
        arrange();
        const QByteArray before = contents();
        EXPECT_EQ(store.GetSetting(u"S"_s, u"k"_s, u"default"_s), u"default"_s);
        EXPECT_FALSE(store.SaveSetting(u"S"_s, u"k"_s, u"2"_s));
        EXPECT_TRUE(store.writeFailure().contains(QString::fromLatin1(why))) << store.writeFailure().toStdString();
        EXPECT_TRUE(SettingsStore().check().contains(u"It is left as it is"_s));
        EXPECT_EQ(contents(), before);
    }

    QFile::remove(file);
    ASSERT_TRUE(store.SaveSetting(u"S"_s, u"k"_s, u"1"_s));
    const QByteArray good = testing_support::readBytes(file);
    {
        const testing_support::FileSizeLimit full(good.size() + 200); // room for the lock, not the setting
        EXPECT_FALSE(store.SaveSetting(u"S"_s, u"long"_s, QString(1000, u'x')));
    }
    EXPECT_TRUE(store.writeFailure().contains(u"File too large"_s)) << store.writeFailure().toStdString();
    EXPECT_EQ(testing_support::readBytes(file), good);
    EXPECT_EQ(std::pair(store.check(), store.GetSetting(u"S"_s, u"long"_s)), std::pair(QString(), QString()));

    // A disk too full for the copy the file is read through: defaults, no write, no blame on the file, and read once
    // there is room again.
    SettingsStore later;
    {
        const testing_support::FileSizeLimit full(good.size() - 1);
        EXPECT_EQ(later.GetSetting(u"S"_s, u"k"_s, u"default"_s), u"default"_s);
        EXPECT_FALSE(later.SaveSetting(u"S"_s, u"k"_s, u"2"_s));
        EXPECT_TRUE(later.check().contains(u"cannot be read now: no copy of it can be made in"_s) &&
                    later.check().endsWith(u": File too large. It is left as it is."_s))
            << later.check().toStdString();
    }
    EXPECT_EQ(std::pair(later.GetSetting(u"S"_s, u"k"_s), testing_support::readBytes(file)), std::pair(u"1"_s, good));
}
