#include "InstanceLock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace core {

QString InstanceLock::defaultPath() {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    QString folder;
    if (!runtime.isEmpty()) {
        folder = runtime + QStringLiteral("/Tallivo");
    } else {
#ifdef Q_OS_UNIX
        const QString user = QString::number(::getuid());
#else
        const QString user = qEnvironmentVariable("USERNAME");
#endif
        folder = QDir::tempPath() + QStringLiteral("/Tallivo-") + user;
    }
    return folder + QStringLiteral("/tallivo.lock");
}

InstanceLock::InstanceLock(QString path) : m_path(std::move(path)) {}

bool InstanceLock::tryLock() {
    if (isLocked())
        return true;
    const QString folder = QFileInfo(m_path).absolutePath();
    if (!QFileInfo::exists(folder)) {
        QDir().mkpath(folder);
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    m_lock = std::make_unique<QLockFile>(m_path);
    // A live holder keeps its lock however long it runs; only a dead holder's lock is stale.
    m_lock->setStaleLockTime(0);
    return m_lock->tryLock(0);
}

void InstanceLock::unlock() {
    if (m_lock)
        m_lock->unlock();
    m_lock.reset();
}

} // namespace core
