#pragma once

#include <QString>

namespace core {

// Characters that never enter a report name box: a point would cut the name its files are listed by, a slash or a
// backslash would put them in another folder.
inline const QString SwallowedNameCharacters = QStringLiteral("./\\");

// Whether a name can name a report's files on every platform the report folder may be shared with: not empty or
// blank; none of . / \ < > : " | ? * nor control characters; not a device name (CON, PRN, AUX, NUL, COM0-9,
// LPT0-9); not longer than leaves room for the longest file named after a report; and held by the file system as
// typed.
bool isValidReportName(const QString& name);

} // namespace core
