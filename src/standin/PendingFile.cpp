#include "PendingFile.h"

#include "ToolMessages.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <csignal>
#include <cstdio>
#include <cstring>
#include <filesystem>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

namespace standin {

namespace {

#ifdef Q_OS_UNIX
constexpr std::array<int, 3> CleanupSignals = {SIGINT, SIGTERM, SIGHUP};
#else
constexpr std::array<int, 3> CleanupSignals = {SIGINT, SIGTERM, SIGBREAK};
#endif
constexpr std::size_t MaxPath = 4096;
constexpr const char* JournalSuffix = "-journal";

// Written before the handlers are installed; the handler does no more than remove files.
char g_temporaryPath[MaxPath];
char g_journalPath[MaxPath];

extern "C" void removePendingAndReraise(int signal) {
#ifdef Q_OS_UNIX
    ::unlink(g_temporaryPath);
    ::unlink(g_journalPath);
#else
    std::remove(g_temporaryPath);
    std::remove(g_journalPath);
#endif
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

void copyPath(char (&target)[MaxPath], const std::string& path) {
    const std::size_t length = std::min(path.size(), MaxPath - 1);
    std::memcpy(target, path.data(), length);
    target[length] = '\0';
}

// SQLite wrote without syncing for speed; the data must be on disk before the final name says it is complete.
void syncToDisk([[maybe_unused]] const QString& path, [[maybe_unused]] bool folder) {
#ifdef Q_OS_UNIX
    const int fd = ::open(QFile::encodeName(path).constData(), folder ? O_RDONLY | O_DIRECTORY : O_RDONLY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
#endif
}

} // namespace

PendingFile::PendingFile(const std::string& finalPath) : m_finalPath(finalPath) {
    const std::filesystem::path target(finalPath);
    const std::string stem = (target.parent_path() / ("." + target.filename().string())).string() + ".tmp-" +
                             std::to_string(QCoreApplication::applicationPid());
    m_temporaryPath = stem;
    std::error_code ec;
    for (int attempt = 1; std::filesystem::exists(m_temporaryPath, ec); ++attempt)
        m_temporaryPath = stem + "-" + std::to_string(attempt);
    copyPath(g_temporaryPath, m_temporaryPath);
    copyPath(g_journalPath, m_temporaryPath + JournalSuffix);
    for (std::size_t i = 0; i < CleanupSignals.size(); ++i)
        m_previousHandlers[i] = std::signal(CleanupSignals[i], removePendingAndReraise);
}

PendingFile::~PendingFile() {
    for (std::size_t i = 0; i < CleanupSignals.size(); ++i)
        std::signal(CleanupSignals[i], m_previousHandlers[i]);
    if (!m_committed) {
        std::error_code ec;
        std::filesystem::remove(m_temporaryPath, ec);
        std::filesystem::remove(m_temporaryPath + JournalSuffix, ec);
    }
}

act::Status PendingFile::commit() {
    QFile file(QFile::decodeName(m_temporaryPath.c_str()));
    syncToDisk(file.fileName(), false);
    // QFile::rename never replaces an existing file.
    if (!file.rename(QFile::decodeName(m_finalPath.c_str())))
        return toolmessages::failure("cannot create " + toolmessages::quote(m_finalPath) + ": " +
                                     file.errorString().toStdString());
    m_committed = true;
    syncToDisk(QFileInfo(file).absolutePath(), true);
    return {};
}

} // namespace standin
