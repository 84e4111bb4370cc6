#include "EditorValues.h"

#include "core/definition/DefinitionKeys.h"
#include "core/definition/DefinitionValues.h"

#include <algorithm>

namespace core::editor {

namespace {

// Reads the flags of one definition, noting each stored value that is no flag.
class FlagReader {
public:
    FlagReader(const ReportDefinition& definition, QList<UnreadValue>& unread)
        : m_definition(definition), m_unread(unread) {}

    bool operator()(const QString& key, bool defaultValue) const {
        const QString text = m_definition.value(key);
        if (text.isNull())
            return defaultValue;
        const std::optional<bool> flag = definition::readFlag(text);
        if (!flag)
            m_unread.append({key, text});
        return flag.value_or(defaultValue);
    }
    bool operator()(const QString& name, int section, bool defaultValue) const {
        return (*this)(keys::sectionKey(name, section), defaultValue);
    }

private:
    const ReportDefinition& m_definition;
    QList<UnreadValue>& m_unread;
};

} // namespace

EditorReading readEditorValues(const ReportDefinition& definition, bool withHeader) {
    EditorReading reading;
    EditorValues& values = reading.values;
    const FlagReader flag(definition, reading.unread);
    values.topLeftColumn = definition.value(keys::TopLeftCol, QStringLiteral("A"));
    values.topLeftRow = definition.value(keys::TopLeftRow, QStringLiteral("1"));
    values.header = withHeader && flag(keys::Header, false);
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
