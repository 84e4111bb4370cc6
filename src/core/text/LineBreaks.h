#pragma once

#include <QList>
#include <QString>
#include <QStringView>

namespace core {

// Message texts keep the carriage returns they are defined with; shown on screen or on a terminal, each carriage
// return (alone or before a line feed) becomes one new line.
QString withNewLines(QString text);

// The lines of a text file whatever its line ends: CR, LF, CR LF or LF CR, mixed as they come (old Mac, Unix and
// Windows files, and files edited on several). The line after the last line end is the last element.
QList<QStringView> splitLines(QStringView text);

} // namespace core
