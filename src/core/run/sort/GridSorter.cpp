#include "GridSorter.h"

#include "core/run/sort/CellValues.h"
#include "core/run/sort/RowOrder.h"
#include "core/run/sort/TextOrder.h"

namespace core {

SortOutcome sortGrid(ReportGrid& grid, const SortRequest& request, const QLocale& locale) {
    SortOutcome outcome;
    const std::optional<SortKind> kind = sortKindOf(request.kind);
    if (request.column < 0 || request.column >= grid.columnCount() || !kind)
        return outcome;
    if (*kind == SortKind::Text) {
        grid.reorder(textOrder(grid, request.column, locale, request.descending));
    } else {
        const CellValues values(grid, request.column, *kind, RegionalReader(locale));
        grid.reorder(orderRows(values.rowKeys(), {}, request.descending));
        outcome.unreadableCells = values.unreadableCount();
        outcome.firstUnreadable = values.firstUnreadable();
    }
    outcome.sorted = true;
    return outcome;
}

} // namespace core
