#include "core/run/sort/GridSorter.h"

#include "core/run/sort/CellValues.h"
#include "core/run/sort/RowOrder.h"
#include "core/run/sort/TextOrder.h"

namespace core {

SortOutcome sortGrid(ReportGrid& grid, const SortRequest& request, const QLocale& locale) {
    SortOutcome outcome;
    const bool text = request.kind == u"S";
    const bool date = request.kind == u"D";
    if (request.column < 0 || request.column >= grid.columnCount() || !(text || date || request.kind == u"N"))
        return outcome;
    if (text) {
        grid.reorder(textOrder(grid, request.column, locale, request.descending));
    } else {
        const CellValues values(grid, request.column, date ? CellValues::Kind::Date : CellValues::Kind::Number,
                                RegionalReader(locale));
        grid.reorder(orderRows(values.rowKeys(), {}, request.descending));
        outcome.unreadableCells = values.unreadableCount();
        outcome.firstUnreadable = values.firstUnreadable();
    }
    outcome.sorted = true;
    return outcome;
}

} // namespace core
