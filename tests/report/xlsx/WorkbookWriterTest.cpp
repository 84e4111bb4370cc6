// Reports written from templates made here, read back by openpyxl rather than by our own code.
#include "report/xlsx/WorkbookWriter.h"
#include "support/report/PackageFiles.h"
#include "support/report/SheetCells.h"
#include "support/report/TemplateMaker.h"
#include "support/report/WorkbookReader.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>

namespace {

using namespace report;
using namespace testing_support::report;

const QString WorkbookType =
    QStringLiteral("application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml");

QJsonObject json(const char* text) {
    return QJsonDocument::fromJson(text).object();
}

// The sheet and styles with their elements in a prefixed namespace, as some libraries write them.
void prefixMainNamespace(PackageFiles& files) {
    for (const QString& part : {QStringLiteral("xl/worksheets/sheet1.xml"), QStringLiteral("xl/styles.xml")}) {
        QString text = QString::fromUtf8(files[part]);
        text.replace(QRegularExpression(QStringLiteral("<(/?)(?=[A-Za-z])")), QStringLiteral("<\\1x:"));
        text.replace(QStringLiteral("xmlns=\""), QStringLiteral("xmlns:x=\""));
        files[part] = text.toUtf8();
    }
}

class WorkbookWriterTest : public ::testing::Test {
protected:
    // Makes the template (changed by `alter` when given), writes the report from it and reads the report back.
    QJsonObject report(const TemplateDesign& design, const std::vector<CellStyle>& styles,
                       const std::vector<SheetRow>& rows, const xlsx::SheetExtent& extent,
                       const QLocale& locale = QLocale::c(), void (*alter)(PackageFiles&) = nullptr) {
        if (!makeTemplate(templatePath(), design))
            return {};
        if (alter) {
            PackageFiles files = readPackage(templatePath());
            alter(files);
            writePackage(templatePath(), files);
        }
        xlsx::WorkbookWriter writer(templatePath());
        bool written = writer.begin(reportPath(), styles, extent, locale);
        for (const SheetRow& row : rows)
            written = written && writer.sheet().write(row);
        if (!written || !writer.finish()) {
            ADD_FAILURE() << writer.problem().toStdString();
            return {};
        }
        return readWorkbook(reportPath());
    }
    QString templatePath() const { return m_dir.filePath(QStringLiteral("template.XLT")); }
    QString reportPath() const { return m_dir.filePath(QStringLiteral("report.xlsx")); }

