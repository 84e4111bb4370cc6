// Reports written from templates made here: read back by openpyxl rather than by our own code, or refused with a
// problem in plain words, never a crash, and no report left behind.
#include "report/xlsx/WorkbookWriter.h"
#include "support/TempEnvironment.h"
#include "support/report/TemplateMaker.h"
#include "support/report/WorkbookReader.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include <sys/stat.h>

namespace {

using namespace Qt::StringLiterals;
using namespace report;
using namespace testing_support::report;
using enum SheetCell::Kind;
using testing::EndsWith;
using testing::HasSubstr;
using testing::StartsWith;

const QString Sheet = u"xl/worksheets/sheet1.xml"_s;
const QString ContentTypes = u"[Content_Types].xml"_s;
const TemplateDesign Plain{{}, {{1, 1, "Name", ""}}, {}, false};

CellStyle columnStyle(int column, bool date = false) {
    return {column, {}, {}, {}, date};
}

// The sheet and styles with their elements in a prefixed namespace, as some libraries write them.
void prefixMainNamespace(PackageFiles& files) {
    for (const QString& part : {Sheet, u"xl/styles.xml"_s}) {
        QString text = QString::fromUtf8(files[part]);
        text.replace(QRegularExpression(u"<(/?)(?=[A-Za-z])"_s), u"<\\1x:"_s).replace(u"xmlns=\""_s, u"xmlns:x=\""_s);
        files[part] = text.toUtf8();
    }
}

class WorkbookWriterTest : public ::testing::Test {
protected:
    // Writes the rows into a report from the template: the writer's problem, "" when the report was written.
    QString write(const std::vector<CellStyle>& styles, const std::vector<SheetRow>& rows,
                  const xlsx::SheetExtent& extent, const QLocale& locale = QLocale::c()) {
        const QByteArray before = testing_support::readBytes(reportPath);
        xlsx::WorkbookWriter writer(templatePath);
        bool written = writer.begin(reportPath, styles, extent, locale);
        for (const SheetRow& row : rows)
            written = written && writer.sheet().write(row);
        // Once anything failed, finishing must still refuse.
        written = writer.finish() && written;
        EXPECT_EQ(testing_support::readBytes(reportPath) != before, written) << writer.problem().toStdString();
        return written ? QString() : writer.problem();
    }

    // Makes the template, changed by `alter` when given, writes the report from it and reads the report back.
    QJsonObject report(const TemplateDesign& design, const std::vector<CellStyle>& styles,
                       const std::vector<SheetRow>& rows, const xlsx::SheetExtent& extent,
                       const QLocale& locale = QLocale::c(), const std::function<void(PackageFiles&)>& alter = {}) {
        if (!makeTemplate(templatePath, design))
            return {};
        if (alter)
            alterPackage(templatePath, alter);
        const QString problem = write(styles, rows, extent, locale);
        EXPECT_EQ(problem.toStdString(), "");
        return problem.isEmpty() ? readWorkbook(reportPath) : QJsonObject();
    }

