#pragma once

#include <QCollator>

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace core {

// Sort keys for printable ASCII texts that order them exactly as a collator does, made without the collator.
//
// Why they can: ICU gives each printable ASCII character one collation element of its own (a primary weight and the
// common secondary weight), and at the secondary strength of a case-insensitive QCollator case is not compared, so
// such texts compare as the sequences of their characters' weights. The weights are taken from the collator, so a
// locale that moves single characters (Turkish I, Estonian z) is followed. What breaks the rule is a tailored
// contraction or a character made a secondary variant of another (Danish "aa", Czech "ch", Hungarian "cs" and "dzs",
// Lithuanian y); every such tailoring has a pair of characters that a check of all texts of one or two characters
// against the collator catches, and a collator that fails the check gets no fast keys.
class AsciiCollation {
public:
    // The weights of the collator's order, or nullopt when it does not order by character weights.
    static std::optional<AsciiCollation> of(const QCollator& collator);

    // Appends the key of a text of printable ASCII characters; false, with out unchanged, for any other text.
    bool appendKey(std::string_view text, std::string& out) const;

private:
    AsciiCollation() = default;

    std::array<char, 128> m_weights{}; // of each printable character, from 1 up; 0 for the others
};

} // namespace core
