#pragma once

#include "EditorFields.h"
#include "ValueReader.h"

#include "core/definition/ReportDefinition.h"

#include "act/FieldList.h"
#include "act/Result.h"

#include <QList>
#include <QString>

#include <optional>

namespace core::editor {

// A report column as the sub-total options list it.
struct SubTotalColumn {
    int field = 0;
    QString caption;
    bool numeric = false; // an ACT! number or currency field, the only kind a total or an average means anything for
};

// Every column of the report, captioned from FieldNamesIncluded or else with its field's label.
act::Result<QList<SubTotalColumn>> subTotalColumns(const ReportDefinition& definition, act::FieldList& fields);

// The settings of one sub-total, of section 0 to 2 or of the summary (99), in the working copy.
class SubTotalOptions {
public:
    // What the options' Close writes.
    struct Row {
        bool border = true;
        bool emptyBefore = false;
        bool emptyAfter = false;
        QString caption;
        int captionColumn = 1;
    };
    // What a column's controls show; their changes are written at once.
    struct Column {
        ColumnTotal::Calculation calculation = ColumnTotal::None;
        bool different = false;
        bool lineAbove = false;
    };

    SubTotalOptions(ReportDefinition& definition, int section) : m_definition(definition), m_section(section) {}

    int section() const { return m_section; }
    // A caption column past the last of the columns given is read as unreadable.
    Row row(ValueReader& reader, int columns) const;
    Column column(ValueReader& reader, int field) const;
    FontKeys rowFont() const { return ReportDefinition::totalFontKeys(m_section); }
    FontKeys columnFont(int field) const { return ReportDefinition::columnFontKeys(field, m_section); }

    void setRow(const Row& row);
    void setCalculation(int field, ColumnTotal::Calculation calculation);
    void setLineAbove(int field, bool on);
    // Cleared, the column goes back to the row's font, its own removed, and has no line above.
    void setDifferent(int field, bool on);

private:
    QString rowKey(const QString& name) const;
    QString columnKey(int field, const QString& name) const;

    ReportDefinition& m_definition;
    const int m_section;
};

// The last column a caption may be written in: the number of columns, 1 when there are none.
int lastCaptionColumn(int columns);
// The caption column as typed; nullopt outside 1 to lastCaptionColumn().
std::optional<int> readCaptionColumn(const QString& text, int columns);

} // namespace core::editor
