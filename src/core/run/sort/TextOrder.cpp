#include "core/run/sort/TextOrder.h"

#include "core/run/sort/AsciiCollation.h"
#include "core/run/sort/ByteKeys.h"
#include "core/run/sort/CollatedTextKeys.h"
#include "core/run/sort/FoldedText.h"
#include "core/run/sort/RowOrder.h"

#include <QCollator>
#include <QString>

#include <algorithm>
#include <numeric>

namespace core {
namespace {

std::vector<std::uint32_t> ordered(const ByteKeys& keys, const std::vector<std::uint32_t>& rows, bool descending) {
    return orderRowsByChunks(
        keys.rowKeys(rows), [&keys](std::uint32_t row, std::size_t depth) { return keys.chunk(row, depth); },
        descending);
}

// Merges two orders of rows that are each in the final order; follows(row) gives a test of whether row goes after
// another. Each row of the smaller order is found among the larger by a search that doubles its step, so a few rows
// cost a few searches and equal halves about one comparison a row.
template <typename Follows>
std::vector<std::uint32_t> merged(const std::vector<std::uint32_t>& a, const std::vector<std::uint32_t>& b,
                                  const Follows& follows) {
    const bool aLarger = a.size() >= b.size();
    const std::vector<std::uint32_t>& many = aLarger ? a : b;
    const std::vector<std::uint32_t>& few = aLarger ? b : a;
    std::vector<std::uint32_t> order;
    order.reserve(many.size() + few.size());
    auto from = many.begin();
    for (const std::uint32_t row : few) {
        const auto goesAfter = follows(row);
        auto low = from;
        auto high = from;
        for (std::ptrdiff_t step = 1; high != many.end() && goesAfter(*high); step *= 2) {
            low = high + 1;
            high = many.end() - high > step ? high + step : many.end();
        }
        const auto to = std::partition_point(low, high, goesAfter);
        order.insert(order.end(), from, to);
        order.push_back(row);
        from = to;
    }
    order.insert(order.end(), from, many.end());
    return order;
}

} // namespace

std::vector<std::uint32_t> textOrder(const ReportGrid& grid, int column, const QLocale& locale, bool descending) {
    const auto rows = static_cast<std::uint32_t>(grid.rowCount());
    ByteKeys bytes;
    if (locale.language() == QLocale::C) {
        std::vector<std::uint32_t> all(rows);
        std::iota(all.begin(), all.end(), 0);
        for (std::uint32_t row = 0; row < rows; ++row) {
            appendFoldedKey(grid.cell(row, column), bytes.bytes());
            bytes.endRow();
        }
        return ordered(bytes, all, descending);
    }

    // Printable ASCII texts get keys of their own where they order as the collator does; the others get the
    // collator's keys, far slower to make and to compare, and the two orders are merged by the collator.
    QCollator collator(locale);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    const std::optional<AsciiCollation> ascii = AsciiCollation::of(collator);
    std::vector<std::uint32_t> asciiRows;
    std::vector<std::uint32_t> otherRows;
    for (std::uint32_t row = 0; row < rows; ++row) {
        const bool keyed = ascii && ascii->appendKey(grid.cell(row, column), bytes.bytes());
        (keyed ? asciiRows : otherRows).push_back(row);
        bytes.endRow();
    }
    const std::vector<std::uint32_t> asciiOrder = ordered(bytes, asciiRows, descending);
    if (otherRows.empty())
        return asciiOrder;
    const CollatedTextKeys collated(grid, column, locale, std::move(otherRows));
    const std::vector<std::uint32_t> otherOrder = orderRows(
        collated.rowKeys(), [&collated](std::uint32_t a, std::uint32_t b) { return collated.compare(a, b); },
        descending);
    const auto text = [&grid, column](std::uint32_t row) { return QString::fromUtf8(grid.cell(row, column)); };
    return merged(asciiOrder, otherOrder, [&](std::uint32_t row) {
        return [&, row, rowText = text(row)](std::uint32_t other) {
            const int result = collator.compare(rowText, text(other));
            if (result != 0)
                return descending ? result < 0 : result > 0;
            return row > other;
        };
    });
}

} // namespace core
