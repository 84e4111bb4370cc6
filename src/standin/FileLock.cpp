#include "FileLock.h"

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

namespace standin {

#ifdef Q_OS_WIN

FileLock::FileLock(const QString& path) {
    HANDLE handle = CreateFileW(reinterpret_cast<const wchar_t*>(path.utf16()), GENERIC_READ | GENERIC_WRITE,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        m_error = QStringLiteral("cannot open lock file %1").arg(path);
        return;
    }
    m_handle = handle;
    OVERLAPPED overlapped{};
    m_locked = LockFileEx(handle, LOCKFILE_EXCLUSIVE_LOCK, 0, MAXDWORD, MAXDWORD, &overlapped);
    if (!m_locked)
        m_error = QStringLiteral("cannot lock %1").arg(path);
}

FileLock::~FileLock() {
    if (m_handle)
        CloseHandle(static_cast<HANDLE>(m_handle));
}

#else

FileLock::FileLock(const QString& path) {
    const QByteArray name = path.toLocal8Bit();
    m_fd = ::open(name.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (m_fd < 0) {
        m_error =
            QStringLiteral("cannot open lock file %1: %2").arg(path, QString::fromLocal8Bit(std::strerror(errno)));
        return;
    }
    int rc;
    do {
        rc = ::flock(m_fd, LOCK_EX);
    } while (rc != 0 && errno == EINTR);
    m_locked = rc == 0;
    if (!m_locked)
        m_error = QStringLiteral("cannot lock %1: %2").arg(path, QString::fromLocal8Bit(std::strerror(errno)));
}

FileLock::~FileLock() {
    if (m_fd >= 0)
        ::close(m_fd); // closing releases the lock
}

#endif

} // namespace standin
