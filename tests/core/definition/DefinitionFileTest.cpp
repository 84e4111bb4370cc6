#include "core/definition/DefinitionFile.h"
#include "core/settings/SettingsKeys.h"
#include "support/TempEnvironment.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace core;
using namespace Qt::StringLiterals;
using Pairs = SettingsStore::Pairs;
using Status = DefinitionLoad::Status;

namespace {

const QString Dxl = u"Sales.DXL"_s, Dcs = u"Sales.DCS"_s;

class DefinitionFile : public ::testing::Test {
protected:
    DefinitionFile() { QDir().mkpath(m_folder); }

    QString path(const QString& file) const { return m_folder + file; }
    void put(const QString& file, const QByteArray& bytes) const {
        ASSERT_TRUE(testing_support::writeBytes(path(file), bytes));
    }
    QByteArray bytesOf(const QString& file) const { return testing_support::readBytes(path(file)); }
    DefinitionLoad load(int outputType = 0) { return Load_DefFile(m_store, m_folder, u"Sales"_s, outputType); }
    DefinitionSave save(int outputType = 0) const { return Update_DefFile(m_store, m_folder, u"Sales"_s, outputType); }
    Pairs workingCopy() const { return m_store.GetAllSettings(keys::Report); }
    void setWorkingCopy(const Pairs& pairs) { ASSERT_TRUE(m_store.ReplaceSection(keys::Report, pairs)); }

    testing_support::TempEnvironment m_env;
    SettingsStore m_store;
    const QString m_folder = m_env.path(u"reports/"_s);
};

// Pairs from alternating keys and values.
Pairs pairs(std::initializer_list<const char*> texts) {
    Pairs made;
    for (auto text = texts.begin(); text != texts.end(); text += 2)
        made.append({QString::fromUtf8(*text), QString::fromUtf8(*(text + 1))});
    return made;
}

const Pairs LeftByARun = pairs({"Path", "/r/Old.XLT", "SortCol0", "2", "SortCol1", "-1", "SortCol2", "-1"});

} // namespace

TEST_F(DefinitionFile, LoadsEverySettingOrNamesTheBadLineAndKeepsTheWorkingCopy) {
    const struct {
        QByteArray bytes;
        Pairs loaded;
        int badLine = 0;
    } cases[] = {
        {"Sort0=5\r\nSort0=7\r\n", pairs({"Sort0", "7"})},
        {"TitleCaption0=a=b\r\n", pairs({"TitleCaption0", "a=b"})},
        {"A=1\r\n\r\nB=2\r\n", pairs({"A", "1", "B", "2"})},
        {"B=2\nA=1", pairs({"A", "1", "B", "2"})},
        {"Total = <value>\r\n", pairs({"Total ", " <value>"})},
        {"A=1\rB=2\r", pairs({"A", "1", "B", "2"})},     // old Mac line ends
        {"A=1\n\rB=2\n\r", pairs({"A", "1", "B", "2"})}, // LF CR
        {"A=1\r\n\n\rB=2\r\rno setting", LeftByARun, 5}, // each kind of line end counts once
        {"A=\r\n", pairs({"A", ""})},
        {"\xEF\xBB\xBFTitle0=Zo\xC3\xAB\r\n", pairs({"Title0", "Zoë"})},
        {"\xEF\xBB\xBFTitle0=Zo\xEB\r\n", pairs({"Title0", "Zo\uFFFD"})}, // the mark makes it UTF-8
        {"\xEF\xBB\xBFSort0=1\r\nTitle\xEB=x\r\n", LeftByARun, 2},
        {"\xEF\xBB\xBF\xEF\xBB\xBFSort0=1\r\n", pairs({"Sort0", "1"})}, // a mark is never part of a key
        {"Sort0=1\r\n\xEF\xBB\xBFSort1=2\r\n", LeftByARun, 2},          // nor one of two files joined
        {"Title0=Caf\xE9 \x80 5\r\nTitle1=caf\xE9", pairs({"Title0", "Café € 5", "Title1", "café"})}, // Windows-1252
        {"", {}},
        {"A=1\r\nB=2\r\nno setting here\r\nC=3\r\n", LeftByARun, 3},
        {"A=1\r\n\r\nTitle/0=x\r\n", LeftByARun, 3}, // empty lines count
        {"A\\1=x\n", LeftByARun, 1},
        {"=value\r\n", LeftByARun, 1},
        {"A=1\r\n   \r\n", LeftByARun, 2}, // blanks are not an empty line
    };
    ASSERT_TRUE(m_store.SaveSetting(keys::Settings, keys::DataFile, u"/p/data.CSV"_s));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bytes.constData());
        setWorkingCopy(LeftByARun);
        put(Dxl, c.bytes);
        const DefinitionLoad loaded = load();
        EXPECT_EQ(std::tuple(loaded.status, loaded.line, loaded.description.isEmpty()),
                  std::tuple(c.badLine ? Status::BadLine : Status::Loaded, c.badLine, !c.badLine));
        EXPECT_EQ(workingCopy(), c.loaded);
    }
    EXPECT_EQ(m_store.GetSetting(keys::Settings, keys::DataFile), u"/p/data.CSV"_s);
}

