#pragma once

#include "act/Result.h"

#include <QString>

namespace core {

// An unexpected error caught in a procedure, for the program-wide error box.
struct ErrorReport {
    long number = 0;
    QString description;
    QString module;    // frmMain, Library1, Module1, ...
    QString kind;      // "Sub" or "Function"
    QString procedure; // Form_Load, Load_Reports, ...
    int line = 0;      // source line where the error was caught
};

// A procedure as the error box names it.
struct Procedure {
    const char* module;
    const char* kind; // "Sub" or "Function"
    const char* name;
};

// Classic error numbers and descriptions.
namespace errors {
inline constexpr long TypeMismatch = 13;
inline constexpr long ObjectNotSet = 91;
inline constexpr long FileNotFound = 53;
inline constexpr long PathFileAccessError = 75;
inline constexpr long InvalidPropertyValue = 380;

// The classic description of a number, or "" for a number that is not one of the above.
QString description(long number);
} // namespace errors

// An error caught at a line of a procedure: with its own description, a classic one, or ACT!'s.
ErrorReport errorAt(const Procedure& where, int line, long number, QString description);
ErrorReport errorAt(const Procedure& where, int line, long classicNumber);
ErrorReport errorAt(const Procedure& where, int line, const act::Error& error);

// The support address is a build setting.
QString supportAddress();

// The error box's text: "Error N: 'description'" CR "in module: Sub procedure - Line # n" CR CR "Please contact ...".
QString errorBoxText(const ErrorReport& report);
// The error box's title.
QString errorBoxTitle();

} // namespace core
