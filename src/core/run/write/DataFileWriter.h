#pragma once

#include "core/run/RunProgress.h"
#include "core/run/grid/ReportGrid.h"

#include <QIODevice>
#include <QString>
#include <QStringList>

#include <string>
#include <string_view>

namespace core {

struct DataFileLayout {
    bool header = false;         // CSV output: a caption line first
    QStringList captions;        // from FieldNamesIncluded; with header, one written per column
    QStringList fieldLabels;     // the columns' field labels, for columns whose caption is missing or empty
    bool dropLastColumn = false; // CSV output with the extra sort column
};

struct WriteOutcome {
    enum class Status { Written, Cancelled, Failed };
    Status status = Status::Written;
    QString description; // Failed: why, in plain words
};

// Writes the data file's lines, the captions (with layout.header) and then the grid's rows in grid order: every cell
// quoted with its quotes doubled, cells joined by commas, CR LF pairs inside a line turned into one space, at most
// 4,999 characters (code points) of a cell, CR LF after each line.
WriteOutcome writeDataLines(QIODevice& device, const ReportGrid& grid, const DataFileLayout& layout,
                            RunProgress& progress);

// Writes the data file atomically: a failed or cancelled write leaves the previous file whole. notWritable is set
// when the file could not be created, or could not replace the previous one (the "not accessible" case: on
// Windows, another program holding it open).
WriteOutcome Write_File(const QString& path, const ReportGrid& grid, const DataFileLayout& layout,
                        RunProgress& progress, bool* notWritable = nullptr);

} // namespace core
