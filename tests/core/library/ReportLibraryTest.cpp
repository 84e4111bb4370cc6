#include "core/library/ReportLibrary.h"
#include "core/ErrorReport.h"
#include "core/library/ReportNames.h"
#include "support/TempEnvironment.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using testing_support::writeBytes;
using Status = core::LibraryResult::Status;
constexpr core::OutputType Excel = core::OutputType::ExcelReport;
constexpr core::OutputType Csv = core::OutputType::CsvFile;

namespace {

TEST(ReportNames, RefuseWhatCannotNameAReportsFilesEverywhere) {
    const QString longest(200, u'x');
    const QStringList valid = u"Sales\n Q1 sales \nÜnïcödé\nCONSOLE\nCOM10"_s.split(u'\n') << longest;
    for (const QString& name : valid)
        EXPECT_TRUE(core::isValidReportName(name)) << name.toStdString();
    const QStringList invalid = u"\n  \n.\n../x\na/b\na\\b\na<b\na>b\na:b\na\"b\na|b\na?b\na*b\na\tb\na\x7f\nCON\nnul "
                                u"\nCom1\nLPT9\nCOM\u00B9"_s.split(u'\n')
                                << longest + u'x' << QString(101, u'é') << QString(QChar(0xD800));
    for (const QString& name : invalid)
        EXPECT_FALSE(core::isValidReportName(name)) << name.toStdString();
}

// Reports Sales (Excel, its template's extension in lower case, and CSV) and Other (Excel), a stray template, and the
// stock files; contents without spaces.
class ReportLibraryTest : public ::testing::Test {
protected:
    void populate() {
        for (const QString& folder : {m_reports, m_env.programFolder()})
            ASSERT_TRUE(QDir(folder).removeRecursively() && QDir().mkpath(folder));
        for (const char* file :
             {"program/tlv_template.XLT=stockT", "program/tlv_def.DXL=stockD", "program/tlv_def.DCS=stockC",
              "reports/Sales.DXL=excel", "reports/Sales.xlt=template", "reports/Sales.DCS=csv",
              "reports/Other.DXL=other", "reports/Other.XLT=otherT", "reports/Stray.XLT=stray"}) {
            const QStringList pair = QString::fromUtf8(file).split(u'=');
            ASSERT_TRUE(writeBytes(m_env.path(pair[0]), pair[1].toUtf8()));
        }
    }
    // "create N", "duplicate S N", "rename S N", "remove N", "makeCsv N", or "replaceCsv N" (asked and answered Yes).
    core::LibraryResult run(core::OutputType type, const QString& command) const {
        const core::ReportLibrary library(m_reports, m_env.programFolder(), type);
        const QStringList w = command.split(u' ');
        return w[0] == u"create"      ? library.create(w[1])
               : w[0] == u"duplicate" ? library.duplicate(w[1], w[2])
               : w[0] == u"rename"    ? library.rename(w[1], w[2])
               : w[0] == u"remove"    ? library.remove(w[1])
                                      : library.makeCsv(w[1], w[0] == u"replaceCsv");
    }
    // Every entry of the report folder, temporary ones included: "name=content", or "name/" for a folder.
    QStringList files() const {
        QStringList entries;
        for (const QFileInfo& entry :
             QDir(m_reports).entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name))
            entries.append(
                entry.fileName() +
                (entry.isDir() ? u"/"_s : u'=' + QString::fromUtf8(testing_support::readBytes(entry.filePath()))));
        return entries;
    }

    testing_support::TempEnvironment m_env;
    QString m_reports = m_env.path(u"reports"_s);
};

