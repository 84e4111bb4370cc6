#pragma once

#include <QStringView>

#include <optional>
#include <string>

namespace core {

// Reads a short text left to right, for the small grammars of date and number cells. Digits are ASCII only.
class TextScanner {
public:
    struct Digits {
        int value = 0;
        int count = 0;
    };

    explicit TextScanner(QStringView text) : m_text(text) {}

    bool atEnd() const { return m_at == m_text.size(); }
    QStringView rest() const { return m_text.sliced(m_at); }
    // The next character; U+0000 at the end.
    QChar peek() const { return atEnd() ? QChar() : m_text[m_at]; }
    // Moves past c when it comes next.
    bool take(QChar c);
    void skip(qsizetype count) { m_at += count; }
    // A run of 1 to maxCount digits and its value; nullopt when the run is empty or longer.
    std::optional<Digits> digits(int maxCount);
    // Moves past a run of digits, appending them to out; their count.
    int takeDigits(std::string& out);

private:
    QStringView m_text;
    qsizetype m_at = 0;
};

} // namespace core
