#pragma once

#include <QString>

namespace core {

// The folder of data files: TALLIVO_PROGRAM_FOLDER when set, else the folder of the running executable.
QString programFolder();

// A file beside the running executable (our own tools are never looked up elsewhere).
QString executableBeside(const QString& name);

} // namespace core
