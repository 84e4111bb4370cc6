#pragma once

// Databases, files, state and tool runs for the stand-in's tests.

#include "act/ContactTable.h"
#include "standin/ActDatabaseFile.h"
#include "standin/StandinCommands.h"
#include "standin/StandinError.h"
#include "standin/StateFile.h"
#include "support/TempEnvironment.h"
#include "support/standin/StandinFixtures.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include <map>
#include <sstream>

namespace standin_test {

using namespace Qt::StringLiterals;
using testing_support::readBytes;
using testing_support::setStandinState;
using testing_support::standinState;
using testing_support::TempEnvironment;
using Rows = std::vector<std::string>;

using Output = testing_support::ProgramOutput;

// Runs an act-standin command line in this process.
inline Output run(const QStringList& arguments) {
    std::ostringstream out, err;
    const int exitCode = standin::StandinCommands(out, err).run(arguments);
    return {exitCode, out.str(), err.str()};
}

inline std::string exportOf(const QString& database) {
    const Output exported = run({u"export"_s, database});
    EXPECT_EQ(exported.exitCode, 0) << exported.err;
    return exported.out;
}

inline QString writeFile(const QString& path, const QByteArray& bytes) {
    EXPECT_TRUE(QDir().mkpath(QFileInfo(path).path()) && testing_support::writeBytes(path, bytes))
        << path.toStdString();
    return path;
}

// The rows a query of the database answers, cells joined by "|".
inline Rows query(const QString& database, const std::string& sql) {
    const auto db = standin::ActDatabaseFile::open(database.toStdString());
    Rows rows;
    for (standin::SqliteStatement select = db->sql().prepare(sql); select.step();) {
        rows.emplace_back();
        for (int i = 0; i < select.columnCount(); ++i)
            rows.back() += (i ? "|" : "") + std::string(select.text(i));
    }
    return rows;
}

// A new database with one contact per record id, in that order; field 2 holds "Company <id>" and every other
// field NULL. Returns its absolute path.
inline std::string createDatabase(const TempEnvironment& env, const QString& name, const Rows& recordIds) {
    const std::string path = env.path(name).toStdString();
    auto db = standin::ActDatabaseFile::create(path);
    for (const std::string& id : recordIds)
        db->sql().exec("INSERT INTO contact(f1, f2) VALUES('" + id + "', 'Company " + id + "')");
    return path;
}

// Record ids of a walk from MoveFirst, or from a GoTo, to the end. A failing move ends it, and so does a record too
// many for the small databases of these tests, so that a walk that never ends fails instead of hanging.
inline Rows walk(act::ContactTable& table, const char* from = nullptr) {
    Rows ids;
    for (act::Status moved = from ? table.GoTo(from) : table.MoveFirst();
         moved.ok() && !table.IsEOF().value() && ids.size() <= 1000; moved = table.MoveNext())
        ids.push_back(table.Data(1).value());
    return ids;
}

// A folder in the state file's place makes it unreadable.
inline void breakState(const TempEnvironment& env) {
    QFile::remove(env.stateFile());
    ASSERT_TRUE(QDir().mkpath(env.stateFile()));
}

// The error number of a failed call, 0 for success.
template <typename Answer> long errorOf(const Answer& answer) {
    return answer.ok() ? 0 : answer.error().number;
}

inline long code(standin::ErrorCode code) {
    return static_cast<long>(code);
}

} // namespace standin_test
