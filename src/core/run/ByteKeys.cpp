#include "ByteKeys.h"

namespace core {

std::vector<RowKey> ByteKeys::rowKeys(const std::vector<std::uint32_t>& rows) const {
    std::vector<RowKey> keys;
    keys.reserve(rows.size());
    for (const std::uint32_t row : rows) {
        // Big-endian, padded with zero bytes: a shorter key comes first, as in the full comparison.
        const std::string_view bytes = key(row).substr(0, sizeof(std::uint64_t));
        std::uint64_t prefix = 0;
        for (std::size_t i = 0; i < sizeof(std::uint64_t); ++i)
            prefix = prefix << 8 | (i < bytes.size() ? static_cast<unsigned char>(bytes[i]) : 0U);
        keys.push_back(RowKey{prefix, row});
    }
    return keys;
}

std::string_view ByteKeys::key(std::uint32_t row) const {
    const std::size_t begin = row == 0 ? 0 : m_ends[row - 1];
    return std::string_view(m_bytes).substr(begin, m_ends[row] - begin);
}

} // namespace core
