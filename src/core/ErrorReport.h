#pragma once

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

// Classic error numbers and descriptions.
namespace errors {
inline constexpr long InvalidProcedureCall = 5;
inline constexpr long TypeMismatch = 13;
inline constexpr long FileNotFound = 53;
inline constexpr long PermissionDenied = 70;
inline constexpr long ObjectNotSet = 91;
inline constexpr long PathFileAccessError = 75;
inline constexpr long InvalidPropertyValue = 380;

// The classic description of a number, or "" for a number that is not one of the above.
QString description(long number);
} // namespace errors

// The support address is a build setting.
QString supportAddress();

// The error box's text: "Error N: 'description'" CR "in module: Sub procedure - Line # n" CR CR "Please contact ...".
QString errorBoxText(const ErrorReport& report);
// The error box's title.
QString errorBoxTitle();

} // namespace core
