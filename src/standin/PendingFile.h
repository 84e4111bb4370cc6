#pragma once

#include "act/Result.h"

#include <array>
#include <string>

namespace standin {

// A file built under a temporary name beside its final path and moved there only when complete, so that a
// failure, or an interruption by SIGINT, SIGTERM or SIGHUP, leaves nothing behind. One at a time per process.
class PendingFile {
public:
    explicit PendingFile(const std::string& finalPath);
    PendingFile(const PendingFile&) = delete;
    PendingFile& operator=(const PendingFile&) = delete;
    // Removes the temporary file (and an SQLite journal beside it) unless committed.
    ~PendingFile();

    const std::string& temporaryPath() const { return m_temporaryPath; }
    // Flushes the temporary file to disk and moves it to the final path; refuses when that path exists by now.
    act::Status commit();

private:
    std::string m_finalPath;
    std::string m_temporaryPath;
    bool m_committed = false;
    std::array<void (*)(int), 3> m_previousHandlers{};
};

} // namespace standin
