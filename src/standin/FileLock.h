#pragma once

#include <QString>

namespace standin {

// An exclusive advisory lock on a lock file, held for the object's lifetime. The lock file stays on disk: other
// tools lock the same file, so it is never deleted or replaced.
class FileLock {
public:
    explicit FileLock(const QString& path);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    bool locked() const { return m_locked; }
    const QString& error() const { return m_error; }

private:
#ifdef Q_OS_WIN
    void* m_handle = nullptr;
#else
    int m_fd = -1;
#endif
    bool m_locked = false;
    QString m_error;
};

} // namespace standin
