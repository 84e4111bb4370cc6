#pragma once

#include <QString>

#include <vector>

namespace core {

// A file that could not take part in a transaction, and why.
struct FileFailure {
    QString file; // "" when nothing failed
    QString reason;
    bool targetTaken = false; // a target that had to be free was not

    explicit operator bool() const { return !file.isEmpty(); }
};

// Whether anything stands at path, a dangling link included.
bool occupied(const QString& path);
// Whether two paths name one file: where case is ignored, a name that differs only in case names the same file.
bool sameFile(const QString& a, const QString& b);

// Files that take their names together. Each first goes under a temporary name in its target's folder; commit()
// then gives each its target name, the targets that must be free first, so that a taken one stops the commit before
// anything was replaced. A failed commit takes back the names it gave; a transaction that ends uncommitted removes
// the files staged for it and puts moved files back under their names. At most one target may replace a file: a
// replaced file cannot be given back.
class FileTransaction {
public:
    enum class Target { MustBeFree, MayBeReplaced };

    FileTransaction() = default;
    FileTransaction(const FileTransaction&) = delete;
    FileTransaction& operator=(const FileTransaction&) = delete;
    ~FileTransaction();

    // A temporary name beside target, for the caller to write the file that is to take target's name.
    QString stage(const QString& target, Target mode);
    // Moves source to a temporary name beside target now; it takes target's name at commit.
    FileFailure move(const QString& source, const QString& target, Target mode);
    FileFailure commit();

private:
    struct Entry {
        QString source; // "" for a staged file
        QString temporary;
        QString target;
        Target mode;
        bool placed = false;
    };

    std::vector<Entry> m_entries;
    bool m_committed = false;
};

} // namespace core
