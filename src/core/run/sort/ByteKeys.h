#pragma once

#include "core/run/sort/RowOrder.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace core {

// Sort keys held as byte strings, one after another, ordered as unsigned bytes with a key before every longer key
// that starts with it. They are made row after row, every row of the grid with one (empty when the row is sorted
// otherwise), and ordered eight bytes at a time.
class ByteKeys {
public:
    // A row's key is appended here, in bytes below 0xFF, then the row is ended.
    std::string& bytes() { return m_bytes; }
    void endRow();

    // The given rows, each with the first eight bytes of its key as the prefix.
    std::vector<RowKey> rowKeys(const std::vector<std::uint32_t>& rows) const;
    // Eight bytes of a row's key at a depth: bytes 8 * depth on; nullopt past its end.
    std::optional<std::uint64_t> chunk(std::uint32_t row, std::size_t depth) const;

private:
    std::string m_bytes;             // each key shifted up by one and ended by a zero byte, so none is a prefix
    std::vector<std::size_t> m_ends; // end of each row's key in m_bytes
};

} // namespace core
