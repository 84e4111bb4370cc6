#include "DataFileReader.h"

#include "core/text/EightBitText.h"
#include "core/text/Windows1252.h"

#include <QDir>

#include <cstring>

namespace report {

namespace {

constexpr qint64 ChunkBytes = qint64{1} << 20;

void appendUtf8(std::string& out, char16_t character) {
    if (character < 0x80) {
        out += static_cast<char>(character);
    } else if (character < 0x800) {
        out += static_cast<char>(0xC0 | (character >> 6));
        out += static_cast<char>(0x80 | (character & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (character >> 12));
        out += static_cast<char>(0x80 | ((character >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (character & 0x3F));
    }
}

} // namespace

DataFileReader::DataFileReader(const QString& path) : m_file(path) {}

bool DataFileReader::fail(const QString& why) {
    m_problem = why;
    return false;
}

bool DataFileReader::open() {
    const QString shown = QDir::toNativeSeparators(m_file.fileName());
    if (!QFileInfo(m_file).isFile())
        return fail(QStringLiteral("The data file %1 is missing.").arg(shown));
    if (!m_file.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("The data file %1 could not be read: %2").arg(shown, m_file.errorString()));
    m_utf8 = isUtf8();
    return m_problem.isEmpty() && rewind();
}

bool DataFileReader::isUtf8() {
    core::eightbit::EncodingProbe probe;
    while (!m_file.atEnd() && !probe.decided()) {
        probe.add(m_file.read(ChunkBytes));
        if (m_file.error() != QFileDevice::NoError)
            return fail(QStringLiteral("The data file could not be read: %1").arg(m_file.errorString()));
    }
    // A file with the mark may still hold invalid sequences, which its cells must not pass on.
    m_repair = probe.hasMark();
    return probe.isUtf8();
}

bool DataFileReader::rewind() {
    m_buffer.clear();
    m_at = 0;
    m_atEnd = false;
    m_consumed = 0;
    m_row = 0;
    if (!m_file.seek(0))
        return fail(QStringLiteral("The data file could not be read again: %1").arg(m_file.errorString()));
    if (!fill(core::eightbit::Utf8Mark.size()))
        return false;
    if (QByteArrayView(m_buffer).startsWith(core::eightbit::Utf8Mark))
        m_at = core::eightbit::Utf8Mark.size();
    return true;
}

bool DataFileReader::fill(std::size_t count) {
    while (m_buffer.size() - m_at < count && !m_atEnd) {
        m_consumed += static_cast<qint64>(m_at);
        m_buffer.erase(0, m_at);
        m_at = 0;
        const std::size_t kept = m_buffer.size();
        m_buffer.resize(kept + ChunkBytes);
        const qint64 read = m_file.read(m_buffer.data() + kept, ChunkBytes);
        if (read < 0) {
            m_buffer.resize(kept);
            return fail(QStringLiteral("The data file could not be read: %1").arg(m_file.errorString()));
        }
        m_buffer.resize(kept + static_cast<std::size_t>(read));
        m_atEnd = read == 0;
    }
    return true;
}

void DataFileReader::appendText(std::string& cell, const char* from, std::size_t size) const {
    if (m_utf8) {
        cell.append(from, size);
        return;
    }
    for (std::size_t i = 0; i < size; ++i)
        appendUtf8(cell, core::windows1252::toUnicode(static_cast<unsigned char>(from[i])));
}

// A cell between double quotes, a doubled quote standing for one.
bool DataFileReader::readQuoted(std::string& cell) {
    ++m_at;
    for (;;) {
        if (!fill(1))
            return false;
        if (m_at == m_buffer.size())
            return fail(QStringLiteral("Row %1 of the data file ends inside a quoted value.").arg(m_row));
        const char* start = m_buffer.data() + m_at;
        const auto* quote = static_cast<const char*>(std::memchr(start, '"', m_buffer.size() - m_at));
        if (!quote) {
            appendText(cell, start, m_buffer.size() - m_at);
            m_at = m_buffer.size();
            continue;
        }
        appendText(cell, start, static_cast<std::size_t>(quote - start));
        m_at += static_cast<std::size_t>(quote - start) + 1;
        if (!fill(1))
            return false;
        if (m_at == m_buffer.size() || m_buffer[m_at] != '"')
            return true;
        cell += '"';
        ++m_at;
    }
}

// A cell without quotes: up to the next comma or line end.
void DataFileReader::readPlain(std::string& cell) {
    for (;;) {
        if (!fill(1) || m_at == m_buffer.size())
            return;
        const std::size_t end = m_buffer.find_first_of(",\r\n", m_at);
        const std::size_t stop = end == std::string::npos ? m_buffer.size() : end;
        appendText(cell, m_buffer.data() + m_at, stop - m_at);
        m_at = stop;
        if (end != std::string::npos)
            return;
    }
}

bool DataFileReader::next(std::vector<std::string>& cells) {
    cells.clear();
    if (!m_problem.isEmpty())
        return false;
    // Empty lines hold no row.
    for (;;) {
        if (!fill(2))
            return false;
        if (m_at == m_buffer.size())
            return false;
        if (m_buffer[m_at] == '\n')
            ++m_at;
        else if (m_buffer.compare(m_at, 2, "\r\n") == 0)
            m_at += 2;
        else
            break;
    }
    ++m_row;
    for (;;) {
        cells.emplace_back();
        if (!fill(1))
            return false;
        if (m_at < m_buffer.size() && m_buffer[m_at] == '"') {
            if (!readQuoted(cells.back()))
                return false;
        } else {
            readPlain(cells.back());
        }
        if (m_repair)
            cells.back() = core::eightbit::validUtf8(cells.back());
        if (!fill(2))
            return false;
        if (m_at == m_buffer.size())
            return true;
        const char separator = m_buffer[m_at++];
        if (separator == ',')
            continue;
        if (separator == '\r' && m_at < m_buffer.size() && m_buffer[m_at] == '\n')
            ++m_at;
        else if (separator != '\n' && separator != '\r')
            return fail(QStringLiteral("Row %1 of the data file has text after a quoted value.").arg(m_row));
        return true;
    }
}

} // namespace report
