#pragma once

#include "core/run/grid/GridFiller.h"

#include "core/definition/ReportDefinition.h"

namespace core {

// The columns and sort positions that the definition lays out, before ACT! is asked: Filled when they are ready
// (columns, sortPositions, extraColumn), NoFields, or Failed with error 13 when a sort field or a piece of
// FieldsIncluded is not a whole number.
FillOutcome readColumnLayout(const ReportDefinition& definition);

} // namespace core
