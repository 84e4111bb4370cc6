#pragma once

#include <QString>

namespace core {

// Copies a file through a save file, so that the target is either the whole copy or as it was; "" or the reason
// it failed.
QString copyFile(const QString& from, const QString& to);

} // namespace core
