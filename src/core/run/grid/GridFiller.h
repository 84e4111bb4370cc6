#pragma once

#include "core/run/RunProgress.h"
#include "core/run/grid/ReportGrid.h"

#include "act/Connection.h"
#include "core/ErrorReport.h"
#include "core/definition/ReportDefinition.h"

#include <QString>

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace core {

struct FillOutcome {
    enum class Status { Filled, NoFields, BadDefinition, UnknownField, Cancelled, Failed };
    Status status = Status::Filled;
    std::vector<int> columns;                     // field ids of the grid's columns, the extra sort column included
    std::vector<int> columnTypes;                 // their ACT! field types
    std::array<int, 3> sortPositions{-1, -1, -1}; // 1-based column of each sort level, -1 when not a column
    bool extraColumn = false;                     // field 79 was added for a sort on field 26
    int unknownFieldId = 0;                       // UnknownField: the first field id ACT! does not have
    QString problem;                              // BadDefinition: what is wrong, in plain words
    std::optional<ErrorReport> error;             // Failed: an ACT! error
};

// The message when a definition names a field ACT! does not have.
QString unknownFieldMessage(int fieldId);

// Fill_Listview and FormatData: reads Sort0..Sort2 and FieldsIncluded, checks every field id once with Exists,
// fills one row per record id (GoTo, then Data of each column) and, when filled, sets SortCol0..SortCol2 in the
// definition. The first ACT! error stops the fill. Storing the definition and sorting are the caller's next steps.
FillOutcome Fill_Listview(ReportDefinition& definition, const act::Connection& connection,
                          const std::vector<std::string>& recordIds, ReportGrid& grid, RunProgress& progress);

} // namespace core
