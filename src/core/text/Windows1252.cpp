#include "Windows1252.h"

#include <algorithm>
#include <array>

namespace core::windows1252 {

namespace {

constexpr char16_t FirstTableByte = 0x80;

// Bytes 0x80 to 0x9F; the rest of the code page is Latin-1. 0x81, 0x8D, 0x8F, 0x90 and 0x9D are undefined there.
constexpr std::array<char16_t, 32> Table = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                            0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                            0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                            0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr bool inTable(char32_t value) {
    return value >= FirstTableByte && value < FirstTableByte + Table.size();
}

} // namespace

char16_t toUnicode(unsigned char byte) {
    return inTable(byte) ? Table[byte - FirstTableByte] : char16_t(byte);
}

QString decode(const QByteArray& bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    std::transform(bytes.cbegin(), bytes.cend(), text.begin(),
                   [](char byte) { return QChar(toUnicode(static_cast<unsigned char>(byte))); });
    return text;
}

std::optional<unsigned char> fromUnicode(char32_t character) {
    if (character <= 0xFF && !inTable(character))
        return static_cast<unsigned char>(character);
    const auto found = std::find(Table.cbegin(), Table.cend(), character);
    if (found == Table.cend())
        return std::nullopt;
    return static_cast<unsigned char>(FirstTableByte + (found - Table.cbegin()));
}

} // namespace core::windows1252
