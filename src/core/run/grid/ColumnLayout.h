#pragma once

#include "core/run/grid/GridFiller.h"

#include "core/definition/ReportDefinition.h"

namespace core {

// The columns and sort positions that the definition lays out, before ACT! is asked: Filled when they are ready
// (columns, sortPositions, extraColumn), NoFields, or BadDefinition, with the problem, when a sort field or a piece
// of FieldsIncluded is not a field number (a whole number that an int holds) or there are more columns than a
// worksheet holds.
FillOutcome readColumnLayout(const ReportDefinition& definition);

} // namespace core
