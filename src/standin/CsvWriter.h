#pragma once

#include <ostream>
#include <string_view>

namespace standin {

// Writes RFC 4180 records: CR LF after each, a cell in double quotes (with "" for a quote) when it holds a comma,
// a quote, a CR or an LF, every other cell as it is.
class CsvWriter {
public:
    explicit CsvWriter(std::ostream& output) : m_output(output) {}

    void cell(std::string_view text);
    void endRecord();

private:
    std::ostream& m_output;
    int m_cells = 0;
    bool m_lastEmpty = false;
};

} // namespace standin
