#pragma once

#include <QByteArray>
#include <QString>

namespace standin {

// Replaces a file's content atomically; on failure the old file stays whole. Returns "" or the reason.
QString writeFileAtomically(const QString& path, const QByteArray& bytes);

} // namespace standin
