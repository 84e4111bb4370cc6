#pragma once

#include "ValueReader.h"

#include "core/definition/ReportDefinition.h"

#include <QList>
#include <QString>

#include <array>

namespace core::editor {

// A section as its tab shows it. The title's font and border and the sub-total's options belong to their dialogs.
struct SectionValues {
    int sortField = 0; // 0: "_None"
    bool descending = false;
    bool totals = false;
    bool totalBelow = true;
    QString titleCaption;
    bool title = false;
    bool noRepeat = true;
    bool borderBelow = true;
    bool emptyBefore = false;
    bool emptyAfter = false;

    bool operator==(const SectionValues&) const = default;
};

// What the editor's Data, section and Summary tabs show; the columns are read on their own.
struct EditorValues {
    QString topLeftColumn;
    QString topLeftRow;
    bool header = false;
    std::array<SectionValues, ReportDefinition::SectionCount> sections;
    bool summary = true;
    bool summaryBelow = true;

    bool operator==(const EditorValues&) const = default;
};

struct EditorReading {
    EditorValues values;
    QList<UnreadValue> unread; // in the order the editor reads them
};

// Reads with each key's default. A value read as a flag that is none is noted and its default used; the header is
// read only when asked for. The sort direction reads as the run reads it: "2" is descending, anything else ascending.
EditorReading readEditorValues(const ReportDefinition& definition, bool withHeader);

// Writes a section's keys: the sort level (field 0 and type "0" for none), then the title and sub-total switches.
void writeSection(ReportDefinition& definition, int section, const SectionValues& values, const QString& sortType);
// Writes the top-left cell, the header unless it is to stay as loaded, and the summary's switches.
void writeDataAndSummary(ReportDefinition& definition, const EditorValues& values, bool writeHeader);

// What keeps a top-left cell from being used: a column of one or two letters, a row from 1 to the sheet's last.
enum class CellProblem { None, Column, Row };
CellProblem checkTopLeftCell(const QString& column, const QString& row);

} // namespace core::editor
