#pragma once

#include "core/ErrorReport.h"

#include "act/Result.h"

class QWidget;

namespace gui {

// The program-wide error box: OK button, no icon, titled "Tallivo error".
void showErrorBox(const core::ErrorReport& report, QWidget* owner = nullptr);
// A classic error by number, with its classic description.
void showErrorBox(const core::Procedure& where, int line, long number, QWidget* owner = nullptr);
// An error ACT! reported, with ACT!'s own number and description.
void showErrorBox(const core::Procedure& where, int line, const act::Error& error, QWidget* owner = nullptr);

} // namespace gui
