#include "WorkbookWriter.h"

#include "CellReference.h"
#include "PackageWriter.h"
#include "ReportStyles.h"
#include "RowWriter.h"
#include "StyleSheet.h"
#include "TemplatePackage.h"
#include "TemplateParts.h"
#include "TemplateSheet.h"

#include <limits>

namespace report::xlsx {

namespace {

// Without zip64, which some readers mishandle, a part holds at most this much.
constexpr qint64 MaxPartSize = std::numeric_limits<quint32>::max();
constexpr int MaxOutlineLevel = 7;

} // namespace

WorkbookWriter::WorkbookWriter(const QString& templatePath)
    : m_package(std::make_unique<TemplatePackage>(templatePath)), m_parts(std::make_unique<TemplateParts>(*m_package)) {
    m_problem = m_parts->problem();
    if (!m_problem.isEmpty())
        return;
    m_sheet = std::make_unique<TemplateSheet>(m_parts->sheet());
    m_styles = std::make_unique<StyleSheet>(m_parts->styles());
    if (!m_sheet->error().isEmpty())
        m_problem = m_package->damaged(m_parts->sheetEntry(), m_sheet->error());
    else if (!m_styles->error().isEmpty())
        m_problem = m_package->damaged(m_parts->stylesEntry(), m_styles->error());
}

WorkbookWriter::~WorkbookWriter() = default;

bool WorkbookWriter::begin(const QString& targetPath, const std::vector<CellStyle>& styles, const SheetExtent& extent,
                           const QLocale& locale) {
    if (!m_problem.isEmpty())
        return false;
    if (m_writer) {
        m_problem = QStringLiteral("the report was begun twice");
        return false;
    }
    if (extent.firstRow < 1 || extent.lastRow > MaxSheetRows || extent.lastColumn < 1 ||
        extent.lastColumn > MaxSheetColumns || extent.maxOutlineLevel < 0 || extent.maxOutlineLevel > MaxOutlineLevel) {
        m_problem = QStringLiteral("the report does not fit a sheet: rows %1 to %2, %3 columns, outline level %4")
                        .arg(extent.firstRow)
                        .arg(extent.lastRow)
                        .arg(extent.lastColumn)
                        .arg(extent.maxOutlineLevel);
        return false;
    }
    const ReportStyles reportStyles(
        *m_styles, [&](int column) { return m_sheet->columnFormat(column); }, styles, locale);
    const TemplateSheet::Splice splice = m_sheet->splice(extent);
    m_sheetTail = splice.tail;
    m_writer = std::make_unique<PackageWriter>(targetPath);
    if (!copyTemplateParts() || !m_writer->add(m_parts->stylesEntry(), reportStyles.text().toUtf8()) ||
        !m_writer->open(m_parts->sheetEntry()) || !m_writer->write(splice.head))
        return fail();
    m_rows = std::make_unique<RowWriter>(*m_writer, reportStyles.cellFormats(), extent, m_sheet->elementPrefix(),
                                         MaxPartSize - splice.head.size() - splice.tail.size());
    return true;
}

bool WorkbookWriter::copyTemplateParts() {
    for (const QString& entry : m_package->entries()) {
        if (entry == m_parts->sheetEntry() || entry == m_parts->stylesEntry() || entry == m_parts->calcChainEntry())
            continue;
        if (entry == m_parts->contentTypesEntry()) {
            if (!m_writer->add(entry, m_parts->contentTypes().toUtf8()))
                return false;
        } else if (entry == m_parts->workbookRelationshipsEntry()) {
            if (!m_writer->add(entry, m_parts->workbookRelationships().toUtf8()))
                return false;
        } else if (!m_writer->open(entry) ||
                   !m_package->read(entry, [&](QByteArrayView bytes) { return m_writer->write(bytes); }) ||
                   !m_writer->close()) {
            return false;
        }
    }
    return true;
}

bool WorkbookWriter::write(const SheetRow& row) {
    if (!m_problem.isEmpty() || !m_rows)
        return false;
    return m_rows->write(row) || fail();
}

bool WorkbookWriter::finish() {
    if (!m_problem.isEmpty() || !m_rows)
        return false;
    if (!m_rows->flush() || !m_writer->write(m_sheetTail) || !m_writer->close() || !m_writer->commit())
        return fail();
    m_rows.reset();
    return true;
}

bool WorkbookWriter::fail() {
    // The first cause found: the template's, a refused row's, the target's.
    for (const QString* cause :
         {&m_package->problem(), m_rows ? &m_rows->problem() : nullptr, m_writer ? &m_writer->problem() : nullptr}) {
        if (cause && !cause->isEmpty()) {
            m_problem = *cause;
            break;
        }
    }
    if (m_problem.isEmpty())
        m_problem = QStringLiteral("the report could not be written");
    m_rows.reset();
    m_writer.reset();
    return false;
}

} // namespace report::xlsx
