#include "core/run/sort/CellValues.h"

#include "core/run/sort/ParallelRanges.h"

#include <bit>
#include <optional>
#include <string_view>

namespace core {
namespace {

// An unsigned number in the order of the value: negative values have their bits flipped, the others their sign set.
std::uint64_t orderBits(double value) {
    constexpr std::uint64_t sign = std::uint64_t{1} << 63;
    const auto bits = std::bit_cast<std::uint64_t>(value + 0.0); // -0 becomes 0
    return (bits & sign) != 0 ? ~bits : bits | sign;
}

} // namespace

CellValues::CellValues(const ReportGrid& grid, int column, SortKind kind, const RegionalReader& reader)
    : m_keys(grid.rowCount()) {
    std::vector<char> unreadable(m_keys.size()); // not vector<bool>: threads write neighbouring rows
    constexpr std::size_t rowsPerThread = 16384;
    forEachRange(m_keys.size(), rowsPerThread, [&](std::size_t begin, std::size_t end) {
        for (std::size_t row = begin; row < end; ++row) {
            // No character takes more than four bytes, so this much holds every character that is read.
            const QString text = QString::fromUtf8(grid.cell(row, column).substr(0, 4 * SortReadLimit));
            const std::optional<double> value = sortValue(kind, text, reader);
            m_keys[row] = RowKey{orderBits(value.value_or(emptyValue(kind))), static_cast<std::uint32_t>(row)};
            unreadable[row] = value ? 0 : 1;
        }
    });
    for (std::size_t row = 0; row < unreadable.size(); ++row) {
        if (unreadable[row] && m_unreadableCount++ == 0)
            m_firstUnreadable = QString::fromUtf8(grid.cell(row, column));
    }
}

} // namespace core
