#include "CsvWriter.h"

#include <algorithm>

namespace standin {

void CsvWriter::cell(std::string_view text) {
    if (m_cells++ > 0)
        m_output.put(',');
    m_lastEmpty = text.empty();
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
        m_output.write(text.data(), static_cast<std::streamsize>(text.size()));
        return;
    }
    m_output.put('"');
    for (std::size_t start = 0;;) {
        const std::size_t quote = text.find('"', start);
        m_output.write(text.data() + start, static_cast<std::streamsize>(std::min(quote, text.size()) - start));
        if (quote == std::string_view::npos)
            break;
        m_output.write("\"\"", 2);
        start = quote + 1;
    }
    m_output.put('"');
}

void CsvWriter::endRecord() {
    // A record of one empty cell would be a blank line, which many readers skip.
    if (m_cells == 1 && m_lastEmpty)
        m_output.write("\"\"", 2);
    m_output.write("\r\n", 2);
    m_cells = 0;
}

} // namespace standin