    QTemporaryDir dir;
    const QString templatePath = dir.filePath(u"template.XLT"_s);
    const QString reportPath = dir.filePath(u"report.xlsx"_s);
};

TEST_F(WorkbookWriterTest, CellsStylesAndRowsReadBackAsWritten) {
    const TemplateDesign design{
        {{1, "", true}, {2, "#,##0.00", false}, {3, "dd/mm/yyyy", false}, {4, "", false}},
        {{1, 1, "Title", ""}, {2, 1, "Name", ""}, {2, 4, "Note", ""}, {4, 2, "dropped", ""}, {6, 1, "dropped", ""}},
        {"B1:D1", "A5:B5"},
        true};
    const core::FontFormat italic{u"Arial"_s, false, true, true, true, 255, 12.5};
    const std::vector<CellStyle> styles{
        columnStyle(1),
        columnStyle(2),
        columnStyle(3, true),
        columnStyle(4, true),
        {1, italic, core::LineFormat{2, 16711680}, core::LineFormat{3, 0}, false},
        {4, core::FontFormat{u"Courier New"_s, false, false, false, false, 0, 0}, {}, {}, false},
        {2, core::FontFormat{u"Arial"_s, true, false, false, false, -5, 1000}, {}, core::LineFormat{7, 8388608}, false},
    };
    const std::vector<SheetRow> rows{
        {3,
         1,
         {{1, Text, 0, "Alpha"}, {2, Number, 1, {}, 1234.5}, {3, Number, 2, {}, 45000}, {4, Number, 3, {}, 45001}}},
        {4, 2, {{1, Formula, 4, "SUBTOTAL(9,B3:B3)", 0.1 + 0.2}, {2, Empty, 6, {}, 0}, {4, Text, 5, "small"}}},
        {6, 0, {{2, Number, 1, {}, -1.2345678901234567e-300}, {3, Formula, 1, "1/0", INFINITY}}},
    };
    const QJsonObject expectedCells = json(R"json({
        "A1.value": "Title", "D2.value": "Note", "A3.value": "Alpha", "A3.type": "s", "A3.font.bold": true,
        "B3.value": 1234.5, "B3.type": "n", "B3.numberFormat": "#,##0.00",
        "C3.value": "2023-03-15T00:00:00", "C3.numberFormat": "dd/mm/yyyy", "D3.numberFormat": "m/d/yy",
        "A4.formula": "=SUBTOTAL(9,B3:B3)", "A4.value": 0.30000000000000004,
        "A4.font": {"name": "Arial", "size": 12.5, "bold": false, "italic": true, "underline": "single",
                    "strike": true, "colour": "FFFF0000"},
        "A4.top": {"style": "thick", "colour": "FF0000FF"}, "A4.bottom": {"style": "double", "colour": "FF000000"},
        "B4.value": null, "B4.numberFormat": "#,##0.00", "B4.font.size": 409, "B4.font.colour": "FF000000",
        "B4.bottom": {"style": "thin", "colour": "FF000080"}, "D4.value": "small", "D4.font.size": 1,
        "B6.value": -1.2345678901234567e-300, "C6.value": "#NUM!"
    })json");
    for (const auto alter : {static_cast<void (*)(PackageFiles&)>(nullptr), &prefixMainNamespace}) {
        SCOPED_TRACE(alter ? "prefixed namespace" : "default namespace");
        const QJsonObject workbook =
            report(design, styles, rows, {3, 6, 4, 2}, QLocale(QLocale::English, QLocale::UnitedStates), alter);
        ASSERT_FALSE(workbook.isEmpty());
        expectAt(workbook[u"sheet"][u"cells"], expectedCells);
        expectAt(workbook[u"sheet"], json(R"({"rows": {"3": 1, "4": 2}, "outlineLevelRow": 2, "merged": ["B1:D1"]})"));
        for (const char16_t* dropped : {u"A5", u"A6"})
            EXPECT_FALSE(workbook[u"sheet"][u"cells"].toObject().contains(QStringView(dropped)));

        QJsonObject templateParts = readWorkbook(templatePath)[u"parts"].toObject();
        QJsonObject reportParts = workbook[u"parts"].toObject();
        for (const QString& rewritten : {Sheet, u"xl/styles.xml"_s})
            EXPECT_NE(templateParts.take(rewritten), reportParts.take(rewritten)) << rewritten.toStdString();
        EXPECT_TRUE(templateParts.contains(u"xl/media/image1.png"));
        EXPECT_EQ(reportParts, templateParts);
    }
}

// As a spreadsheet program saves .xltx: typed as a template, with a calculation chain; and content types that do
// not list the sheet, which readers take.
TEST_F(WorkbookWriterTest, TemplateTypedWorkbookBecomesAWorkbookWithoutCalculationChain) {
    const auto savedAsTemplate = [](PackageFiles& files) {
        QString types = QString::fromUtf8(files[ContentTypes]);
        types.remove(QRegularExpression(u"<Override PartName=\"/xl/worksheets/sheet1.xml\"[^>]*>"_s));
        types.replace(u"spreadsheetml.sheet.main+xml"_s, u"spreadsheetml.template.main+xml"_s);
        types.replace(u"</Types>"_s, uR"(<Override PartName="/xl/calcChain.xml" )"
                                     uR"(ContentType="application/vnd.openxmlformats-officedocument.)"
                                     uR"(spreadsheetml.calcChain+xml"/></Types>)"_s);
        files[ContentTypes] = types.toUtf8();
        files[u"xl/calcChain.xml"_s] =
            R"(<calcChain xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main"><c r="B1" i="1"/></calcChain>)";
        files[u"xl/_rels/workbook.xml.rels"_s].replace(
            "</Relationships>", R"(<Relationship Id="rId99" Target="calcChain.xml" Type="http://schemas.openxmlformats)"
                                R"(.org/officeDocument/2006/relationships/calcChain"/></Relationships>)");
    };
    const QJsonObject workbook = report({{}, {{1, 1, "Total", ""}, {1, 2, "", "=1+1"}}, {}, false}, {columnStyle(1)},
                                        {{2, 0, {{1, Number, 0, {}, 7}}}}, {2, 2, 1, 0}, QLocale::c(), savedAsTemplate);
    ASSERT_FALSE(workbook.isEmpty());
    EXPECT_EQ(workbook[u"contentTypes"][u"/xl/workbook.xml"],
              u"application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml"_s);
    EXPECT_FALSE(workbook[u"contentTypes"].toObject().contains(u"/xl/calcChain.xml"));
    EXPECT_FALSE(workbook[u"parts"].toObject().contains(u"xl/calcChain.xml"));
    for (const QJsonValue type : workbook[u"workbookRelationships"].toArray())
        EXPECT_FALSE(type.toString().endsWith(u"/calcChain")) << type.toString().toStdString();
    expectAt(workbook[u"sheet"][u"cells"], json(R"({"B1.formula": "=1+1", "A2.value": 7})"));
}

