#pragma once

#include <istream>
#include <string>
#include <vector>

namespace standin {

// Reads RFC 4180 records of UTF-8 text: cells separated by ",", records ended by CR LF or LF (a lone CR also
// ends a line), a cell in double quotes may hold commas, line breaks and "" for a quote. A leading byte-order mark
// is dropped. Strict where a loose reader would guess: a quote inside an unquoted cell, text after a closing quote,
// an unterminated quote and bytes that are not UTF-8 are errors. Line numbers count physical lines from 1.
class CsvReader {
public:
    explicit CsvReader(std::istream& input);

    // Reads the next record into cells, reusing their storage; false at the end of the input or on an error.
    bool next(std::vector<std::string>& cells);
    // Why the last next() failed, or "" at the end of the input.
    const std::string& error() const { return m_error; }
    // The line the last record began on, or the line of the error.
    int line() const { return m_recordLine; }

private:
    // What follows a cell; Text is a byte that ends nothing.
    enum class Step { Cell, Record, End, Error, Text };

    // The next byte, EndOfInput, or Invalid after an error; counts lines and checks UTF-8.
    int get();
    int peek();
    bool fill();
    // Copies the run of printable ASCII at the read position that ends no cell and starts no quote.
    void copyPlainText(std::string& cell, bool quoted);
    // Reads one cell into cell and says what follows it.
    Step readCell(std::string& cell);
    Step readQuotedCell(std::string& cell);
    // What a byte read after cell text ends, taking the LF of a CR LF.
    Step delimiter(int c);
    Step fail(int line, std::string reason);
    // Checks a byte against the UTF-8 sequence in progress.
    bool acceptUtf8(unsigned char byte);

    std::streambuf* m_input;
    // Read in blocks so that runs of plain text are copied at once rather than a byte at a time.
    std::string m_buffer;
    std::size_t m_position = 0;
    std::size_t m_end = 0;
    int m_line = 1;
    int m_recordLine = 1;
    bool m_failed = false;
    std::string m_error;
    int m_utf8Pending = 0;
    unsigned char m_utf8Low = 0x80;
    unsigned char m_utf8High = 0xBF;
};

} // namespace standin
