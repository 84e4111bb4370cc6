#include "ColumnLayout.h"

#include "core/definition/DefinitionKeys.h"

#include <algorithm>
#include <optional>

namespace core {

namespace {

// Field 26 holds a date and time as text, which sorts wrongly; field 79 is its sortable date.
constexpr int DateTimeField = 26;
constexpr int SortableDateField = 79;

FillOutcome badDefinition(const QString& problem) {
    FillOutcome outcome;
    outcome.status = FillOutcome::Status::BadDefinition;
    outcome.problem = problem;
    return outcome;
}

FillOutcome notFieldNumbers(const QString& key) {
    return badDefinition(
        QStringLiteral("Please check the settings for this report: %1 holds something that is not a field number.")
            .arg(key));
}

} // namespace

FillOutcome readColumnLayout(const ReportDefinition& definition) {
    FillOutcome layout;
    std::array<int, 3> sortFields{};
    for (std::size_t level = 0; level < sortFields.size(); ++level) {
        const std::optional<int> field = definition.sortField(static_cast<int>(level));
        if (!field)
            return notFieldNumbers(keys::sectionKey(keys::Sort, static_cast<int>(level)));
        layout.extraColumn = layout.extraColumn || *field == DateTimeField;
        sortFields[level] = *field == DateTimeField ? SortableDateField : *field;
    }
    const std::optional<QList<int>> fields = definition.fields();
    if (!fields)
        return notFieldNumbers(keys::FieldsIncluded);
    // Checked before anything is read: a grid of that many columns over many contacts would exhaust memory.
    if (fields->size() > ReportDefinition::MaxColumns)
        return badDefinition(QStringLiteral("This report has %L1 columns, but a worksheet holds at most %L2. Please "
                                            "check the settings for this report.")
                                 .arg(fields->size())
                                 .arg(ReportDefinition::MaxColumns));
    layout.columns.assign(fields->begin(), fields->end());
    if (layout.columns.empty()) {
        FillOutcome none;
        none.status = FillOutcome::Status::NoFields;
        return none;
    }
    if (layout.extraColumn)
        layout.columns.push_back(SortableDateField);
    for (std::size_t column = 0; column < layout.columns.size(); ++column) {
        // The first level naming the field takes the column; a later column of the same field replaces it.
        const auto level = std::find(sortFields.begin(), sortFields.end(), layout.columns[column]);
        if (level != sortFields.end())
            layout.sortPositions[static_cast<std::size_t>(level - sortFields.begin())] = static_cast<int>(column) + 1;
    }
    return layout;
}

} // namespace core
