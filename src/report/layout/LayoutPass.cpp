#include "LayoutPass.h"

#include <algorithm>

namespace report {

namespace {

QString changedProblem() {
    return QStringLiteral("The data file changed while the report was being written.");
}

QString withValue(const QString& caption, const std::string& value) {
    return QString(caption).replace(QStringLiteral("<value>"), QString::fromStdString(value), Qt::CaseSensitive);
}

} // namespace

LayoutPass::LayoutPass(const ReportShape& shape, const LayoutStyles& styles, const QLocale& locale, TotalsAbove& above,
                       SheetRowSink* sink, qint64 plannedLastRow)
    : m_shape(shape), m_styles(styles), m_above(above), m_sink(sink), m_plannedLastRow(plannedLastRow),
      m_builder(shape, styles), m_groups(shape.sections, locale), m_reader(locale),
      m_open(shape.sections.size(), GroupTotals(shape.reportColumns())), m_everything(shape.reportColumns()),
      m_values(static_cast<std::size_t>(shape.reportColumns())), m_nextRow(shape.firstRow) {
    if (!m_sink) {
        m_above = TotalsAbove();
        m_above.sections.resize(shape.sections.size());
    }
}

template <typename Fill> bool LayoutPass::emit(int level, const Fill& fill) {
    const qint64 row = m_nextRow++;
    m_maxOutlineLevel = std::max(m_maxOutlineLevel, level);
    if (!m_sink)
        return true;
    if (row > m_plannedLastRow)
        return fail(changedProblem());
    m_row.row = static_cast<int>(row);
    m_row.outlineLevel = level;
    m_row.cells.clear();
    fill(m_row.cells);
    return m_sink->write(m_row) || fail(QStringLiteral("A row of the report could not be written."));
}

template <typename Fill> bool LayoutPass::emitBlock(bool emptyBefore, bool emptyAfter, int level, const Fill& fill) {
    const auto nothing = [](std::vector<SheetCell>&) {};
    return (!emptyBefore || emit(level, nothing)) && emit(level, fill) && (!emptyAfter || emit(level, nothing));
}

bool LayoutPass::start() {
    if (m_shape.header && !emit(0, [this](std::vector<SheetCell>& cells) { m_builder.header(cells); }))
        return false;
    const SectionShape& summary = m_shape.summary;
    return !summary.totalAbove() || emitTotal(summary, m_styles.summary(), m_above.summary, {}, 0);
}

bool LayoutPass::add(const std::vector<std::string>& cells) {
    const int depth = m_groups.firstNewDepth(cells);
    if (m_everything.hasRows() && !closeGroups(depth))
        return false;
    m_groups.start(depth, cells);
    for (int inner = depth; inner < static_cast<int>(m_open.size()); ++inner) {
        if (!openGroup(inner))
            return false;
    }
    return addData(cells);
}

bool LayoutPass::finish() {
    if (m_everything.hasRows() && !closeGroups(0))
        return false;
    const SectionShape& summary = m_shape.summary;
    if (!m_sink && summary.totalAbove())
        m_above.summary = m_everything.result(summary);
    if (summary.totalBelow() && !emitTotal(summary, m_styles.summary(), m_everything.result(summary), {}, 0))
        return false;
    return !m_sink || lastRow() == m_plannedLastRow || fail(changedProblem());
}

bool LayoutPass::closeGroups(int depth) {
    for (int inner = static_cast<int>(m_open.size()) - 1; inner >= depth; --inner) {
        const SectionShape& section = m_shape.sections[inner];
        if (!m_sink && section.totalAbove())
            m_above.sections[inner].push_back(m_open[inner].result(section));
        if (section.totalBelow() &&
            !emitTotal(section, m_styles.total(inner), m_sink ? m_open[inner].result(section) : SubtotalValues(),
                       m_groups.value(inner), inner))
            return false;
    }
    return true;
}

bool LayoutPass::openGroup(int depth) {
    m_open[depth].clear();
    const SectionShape& section = m_shape.sections[depth];
    if (section.title.on) {
        const QString caption = withValue(section.title.caption, m_groups.value(depth));
        // The caption lies within the range of every enclosing group that already has rows, and a count counts it.
        if (!caption.isEmpty()) {
            for (int outer = 0; outer < depth; ++outer) {
                if (m_open[outer].hasRows())
                    m_open[outer].addText(0);
            }
            if (m_everything.hasRows())
                m_everything.addText(0);
        }
        return emitBlock(section.title.emptyBefore, section.title.emptyAfter, depth,
                         [&](std::vector<SheetCell>& row) { m_builder.title(row, depth, caption); });
    }
    if (!section.totalAbove())
        return true;
    SubtotalValues values;
    if (m_sink) {
        std::deque<SubtotalValues>& planned = m_above.sections[depth];
        if (planned.empty())
            return fail(changedProblem());
        values = std::move(planned.front());
        planned.pop_front();
    }
    return emitTotal(section, m_styles.total(depth), values, m_groups.value(depth), depth);
}

bool LayoutPass::addData(const std::vector<std::string>& cells) {
    const auto read = [&](int column) {
        m_values[column] = m_shape.blanked[column] ? CellValue() : m_reader.read(m_shape.kinds[column], cells[column]);
    };
    // Counting needs only the values the sub-totals calculate.
    if (m_sink) {
        for (int column = 0; column < m_shape.reportColumns(); ++column)
            read(column);
    } else {
        for (const int column : m_shape.aggregated)
            read(column);
    }
    for (GroupTotals& group : m_open)
        group.addRow(m_nextRow, m_values, m_shape.aggregated);
    m_everything.addRow(m_nextRow, m_values, m_shape.aggregated);
    return emit(static_cast<int>(m_open.size()),
                [&](std::vector<SheetCell>& row) { m_builder.data(row, cells, m_values); });
}

bool LayoutPass::emitTotal(const SectionShape& section, const std::vector<StyleId>& styles,
                           const SubtotalValues& values, const std::string& groupValue, int level) {
    const core::TotalFormat& total = section.total;
    return emitBlock(total.emptyBefore, total.emptyAfter, level, [&](std::vector<SheetCell>& row) {
        m_builder.total(row, section, styles, values, withValue(total.caption, groupValue));
    });
}

bool LayoutPass::fail(const QString& problem) {
    m_problem = problem;
    return false;
}

} // namespace report
