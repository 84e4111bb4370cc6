#pragma once

#include "LayoutStyles.h"
#include "ReportShape.h"
#include "TotalsAbove.h"

#include "core/definition/ReportDefinition.h"
#include "core/run/RunProgress.h"
#include "report/RowSource.h"
#include "report/SheetRow.h"

#include <QLocale>
#include <QString>

#include <vector>

namespace report {

class LayoutPass;

// Lays the data file's rows out as the report's sheet rows: header, group titles, sub-totals, spacers and the
// summary, with their outline levels, cell values and styles. Two passes over the rows: plan() counts the sheet
// rows and keeps the totals that stand above their rows, write() hands every row to a sink. Memory grows with the
// number of groups with totals above, never with the rows.
class ReportLayout {
public:
    explicit ReportLayout(const core::ReportDefinition& definition, const QLocale& locale = QLocale::system());

    // Why the report cannot be laid out, in plain words; "" when it can, and after a cancel.
    const QString& problem() const { return m_problem; }
    // The cells every data-file row must have.
    int dataColumns() const { return m_shape.dataColumns; }
    // The sheet row and column of the report's top-left cell, and its last column.
    int firstRow() const { return m_shape.firstRow; }
    int firstColumn() const { return m_shape.firstColumn; }
    int lastColumn() const { return m_shape.firstColumn + m_shape.reportColumns() - 1; }
    // SheetCell::style indexes this list.
    const std::vector<CellStyle>& styles() const { return m_styles.list(); }

    // False when cancelled, or with problem() when the rows cannot be laid out.
    bool plan(RowSource& rows, core::RunProgress& progress);
    // After plan(): the last sheet row the report writes, which may lie past MaxSheetRows, and the deepest outline.
    qint64 lastRow() const { return m_lastRow; }
    int maxOutlineLevel() const { return m_maxOutlineLevel; }
    // Once after each plan(): every sheet row in order, exactly up to lastRow(). False as plan(), or when the sink
    // refuses a row or the rows differ from the planned ones.
    bool write(RowSource& rows, SheetRowSink& sink, core::RunProgress& progress);

private:
    bool runPass(RowSource& rows, core::RunProgress& progress, const QString& phase, LayoutPass& pass);
    bool fail(const QString& problem);

    QLocale m_locale;
    ReportShape m_shape;
    LayoutStyles m_styles;
    QString m_problem;
    TotalsAbove m_above;
    bool m_planned = false;
    qint64 m_lastRow = 0;
    int m_maxOutlineLevel = 0;
};

} // namespace report
