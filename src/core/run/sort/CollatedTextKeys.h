#pragma once

#include "core/run/grid/ReportGrid.h"
#include "core/run/sort/RowOrder.h"

#include <QCollatorSortKey>
#include <QLocale>

#include <cstdint>
#include <optional>
#include <vector>

namespace core {

// Text sort keys of some rows of one column by a locale's collation ignoring case (QCollator's sort keys).
class CollatedTextKeys {
public:
    CollatedTextKeys(const ReportGrid& grid, int column, const QLocale& locale, std::vector<std::uint32_t> rows);
    // The rows, each with its place among a sorted sample of them as the prefix: rows of different places are then
    // ordered without touching their keys, which lie all over memory.
    std::vector<RowKey> rowKeys() const;
    // Three-way comparison of two of the rows' texts.
    int compare(std::uint32_t a, std::uint32_t b) const { return m_keys[a]->compare(*m_keys[b]); }

private:
    std::vector<std::uint32_t> m_rows;
    std::vector<std::optional<QCollatorSortKey>> m_keys; // by row; a key cannot be made empty
};

} // namespace core
