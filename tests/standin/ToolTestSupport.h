#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <string>

namespace tool_test {

struct Output {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs an act-standin command line in this process.
Output run(const QStringList& arguments);
// Runs the built act-standin binary, in folder when one is given.
Output runBinary(const QStringList& arguments, const QString& folder = {});
// The database's contacts as `act-standin export` writes them.
std::string exportOf(const QString& database);
// Number of contacts in a database.
long long contactCount(const QString& database);

void writeFile(const QString& path, const QByteArray& bytes);
QByteArray readFile(const QString& path);
// Names in a folder, hidden ones included.
QStringList folderEntries(const QString& folder);

} // namespace tool_test
