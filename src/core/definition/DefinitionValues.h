#pragma once

#include <QString>

#include <optional>

// How the texts of definition keys read, whoever reads them.
namespace core::definition {

// "1" or "True" on, "0" or "False" off, any other whole number on; words in any case. nullopt for anything else.
std::optional<bool> readFlag(const QString& text);
// A whole number, spaces around it allowed.
std::optional<int> readWhole(const QString& text);
// A Windows colour, 0 to 0xFFFFFF; negative (system colours) and larger values are black.
std::optional<int> readColour(const QString& text);
// A positive size in points, with "." or "," as the decimal point whatever the locale.
std::optional<double> readSize(const QString& text);
// A sheet column of one or two letters in any case: A is 1, ZZ is 702.
std::optional<int> readColumnLetters(const QString& text);

} // namespace core::definition
