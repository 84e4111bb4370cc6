#include "TextBoxValidator.h"

#include <algorithm>

namespace gui {

TextBoxValidator::TextBoxValidator(QObject* parent) : QValidator(parent) {}

QValidator::State TextBoxValidator::validate(QString& input, int&) const {
    if (m_digitsOnly &&
        std::any_of(input.cbegin(), input.cend(), [](QChar c) { return c < QLatin1Char('0') || c > QLatin1Char('9'); }))
        return Invalid;
    const auto letter = [](QChar c) { return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z'); };
    if (m_maxLetters > 0 && (input.size() > m_maxLetters || !std::all_of(input.cbegin(), input.cend(), letter)))
        return Invalid;
    // Character by character, so that the length and the cursor stay where they were ("ß" does not become "SS").
    if (m_upperCase)
        std::transform(input.cbegin(), input.cend(), input.begin(), [](QChar c) { return c.toUpper(); });
    else if (m_lowerCase)
        std::transform(input.cbegin(), input.cend(), input.begin(), [](QChar c) { return c.toLower(); });
    return Acceptable;
}

} // namespace gui