    QTemporaryDir m_dir;
};

TEST_F(WorkbookWriterTest, CellsStylesAndRowsReadBackAsWritten) {
    TemplateDesign design;
    design.columns = {{1, "", true}, {2, "#,##0.00", false}, {3, "dd/mm/yyyy", false}, {4, "", false}};
    design.cells = {
        {1, 1, "Title", ""}, {2, 1, "Name", ""}, {2, 4, "Note", ""}, {4, 2, "dropped", ""}, {6, 1, "dropped", ""}};
    design.merges = {"B1:D1", "A5:B5"};
    design.picture = true;
    const core::FontFormat italic{QStringLiteral("Arial"), false, true, true, true, 255, 12.5};
    const std::vector<CellStyle> styles{
        columnStyle(1),
        columnStyle(2),
        columnStyle(3, true),
        columnStyle(4, true),
        fontStyle(1, italic, core::LineFormat{2, 16711680}, core::LineFormat{3, 0}),
        fontStyle(4, {QStringLiteral("Courier New"), false, false, false, false, 0, 0}),
        fontStyle(2, {QStringLiteral("Arial"), true, false, false, false, -5, 1000}, {}, core::LineFormat{7, 8388608}),
    };
    const std::vector<SheetRow> rows{
        {3, 1, {textCell(1, "Alpha"), numberCell(2, 1234.5, 1), numberCell(3, 45000, 2), numberCell(4, 45001, 3)}},
        {4, 2, {formulaCell(1, "SUBTOTAL(9,B3:B3)", 0.1 + 0.2, 4), emptyCell(2, 6), textCell(4, "small", 5)}},
        {6, 0, {numberCell(2, -1.2345678901234567e-300, 1), formulaCell(3, "1/0", INFINITY, 1)}},
    };
    // Per cell, the fields read back (dotted paths into read_workbook.py's description of the cell).
    const QJsonObject expected = json(R"json({
        "A1": {"value": "Title"},
        "D2": {"value": "Note"},
        "A3": {"value": "Alpha", "type": "s", "font.bold": true},
        "B3": {"value": 1234.5, "type": "n", "numberFormat": "#,##0.00"},
        "C3": {"value": "2023-03-15T00:00:00", "numberFormat": "dd/mm/yyyy"},
        "D3": {"numberFormat": "m/d/yy"},
        "A4": {"formula": "=SUBTOTAL(9,B3:B3)", "value": 0.30000000000000004,
               "font": {"name": "Arial", "size": 12.5, "bold": false, "italic": true, "underline": "single",
                        "strike": true, "colour": "FFFF0000"},
               "top": {"style": "thick", "colour": "FF0000FF"}, "bottom": {"style": "double", "colour": "FF000000"}},
        "B4": {"value": null, "numberFormat": "#,##0.00", "font.size": 409, "font.colour": "FF000000",
               "bottom": {"style": "thin", "colour": "FF000080"}},
        "D4": {"value": "small", "font.size": 1},
        "B6": {"value": -1.2345678901234567e-300},
        "C6": {"value": "#NUM!"}
    })json");
    for (const auto alter : {static_cast<void (*)(PackageFiles&)>(nullptr), &prefixMainNamespace}) {
        SCOPED_TRACE(alter ? "prefixed namespace" : "default namespace");
        const QJsonObject workbook =
            report(design, styles, rows, {3, 6, 4, 2}, QLocale(QLocale::English, QLocale::UnitedStates), alter);
        ASSERT_FALSE(workbook.isEmpty());
        for (auto cell = expected.begin(); cell != expected.end(); ++cell) {
            const QJsonObject fields = cell.value().toObject();
            for (auto field = fields.begin(); field != fields.end(); ++field) {
                const QString path = cell.key() + u'.' + field.key();
                const QJsonValue actual = jsonAt(workbook, QStringLiteral("sheet.cells.") + path);
                EXPECT_EQ(actual, field.value()) << path.toStdString();
            }
        }
        const QJsonObject sheet = workbook[u"sheet"].toObject();
        EXPECT_EQ(sheet[u"rows"], json(R"({"3": 1, "4": 2})"));
        EXPECT_EQ(sheet[u"outlineLevelRow"], 2);
        EXPECT_EQ(sheet[u"merged"], QJsonArray{QStringLiteral("B1:D1")});
        for (const char16_t* dropped : {u"A5", u"A6"})
            EXPECT_FALSE(sheet[u"cells"].toObject().contains(QStringView(dropped)));

        QJsonObject templateParts = readWorkbook(templatePath())[u"parts"].toObject();
        QJsonObject reportParts = workbook[u"parts"].toObject();
        for (const QString& rewritten : {QStringLiteral("xl/worksheets/sheet1.xml"), QStringLiteral("xl/styles.xml")}) {
            EXPECT_NE(templateParts.take(rewritten), reportParts.take(rewritten)) << rewritten.toStdString();
        }
        EXPECT_TRUE(templateParts.contains(u"xl/media/image1.png"));
        EXPECT_EQ(reportParts, templateParts);
    }
}

