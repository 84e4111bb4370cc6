#include "core/definition/DefinitionFile.h"
#include "core/settings/SettingsKeys.h"
#include "core/text/FileSizeLimit.h"
#include "support/TempEnvironment.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

#include <algorithm>

#include <sys/stat.h>

using namespace core;
using Pairs = SettingsStore::Pairs;

namespace {

class DefinitionFile : public ::testing::Test {
protected:
    DefinitionFile() { QDir().mkpath(m_folder); }

    QString path(const QString& file) const { return m_folder + file; }
    void put(const QString& file, const QByteArray& bytes) const {
        QFile out(path(file));
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        ASSERT_EQ(out.write(bytes), bytes.size());
    }
    QByteArray bytesOf(const QString& file) const {
        QFile in(path(file));
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray("<unreadable>");
    }
    DefinitionLoad load(int outputType = 0) {
        return Load_DefFile(m_store, m_folder, QStringLiteral("Sales"), outputType);
    }
    DefinitionSave save(int outputType = 0) const {
        return Update_DefFile(m_store, m_folder, QStringLiteral("Sales"), outputType);
    }
    Pairs workingCopy() const { return m_store.GetAllSettings(keys::Report); }
    void setWorkingCopy(const Pairs& pairs) { ASSERT_TRUE(m_store.ReplaceSection(keys::Report, pairs)); }

    testing_support::TempEnvironment m_env;
    SettingsStore m_store;
    const QString m_folder = m_env.path(QStringLiteral("reports")) + QLatin1Char('/');
};

const Pairs LeftByARun = {{QStringLiteral("Path"), QStringLiteral("/r/Old.XLT")},
                          {QStringLiteral("SortCol0"), QStringLiteral("2")},
                          {QStringLiteral("SortCol1"), QStringLiteral("-1")},
                          {QStringLiteral("SortCol2"), QStringLiteral("-1")}};

} // namespace

TEST_F(DefinitionFile, PathsFollowTheOutputType) {
    EXPECT_EQ(definitionPath(QStringLiteral("/r/"), QStringLiteral("Sales"), 0), QStringLiteral("/r/Sales.DXL"));
    EXPECT_EQ(definitionPath(QStringLiteral("/r/"), QStringLiteral("Sales"), 1), QStringLiteral("/r/Sales.DCS"));
    EXPECT_TRUE(definitionPath(QStringLiteral("/r/"), QStringLiteral("Sales"), 2).isEmpty());
    EXPECT_TRUE(definitionPath(QStringLiteral("/r/"), QStringLiteral("Sales"), -1).isEmpty());
}

TEST_F(DefinitionFile, LoadsEverySettingAndOnlyThose) {
    const struct {
        QByteArray bytes;
        Pairs expected;
    } cases[] = {
        {"Sort0=5\r\nSort0=7\r\n", {{QStringLiteral("Sort0"), QStringLiteral("7")}}},
        {"TitleCaption0=a=b\r\n", {{QStringLiteral("TitleCaption0"), QStringLiteral("a=b")}}},
        {"A=1\r\n\r\nB=2\r\n",
         {{QStringLiteral("A"), QStringLiteral("1")}, {QStringLiteral("B"), QStringLiteral("2")}}},
        {"B=2\nA=1", {{QStringLiteral("A"), QStringLiteral("1")}, {QStringLiteral("B"), QStringLiteral("2")}}},
        {"Total = <value>\r\n", {{QStringLiteral("Total "), QStringLiteral(" <value>")}}},
        {"A=x\ry\r\n", {{QStringLiteral("A"), QStringLiteral("x\ry")}}}, // a lone CR is part of the value
        {"A=\r\n", {{QStringLiteral("A"), QString()}}},
        {"FieldsIncluded=1\f25\f\r\n", {{QStringLiteral("FieldsIncluded"), QStringLiteral("1\f25\f")}}},
        {"\xEF\xBB\xBFTitle0=Zo\xC3\xAB\r\n", {{QStringLiteral("Title0"), QStringLiteral("Zoë")}}},
        {"Title0=Caf\xE9 \x80 5\r\nTitle1=caf\xE9", // Windows-1252, last line without its end
         {{QStringLiteral("Title0"), QStringLiteral("Café € 5")}, {QStringLiteral("Title1"), QStringLiteral("café")}}},
        {"", {}},
    };
    for (const auto& c : cases) {
        setWorkingCopy(LeftByARun);
        put(QStringLiteral("Sales.DXL"), c.bytes);
        const DefinitionLoad loaded = load();
        EXPECT_TRUE(loaded.ok()) << c.bytes.constData() << ": " << loaded.description.toStdString();
        EXPECT_EQ(workingCopy(), c.expected) << c.bytes.constData();
    }
}