TEST_F(WorkbookWriterTest, HostileTextSurvivesExactly) {
    const std::string texts[]{
        "\x01\x08\x0b\x0c\x1f end",
        "_x0041_ and _x005F_ and _X0041_ and _x00zz_",
        "a\r\nb\rc\nd\te",
        "\"quoted\" 'single' <tag> &amp; >",
        "  padded  ",
        "\xF0\x9F\x98\x80 \xF0\x9D\x84\x9E \xEF\xBF\xBE",
        std::string(4999, 'w'),
    };
    std::vector<SheetRow> rows;
    QJsonObject expected;
    for (const std::string& text : texts) {
        rows.push_back({static_cast<int>(rows.size()) + 1, 0, {{1, Text, 0, text}}});
        expected.insert(u"A%1.value"_s.arg(rows.size()), QString::fromStdString(text));
    }
    const QJsonObject workbook = report({}, {columnStyle(1)}, rows, {1, static_cast<int>(rows.size()), 1, 0});
    expectAt(workbook[u"sheet"][u"cells"], expected);
}

TEST_F(WorkbookWriterTest, DateCellsKeepTheColumnsDateFormatElseTakeTheLocales) {
    const QLocale c = QLocale::c();
    const struct {
        std::string columnFormat;
        QLocale locale;
        const char* expected;
    } cases[]{{"", QLocale(QLocale::English, QLocale::UnitedStates), "m/d/yy"},
              {"", QLocale(QLocale::German, QLocale::Germany), "dd.mm.yy"},
              {"", QLocale(QLocale::Chinese, QLocale::China), "yyyy/m/d"},
              {"", c, "mm/dd/yyyy"},
              {"#,##0.00", c, "mm/dd/yyyy"},
              {"0.0 \"days\"", c, "mm/dd/yyyy"},
              {"[Red]0", c, "mm/dd/yyyy"},
              {"[$-409]mmmm d, yyyy", c, "[$-409]mmmm d, yyyy"},
              {"hh:mm", c, "hh:mm"}};
    for (const auto& [columnFormat, locale, expected] : cases) {
        const QJsonObject workbook = report({{{1, columnFormat, false}}, {}, {}, false}, {columnStyle(1, true)},
                                            {{1, 0, {{1, Number, 0, {}, 45000}}}}, {1, 1, 1, 0}, locale);
        EXPECT_EQ(workbook[u"sheet"][u"cells"][u"A1"][u"numberFormat"], QString::fromLatin1(expected))
            << columnFormat << " in " << locale.name().toStdString();
    }
}

