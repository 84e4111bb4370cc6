#pragma once

#include "HandOff.h"

#include "core/run/RunFrontEnd.h"
#include "core/run/RunStatus.h"

#include <QLocale>
#include <QString>

namespace report {

// Builds the Excel report of a hand-off at target: the template's package with the data laid out in its first
// sheet. The target changes only when the whole workbook is written; an existing one is replaced only when asked.
// Messages go to the front end, progress too.
core::RunStatus buildWorkbook(const HandOff& handOff, const QString& target, bool replace, core::RunFrontEnd& front,
                              const QLocale& locale = QLocale::system());

} // namespace report
