#include "core/library/ReportLibrary.h"
#include "core/ErrorReport.h"
#include "core/library/ReportNames.h"
#include "support/TempEnvironment.h"

#include <QDir>
#include <gtest/gtest.h>

#include <functional>

using namespace Qt::StringLiterals;
using testing_support::writeBytes;
using Library = core::ReportLibrary;
using Result = core::LibraryResult;
using Status = Result::Status;
using Command = std::function<Result(const Library&)>;
constexpr core::OutputType Excel = core::OutputType::ExcelReport;
constexpr core::OutputType Csv = core::OutputType::CsvFile;

namespace {

TEST(ReportNames, RefuseWhatCannotNameAReportsFilesEverywhere) {
    const QString longest(200, u'x');
    for (const QString& name : {u"Sales"_s, u" Q1 sales "_s, u"Ünïcödé"_s, u"CONSOLE"_s, u"COM10"_s, longest})
        EXPECT_TRUE(core::isValidReportName(name)) << name.toStdString();
    for (const QString& name : {QString(),
                                u"  "_s,
                                u"."_s,
                                u"../x"_s,
                                u"a/b"_s,
                                u"a\\b"_s,
                                u"a<b"_s,
                                u"a>b"_s,
                                u"a:b"_s,
                                u"a\"b"_s,
                                u"a|b"_s,
                                u"a?b"_s,
                                u"a*b"_s,
                                u"a\tb"_s,
                                u"a\x7f"_s,
                                u"CON"_s,
                                u"nul "_s,
                                u"Com1"_s,
                                u"LPT9"_s,
                                u"COM\u00B9"_s,
                                longest + u'x',
                                QString(101, u'é'),
                                QString(QChar(0xD800))})
        EXPECT_FALSE(core::isValidReportName(name)) << name.toStdString();
}

// A report folder with an Excel and a CSV report named Sales (the template's extension in lower case), an Excel
// report Other and a stray template; the stock files in the program folder.
class ReportLibraryTest : public ::testing::Test {
protected:
    void populate() {
        for (const QString& folder : {m_folder, m_env.programFolder()})
            ASSERT_TRUE(QDir(folder).removeRecursively() && QDir().mkpath(folder));
        for (const auto& [file, content] : {std::pair{"tlv_template.XLT", "stock template"},
                                            {"tlv_def.DXL", "stock excel"},
                                            {"tlv_def.DCS", "stock csv"}})
            ASSERT_TRUE(writeBytes(m_env.programFolder() + u'/' + QString::fromLatin1(file), content));
        for (const auto& [file, content] : {std::pair{"Sales.DXL", "excel"},
                                            {"Sales.xlt", "template"},
                                            {"Sales.DCS", "csv"},
                                            {"Other.DXL", "other"},
                                            {"Other.XLT", "other template"},
                                            {"Stray.XLT", "stray"}})
            ASSERT_TRUE(writeBytes(path(QString::fromLatin1(file)), content));
    }
    QString path(const QString& file) const { return m_folder + u'/' + file; }
    Library library(core::OutputType type) const { return {m_folder, m_env.programFolder(), type}; }
    // Every entry of the folder, temporary ones included: "name=content", or "name/" for a folder.
    QStringList files() const {
        QStringList entries;
        for (const QFileInfo& entry :
             QDir(m_folder).entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name))
            entries.append(entry.isDir() ? entry.fileName() + u'/'
                                         : entry.fileName() + u'=' +
                                               QString::fromUtf8(testing_support::readBytes(entry.filePath())));
        return entries;
    }

    testing_support::TempEnvironment m_env;
    QString m_folder = m_env.path(u"reports"_s);
};

TEST_F(ReportLibraryTest, EachCommandTouchesOnlyTheFilesOfItsOutputType) {
    struct Case {
        core::OutputType type;
        Command command;
        QStringList gone;
        QStringList added;
    };
    const Case cases[] = {
        {Excel,
         [](auto& l) { return l.create(u"New"_s); },
         {},
         {u"New.DXL=stock excel"_s, u"New.XLT=stock template"_s}},
        {Csv, [](auto& l) { return l.create(u"New"_s); }, {}, {u"New.DCS=stock csv"_s}},
        // A stray template does not make a name taken.
        {Excel,
         [](auto& l) { return l.create(u"Stray"_s); },
         {u"Stray.XLT=stray"_s},
         {u"Stray.DXL=stock excel"_s, u"Stray.XLT=stock template"_s}},
        {Excel,
         [](auto& l) { return l.duplicate(u"Sales"_s, u"Copy"_s); },
         {},
         {u"Copy.DXL=excel"_s, u"Copy.XLT=template"_s}},
        {Csv, [](auto& l) { return l.duplicate(u"Sales"_s, u"Copy"_s); }, {}, {u"Copy.DCS=csv"_s}},
        {Excel,
         [](auto& l) { return l.rename(u"Sales"_s, u"SALES"_s); },
         {u"Sales.DXL=excel"_s, u"Sales.xlt=template"_s},
         {u"SALES.DXL=excel"_s, u"SALES.XLT=template"_s}},
        {Csv, [](auto& l) { return l.rename(u"Sales"_s, u"Renamed"_s); }, {u"Sales.DCS=csv"_s}, {u"Renamed.DCS=csv"_s}},
        {Excel, [](auto& l) { return l.rename(u"Sales"_s, u"Sales"_s); }, {}, {}},
        {Excel, [](auto& l) { return l.remove(u"Sales"_s); }, {u"Sales.DXL=excel"_s, u"Sales.xlt=template"_s}, {}},
        {Csv, [](auto& l) { return l.remove(u"Sales"_s); }, {u"Sales.DCS=csv"_s}, {}},
        {Excel, [](auto& l) { return l.remove(u"Gone"_s); }, {}, {}},
        {Excel, [](auto& l) { return l.makeCsv(u"Other"_s, false); }, {}, {u"Other.DCS=other"_s}},
        {Excel, [](auto& l) { return l.makeCsv(u"Sales"_s, true); }, {u"Sales.DCS=csv"_s}, {u"Sales.DCS=excel"_s}},
    };
    for (const Case& c : cases) {
        populate();
        QStringList expected = files();
        for (const QString& file : c.gone)
            expected.removeOne(file);
        expected += c.added;
        expected.sort();
        const Result result = c.command(library(c.type));
        EXPECT_EQ(result.detail, QString());
        EXPECT_EQ(files(), expected) << c.added.join(u' ').toStdString();
    }
    EXPECT_EQ(library(Excel).templatePath(u"Sales"_s), path(u"Sales.xlt"_s));
    EXPECT_EQ(library(Excel).templatePath(u"Gone"_s), path(u"Gone.XLT"_s));
}

