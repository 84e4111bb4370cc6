#include "ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>

namespace core {

QString programFolder() {
    const QString overridden = qEnvironmentVariable("TALLIVO_PROGRAM_FOLDER");
    if (!overridden.isEmpty())
        return QDir::cleanPath(QDir(overridden).absolutePath());
    return QCoreApplication::applicationDirPath();
}

QString executableBeside(const QString& name) {
    QString file = QDir(QCoreApplication::applicationDirPath()).filePath(name);
#ifdef Q_OS_WIN
    file += QStringLiteral(".exe");
#endif
    return file;
}

} // namespace core
