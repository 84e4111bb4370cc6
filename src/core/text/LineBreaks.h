#pragma once

#include <QString>

namespace core {

// Message texts keep the carriage returns they are defined with; shown on screen or on a terminal, each carriage
// return (alone or before a line feed) becomes one new line.
QString withNewLines(QString text);

} // namespace core
