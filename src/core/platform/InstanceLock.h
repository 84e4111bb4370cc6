#pragma once

#include <QLockFile>
#include <QString>

#include <memory>

namespace core {

// The one lock that keeps a second Tallivo window or batch run from starting beside a running one:
// $XDG_RUNTIME_DIR/Tallivo/tallivo.lock, or <temp>/Tallivo-<uid>/tallivo.lock. A lock left by a dead holder is
// taken over. QLockFile records the holder's application name and counts a live holder whose process name differs
// as stale, so programs that take this lock keep the default application name (their executable's name).
class InstanceLock {
public:
    static QString defaultPath();

    explicit InstanceLock(QString path = defaultPath());

    // True when this process now holds the lock (or already did).
    bool tryLock();
    void unlock();
    bool isLocked() const { return m_lock && m_lock->isLocked(); }
    const QString& path() const { return m_path; }

private:
    QString m_path;
    std::unique_ptr<QLockFile> m_lock;
};

} // namespace core
