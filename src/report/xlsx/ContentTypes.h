#pragma once

#include <QString>

namespace report::xlsx {

// The package's content types as the report has them: a workbook saved as a template typed as a workbook, and
// no entry for the calculation chain, which the report drops. `calcChain` is its zip entry name, "" when none.
// Sets `error` when the part cannot be read.
QString reportContentTypes(const QString& text, const QString& calcChain, QString& error);

} // namespace report::xlsx
