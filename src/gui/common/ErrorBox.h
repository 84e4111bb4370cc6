#pragma once

#include "core/ErrorReport.h"

#include "act/Result.h"

class QWidget;

namespace gui {

// Where an error was caught: module, "Sub" or "Function", procedure.
struct Procedure {
    const char* module;
    const char* kind;
    const char* procedure;
};

// The program-wide error box: OK button, no icon, titled "Tallivo error".
void showErrorBox(const core::ErrorReport& report, QWidget* owner = nullptr);
void showErrorBox(const Procedure& where, int line, long number, const QString& description, QWidget* owner = nullptr);
// A classic error by number, with its classic description.
void showErrorBox(const Procedure& where, int line, long number, QWidget* owner = nullptr);
// An error ACT! reported, with ACT!'s own number and description.
void showErrorBox(const Procedure& where, int line, const act::Error& error, QWidget* owner = nullptr);

} // namespace gui