TEST_F(ReportLibraryTest, EachCommandTouchesOnlyTheFilesOfItsOutputType) {
    const std::tuple<core::OutputType, QString, QString, QString> cases[] = {
        // command, files gone, files added
        {Excel, u"create New"_s, {}, u"New.DXL=stockD New.XLT=stockT"_s},
        {Csv, u"create New"_s, {}, u"New.DCS=stockC"_s},
        {Excel, u"create Stray"_s, u"Stray.XLT=stray"_s, u"Stray.DXL=stockD Stray.XLT=stockT"_s},
        {Excel, u"duplicate Sales Copy"_s, {}, u"Copy.DXL=excel Copy.XLT=template"_s},
        {Csv, u"duplicate Sales Copy"_s, {}, u"Copy.DCS=csv"_s},
        {Excel, u"rename Sales SALES"_s, u"Sales.DXL=excel Sales.xlt=template"_s,
         u"SALES.DXL=excel SALES.XLT=template"_s},
        {Csv, u"rename Sales Renamed"_s, u"Sales.DCS=csv"_s, u"Renamed.DCS=csv"_s},
        {Excel, u"remove Sales"_s, u"Sales.DXL=excel Sales.xlt=template"_s, {}},
        {Csv, u"remove Sales"_s, u"Sales.DCS=csv"_s, {}},
        {Excel, u"remove Gone"_s, {}, {}},
        {Excel, u"makeCsv Other"_s, {}, u"Other.DCS=other"_s},
        {Excel, u"replaceCsv Sales"_s, u"Sales.DCS=csv"_s, u"Sales.DCS=excel"_s},
    };
    for (const auto& [type, command, gone, added] : cases) {
        populate();
        QStringList expected = files();
        for (const QString& file : gone.split(u' ', Qt::SkipEmptyParts))
            expected.removeOne(file);
        expected += added.split(u' ', Qt::SkipEmptyParts);
        expected.sort();
        EXPECT_EQ(run(type, command).detail, QString()) << command.toStdString();
        EXPECT_EQ(files(), expected) << command.toStdString();
    }
    const core::ReportLibrary library(m_reports, m_env.programFolder(), Excel);
    EXPECT_EQ((QStringList{library.templatePath(u"Sales"_s), library.templatePath(u"Gone"_s)}),
              (QStringList{m_reports + u"/Sales.xlt"_s, m_reports + u"/Gone.XLT"_s}));
}

TEST_F(ReportLibraryTest, RefusalsAndFailuresLeaveTheFolderAsItWas) {
    // arrange: "full" for a disk that takes 4 bytes, else where a folder stands in for a file; detail: a part of it.
    const std::tuple<core::OutputType, QString, QString, Status, QString> cases[] = {
        {Excel, {}, u"create Sales"_s, Status::NameTaken, {}},
        {Csv, {}, u"duplicate Sales Sales"_s, Status::NameTaken, {}},
        {Excel, {}, u"rename Sales Other"_s, Status::NameTaken, {}},
        {Csv, {}, u"create a.b"_s, Status::NameRefused, {}},
        {Excel, {}, u"rename Sales NUL"_s, Status::NameRefused, {}},
        {Excel, u"reports/New.XLT"_s, u"create New"_s, Status::Failed, u"reports/New.XLT could not be written: Is a"_s},
        {Excel, u"reports/New.XLT"_s, u"rename Sales New"_s, Status::Failed, u"reports/New.XLT could not be written"_s},
        {Csv, u"full"_s, u"create New"_s, Status::Failed, u"reports/New.DCS could not be written"_s},
        {Excel, u"full"_s, u"replaceCsv Sales"_s, Status::Failed, u"reports/Sales.DCS could not be written"_s},
        // A CSV report that appeared after the question is not replaced.
        {Excel, {}, u"makeCsv Sales"_s, Status::Failed, u"reports/Sales.DCS could not be written"_s},
        {Excel, {}, u"duplicate Gone Copy"_s, Status::Failed, u"File not found: "_s + m_reports + u"/Gone.XLT"_s},
        {Csv, u"program/tlv_def.DCS"_s, u"create New"_s, Status::SourceLocked, u"program/tlv_def.DCS"_s},
        {Excel, u"reports/Sales.DXL"_s, u"remove Sales"_s, Status::Failed, u"reports/Sales.DXL could not be deleted"_s},
    };
    for (const auto& [type, arrange, command, status, detail] : cases) {
        populate();
        if (!arrange.isEmpty() && arrange != u"full") {
            QFile::remove(m_env.path(arrange));
            ASSERT_TRUE(QDir().mkpath(m_env.path(arrange)));
        }
        const QStringList before = files();
        std::optional<testing_support::FileSizeLimit> full;
        if (arrange == u"full")
            full.emplace(4);
        const core::LibraryResult result = run(type, command);
        full.reset();
        EXPECT_EQ(result.status, status) << command.toStdString();
        EXPECT_TRUE(result.detail.contains(detail)) << result.detail.toStdString();
        EXPECT_EQ(result.errorNumber == core::errors::FileNotFound, detail.startsWith(u"File not found"));
        EXPECT_EQ(files(), before) << command.toStdString();
    }
}

TEST_F(ReportLibraryTest, ADefinitionThatAppearedSinceTheCheckIsNeverReplaced) {
    populate();
    const QStringList before = files();
    {
        using Target = core::FileTransaction::Target;
        core::FileTransaction transaction;
        ASSERT_TRUE(writeBytes(transaction.stage(m_reports + u"/Stray.XLT"_s, Target::MayBeReplaced), "new"));
        ASSERT_TRUE(writeBytes(transaction.stage(m_reports + u"/Other.DXL"_s, Target::MustBeFree), "new"));
        EXPECT_TRUE(transaction.commit().targetTaken);
    }
    EXPECT_EQ(files(), before);
}

} // namespace
