#include "core/run/sort/FoldedText.h"

#include <QChar>
#include <QString>

namespace core {
namespace {

// UTF-8 keeps the order of code points under byte comparison, surrogate values included.
void appendCodePoint(std::string& out, char32_t point) {
    const auto byte = [](char32_t value) { return static_cast<char>(value); };
    if (point < 0x80) {
        out += byte(point);
    } else if (point < 0x800) {
        out += byte(0xC0 | (point >> 6));
        out += byte(0x80 | (point & 0x3F));
    } else if (point < 0x10000) {
        out += byte(0xE0 | (point >> 12));
        out += byte(0x80 | ((point >> 6) & 0x3F));
        out += byte(0x80 | (point & 0x3F));
    } else {
        out += byte(0xF0 | (point >> 18));
        out += byte(0x80 | ((point >> 12) & 0x3F));
        out += byte(0x80 | ((point >> 6) & 0x3F));
        out += byte(0x80 | (point & 0x3F));
    }
}

// ASCII text folds to its lower case; false, with out unchanged, for any other text.
bool appendFoldedAscii(std::string_view text, std::string& out) {
    const std::size_t start = out.size();
    for (const char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            out.resize(start);
            return false;
        }
        out += c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    }
    return true;
}

} // namespace

void appendFoldedKey(std::string_view text, std::string& out) {
    if (appendFoldedAscii(text, out))
        return;
    // Qt's case-insensitive comparison folds each UTF-16 unit, a low surrogate as the code point of its pair.
    char16_t previous = 0;
    for (const QChar unit : QString::fromUtf8(text)) {
        char32_t point = unit.unicode();
        if (QChar::isLowSurrogate(point) && QChar::isHighSurrogate(previous))
            point = QChar::surrogateToUcs4(previous, unit.unicode());
        previous = unit.unicode();
        appendCodePoint(out, QChar::toCaseFolded(point));
    }
}

} // namespace core
