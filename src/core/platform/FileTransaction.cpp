#include "FileTransaction.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUuid>

#include <algorithm>
#include <filesystem>

namespace core {

namespace {

std::filesystem::path nativePath(const QString& path) {
#ifdef Q_OS_WIN
    return std::filesystem::path(path.toStdWString());
#else
    return std::filesystem::path(QFile::encodeName(path).toStdString());
#endif
}

// "" or the reason. A file that must land on a free name is never moved over one that appeared meanwhile.
QString moveFile(const QString& from, const QString& to, FileTransaction::Target mode) {
    if (mode == FileTransaction::Target::MustBeFree) {
        QFile file(from);
        return file.rename(to) ? QString() : file.errorString();
    }
    std::error_code error;
    std::filesystem::rename(nativePath(from), nativePath(to), error);
    return error ? QString::fromStdString(error.message()) : QString();
}

// Hidden, and never a report's name: the catalogue lists no name before a point.
QString temporaryBeside(const QString& target) {
    return QFileInfo(target).dir().filePath(
        QStringLiteral(".tallivo-%1.tmp").arg(QUuid::createUuid().toString(QUuid::Id128)));
}

} // namespace

bool occupied(const QString& path) {
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

bool sameFile(const QString& a, const QString& b) {
    std::error_code error;
    return std::filesystem::equivalent(nativePath(a), nativePath(b), error) && !error;
}

FileTransaction::~FileTransaction() {
    if (m_committed)
        return;
    for (auto entry = m_entries.rbegin(); entry != m_entries.rend(); ++entry) {
        if (entry->source.isEmpty())
            QFile::remove(entry->temporary);
        else
            moveFile(entry->temporary, entry->source, Target::MustBeFree);
    }
}

QString FileTransaction::stage(const QString& target, Target mode) {
    m_entries.push_back({QString(), temporaryBeside(target), target, mode});
    return m_entries.back().temporary;
}

FileFailure FileTransaction::move(const QString& source, const QString& target, Target mode) {
    const QString temporary = temporaryBeside(target);
    if (const QString why = moveFile(source, temporary, Target::MustBeFree); !why.isEmpty())
        return {source, why};
    m_entries.push_back({source, temporary, target, mode});
    return {};
}

FileFailure FileTransaction::commit() {
    std::stable_partition(m_entries.begin(), m_entries.end(),
                          [](const Entry& entry) { return entry.mode == Target::MustBeFree; });
    FileFailure failure;
    for (Entry& entry : m_entries) {
        if (entry.mode == Target::MustBeFree && occupied(entry.target))
            failure = {entry.target, QStringLiteral("Destination file exists"), true};
        else if (const QString why = moveFile(entry.temporary, entry.target, entry.mode); !why.isEmpty())
            failure = {entry.target, why};
        if (failure)
            break;
        entry.placed = true;
    }
    if (!failure) {
        m_committed = true;
        return failure;
    }
    // The one target that may replace a file comes last, so it is never among these: nothing replaced is lost.
    for (Entry& entry : m_entries)
        if (entry.placed)
            moveFile(entry.target, entry.temporary, Target::MustBeFree);
    return failure;
}

} // namespace core
