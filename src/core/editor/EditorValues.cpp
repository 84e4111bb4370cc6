#include "EditorValues.h"

#include "core/definition/DefinitionKeys.h"
#include "core/definition/DefinitionValues.h"

#include <algorithm>

namespace core::editor {

EditorReading readEditorValues(const ReportDefinition& definition, bool withHeader) {
    EditorReading reading;
    EditorValues& values = reading.values;
    ValueReader reader(definition);
    const auto flag = [&reader](const QString& name, int section, bool defaultValue) {
        return reader.flag(keys::sectionKey(name, section), defaultValue);
    };
    values.topLeftColumn = definition.value(keys::TopLeftCol, QStringLiteral("A"));
    values.topLeftRow = definition.value(keys::TopLeftRow, QStringLiteral("1"));
    values.header = withHeader && reader.flag(keys::Header, false);
    // The order of the window's opening: the sub-total before the title.
    for (int n = 0; n < ReportDefinition::SectionCount; ++n) {
        SectionValues& section = values.sections[static_cast<std::size_t>(n)];
        const SortLevel sort = definition.sortLevel(n);
        section.sortField = sort.field;
        section.descending = sort.descending;
        section.totals = flag(keys::Totals, n, false);
        section.totalBelow = flag(keys::TotalPos, n, true);
        section.titleCaption = definition.title(n).caption;
        section.title = flag(keys::Title, n, false);
        section.noRepeat = flag(keys::NoRepeat, n, true);
        section.borderBelow = flag(keys::TitleBorderBelow, n, true);
        section.emptyBefore = flag(keys::TitleEmptyBefore, n, false);
        section.emptyAfter = flag(keys::TitleEmptyAfter, n, false);
    }
    values.summary = flag(keys::Totals, ReportDefinition::Summary, true);
    values.summaryBelow = flag(keys::TotalPos, ReportDefinition::Summary, true);
    reading.unread = reader.unread();
    return reading;
}

void writeSection(ReportDefinition& definition, int section, const SectionValues& values, const QString& sortType) {
    const auto key = [section](const QString& name) { return keys::sectionKey(name, section); };
    const bool sorted = values.sortField != 0;
    definition.setSortLevel(section, {values.sortField, sorted ? sortType : QStringLiteral("0"), values.descending});
    definition.setValue(key(keys::TitleCaption), values.titleCaption);
    definition.setFlag(key(keys::Title), values.title);
    definition.setFlag(key(keys::NoRepeat), values.noRepeat);
    definition.setFlag(key(keys::TitleBorderBelow), values.borderBelow);
    definition.setFlag(key(keys::TitleEmptyBefore), values.emptyBefore);
    definition.setFlag(key(keys::TitleEmptyAfter), values.emptyAfter);
    definition.setFlag(key(keys::Totals), values.totals);
    definition.setFlag(key(keys::TotalPos), values.totalBelow);
}

void writeDataAndSummary(ReportDefinition& definition, const EditorValues& values, bool writeHeader) {
    if (writeHeader)
        definition.setFlag(keys::Header, values.header);
    definition.setValue(keys::TopLeftRow, values.topLeftRow);
    definition.setValue(keys::TopLeftCol, values.topLeftColumn);
    definition.setFlag(keys::sectionKey(keys::Totals, ReportDefinition::Summary), values.summary);
    definition.setFlag(keys::sectionKey(keys::TotalPos, ReportDefinition::Summary), values.summaryBelow);
}

CellProblem checkTopLeftCell(const QString& column, const QString& row) {
    if (column.trimmed() != column || !definition::readColumnLetters(column))
        return CellProblem::Column;
    const bool digits =
        !row.isEmpty() && std::all_of(row.cbegin(), row.cend(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    const int number = digits ? row.toInt() : 0;
    return number >= 1 && number <= ReportDefinition::MaxRow ? CellProblem::None : CellProblem::Row;
}

} // namespace core::editor