TEST_F(ReportLibraryTest, RefusalsAndFailuresLeaveTheFolderAsItWas) {
    const auto folderAt = [](const QString& file) {
        return [=] { ASSERT_TRUE((QFile::remove(file) || !QFile::exists(file)) && QDir().mkpath(file)); };
    };
    const auto limited = [](Command command) {
        return [=](const Library& l) {
            testing_support::FileSizeLimit limit(4);
            return command(l);
        };
    };
    struct Case {
        core::OutputType type;
        std::function<void()> arrange;
        Command command;
        Status status;
        QString detail;
    };
    const QString stock = m_env.programFolder();
    const Case cases[] = {
        {Excel, {}, [](auto& l) { return l.create(u"Sales"_s); }, Status::NameTaken, {}},
        {Csv, {}, [](auto& l) { return l.duplicate(u"Sales"_s, u"Sales"_s); }, Status::NameTaken, {}},
        {Excel, {}, [](auto& l) { return l.rename(u"Sales"_s, u"Other"_s); }, Status::NameTaken, {}},
        {Csv, {}, [](auto& l) { return l.create(u"a.b"_s); }, Status::NameRefused, {}},
        {Excel, {}, [](auto& l) { return l.rename(u"Sales"_s, u"NUL"_s); }, Status::NameRefused, {}},
        // A folder where a file goes, a disk that is full, a stock file missing or unreadable.
        {Excel, folderAt(path(u"New.XLT"_s)), [](auto& l) { return l.create(u"New"_s); }, Status::Failed,
         path(u"New.XLT"_s) + u" could not be written: "_s},
        {Excel, folderAt(path(u"New.XLT"_s)), [](auto& l) { return l.rename(u"Sales"_s, u"New"_s); }, Status::Failed,
         path(u"New.XLT"_s) + u" could not be written: "_s},
        {Csv, {}, limited([](auto& l) { return l.create(u"New"_s); }), Status::Failed, u"could not be written: "_s},
        {Excel, {}, limited([](auto& l) { return l.makeCsv(u"Sales"_s, true); }), Status::Failed, u"written"_s},
        // A CSV report that appeared after the question is not replaced.
        {Excel,
         {},
         [](auto& l) { return l.makeCsv(u"Sales"_s, false); },
         Status::Failed,
         path(u"Sales.DCS"_s) + u" could not be written: "_s},
        {Excel, [=] { QFile::remove(stock + u"/tlv_def.DXL"_s); }, [](auto& l) { return l.create(u"New"_s); },
         Status::Failed, u"File not found: "_s + stock + u"/tlv_def.DXL"_s},
        {Csv, folderAt(stock + u"/tlv_def.DCS"_s), [](auto& l) { return l.create(u"New"_s); }, Status::SourceLocked,
         stock + u"/tlv_def.DCS"_s},
        {Excel, folderAt(path(u"Sales.DXL"_s)), [](auto& l) { return l.remove(u"Sales"_s); }, Status::Failed,
         path(u"Sales.DXL"_s) + u" could not be deleted: "_s},
    };
    for (const Case& c : cases) {
        populate();
        if (c.arrange)
            c.arrange();
        const QStringList before = files();
        const Result result = c.command(library(c.type));
        EXPECT_EQ(result.status, c.status) << c.detail.toStdString();
        EXPECT_TRUE(result.detail.contains(c.detail)) << result.detail.toStdString();
        EXPECT_EQ(result.errorNumber == core::errors::FileNotFound, c.detail.startsWith(u"File not found"));
        EXPECT_EQ(files(), before) << c.detail.toStdString();
    }
}

TEST_F(ReportLibraryTest, ADefinitionThatAppearedSinceTheCheckIsNeverReplaced) {
    populate();
    const QStringList before = files();
    {
        core::FileTransaction transaction;
        using Target = core::FileTransaction::Target;
        ASSERT_TRUE(writeBytes(transaction.stage(path(u"Stray.XLT"_s), Target::MayBeReplaced), "new template"));
        ASSERT_TRUE(writeBytes(transaction.stage(path(u"Other.DXL"_s), Target::MustBeFree), "new definition"));
        EXPECT_TRUE(transaction.commit().targetTaken);
    }
    EXPECT_EQ(files(), before);
}

} // namespace
