#include "core/run/sort/ByteKeys.h"

#include <algorithm>

namespace core {

void ByteKeys::endRow() {
    for (std::size_t i = m_ends.empty() ? 0 : m_ends.back(); i < m_bytes.size(); ++i)
        m_bytes[i] = static_cast<char>(static_cast<unsigned char>(m_bytes[i]) + 1);
    m_bytes += '\0';
    m_ends.push_back(m_bytes.size());
}

std::vector<RowKey> ByteKeys::rowKeys(const std::vector<std::uint32_t>& rows) const {
    std::vector<RowKey> keys;
    keys.reserve(rows.size());
    for (const std::uint32_t row : rows)
        keys.push_back(RowKey{*chunk(row, 0), row});
    return keys;
}

std::optional<std::uint64_t> ByteKeys::chunk(std::uint32_t row, std::size_t depth) const {
    const std::size_t begin = (row == 0 ? 0 : m_ends[row - 1]) + 8 * depth;
    if (begin >= m_ends[row])
        return std::nullopt;
    // Big-endian, so that numbers compare as the bytes do; zeros after the key's end.
    const std::string_view bytes =
        std::string_view(m_bytes).substr(begin, std::min<std::size_t>(8, m_ends[row] - begin));
    std::uint64_t part = 0;
    for (std::size_t i = 0; i < 8; ++i)
        part = part << 8 | (i < bytes.size() ? static_cast<unsigned char>(bytes[i]) : 0U);
    return part;
}

} // namespace core