TEST_F(DefinitionFile, MissingOrUnreadableLeavesTheWorkingCopy) {
    put(Dcs, "Sort0=1\r\n");
    setWorkingCopy(LeftByARun);
    EXPECT_EQ(load(0).status, Status::Missing); // the .DCS is not the .DXL
    EXPECT_EQ(load(2).status, Status::Missing);
    ASSERT_TRUE(QDir().mkpath(path(Dxl)));
    EXPECT_EQ(load(0).status, Status::Missing);
    EXPECT_EQ(workingCopy(), LeftByARun);

    // Neither a pipe nor a huge file may hang the load or exhaust memory.
    ASSERT_TRUE(QFile::remove(path(Dcs)));
    ASSERT_EQ(mkfifo(QFile::encodeName(path(Dcs)).constData(), 0600), 0);
    DefinitionLoad loaded = load(1);
    EXPECT_EQ(std::pair(loaded.status, loaded.description.contains(Dcs)), std::pair(Status::Unreadable, true));
    ASSERT_TRUE(QFile::remove(path(Dcs)));
    put(Dcs, "A=1\r\n");
    ASSERT_TRUE(QFile(path(Dcs)).resize(qint64{1} << 30)); // sparse: costs no disk
    loaded = load(1);
    EXPECT_EQ(std::pair(loaded.status, loaded.description.contains(Dcs)), std::pair(Status::Unreadable, true));
    EXPECT_EQ(workingCopy(), LeftByARun);
}

TEST_F(DefinitionFile, SavesOneCrLfLinePerSettingInStoreOrderThatLoadsBackTheSameOrLeavesTheOldFileWhole) {
    const QByteArray old = "Sort0=5\r\nTitle0=Old\r\n";
    // What a definition file cannot hold is refused, naming the setting.
    const struct {
        Pairs workingCopy;
        QString named;
    } refused[] = {
        {pairs({"Title0", "two\nlines"}), u"Title0"_s},
        {pairs({"a=b", "1"}), u"a=b"_s},
        {{{u"Title0"_s, QStringView(u"lone \xD800").toString()}}, u"U+D800"_s},
        {{{u"\uFEFFTitle0"_s, u"x"_s}}, u"Title0"_s},
        {pairs({"Title0", "x\ry"}), u"Title0"_s},
    };
    for (const auto& r : refused) {
        put(Dxl, old);
        setWorkingCopy(r.workingCopy);
        const DefinitionSave saved = save();
        EXPECT_EQ(std::pair(saved.ok, saved.description.contains(r.named)), std::pair(false, true))
            << saved.description.toStdString();
        EXPECT_EQ(bytesOf(Dxl), old);
    }

    const Pairs awkward = pairs({" a;b #c [d] 100%", "\"quoted\"; # [x]", "25CalcType1", "a=b=c", "FieldsIncluded",
                                 "1\f25\f", "Title99", "", "Total ", " <value>", "Zoë", "€ 😀"});
    setWorkingCopy(awkward);
    EXPECT_FALSE(save(2).ok);
    {
        const testing_support::FileSizeLimit full(old.size() - 1);
        const DefinitionSave saved = save();
        EXPECT_EQ(std::pair(saved.ok, saved.description.isEmpty()), std::pair(false, false));
    }
    EXPECT_EQ(bytesOf(Dxl), old);
    EXPECT_EQ(QDir(m_folder).entryList(QDir::Files), QStringList{Dxl}); // no leftovers

    ASSERT_TRUE(QDir().mkpath(path(Dcs)));
    EXPECT_FALSE(save(1).ok);
    EXPECT_TRUE(QFileInfo(path(Dcs)).isDir());
    EXPECT_FALSE(Update_DefFile(m_store, m_env.path(u"nowhere/"_s), u"Sales"_s, 0).ok);

    const DefinitionSave saved = save(); // the same working copy saves once the disk has room
    ASSERT_TRUE(saved.ok) << saved.description.toStdString();
    EXPECT_EQ(bytesOf(Dxl),
              QByteArray(" a;b #c [d] 100%=\"quoted\"; # [x]\r\n25CalcType1=a=b=c\r\nFieldsIncluded=1\f25\f\r\n"
                         "Title99=\r\nTotal = <value>\r\n"
                         "Zo\xC3\xAB=\xE2\x82\xAC \xF0\x9F\x98\x80\r\n"));
    setWorkingCopy(LeftByARun);
    ASSERT_TRUE(load().ok());
    EXPECT_EQ(workingCopy(), awkward);
}
