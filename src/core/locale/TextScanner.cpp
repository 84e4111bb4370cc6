#include "core/locale/TextScanner.h"

namespace core {
namespace {

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

} // namespace

bool TextScanner::take(QChar c) {
    if (atEnd() || m_text[m_at] != c)
        return false;
    ++m_at;
    return true;
}

std::optional<TextScanner::Digits> TextScanner::digits(int maxCount) {
    Digits run;
    for (; !atEnd() && isDigit(m_text[m_at]); ++m_at) {
        if (++run.count > maxCount)
            return std::nullopt;
        run.value = run.value * 10 + (m_text[m_at].unicode() - u'0');
    }
    if (run.count == 0)
        return std::nullopt;
    return run;
}

int TextScanner::takeDigits(std::string& out) {
    int count = 0;
    for (; !atEnd() && isDigit(m_text[m_at]); ++m_at, ++count)
        out += static_cast<char>(m_text[m_at].unicode());
    return count;
}

} // namespace core
