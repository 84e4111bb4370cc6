#pragma once

#include <QByteArray>
#include <QString>

namespace core {

// Files of 8-bit text in the system code page: UTF-8 here, the ANSI code page on Windows.
namespace eightbit {

// Decodes a whole file's bytes: valid UTF-8 (a leading byte-order mark dropped) as UTF-8, anything else as
// Windows-1252 as a whole. Nothing is lost: every byte maps to a character.
QString decode(const QByteArray& bytes);

// Encodes text for writing; false (and the offending character in *bad) when the code page cannot hold a character.
// A lone surrogate is such a character everywhere.
bool encode(const QString& text, QByteArray& out, char32_t* bad = nullptr);

// A character for a message: the character in quotes and its code point, as “€” (U+20AC).
QString describe(char32_t character);

} // namespace eightbit
} // namespace core
