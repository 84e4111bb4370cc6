#include "InstanceLock.h"

#include "FileTransaction.h"

#include "core/startup/ActStartupCheck.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace core {

namespace {

constexpr QFile::Permissions OwnerOnly = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;

QString shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

// Why the lock's folder cannot hold the lock; "" when it can. A missing folder is made, private.
QString folderProblem(const QString& folder) {
    const QString parent = QFileInfo(folder).absolutePath();
    if (!QFileInfo::exists(folder)) {
        QDir().mkpath(parent);
        if (!QFileInfo(parent).isDir())
            return QStringLiteral("%1 is not a folder").arg(shown(parent));
        if (!QDir().mkdir(folder, OwnerOnly) && !QFileInfo(folder).isDir())
            return QStringLiteral("the folder %1 cannot be made").arg(shown(folder));
    }
    const QFileInfo info(folder);
    if (!info.isDir())
        return QStringLiteral("%1 is not a folder").arg(shown(folder));
#ifdef Q_OS_UNIX
    if (info.ownerId() != ::getuid())
        return QStringLiteral("the folder %1 belongs to another user").arg(shown(folder));
    if (info.permissions() & (QFile::WriteGroup | QFile::WriteOther)) {
        // QFile keeps the owner's, group's and others' three bits each in a hex digit of their own.
        const int bits = info.permissions().toInt();
        const int mode = ((bits >> 12) & 7) << 6 | ((bits >> 4) & 7) << 3 | (bits & 7);
        return QStringLiteral("other users can write in the folder %1 (mode %2)")
            .arg(shown(folder))
            .arg(mode, 4, 8, QLatin1Char('0'));
    }
#endif
    return {};
}

} // namespace

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
    m_problem = folderProblem(QFileInfo(m_path).absolutePath());
    // QLockFile would wait forever reading a pipe in its place.
    if (m_problem.isEmpty() && occupied(m_path) && !QFileInfo(m_path).isFile())
        m_problem = QStringLiteral("%1 is not a regular file").arg(shown(m_path));
    if (!m_problem.isEmpty())
        return false;
    m_lock = std::make_unique<QLockFile>(m_path);
    // A live holder keeps its lock however long it runs; only a dead holder's lock is stale.
    m_lock->setStaleLockTime(0);
    if (m_lock->tryLock(0))
        return true;
    if (m_lock->error() != QLockFile::LockFailedError)
        m_problem = QStringLiteral("%1 cannot be written").arg(shown(m_path));
    return false;
}

void InstanceLock::unlock() {
    if (m_lock)
        m_lock->unlock();
    m_lock.reset();
}

QString InstanceLock::refusal() const {
    if (m_problem.isEmpty())
        return texts::AlreadyRunning;
    return QStringLiteral("The lock that keeps a second copy of %1 from running cannot be taken: %2.")
        .arg(ProductName, m_problem);
}

} // namespace core
