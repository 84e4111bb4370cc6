#include "RecordIds.h"

#include "FieldCatalogue.h"

#include <algorithm>

namespace standin::recordids {

std::string fromNumber(std::uint64_t number) {
    static constexpr std::string_view Alphabet = "0123456789ABCDEFGHJKMNPQRSTVWXYZ";
    std::string id(IdLength, '0');
    for (auto it = id.rbegin(); it != id.rend(); ++it, number >>= 5)
        *it = Alphabet[number & 31];
    return id;
}

std::size_t characterCount(std::string_view utf8) {
    return static_cast<std::size_t>(
        std::count_if(utf8.begin(), utf8.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

bool isValid(std::string_view id) {
    const bool hasControl = std::any_of(id.begin(), id.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte < 0x20 || byte == 0x7F;
    });
    return !hasControl && characterCount(id) == IdLength;
}

} // namespace standin::recordids
