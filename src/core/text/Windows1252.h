#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace core::windows1252 {

// The byte's character; the five bytes the code page leaves undefined map to the C1 controls of the same number,
// so every byte survives a round trip.
char16_t toUnicode(unsigned char byte);
QString decode(const QByteArray& bytes);
// The character's byte, or nothing when the code page cannot hold it.
std::optional<unsigned char> fromUnicode(char32_t character);

} // namespace core::windows1252
