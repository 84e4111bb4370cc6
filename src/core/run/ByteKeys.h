#pragma once

#include "RowOrder.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace core {

// Sort keys held as bytes, one after another, compared as unsigned bytes; made row after row, every row of the grid
// with a key, empty when the row is sorted otherwise.
class ByteKeys {
public:
    // A row's key bytes are appended here, then the row is ended.
    std::string& bytes() { return m_bytes; }
    void endRow() { m_ends.push_back(m_bytes.size()); }

    // The given rows, each with the first bytes of its key as the prefix.
    std::vector<RowKey> rowKeys(const std::vector<std::uint32_t>& rows) const;
    // Three-way comparison of two rows' keys.
    int compare(std::uint32_t a, std::uint32_t b) const { return key(a).compare(key(b)); }

private:
    std::string_view key(std::uint32_t row) const;

    std::string m_bytes;
    std::vector<std::size_t> m_ends; // end of each row's key in m_bytes
};

} // namespace core