// Also from a package whose content types do not list the sheet, which readers take.
TEST_F(WorkbookWriterTest, TemplateTypedWorkbookBecomesAWorkbookWithoutCalculationChain) {
    TemplateDesign design;
    design.cells = {{1, 1, "Total", ""}, {1, 2, "", "=1+1"}};
    design.savedAsTemplate = design.calcChain = true;
    const auto unlistSheet = [](PackageFiles& files) {
        QString types = QString::fromUtf8(files[QStringLiteral("[Content_Types].xml")]);
        types.remove(QRegularExpression(QStringLiteral("<Override PartName=\"/xl/worksheets/sheet1.xml\"[^>]*>")));
        files[QStringLiteral("[Content_Types].xml")] = types.toUtf8();
    };
    const QJsonObject workbook =
        report(design, {columnStyle(1)}, {{2, 0, {numberCell(1, 7)}}}, {2, 2, 1, 0}, QLocale::c(), unlistSheet);
    ASSERT_FALSE(workbook.isEmpty());
    const QJsonObject contentTypes = workbook[u"contentTypes"].toObject();
    EXPECT_EQ(contentTypes[u"/xl/workbook.xml"], WorkbookType);
    EXPECT_FALSE(contentTypes.contains(u"/xl/calcChain.xml"));
    EXPECT_FALSE(workbook[u"parts"].toObject().contains(u"xl/calcChain.xml"));
    for (const QJsonValue type : workbook[u"workbookRelationships"].toArray())
        EXPECT_FALSE(type.toString().endsWith(u"/calcChain")) << type.toString().toStdString();
    EXPECT_EQ(jsonAt(workbook, QStringLiteral("sheet.cells.B1.formula")), QStringLiteral("=1+1"));
    EXPECT_EQ(jsonAt(workbook, QStringLiteral("sheet.cells.A2.value")), 7);
}

TEST_F(WorkbookWriterTest, HostileTextSurvivesExactly) {
    const std::vector<std::string> texts{
        "\x01\x08\x0b\x0c\x1f end",
        "_x0041_ and _x005F_ and _X0041_ and _x00zz_",
        "a\r\nb\rc\nd\te",
        "\"quoted\" 'single' <tag> &amp; >",
        "  padded  ",
        "\xF0\x9F\x98\x80 \xF0\x9D\x84\x9E \xEF\xBF\xBE",
        std::string(4999, 'w'),
    };
    std::vector<SheetRow> rows;
    for (size_t i = 0; i < texts.size(); ++i)
        rows.push_back({static_cast<int>(i) + 1, 0, {textCell(1, texts[i])}});
    const QJsonObject workbook = report({}, {columnStyle(1)}, rows, {1, static_cast<int>(texts.size()), 1, 0});
    ASSERT_FALSE(workbook.isEmpty());
    for (size_t i = 0; i < texts.size(); ++i) {
        const QJsonValue actual = jsonAt(workbook, QStringLiteral("sheet.cells.A%1.value").arg(i + 1));
        EXPECT_EQ(actual, QJsonValue(QString::fromStdString(texts[i]))) << "A" << i + 1;
    }
}

TEST_F(WorkbookWriterTest, DateCellsKeepTheColumnsDateFormatElseTakeTheLocales) {
    const struct {
        std::string columnFormat;
        QLocale locale;
        const char* expected;
    } cases[]{
        {"", QLocale(QLocale::English, QLocale::UnitedStates), "m/d/yy"},
        {"", QLocale(QLocale::German, QLocale::Germany), "dd.mm.yy"},
        {"", QLocale(QLocale::Chinese, QLocale::China), "yyyy/m/d"},
        {"", QLocale::c(), "mm/dd/yyyy"},
        {"#,##0.00", QLocale::c(), "mm/dd/yyyy"},
        {"0.0 \"days\"", QLocale::c(), "mm/dd/yyyy"},
        {"[Red]0", QLocale::c(), "mm/dd/yyyy"},
        {"[$-409]mmmm d, yyyy", QLocale::c(), "[$-409]mmmm d, yyyy"},
        {"hh:mm", QLocale::c(), "hh:mm"},
    };
    for (const auto& [columnFormat, locale, expected] : cases) {
        TemplateDesign design;
        design.columns = {{1, columnFormat, false}};
        const QJsonObject workbook =
            report(design, {columnStyle(1, true)}, {{1, 0, {numberCell(1, 45000)}}}, {1, 1, 1, 0}, locale);
        EXPECT_EQ(jsonAt(workbook, QStringLiteral("sheet.cells.A1.numberFormat")), QString::fromLatin1(expected))
            << columnFormat << " in " << locale.name().toStdString();
    }
}

} // namespace
