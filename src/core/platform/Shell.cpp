#include "Shell.h"

#include "core/platform/ProgramFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>

namespace core {

namespace {

bool isLauncher(const QString& file, const QString& programFolder) {
    const QFileInfo info(file);
    const QString name = info.fileName();
    if (name != QStringLiteral("LaunchIt.XLS") && name != QStringLiteral("Launch.XLS"))
        return false;
    return QDir::cleanPath(info.absolutePath()) == QDir::cleanPath(QFileInfo(programFolder).absoluteFilePath());
}

} // namespace

ShellRoute routeFor(const ShellRequest& request, const QString& programFolder) {
    if (request.file.endsWith(QStringLiteral(".actdb"), Qt::CaseInsensitive))
        return {executableBeside(QStringLiteral("act-standin")), {QStringLiteral("open"), request.file}};
    const QString launcher = executableBeside(QStringLiteral("tallivo-launch"));
    if (isLauncher(request.file, programFolder) && QFileInfo(launcher).isExecutable())
        return {launcher, {request.file}};
    return {QStringLiteral("xdg-open"), {request.file}};
}

bool DesktopShell::open(const ShellRequest& request) {
    const ShellRoute route = routeFor(request, programFolder());
    QString folder = request.folder;
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QDir::currentPath();
    return QProcess::startDetached(route.program, route.arguments, folder);
}

} // namespace core
