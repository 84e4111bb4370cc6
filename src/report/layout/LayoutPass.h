#pragma once

#include "CellValueReader.h"
#include "GroupTotals.h"
#include "GroupTracker.h"
#include "LayoutStyles.h"
#include "ReportShape.h"
#include "SheetRowBuilder.h"
#include "TotalsAbove.h"

#include "report/SheetRow.h"

#include <QLocale>
#include <QString>

#include <string>
#include <vector>

namespace report {

// One pass over the data rows, laying out every sheet row in order. Without a sink it only counts the rows and
// gathers the sub-totals placed above their rows; with one it writes the rows, taking those sub-totals from the
// counting pass and stopping past its last row.
class LayoutPass {
public:
    LayoutPass(const ReportShape& shape, const LayoutStyles& styles, const QLocale& locale, TotalsAbove& above,
               SheetRowSink* sink = nullptr, qint64 plannedLastRow = 0);

    // The rows above the data: the header and a summary at the top.
    bool start();
    bool add(const std::vector<std::string>& cells);
    // Closes the last groups and writes a summary at the bottom.
    bool finish();

    const QString& problem() const { return m_problem; }
    qint64 lastRow() const { return m_nextRow - 1; }
    int maxOutlineLevel() const { return m_maxOutlineLevel; }

private:
    bool closeGroups(int depth);
    bool openGroup(int depth);
    bool addData(const std::vector<std::string>& cells);
    bool emitTotal(const SectionShape& section, const std::vector<StyleId>& styles, const SubtotalValues& values,
                   const std::string& groupValue, int level);
    template <typename Fill> bool emitBlock(bool emptyBefore, bool emptyAfter, int level, const Fill& fill);
    template <typename Fill> bool emit(int level, const Fill& fill);
    bool fail(const QString& problem);

    const ReportShape& m_shape;
    const LayoutStyles& m_styles;
    TotalsAbove& m_above;
    SheetRowSink* m_sink;
    qint64 m_plannedLastRow;
    SheetRowBuilder m_builder;
    GroupTracker m_groups;
    CellValueReader m_reader;
    std::vector<GroupTotals> m_open; // by depth: the groups the current row belongs to
    GroupTotals m_everything;        // every data row so far, for the summary
    std::vector<CellValue> m_values; // the current data row's, by report column
    SheetRow m_row;
    qint64 m_nextRow;
    int m_maxOutlineLevel = 0;
    QString m_problem;
};

} // namespace report
