#include "XmlText.h"

#include <array>
#include <cstdio>

namespace report::xlsx {

namespace {

constexpr std::string_view Replacement = "\xEF\xBF\xBD";

// The characters XML 1.0 allows.
constexpr bool isXmlCharacter(char32_t c) {
    return c == u'\t' || c == u'\n' || c == u'\r' || (c >= 0x20 && c < 0xD800) || (c >= 0xE000 && c < 0xFFFE) ||
           (c >= 0x10000 && c <= 0x10FFFF);
}

// The code point at i, moving i past it; a lone surrogate stands for itself.
char32_t nextCodePoint(QStringView text, qsizetype& i) {
    const QChar c = text[i++];
    if (c.isHighSurrogate() && i < text.size() && text[i].isLowSurrogate())
        return QChar::surrogateToUcs4(c, text[i++]);
    return c.unicode();
}

// What an attribute value in double quotes writes for a character; nullptr when it writes the character itself.
// White space is written as references because a parser normalises it to spaces in attributes.
const char16_t* attributeReference(char32_t c) {
    switch (c) {
    case u'&':
        return u"&amp;";
    case u'<':
        return u"&lt;";
    case u'>':
        return u"&gt;";
    case u'"':
        return u"&quot;";
    case u'\t':
        return u"&#9;";
    case u'\n':
        return u"&#10;";
    case u'\r':
        return u"&#13;";
    default:
        return nullptr;
    }
}

// Bytes that cannot be copied as they are: markup, characters XML forbids, the start of a literal _xHHHH_, and
// anything past ASCII, which is checked as UTF-8.
constexpr std::array<bool, 256> attentionTable() {
    std::array<bool, 256> table{};
    for (int c = 0; c < 0x100; ++c)
        table[c] = c >= 0x80 || !isXmlCharacter(static_cast<char32_t>(c));
    table['&'] = table['<'] = table['>'] = table['_'] = table['\r'] = true;
    return table;
}
constexpr std::array<bool, 256> NeedsAttention = attentionTable();

bool isHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

bool startsEscape(std::string_view text, size_t at) {
    if (at + 7 > text.size() || text[at + 1] != 'x' || text[at + 6] != '_')
        return false;
    for (size_t i = at + 2; i < at + 6; ++i) {
        if (!isHexDigit(text[i]))
            return false;
    }
    return true;
}

void appendEscape(std::string& out, char32_t codePoint) {
    char escape[9];
    std::snprintf(escape, sizeof escape, "_x%04X_", static_cast<unsigned>(codePoint));
    out += escape;
}

// The length of the well-formed UTF-8 sequence at `at` (no overlong forms, surrogates or values past U+10FFFF),
// with its code point; 0 when it is not one.
int sequenceLength(std::string_view text, size_t at, char32_t& codePoint) {
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned lead = byte(at);
    int length = 0;
    unsigned low = 0x80;
    unsigned high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        codePoint = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        codePoint = lead & 0x0F;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        codePoint = lead & 0x07;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (at + length > text.size())
        return 0;
    for (int i = 1; i < length; ++i) {
        const unsigned next = byte(at + i);
        if (next < (i == 1 ? low : 0x80) || next > (i == 1 ? high : 0xBF))
            return 0;
        codePoint = (codePoint << 6) | (next & 0x3F);
    }
    return length;
}

} // namespace

void appendCellText(std::string& out, std::string_view text) {
    size_t copied = 0;
    size_t i = 0;
    const auto copyUpTo = [&](size_t end) { out.append(text.data() + copied, end - copied); };
    while (i < text.size()) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (!NeedsAttention[c]) {
            ++i;
            continue;
        }
        if (c == '_' && !startsEscape(text, i)) {
            ++i;
            continue;
        }
        if (c >= 0x80) {
            char32_t codePoint = 0;
            const int length = sequenceLength(text, i, codePoint);
            if (length > 0 && isXmlCharacter(codePoint)) {
                i += length;
                continue;
            }
            copyUpTo(i);
            if (length > 0)
                appendEscape(out, codePoint);
            else
                out += Replacement;
            i += length > 0 ? length : 1;
            copied = i;
            continue;
        }
        copyUpTo(i);
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '\r':
            out += "&#13;";
            break;
        case '_':
            out += "_x005F_";
            break;
        default:
            appendEscape(out, c);
            break;
        }
        copied = ++i;
    }
    copyUpTo(i);
}

bool isXmlText(QStringView text) {
    for (qsizetype i = 0; i < text.size();) {
        if (!isXmlCharacter(nextCodePoint(text, i)))
            return false;
    }
    return true;
}

QString escapedAttribute(QStringView text) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype start = i;
        const char32_t c = nextCodePoint(text, i);
        if (const char16_t* reference = attributeReference(c))
            out += QStringView(reference);
        else if (isXmlCharacter(c))
            out += text.sliced(start, i - start);
        else
            out += QChar(QChar::ReplacementCharacter);
    }
    return out;
}

} // namespace report::xlsx
