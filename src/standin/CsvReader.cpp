#include "CsvReader.h"

#include <algorithm>
#include <climits>
#include <string_view>

namespace standin {

namespace {

constexpr int EndOfInput = std::char_traits<char>::eof();
constexpr int Invalid = INT_MIN;
constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";
constexpr std::size_t BlockSize = 1 << 16;

} // namespace

CsvReader::CsvReader(std::istream& input) : m_input(input.rdbuf()), m_buffer(BlockSize, '\0') {
    fill();
    if (std::string_view(m_buffer.data(), m_end).substr(0, ByteOrderMark.size()) == ByteOrderMark)
        m_position = ByteOrderMark.size();
}

bool CsvReader::next(std::vector<std::string>& cells) {
    if (m_failed)
        return false;
    m_recordLine = m_line;
    if (peek() == EndOfInput)
        return false;
    std::size_t count = 0;
    Step step = Step::Cell;
    while (step == Step::Cell) {
        if (count == cells.size())
            cells.emplace_back();
        step = readCell(cells[count++]);
    }
    cells.resize(count);
    return step != Step::Error;
}

bool CsvReader::fill() {
    if (m_position < m_end)
        return true;
    m_position = 0;
    m_end = static_cast<std::size_t>(
        std::max<std::streamsize>(0, m_input->sgetn(m_buffer.data(), static_cast<std::streamsize>(m_buffer.size()))));
    return m_end > 0;
}

int CsvReader::peek() {
    return fill() ? static_cast<unsigned char>(m_buffer[m_position]) : EndOfInput;
}

int CsvReader::get() {
    const int c = peek();
    if (c != EndOfInput)
        ++m_position;
    if ((c == EndOfInput && m_utf8Pending > 0) || (c != EndOfInput && !acceptUtf8(static_cast<unsigned char>(c)))) {
        fail(m_line, "the text is not valid UTF-8");
        return Invalid;
    }
    if (c == '\n' || (c == '\r' && peek() != '\n'))
        ++m_line;
    return c;
}

void CsvReader::copyPlainText(std::string& cell, bool quoted) {
    if (m_utf8Pending > 0)
        return;
    std::size_t end = m_position;
    while (end < m_end) {
        const char c = m_buffer[end];
        if (c < ' ' || c > '~' || c == '"' || (c == ',' && !quoted))
            break;
        ++end;
    }
    cell.append(m_buffer, m_position, end - m_position);
    m_position = end;
}

CsvReader::Step CsvReader::readCell(std::string& cell) {
    cell.clear();
    if (peek() == '"') {
        get();
        return readQuotedCell(cell);
    }
    for (;;) {
        copyPlainText(cell, false);
        const int c = get();
        if (const Step step = delimiter(c); step != Step::Text)
            return step;
        if (c == '"')
            return fail(m_line, "a quote inside a cell that does not start with one");
        cell += static_cast<char>(c);
    }
}

CsvReader::Step CsvReader::readQuotedCell(std::string& cell) {
    const int openingLine = m_line;
    for (;;) {
        copyPlainText(cell, true);
        const int c = get();
        if (c == Invalid)
            return Step::Error;
        if (c == EndOfInput)
            return fail(openingLine, "a quoted cell is not closed");
        if (c == '"') {
            if (peek() != '"')
                break;
            get();
        }
        cell += static_cast<char>(c);
    }
    const Step step = delimiter(get());
    return step != Step::Text ? step : fail(m_line, "text after a closing quote");
}

CsvReader::Step CsvReader::delimiter(int c) {
    switch (c) {
    case Invalid:
        return Step::Error;
    case EndOfInput:
        return Step::End;
    case ',':
        return Step::Cell;
    case '\r':
        if (peek() == '\n')
            get();
        return Step::Record;
    case '\n':
        return Step::Record;
    default:
        return Step::Text;
    }
}

CsvReader::Step CsvReader::fail(int line, std::string reason) {
    m_failed = true;
    m_recordLine = line;
    m_error = std::move(reason);
    return Step::Error;
}

bool CsvReader::acceptUtf8(unsigned char byte) {
    if (m_utf8Pending > 0) {
        if (byte < m_utf8Low || byte > m_utf8High)
            return false;
        --m_utf8Pending;
        m_utf8Low = 0x80;
        m_utf8High = 0xBF;
        return true;
    }
    // Lead bytes narrow the first continuation byte's range, which rules out overlong forms, surrogates and
    // code points past U+10FFFF.
    if (byte < 0x80)
        return true;
    if (byte < 0xC2 || byte > 0xF4)
        return false;
    if (byte < 0xE0) {
        m_utf8Pending = 1;
    } else if (byte < 0xF0) {
        m_utf8Pending = 2;
        m_utf8Low = byte == 0xE0 ? 0xA0 : 0x80;
        m_utf8High = byte == 0xED ? 0x9F : 0xBF;
    } else {
        m_utf8Pending = 3;
        m_utf8Low = byte == 0xF0 ? 0x90 : 0x80;
        m_utf8High = byte == 0xF4 ? 0x8F : 0xBF;
    }
    return true;
}

} // namespace standin