TEST_F(DefinitionFile, ABadLineIsNamedAndTheWorkingCopyStaysAsItWas) {
    const struct {
        QByteArray bytes;
        int line;
    } cases[] = {
        {"A=1\r\nB=2\r\nno setting here\r\nC=3\r\n", 3},
        {"A=1\r\n\r\nTitle/0=x\r\n", 3}, // empty lines count
        {"A\\1=x\n", 1},
        {"=value\r\n", 1},
        {"A=1\r\n   \r\n", 2}, // blanks are not an empty line
    };
    const Pairs before = {{QStringLiteral("Keep"), QStringLiteral("x")}, LeftByARun.first()};
    for (const auto& c : cases) {
        setWorkingCopy(before);
        put(QStringLiteral("Sales.DXL"), c.bytes);
        const DefinitionLoad loaded = load();
        EXPECT_EQ(loaded.status, DefinitionLoad::Status::BadLine) << c.bytes.constData();
        EXPECT_EQ(loaded.line, c.line) << c.bytes.constData();
        EXPECT_FALSE(loaded.description.isEmpty());
        EXPECT_EQ(workingCopy(), before) << c.bytes.constData();
    }
}

TEST_F(DefinitionFile, LoadingReplacesOnlyTheWorkingCopy) {
    ASSERT_TRUE(m_store.SaveSetting(keys::Settings, keys::DataFile, QStringLiteral("/p/data.CSV")));
    setWorkingCopy(LeftByARun);
    put(QStringLiteral("Sales.DXL"), "Sort0=5\r\n");
    ASSERT_TRUE(load().ok());
    EXPECT_EQ(workingCopy(), (Pairs{{QStringLiteral("Sort0"), QStringLiteral("5")}}));
    EXPECT_EQ(m_store.GetSetting(keys::Settings, keys::DataFile), QStringLiteral("/p/data.CSV"));
}

TEST_F(DefinitionFile, MissingOrUnreadableLeavesTheWorkingCopy) {
    put(QStringLiteral("Sales.DCS"), "Sort0=1\r\n");
    setWorkingCopy(LeftByARun);
    EXPECT_EQ(load(0).status, DefinitionLoad::Status::Missing); // the .DCS is not the .DXL
    EXPECT_EQ(load(2).status, DefinitionLoad::Status::Missing);
    ASSERT_TRUE(QDir().mkpath(path(QStringLiteral("Sales.DXL"))));
    EXPECT_EQ(load(0).status, DefinitionLoad::Status::Missing);
    EXPECT_EQ(workingCopy(), LeftByARun);

    // Neither a pipe nor a huge file may hang the load or exhaust memory.
    ASSERT_TRUE(QFile::remove(path(QStringLiteral("Sales.DCS"))));
    ASSERT_EQ(mkfifo(QFile::encodeName(path(QStringLiteral("Sales.DCS"))).constData(), 0600), 0);
    DefinitionLoad loaded = load(1);
    EXPECT_EQ(loaded.status, DefinitionLoad::Status::Unreadable);
    EXPECT_TRUE(loaded.description.contains(QStringLiteral("Sales.DCS")));
    ASSERT_TRUE(QFile::remove(path(QStringLiteral("Sales.DCS"))));
    put(QStringLiteral("Sales.DCS"), "A=1\r\n");
    ASSERT_TRUE(QFile(path(QStringLiteral("Sales.DCS"))).resize(qint64{1} << 30)); // sparse: costs no disk
    loaded = load(1);
    EXPECT_EQ(loaded.status, DefinitionLoad::Status::Unreadable);
    EXPECT_FALSE(loaded.description.isEmpty());
    EXPECT_EQ(workingCopy(), LeftByARun);
}

