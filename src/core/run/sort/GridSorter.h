#pragma once

#include "core/locale/RegionalReader.h"
#include "core/run/grid/ReportGrid.h"

#include <QLocale>
#include <QString>

namespace core {

struct SortRequest {
    int column = -1; // 0-based column of the grid; -1: no sort
    QString kind;    // "S" text, "D" date, "N" number; anything else: no sort
    bool descending = false;
};

struct SortOutcome {
    bool sorted = false;
    qint64 unreadableCells = 0; // date or number cells that could not be read (each counted as zero)
    QString firstUnreadable;    // the text of the first of them, for the one report per run
};

// Sorts the grid's rows by one column: text by the locale's collation ignoring case, dates and numbers by their
// values (each cell read once). Rows with equal values keep their order in both directions. A column outside the grid
// or another kind leaves the rows as they are (sorted false).
SortOutcome sortGrid(ReportGrid& grid, const SortRequest& request, const QLocale& locale = QLocale::system());

} // namespace core
