#include "SubTotalOptions.h"

#include "core/definition/DefinitionKeys.h"
#include "core/definition/DefinitionValues.h"

#include <algorithm>

namespace core::editor {

namespace {

// The ACT! field types a sub-total can add up or average.
constexpr int NumberType = 5;
constexpr int CurrencyType = 6;

} // namespace

act::Result<QList<SubTotalColumn>> subTotalColumns(const ReportDefinition& definition, act::FieldList& fields) {
    const IncludedFields included = readIncludedFields(definition, fields);
    if (included.error)
        return *included.error;
    const QStringList captions = definition.captions();
    QList<SubTotalColumn> columns;
    for (qsizetype i = 0; i < included.fields.size(); ++i) {
        const IncludedField& field = included.fields[i];
        const QString caption = captions.value(i);
        bool numeric = false;
        if (!included.unknown.contains(field.id)) {
            const act::Result<int> type = fields.Type(field.id);
            if (!type)
                return type.error();
            numeric = type.value() == NumberType || type.value() == CurrencyType;
        }
        columns.append({field.id, caption.isEmpty() ? field.label : caption, numeric});
    }
    return columns;
}

SubTotalOptions::Row SubTotalOptions::row(ValueReader& reader, int columns) const {
    const TotalFormat defaults = ReportDefinition().total(m_section);
    Row row;
    row.border = reader.flag(rowKey(keys::TotalBorder), defaults.border);
    row.emptyBefore = reader.flag(rowKey(keys::TotalEmptyBefore), defaults.emptyBefore);
    row.emptyAfter = reader.flag(rowKey(keys::TotalEmptyAfter), defaults.emptyAfter);
    row.caption = m_definition.value(rowKey(keys::TotalCaption), defaults.caption);
    row.captionColumn =
        reader.whole(rowKey(keys::TotalCaptionCol), defaults.captionColumn, 1, lastCaptionColumn(columns));
    return row;
}

SubTotalOptions::Column SubTotalOptions::column(ValueReader& reader, int field) const {
    const ColumnTotal defaults = ReportDefinition().columnTotal(field, m_section);
    Column column;
    column.calculation = static_cast<ColumnTotal::Calculation>(
        reader.whole(columnKey(field, keys::CalcType), defaults.calculation, ColumnTotal::None, ColumnTotal::Count));
    column.different = reader.flag(columnKey(field, keys::Different), defaults.different);
    column.lineAbove = reader.flag(columnKey(field, keys::LineAbove), defaults.lineAbove);
    return column;
}

void SubTotalOptions::setRow(const Row& row) {
    m_definition.setFlag(rowKey(keys::TotalBorder), row.border);
    m_definition.setFlag(rowKey(keys::TotalEmptyBefore), row.emptyBefore);
    m_definition.setFlag(rowKey(keys::TotalEmptyAfter), row.emptyAfter);
    m_definition.setValue(rowKey(keys::TotalCaption), row.caption);
    m_definition.setValue(rowKey(keys::TotalCaptionCol), QString::number(row.captionColumn));
}

void SubTotalOptions::setCalculation(int field, ColumnTotal::Calculation calculation) {
    m_definition.setValue(columnKey(field, keys::CalcType), QString::number(calculation));
}

void SubTotalOptions::setLineAbove(int field, bool on) {
    m_definition.setFlag(columnKey(field, keys::LineAbove), on);
}

void SubTotalOptions::setDifferent(int field, bool on) {
    if (!on) {
        const FontKeys font = columnFont(field);
        m_definition.remove(font.name);
        for (const QString& style : {keys::FontBold, keys::FontItalic, keys::FontUnderline, keys::FontColor,
                                     keys::FontSize, keys::FontStrikeThru})
            m_definition.remove(font.style(style));
        // The line's box is cleared with it, which writes "0" as a change of that box would.
        setLineAbove(field, false);
    }
    m_definition.setFlag(columnKey(field, keys::Different), on);
}

QString SubTotalOptions::rowKey(const QString& name) const {
    return keys::sectionKey(name, m_section);
}

QString SubTotalOptions::columnKey(int field, const QString& name) const {
    return keys::columnKey(field, name, m_section);
}

int lastCaptionColumn(int columns) {
    return std::max(columns, 1);
}

std::optional<int> readCaptionColumn(const QString& text, int columns) {
    const std::optional<int> column = definition::readWhole(text);
    return column && *column >= 1 && *column <= lastCaptionColumn(columns) ? column : std::nullopt;
}

} // namespace core::editor
