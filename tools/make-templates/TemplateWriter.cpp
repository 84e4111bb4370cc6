#include "TemplateWriter.h"

#include "standin/FieldCatalogue.h"

#include <QDir>
#include <QFileInfo>

#include <xlsxwriter.h>

#include <string>

namespace templates {

namespace {

constexpr lxw_color_t Navy = 0x000080;
constexpr lxw_color_t HeaderFill = 0xDCE6F1;
constexpr double TitleSize = 14;
// Wider than this many characters, a report prints in landscape.
constexpr double PortraitWidth = 90;

struct ColumnStyle {
    double width = 18;
    const char* numberFormat = nullptr;
};

ColumnStyle columnStyle(const TemplateColumn& column) {
    using namespace standin::fieldtype;
    if (column.fieldId == standin::field::EmptyColumn)
        return {4};
    switch (column.fieldType) {
    case InitialCaps:
    case User:
        return {24};
    case UpperCase:
        return {8};
    case Numeric:
        return {10};
    case Currency:
        return {14, "#,##0.00"};
    case Date:
    case AnnualEvent:
        return {12, "mm/dd/yyyy"};
    case Time:
        return {8, "hh:mm"};
    case DateTime:
        return {12, "mm/dd/yyyy"}; // a run keeps only the date
    case Memo:
        return {40};
    case Phone:
        return {16};
    case Address:
        return {30};
    default:
        return {};
    }
}

// libxlsxwriter takes its texts as char*.
struct DocumentTexts {
    std::string title;
    std::string author = "Tallivo";
    std::string comments = "Report template for the Tallivo launcher";
};

lxw_format* headerFormat(lxw_workbook* workbook, bool number) {
    lxw_format* header = workbook_add_format(workbook);
    format_set_bold(header);
    format_set_bg_color(header, HeaderFill);
    format_set_bottom(header, LXW_BORDER_THIN);
    // Over figures the caption lines up with them.
    if (number)
        format_set_align(header, LXW_ALIGN_RIGHT);
    return header;
}

void layOutSheet(lxw_workbook* workbook, lxw_worksheet* sheet, const ReportLayout& layout) {
    const int headerRow = layout.headerRow();
    const int firstUsedRow = headerRow >= 0 ? headerRow : layout.firstDataRow;
    // The title needs a free row between it and the report.
    if (!layout.title.isEmpty() && firstUsedRow >= 2) {
        lxw_format* title = workbook_add_format(workbook);
        format_set_bold(title);
        format_set_font_size(title, TitleSize);
        format_set_font_color(title, Navy);
        worksheet_write_string(sheet, 0, static_cast<lxw_col_t>(layout.firstColumn), layout.title.toStdString().c_str(),
                               title);
    }

    lxw_format* textHeader = headerFormat(workbook, false);
    lxw_format* numberHeader = headerFormat(workbook, true);
    double totalWidth = 0;
    lxw_col_t column = static_cast<lxw_col_t>(layout.firstColumn);
    for (const TemplateColumn& field : layout.columns) {
        const ColumnStyle style = columnStyle(field);
        totalWidth += style.width;
        lxw_format* data = nullptr;
        if (style.numberFormat) {
            data = workbook_add_format(workbook);
            format_set_num_format(data, style.numberFormat);
        }
        worksheet_set_column(sheet, column, column, style.width, data);
        if (headerRow >= 0)
            worksheet_write_string(sheet, static_cast<lxw_row_t>(headerRow), column,
                                   field.caption.toStdString().c_str(), data ? numberHeader : textHeader);
        ++column;
    }

    if (headerRow >= 0) {
        worksheet_freeze_panes(sheet, static_cast<lxw_row_t>(headerRow + 1), 0);
        worksheet_repeat_rows(sheet, static_cast<lxw_row_t>(headerRow), static_cast<lxw_row_t>(headerRow));
    }
    if (totalWidth > PortraitWidth)
        worksheet_set_landscape(sheet);
}

} // namespace

bool writeTemplate(const ReportLayout& layout, const QString& path, QString& error) {
    const std::string file = QDir::toNativeSeparators(path).toStdString();
    // Scratch files stay beside the template, in the build tree.
    std::string scratchFolder = QDir::toNativeSeparators(QFileInfo(path).absolutePath()).toStdString();
    lxw_workbook_options options{};
    options.tmpdir = scratchFolder.data();
    lxw_workbook* workbook = workbook_new_opt(file.c_str(), &options);
    if (!workbook) {
        error = QStringLiteral("cannot create the workbook");
        return false;
    }

    DocumentTexts texts{layout.title.isEmpty() ? "New report" : layout.title.toStdString()};
    lxw_doc_properties properties{};
    properties.title = texts.title.data();
    properties.author = texts.author.data();
    properties.comments = texts.comments.data();
    workbook_set_properties(workbook, &properties);

    lxw_worksheet* sheet = workbook_add_worksheet(workbook, "Report");
    worksheet_fit_to_pages(sheet, 1, 0);
    worksheet_set_footer(sheet, "&CPage &P of &N");
    layOutSheet(workbook, sheet, layout);

    const lxw_error result = workbook_close(workbook);
    if (result != LXW_NO_ERROR) {
        error = QString::fromUtf8(lxw_strerror(result));
        return false;
    }
    return true;
}

} // namespace templates
