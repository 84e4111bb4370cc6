#pragma once

#include "SheetExtent.h"
#include "report/SheetRow.h"

#include <QLocale>
#include <QString>

#include <memory>
#include <vector>

namespace report::xlsx {

class PackageWriter;
class RowWriter;
class StyleSheet;
class TemplatePackage;
class TemplateParts;
class TemplateSheet;

// Writes the report's workbook from its template: every part of the template as it is, except the styles, which
// gain the report's cell styles, and the first worksheet, whose rows from the report's first row down give way to
// the report's rows, streamed as they come.
class WorkbookWriter : private SheetRowSink {
public:
    // Reads the template: its parts, workbook, first worksheet and styles.
    explicit WorkbookWriter(const QString& templatePath);
    ~WorkbookWriter() override;
    WorkbookWriter(const WorkbookWriter&) = delete;
    WorkbookWriter& operator=(const WorkbookWriter&) = delete;

    // "" while all is well; else what went wrong, in plain words.
    const QString& problem() const { return m_problem; }

    // Starts the report's package at targetPath with the report's cell styles (indexed by StyleId), up to the
    // sheet's rows. The target changes only when finish() succeeds.
    bool begin(const QString& targetPath, const std::vector<CellStyle>& styles, const SheetExtent& extent,
               const QLocale& locale);
    // Where the report's rows go: ascending, inside the extent given to begin().
    SheetRowSink& sheet() { return *this; }
    // Completes the sheet and the package.
    bool finish();

private:
    bool write(const SheetRow& row) override;
    bool copyTemplateParts();
    bool fail();

    std::unique_ptr<TemplatePackage> m_package;
    std::unique_ptr<TemplateParts> m_parts;
    std::unique_ptr<TemplateSheet> m_sheet;
    std::unique_ptr<StyleSheet> m_styles;
    std::unique_ptr<PackageWriter> m_writer;
    std::unique_ptr<RowWriter> m_rows;
    QByteArray m_sheetTail;
    QString m_problem;
};

} // namespace report::xlsx
