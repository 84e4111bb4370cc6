#include "ColumnLayout.h"

#include "core/run/RunProcedures.h"

#include <algorithm>
#include <optional>

namespace core {

namespace {

// Field 26 holds a date and time as text, which sorts wrongly; field 79 is its sortable date.
constexpr int DateTimeField = 26;
constexpr int SortableDateField = 79;

FillOutcome typeMismatch(int line) {
    FillOutcome outcome;
    outcome.status = FillOutcome::Status::Failed;
    outcome.error = errorAt(procedures::Fill_Listview, line, errors::TypeMismatch);
    return outcome;
}

} // namespace

FillOutcome readColumnLayout(const ReportDefinition& definition) {
    FillOutcome layout;
    std::array<int, 3> sortFields{};
    for (std::size_t level = 0; level < sortFields.size(); ++level) {
        const std::optional<int> field = definition.sortField(static_cast<int>(level));
        if (!field)
            return typeMismatch(__LINE__);
        layout.extraColumn = layout.extraColumn || *field == DateTimeField;
        sortFields[level] = *field == DateTimeField ? SortableDateField : *field;
    }
    const std::optional<QList<int>> fields = definition.fields();
    if (!fields)
        return typeMismatch(__LINE__);
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
