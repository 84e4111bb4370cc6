#pragma once

#include <QLockFile>
#include <QString>

#include <memory>

namespace core {

// The one lock that keeps a second Tallivo window or batch run from starting beside a running one:
// $XDG_RUNTIME_DIR/Tallivo/tallivo.lock, or <temp>/Tallivo-<uid>/tallivo.lock. A lock left by a dead holder is
// taken over. QLockFile records the holder's application name and counts a live holder whose process name differs
// as stale, so programs that take this lock keep the default application name (their executable's name).
// The folder is made private (0700); one that other users can write, or that another user owns, is refused, as
// anyone who can write there could take the lock away or put something else in its place.
class InstanceLock {
public:
    static QString defaultPath();

    explicit InstanceLock(QString path = defaultPath());

    // True when this process now holds the lock (or already did).
    bool tryLock();
    void unlock();
    bool isLocked() const { return m_lock && m_lock->isLocked(); }
    const QString& path() const { return m_path; }
    // After a failed tryLock(): why the lock cannot be taken at all, in plain words; "" when another program holds it.
    const QString& problem() const { return m_problem; }
    // After a failed tryLock(): what to tell the user.
    QString refusal() const;

private:
    QString m_path;
    std::unique_ptr<QLockFile> m_lock;
    QString m_problem;
};

} // namespace core
