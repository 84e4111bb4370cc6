#pragma once

#include "core/locale/RegionalReader.h"
#include "core/run/grid/ReportGrid.h"
#include "core/run/sort/RowOrder.h"
#include "core/run/sort/SortValue.h"

#include <QString>

#include <vector>

namespace core {

// The date or number values of one column, each cell read once; a cell that cannot be read counts as zero.
class CellValues {
public:
    CellValues(const ReportGrid& grid, int column, SortKind kind, const RegionalReader& reader);
    // Every row's value as a prefix in the same order, so equal prefixes are equal values.
    const std::vector<RowKey>& rowKeys() const { return m_keys; }
    qint64 unreadableCount() const { return m_unreadableCount; }
    // The text of the first cell that could not be read; empty when all could.
    const QString& firstUnreadable() const { return m_firstUnreadable; }

private:
    std::vector<RowKey> m_keys;
    qint64 m_unreadableCount = 0;
    QString m_firstUnreadable;
};

} // namespace core
