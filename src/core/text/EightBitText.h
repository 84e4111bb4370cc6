#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <string>
#include <string_view>

namespace core {

// Files of 8-bit text in the system code page: UTF-8 here, the ANSI code page on Windows.
namespace eightbit {

inline constexpr QByteArrayView Utf8Mark("\xEF\xBB\xBF");

// Tells a file's encoding from its bytes, given in order in pieces of any size: a file that starts with the UTF-8
// mark is UTF-8 whatever follows, a file of valid UTF-8 is UTF-8, anything else is Windows-1252 as a whole.
class EncodingProbe {
public:
    void add(QByteArrayView bytes);
    // True once more bytes cannot change the answer.
    bool decided() const { return m_mark || !m_valid; }
    // After the last piece.
    bool isUtf8() const { return m_mark || (m_valid && m_carried.isEmpty()); }
    bool hasMark() const { return m_mark; }

private:
    bool m_atStart = true;
    bool m_mark = false;
    bool m_valid = true;
    QByteArray m_carried; // bytes the next piece completes: the start of a sequence, or of the file
};

// Decodes a whole file's bytes by that rule, the mark dropped; invalid sequences in a file with the mark become
// U+FFFD. Nothing else is lost: every Windows-1252 byte maps to a character.
QString decode(const QByteArray& bytes);

// The bytes of a UTF-8 file without the mark it may start with: the mark is never part of the text.
QByteArrayView withoutMark(QByteArrayView bytes);

// The text with each invalid UTF-8 sequence replaced by U+FFFD; valid text comes back as it is.
std::string validUtf8(std::string_view text);

// Encodes text for writing; false (and the offending character in *bad) when the code page cannot hold a character.
// A lone surrogate is such a character everywhere.
bool encode(const QString& text, QByteArray& out, char32_t* bad = nullptr);

// A character for a message: the character in quotes and its code point, as “€” (U+20AC).
QString describe(char32_t character);

} // namespace eightbit
} // namespace core