TEST_F(WorkbookWriterTest, UnusableTemplatesAreNamed) {
    ASSERT_TRUE(makeTemplate(templatePath, Plain));
    const QByteArray valid = testing_support::readBytes(templatePath);
    using Change = std::function<void(PackageFiles&)>;
    const auto without = [](const char* part) -> Change {
        return [=](PackageFiles& files) { files.remove(QString::fromLatin1(part)); };
    };
    const auto with = [](const char* part, const QByteArray& text) -> Change {
        return [=](PackageFiles& files) { files[QString::fromLatin1(part)] = text; };
    };
    const QByteArray bomb =
        R"(<?xml version="1.0"?><!DOCTYPE w [<!ENTITY a "aaaaaaaaaa"><!ENTITY b "&a;&a;&a;&a;&a;&a;">]>)"
        R"(<worksheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main"><sheetData>&b;</sheetData>)"
        R"(</worksheet>)";
    const char* sheet = "xl/worksheets/sheet1.xml";
    const struct {
        const char* name;
        QByteArray file; // the template's bytes; null: the valid template, with `change`
        Change change;
        const char* problem;
    } cases[]{{"not a zip", "just text", {}, "is not a spreadsheet package"},
              {"empty", "", {}, "is not a spreadsheet package"},
              {"truncated", valid.first(valid.size() / 2), {}, "is not a spreadsheet package"},
              {"no content types", {}, without("[Content_Types].xml"), "is not a spreadsheet package"},
              {"no workbook", {}, without("xl/workbook.xml"), "has no workbook"},
              {"no sheet part", {}, without(sheet), "has no worksheet"},
              {"no styles", {}, without("xl/styles.xml"), "has no styles"},
              {"no sheets", {}, with("xl/workbook.xml", "<workbook/>"), "has no worksheet"},
              {"malformed sheet", {}, with(sheet, "<worksheet><sheetData>"), "cannot be read"},
              {"sheet without rows", {}, with(sheet, "<worksheet xmlns=\"x\"/>"), "cannot be read"},
              {"entity expansion", {}, with(sheet, bomb), "cannot be read"},
              {"NUL in a name",
               {},
               with(sheet, QByteArrayLiteral("<worksheet><sheetData a\0b=\"1\"/></worksheet>")),
               "cannot be read"},
              {"UTF-16 sheet", {}, with(sheet, QByteArrayLiteral("\xFF\xFE<\0w\0/\0>\0")), "not UTF-8"}};
    for (const auto& [name, file, change, problem] : cases) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(testing_support::writeBytes(templatePath, file.isNull() ? valid : file));
        if (change)
            alterPackage(templatePath, change);
        EXPECT_THAT(write({}, {}, {2, 1, 1, 0}).toStdString(), HasSubstr(problem));
    }
    QFile::remove(templatePath);
    EXPECT_THAT(write({}, {}, {2, 1, 1, 0}).toStdString(), HasSubstr("cannot read"));
}

TEST_F(WorkbookWriterTest, RowsBreakingTheSheetsRulesAreRefused) {
    ASSERT_TRUE(makeTemplate(templatePath, Plain));
    const SheetCell x{1, Text, 0, "x", 0};
    const struct {
        const char* name;
        std::vector<SheetRow> rows;
    } cases[]{
        {"above the first row", {{1, 0, {x}}}},
        {"past the last row", {{9, 0, {x}}}},
        {"repeated", {{2, 0, {x}}, {2, 0, {x}}}},
        {"too deep", {{2, 2, {x}}}},
        {"past the last column", {{2, 0, {{3, Number, 0, {}, 1}}}}},
        {"columns out of order", {{2, 0, {{2, Number, 0, {}, 1}, {1, Number, 0, {}, 1}}}}},
        {"unknown style", {{2, 0, {{1, Number, 1, {}, 1}}}}},
    };
    for (const auto& [name, rows] : cases)
        EXPECT_THAT(write({columnStyle(1)}, rows, {2, 3, 2, 1}).toStdString(), StartsWith("report row")) << name;
}

TEST_F(WorkbookWriterTest, WriteFailuresAreReportedAndLeaveNoReport) {
    ASSERT_TRUE(makeTemplate(templatePath, Plain));
    xlsx::WorkbookWriter noFolder(templatePath);
    EXPECT_FALSE(noFolder.begin(dir.filePath(u"missing/report.xlsx"_s), {}, {2, 1, 1, 0}, QLocale::c()));
    EXPECT_THAT(noFolder.problem().toStdString(), StartsWith("cannot write"));
    const QString pipe = dir.filePath(u"pipe.xlsx"_s);
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    xlsx::WorkbookWriter toPipe(templatePath);
    EXPECT_FALSE(toPipe.begin(pipe, {}, {2, 1, 1, 0}, QLocale::c()));
    EXPECT_THAT(toPipe.problem().toStdString(), EndsWith("pipe.xlsx: it is not a regular file"));

    // Rows of random text do not compress, so the report soon passes the limit.
    std::vector<SheetRow> rows;
    for (int row = 2; row <= 20001; ++row) {
        std::string text(64, ' ');
        for (char& c : text)
            c = static_cast<char>('a' + std::rand() % 26);
        rows.push_back({row, 0, {{1, Text, 0, text}}});
    }
    QString problem;
    ASSERT_TRUE(testing_support::writeBytes(reportPath, "the previous report"));
    {
        testing_support::FileSizeLimit limit(256 << 10);
        problem = write({columnStyle(1)}, rows, {2, 20001, 1, 0});
    }
    EXPECT_THAT(problem.toStdString(), StartsWith("cannot write"));
    EXPECT_EQ(testing_support::readBytes(reportPath), "the previous report");
}

} // namespace
