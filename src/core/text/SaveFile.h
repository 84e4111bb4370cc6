#pragma once

#include <QSaveFile>
#include <QString>

namespace core {

// Call before QSaveFile::commit(): in Qt 6.4 commit() can report success after its own last flush failed, leaving a
// cut-off file in place of the good one. "" when the file may be committed; otherwise the reason, and the writing
// is cancelled so the previous file stays.
QString readyToCommit(QSaveFile& file);

} // namespace core
