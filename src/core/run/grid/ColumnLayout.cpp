#include "core/run/grid/ColumnLayout.h"

#include "core/run/RunProcedures.h"

#include "core/settings/SettingsKeys.h"

#include <algorithm>
#include <optional>

namespace core {

namespace {

// Field 26 holds a date and time as text, which sorts wrongly; field 79 is its sortable date.
constexpr int DateTimeField = 26;
constexpr int SortableDateField = 79;
constexpr QChar ListTerminator(12);

std::optional<int> wholeNumber(const QString& text) {
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok ? std::optional(value) : std::nullopt;
}

FillOutcome typeMismatch(int line) {
    FillOutcome outcome;
    outcome.status = FillOutcome::Status::Failed;
    outcome.error = errorAt(procedures::Fill_Listview, line, errors::TypeMismatch);
    return outcome;
}

} // namespace

FillOutcome readColumnLayout(const SettingsStore& store) {
    FillOutcome layout;
    std::array<int, 3> sortFields{};
    for (std::size_t level = 0; level < sortFields.size(); ++level) {
        const QString text = store.GetSetting(keys::Report, QStringLiteral("Sort") + QString::number(level));
        // An empty value means no sort, as an absent one does.
        if (text.isEmpty())
            continue;
        const std::optional<int> field = wholeNumber(text);
        if (!field)
            return typeMismatch(__LINE__);
        layout.extraColumn = layout.extraColumn || *field == DateTimeField;
        sortFields[level] = *field == DateTimeField ? SortableDateField : *field;
    }
    const QStringList pieces =
        store.GetSetting(keys::Report, QStringLiteral("FieldsIncluded")).split(ListTerminator, Qt::SkipEmptyParts);
    for (const QString& piece : pieces) {
        const std::optional<int> field = wholeNumber(piece);
        if (!field)
            return typeMismatch(__LINE__);
        layout.columns.push_back(*field);
    }
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
