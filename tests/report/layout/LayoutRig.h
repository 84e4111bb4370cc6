#pragma once

#include "report/RowSource.h"
#include "report/SheetRow.h"

#include "core/definition/ReportDefinition.h"

#include <QString>

#include <string>
#include <utility>
#include <vector>

namespace layout_test {

using Rows = std::vector<std::vector<std::string>>;
using Keys = std::vector<std::pair<const char*, const char*>>;

// Columns A City, B Name (texts) and C Sales (a number), from A1, no header, no summary; the keys given replace these.
core::ReportDefinition definitionOf(const Keys& keys);

// Rows held in memory; after the last one, reading fails with the failure given, if any.
class MemoryRows : public report::RowSource {
public:
    explicit MemoryRows(Rows rows, QString failure = {}) : m_rows(std::move(rows)), m_failure(std::move(failure)) {}

    bool rewind() override {
        m_next = 0;
        return true;
    }
    bool next(std::vector<std::string>& cells) override {
        if (m_next == m_rows.size())
            return false;
        cells = m_rows[m_next++];
        return true;
    }
    QString problem() const override { return m_next == m_rows.size() ? m_failure : QString(); }
    qint64 done() const override { return static_cast<qint64>(m_next); }
    qint64 total() const override { return static_cast<qint64>(m_rows.size()); }

private:
    Rows m_rows;
    QString m_failure;
    std::size_t m_next = 0;
};

class RecordingSink : public report::SheetRowSink {
public:
    bool write(const report::SheetRow& row) override;

    std::vector<report::SheetRow> rows;
};

// A row as one line, "r5 L1 A:'Lyon' B:#61 C:=SUBTOTAL(9,C2:C4)→12.5": # marks a date, empty cells are left out.
std::string render(const report::SheetRow& row, const std::vector<report::CellStyle>& styles);

struct LaidOut {
    std::vector<std::string> lines;
    QString problem;
};

// Plans and writes the report in the C locale; the row count planned must be the last row written.
LaidOut layOut(const Keys& keys, const Rows& rows);

} // namespace layout_test
