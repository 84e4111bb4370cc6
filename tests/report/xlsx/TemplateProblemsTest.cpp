// Templates a report cannot come from, targets it cannot go to and rows it cannot take: each gives a problem text
// in plain words, never a crash, and leaves no report behind.
#include "report/xlsx/WorkbookWriter.h"
#include "support/TempEnvironment.h"
#include "support/report/PackageFiles.h"
#include "support/report/SheetCells.h"
#include "support/report/TemplateMaker.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>

namespace {

using namespace report;
using namespace testing_support::report;

const QString Sheet = QStringLiteral("xl/worksheets/sheet1.xml");

class TemplateProblemsTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(makeTemplate(templatePath(), validTemplate())); }
    static TemplateDesign validTemplate() {
        TemplateDesign design;
        design.cells = {{1, 1, "Name", ""}};
        return design;
    }
    QString templatePath() const { return m_dir.filePath(QStringLiteral("template.XLT")); }
    QString reportPath() const { return m_dir.filePath(QStringLiteral("report.xlsx")); }
    void rewrite(const std::function<void(PackageFiles&)>& change) {
        PackageFiles files = readPackage(templatePath());
        change(files);
        QFile::remove(templatePath());
        writePackage(templatePath(), files);
    }
    void overwrite(const QByteArray& bytes) {
        QFile file(templatePath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QTemporaryDir m_dir;
};

TEST_F(TemplateProblemsTest, UnusableTemplatesAreNamed) {
    QFile file(templatePath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray valid = file.readAll();
    const QByteArray bomb =
        R"(<?xml version="1.0"?><!DOCTYPE w [<!ENTITY a "aaaaaaaaaa"><!ENTITY b "&a;&a;&a;&a;&a;&a;">]>)"
        R"(<worksheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main"><sheetData>&b;</sheetData>)"
        R"(</worksheet>)";
    const auto without = [&](const char* part) {
        return [=, this] { rewrite([&](PackageFiles& files) { files.remove(QString::fromLatin1(part)); }); };
    };
    const auto withSheet = [&](const QByteArray& sheet) {
        return [=, this] { rewrite([&](PackageFiles& files) { files[Sheet] = sheet; }); };
    };
    const struct {
        const char* name;
        std::function<void()> spoil;
        const char* problem;
    } cases[]{
        {"not a zip", [&] { overwrite("just text"); }, "is not a spreadsheet package"},
        {"empty", [&] { overwrite({}); }, "is not a spreadsheet package"},
        {"truncated", [&] { overwrite(valid.first(valid.size() / 2)); }, "is not a spreadsheet package"},
        {"missing", [&] { QFile::remove(templatePath()); }, "cannot read"},
        {"no content types", without("[Content_Types].xml"), "is not a spreadsheet package"},
        {"no workbook", without("xl/workbook.xml"), "has no workbook"},
        {"no sheet part", without("xl/worksheets/sheet1.xml"), "has no worksheet"},
        {"no styles", without("xl/styles.xml"), "has no styles"},
        {"no sheets",
         [&] {
             rewrite([](PackageFiles& files) {
                 QByteArray& workbook = files[QStringLiteral("xl/workbook.xml")];
                 const qsizetype sheets = workbook.indexOf("<sheets>");
                 workbook.remove(sheets, workbook.indexOf("</sheets>") + 9 - sheets);
             });
         },
         "has no worksheet"},
        {"malformed sheet", withSheet("<worksheet><sheetData>"), "cannot be read"},
        {"sheet without rows", withSheet("<worksheet xmlns=\"x\"/>"), "cannot be read"},
        {"entity expansion", withSheet(bomb), "cannot be read"},
        {"NUL in a name", withSheet(QByteArrayLiteral("<worksheet><sheetData a\0b=\"1\"/></worksheet>")),
         "cannot be read"},
        {"UTF-16 sheet", withSheet(QByteArrayLiteral("\xFF\xFE<\0w\0/\0>\0")), "not UTF-8"},
    };
    for (const auto& [name, spoil, problem] : cases) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(makeTemplate(templatePath(), validTemplate()));
        spoil();
        xlsx::WorkbookWriter writer(templatePath());
        EXPECT_FALSE(writer.begin(reportPath(), {}, {2, 1, 1, 0}, QLocale::c()));
        EXPECT_TRUE(writer.problem().contains(QString::fromLatin1(problem))) << writer.problem().toStdString();
        EXPECT_FALSE(writer.finish());
        EXPECT_FALSE(QFile::exists(reportPath()));
    }
}

TEST_F(TemplateProblemsTest, RowsBreakingTheSheetsRulesAreRefused) {
    const SheetCell cell = textCell(1, "x");
    const struct {
        const char* name;
        std::vector<SheetRow> rows;
    } cases[]{
        {"above the first row", {{1, 0, {cell}}}},
        {"past the last row", {{9, 0, {cell}}}},
        {"repeated", {{2, 0, {cell}}, {2, 0, {cell}}}},
        {"too deep", {{2, 2, {cell}}}},
        {"past the last column", {{2, 0, {numberCell(3, 1)}}}},
        {"columns out of order", {{2, 0, {numberCell(2, 1), numberCell(1, 1)}}}},
        {"unknown style", {{2, 0, {numberCell(1, 1, 1)}}}},
    };
    for (const auto& [name, rows] : cases) {
        SCOPED_TRACE(name);
        xlsx::WorkbookWriter writer(templatePath());
        ASSERT_TRUE(writer.begin(reportPath(), {columnStyle(1)}, {2, 3, 2, 1}, QLocale::c()))
            << writer.problem().toStdString();
        bool written = true;
        for (const SheetRow& row : rows)
            written = written && writer.sheet().write(row);
        EXPECT_FALSE(written);
        EXPECT_TRUE(writer.problem().startsWith(u"report row")) << writer.problem().toStdString();
        EXPECT_FALSE(writer.finish());
        EXPECT_FALSE(QFile::exists(reportPath()));
    }
}

TEST_F(TemplateProblemsTest, WriteFailuresAreReportedAndLeaveNoReport) {
    xlsx::WorkbookWriter noFolder(templatePath());
    EXPECT_FALSE(noFolder.begin(m_dir.filePath(QStringLiteral("missing/report.xlsx")), {}, {2, 1, 1, 0}, QLocale::c()));
    EXPECT_TRUE(noFolder.problem().startsWith(u"cannot write")) << noFolder.problem().toStdString();

    // Rows of random text do not compress, so the report soon passes the limit.
    xlsx::WorkbookWriter full(templatePath());
    bool written = full.begin(reportPath(), {columnStyle(1)}, {2, 100001, 1, 0}, QLocale::c());
    {
        testing_support::FileSizeLimit limit(256 << 10);
        std::string text(64, ' ');
        for (int row = 2; row <= 100001 && written; ++row) {
            for (char& c : text)
                c = static_cast<char>('a' + std::rand() % 26);
            written = full.sheet().write({row, 0, {textCell(1, text)}});
        }
        written = written && full.finish();
    }
    EXPECT_FALSE(written);
    EXPECT_TRUE(full.problem().startsWith(u"cannot write")) << full.problem().toStdString();
    EXPECT_FALSE(QFile::exists(reportPath()));
}

} // namespace