TEST_F(DefinitionFile, SavesOneCrLfLinePerSettingInStoreOrder) {
    setWorkingCopy({{QStringLiteral("Sort0"), QStringLiteral("5")},
                    {QStringLiteral("FieldsIncluded"), QStringLiteral("1\f25\f")},
                    {QStringLiteral("Title0"), QStringLiteral("Zoë")},
                    {QStringLiteral("Header"), QStringLiteral("1")},
                    {QStringLiteral("25CalcType1"), QStringLiteral("a=b")}});
    put(QStringLiteral("Sales.DXL"), "Old=1\r\n");
    const DefinitionSave saved = save();
    ASSERT_TRUE(saved.ok) << saved.description.toStdString();
    EXPECT_EQ(bytesOf(QStringLiteral("Sales.DXL")),
              QByteArray("25CalcType1=a=b\r\nFieldsIncluded=1\f25\f\r\nHeader=1\r\nSort0=5\r\nTitle0=Zo\xC3\xAB\r\n"));
}

TEST_F(DefinitionFile, WhatIsSavedLoadsBackTheSame) {
    const Pairs awkward = {{QStringLiteral("Total "), QStringLiteral(" <value>")},
                           {QStringLiteral("TitleCaption0"), QStringLiteral("a=b=c")},
                           {QStringLiteral("Title0"), QStringLiteral("x\ry")},
                           {QStringLiteral("Title1"), QStringLiteral("ends in CR\r")},
                           {QStringLiteral("Title2"), QStringLiteral("Zoë € 😀")},
                           {QStringLiteral("Title99"), QString()},
                           {QStringLiteral("Zoë"), QStringLiteral("@at, comma")},
                           {QStringLiteral(" a;b #c [d] 100%"), QStringLiteral("\"quoted\"; # [x]")}};
    setWorkingCopy(awkward);
    ASSERT_TRUE(save(1).ok);
    setWorkingCopy(LeftByARun);
    ASSERT_TRUE(load(1).ok());
    Pairs expected = awkward;
    std::sort(expected.begin(), expected.end());
    Pairs loaded = workingCopy();
    std::sort(loaded.begin(), loaded.end());
    EXPECT_EQ(loaded, expected);
}

TEST_F(DefinitionFile, AFailedSaveLeavesTheOldFileWhole) {
    const QByteArray old = "Sort0=5\r\nTitle0=Old\r\n";
    const Pairs good = {{QStringLiteral("Sort0"), QStringLiteral("7")},
                        {QStringLiteral("Title0"), QString(200, QLatin1Char('x'))}};
    // What a definition file cannot hold is refused, naming the setting.
    const struct {
        Pairs workingCopy;
        QString named;
    } refused[] = {
        {{{QStringLiteral("Title0"), QStringLiteral("two\nlines")}}, QStringLiteral("Title0")},
        {{{QStringLiteral("Title0"), QStringLiteral("two\r\nlines")}}, QStringLiteral("Title0")},
        {{{QStringLiteral("a=b"), QStringLiteral("1")}}, QStringLiteral("a=b")},
        {{{QStringLiteral("Title0"), QStringView(u"lone \xD800").toString()}}, QStringLiteral("U+D800")},
    };
    for (const auto& r : refused) {
        put(QStringLiteral("Sales.DXL"), old);
        setWorkingCopy(r.workingCopy);
        const DefinitionSave saved = save();
        EXPECT_FALSE(saved.ok);
        EXPECT_TRUE(saved.description.contains(r.named)) << saved.description.toStdString();
        EXPECT_EQ(bytesOf(QStringLiteral("Sales.DXL")), old);
    }

    setWorkingCopy(good);
    EXPECT_FALSE(save(2).ok);
    {
        const testing_support::FileSizeLimit full(old.size() - 1);
        const DefinitionSave saved = save();
        EXPECT_FALSE(saved.ok);
        EXPECT_FALSE(saved.description.isEmpty());
    }
    EXPECT_EQ(bytesOf(QStringLiteral("Sales.DXL")), old);
    EXPECT_EQ(QDir(m_folder).entryList(QDir::Files), QStringList{QStringLiteral("Sales.DXL")}); // no leftovers

    ASSERT_TRUE(QDir().mkpath(path(QStringLiteral("Sales.DCS"))));
    EXPECT_FALSE(save(1).ok);
    EXPECT_TRUE(QFileInfo(path(QStringLiteral("Sales.DCS"))).isDir());
    EXPECT_FALSE(Update_DefFile(m_store, m_env.path(QStringLiteral("nowhere/")), QStringLiteral("Sales"), 0).ok);

    ASSERT_TRUE(save().ok); // the same working copy saves once the disk has room
    EXPECT_EQ(bytesOf(QStringLiteral("Sales.DXL")), "Sort0=7\r\nTitle0=" + QByteArray(200, 'x') + "\r\n");
}
