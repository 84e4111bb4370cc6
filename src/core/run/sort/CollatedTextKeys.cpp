#include "core/run/sort/CollatedTextKeys.h"

#include "core/run/sort/ParallelRanges.h"

#include <QCollator>
#include <QString>

#include <algorithm>

namespace core {

CollatedTextKeys::CollatedTextKeys(const ReportGrid& grid, int column, const QLocale& locale,
                                   std::vector<std::uint32_t> rows)
    : m_rows(std::move(rows)), m_keys(grid.rowCount()) {
    // Making a key costs far more than comparing two, so the keys are made on every core.
    constexpr std::size_t rowsPerThread = 4096;
    forEachRange(m_rows.size(), rowsPerThread, [&](std::size_t begin, std::size_t end) {
        QCollator collator(locale); // one per thread: a collator sets itself up lazily, so it cannot be shared
        collator.setCaseSensitivity(Qt::CaseInsensitive);
        for (std::size_t i = begin; i < end; ++i)
            m_keys[m_rows[i]].emplace(collator.sortKey(QString::fromUtf8(grid.cell(m_rows[i], column))));
    });
}

std::vector<RowKey> CollatedTextKeys::rowKeys() const {
    const auto less = [this](std::uint32_t a, std::uint32_t b) { return compare(a, b) < 0; };
    // Few enough samples for their keys to stay in cache (measured best at a million rows), leaving about a thousand
    // rows per place.
    const std::size_t sampleCount = std::min<std::size_t>(m_rows.size() / 1024, 1023);
    std::vector<std::uint32_t> samples(sampleCount);
    for (std::size_t i = 0; i < sampleCount; ++i)
        samples[i] = m_rows[i * m_rows.size() / sampleCount];
    std::sort(samples.begin(), samples.end(), less);

    std::vector<RowKey> keys(m_rows.size());
    constexpr std::size_t rowsPerThread = 16384;
    forEachRange(m_rows.size(), rowsPerThread, [&](std::size_t begin, std::size_t end) {
        for (std::size_t i = begin; i < end; ++i) {
            // Rows equal to a sample get a place of their own, so a value that fills many rows needs no sorting.
            const std::uint32_t row = m_rows[i];
            const auto above = std::upper_bound(samples.begin(), samples.end(), row, less);
            const auto place = static_cast<std::uint64_t>(above - samples.begin());
            const bool equalsSample = above != samples.begin() && compare(*(above - 1), row) == 0;
            keys[i] = RowKey{2 * place - (equalsSample ? 1 : 0), row};
        }
    });
    return keys;
}

} // namespace core
