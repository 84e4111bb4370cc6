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

// Columns A City, B Name (texts) and C Sales (a number), from A1, no header, no summary; keys such as
// "Title0=1; Totals0=1" replace these.
core::ReportDefinition definitionOf(const char* keys);

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
    bool write(const report::SheetRow& row) override {
        rows.push_back(row);
        return true;
    }

    std::vector<report::SheetRow> rows;
};

// Plans and writes the report in the C locale: each row as a line, "r5 L1 A:'Lyon' B:#61 C:=SUBTOTAL(9,C2:C4)→12.5"
// (# marks a date; empty cells are left out), or the problem alone when the report cannot be laid out. The row
// count planned must be the last row written.
std::vector<std::string> layOut(const char* keys, const Rows& rows);

} // namespace layout_test
