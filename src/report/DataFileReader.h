#pragma once

#include "RowSource.h"

#include <QFile>
#include <QString>

#include <string>
#include <vector>

namespace report {

// The data file a run left: one line of quoted, comma-separated cells a row, in 8-bit text. The file is opened once
// and every pass reads that open file, so a new run replacing the file cannot change it under a build.
class DataFileReader : public RowSource {
public:
    explicit DataFileReader(const QString& path);

    // Opens the file and tells its encoding as every 8-bit text reader does (a file with the UTF-8 mark is UTF-8, its
    // invalid sequences read as U+FFFD). False, with problem() set, when it cannot be read.
    bool open();

    bool rewind() override;
    bool next(std::vector<std::string>& cells) override;
    QString problem() const override { return m_problem; }
    qint64 done() const override { return m_consumed + static_cast<qint64>(m_at); }
    qint64 total() const override { return m_file.size(); }

private:
    bool isUtf8();
    // Makes at least count bytes available at m_at unless the file ends first; false after a read error.
    bool fill(std::size_t count);
    bool readQuoted(std::string& cell);
    void readPlain(std::string& cell);
    void appendText(std::string& cell, const char* from, std::size_t size) const;
    bool fail(const QString& why);

    QFile m_file;
    bool m_utf8 = true;
    bool m_repair = false; // UTF-8 by its mark: cells may hold invalid sequences
    std::string m_buffer;
    std::size_t m_at = 0;
    bool m_atEnd = false;
    qint64 m_consumed = 0; // bytes of the file moved past
    qint64 m_row = 0;
    QString m_problem;
};

} // namespace report
