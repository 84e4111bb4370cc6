#pragma once

#include "CellValueReader.h"
#include "SectionShape.h"

#include "core/definition/ReportDefinition.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace report {

// What the definition makes of the report: its columns, how their cells read, and its grouping sections.
struct ReportShape {
    static ReportShape read(const core::ReportDefinition& definition);

    QString problem; // why the definition cannot be laid out; the rest is then empty
    int firstColumn = 1;
    int firstRow = 1;
    bool header = false;
    QStringList captions;
    int dataColumns = 0;
    std::vector<ColumnKind> kinds;      // per report column
    std::vector<bool> blanked;          // per report column: left empty in data rows, the group's title shows it
    std::vector<int> aggregated;        // the report columns some sub-total or the summary calculates
    std::vector<SectionShape> sections; // the sections that group rows, outermost first
    SectionShape summary;

    int reportColumns() const { return static_cast<int>(kinds.size()); }
};

} // namespace report
