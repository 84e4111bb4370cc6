#pragma once

#include <QString>

#include <string>
#include <vector>

namespace report {

// The rows of the data file, read pass after pass from the same open file.
class RowSource {
public:
    virtual ~RowSource() = default;
    // Back to the first row for another pass; false when the file cannot be read again.
    virtual bool rewind() = 0;
    // The next row's cells as UTF-8; false at the end of the rows or after a fault, which problem() then names.
    virtual bool next(std::vector<std::string>& cells) = 0;
    // Why reading stopped early, in plain words; "" at the end of the rows.
    virtual QString problem() const = 0;
    // How far the current pass has come, and of how much, for progress (bytes, say).
    virtual qint64 done() const = 0;
    virtual qint64 total() const = 0;
};

} // namespace report
