#pragma once

#include <QByteArrayView>
#include <QSaveFile>
#include <QString>

namespace core {

// Every file we save follows one rule: a target that exists and is neither a regular file nor a link to one (a
// folder, a device, a pipe, a link that leads nowhere) is refused, never replaced; a link is saved through, to the
// file it leads to, and stays a link.

// Opens a QSaveFile that is not open yet by that rule. "" when it is open; otherwise why not, and file.error() tells
// whether QSaveFile itself refused (a folder in the file's place, no such folder, no permission).
QString openForSaving(QSaveFile& file);

// Call before QSaveFile::commit(): in Qt 6.4 commit() can report success after its own last flush failed, leaving a
// cut-off file in place of the good one. "" when the file may be committed; otherwise the reason, and the writing
// is cancelled so the previous file stays.
QString readyToCommit(QSaveFile& file);

// Writes all the bytes; false when the device takes no more. A write cut short (a disk full part way) is tried
// again for the rest, which fails with the cause: the short write itself says none.
bool writeAll(QIODevice& device, QByteArrayView bytes);

// Replaces the file at path with bytes, or with a copy of the file at from, in one atomic step: on any failure the
// previous file stays whole. "" or why it failed.
QString saveFile(const QString& path, QByteArrayView bytes);
QString copyFile(const QString& from, const QString& path);

} // namespace core
