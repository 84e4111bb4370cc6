#pragma once

// Databases, state and lookup files for the tests of the stand-in's automation objects.

#include "act/ContactTable.h"
#include "standin/ActDatabaseFile.h"
#include "standin/StandinError.h"
#include "standin/StateFile.h"
#include "support/TempEnvironment.h"

#include <QFile>
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace objects_test {

// A new database in the test's folder with one contact per record id, in that order; field 2 holds
// "Company <id>" and every other field NULL. Returns its absolute path.
inline std::string createDatabase(const testing_support::TempEnvironment& env, const QString& name,
                                  const std::vector<std::string>& recordIds) {
    const std::string path = env.path(name).toStdString();
    auto db = standin::ActDatabaseFile::create(path);
    standin::SqliteStatement insert = db->sql().prepare("INSERT INTO contact(f1, f2) VALUES(?1, ?2)");
    for (const std::string& id : recordIds) {
        insert.bind(1, id);
        insert.bind(2, "Company " + id);
        insert.step();
        insert.reset();
    }
    return path;
}

// Record ids of a walk from MoveFirst to the end; it stops at the first failing call, and at a record too many for
// the small databases of these tests, so that a walk that never ends fails instead of hanging.
inline std::vector<std::string> walk(act::ContactTable& table) {
    constexpr std::size_t MostRecords = 1000;
    std::vector<std::string> ids;
    if (!table.MoveFirst().ok())
        return ids;
    for (act::Result<bool> eof = table.IsEOF(); eof.ok() && !eof.value(); eof = table.IsEOF()) {
        act::Result<std::string> id = table.Data(1);
        if (!id.ok() || !table.MoveNext().ok() || ids.size() == MostRecords) {
            ADD_FAILURE() << "the walk failed after " << ids.size() << " records";
            break;
        }
        ids.push_back(std::move(id).value());
    }
    return ids;
}

// Sets keys of the state file's [standin] section.
inline void setState(const std::map<std::string, std::string>& values) {
    const act::Status updated = standin::StateFile().update([&](standin::StateData& data) {
        for (const auto& [key, value] : values)
            data.set(standin::StateData::Standin, key, value);
    });
    ASSERT_TRUE(updated.ok()) << updated.error().description;
}

inline std::string writeFile(const testing_support::TempEnvironment& env, const QString& name,
                             const QByteArray& content) {
    QFile file(env.path(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
    return file.fileName().toStdString();
}

inline QByteArray readFile(const std::string& path) {
    QFile file(QString::fromStdString(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The error number of a failed call, 0 for success.
template <typename Answer> long errorOf(const Answer& answer) {
    return answer.ok() ? 0 : answer.error().number;
}

inline long code(standin::ErrorCode code) {
    return static_cast<long>(code);
}

} // namespace objects_test
