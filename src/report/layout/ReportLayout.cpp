#include "ReportLayout.h"

#include "LayoutPass.h"

namespace report {

namespace {

// Rows between progress reports: often enough for a prompt cancel, rarely enough to cost nothing.
constexpr qint64 ProgressInterval = 4096;

} // namespace

ReportLayout::ReportLayout(const core::ReportDefinition& definition, const QLocale& locale)
    : m_locale(locale), m_shape(ReportShape::read(definition)), m_styles(m_shape), m_problem(m_shape.problem),
      m_lastRow(m_shape.firstRow - 1) {}

bool ReportLayout::plan(RowSource& rows, core::RunProgress& progress) {
    m_planned = false;
    m_problem = m_shape.problem;
    if (!m_problem.isEmpty())
        return false;
    LayoutPass pass(m_shape, m_styles, m_locale, m_above);
    if (!runPass(rows, progress, QStringLiteral("Laying out the report"), pass))
        return false;
    m_lastRow = pass.lastRow();
    m_maxOutlineLevel = pass.maxOutlineLevel();
    m_planned = true;
    return true;
}

bool ReportLayout::write(RowSource& rows, SheetRowSink& sink, core::RunProgress& progress) {
    if (!m_problem.isEmpty())
        return false;
    if (!m_planned)
        return fail(QStringLiteral("The report was not laid out before being written."));
    if (m_lastRow > MaxSheetRows)
        return fail(
            QStringLiteral("The report needs %1 sheet rows; a sheet holds %2.").arg(m_lastRow).arg(MaxSheetRows));
    // The sub-totals above are used up as they are written.
    m_planned = false;
    LayoutPass pass(m_shape, m_styles, m_locale, m_above, &sink, m_lastRow);
    return runPass(rows, progress, QStringLiteral("Writing the report"), pass);
}

bool ReportLayout::runPass(RowSource& rows, core::RunProgress& progress, const QString& phase, LayoutPass& pass) {
    if (!rows.rewind())
        return fail(rows.problem().isEmpty() ? QStringLiteral("The data file cannot be read.") : rows.problem());
    if (!pass.start())
        return fail(pass.problem());
    std::vector<std::string> cells;
    for (qint64 line = 0;; ++line) {
        if (line % ProgressInterval == 0 && !progress.step(phase, rows.done(), rows.total()))
            return false;
        if (!rows.next(cells))
            break;
        if (static_cast<int>(cells.size()) != dataColumns())
            return fail(QStringLiteral("Line %1 of the data file has %2 values; the report expects %3.")
                            .arg(line + 1)
                            .arg(cells.size())
                            .arg(dataColumns()));
        if (!pass.add(cells))
            return fail(pass.problem());
    }
    if (!rows.problem().isEmpty())
        return fail(rows.problem());
    return pass.finish() || fail(pass.problem());
}

bool ReportLayout::fail(const QString& problem) {
    m_problem = problem;
    return false;
}

} // namespace report
