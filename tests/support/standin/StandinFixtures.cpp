#include "StandinFixtures.h"

#include "standin/ActDatabaseFile.h"
#include "standin/StateFile.h"

#include <gtest/gtest.h>

namespace testing_support {

QString makeContactDatabase(const QString& path, const std::vector<ContactValues>& contacts) {
    auto db = standin::ActDatabaseFile::create(path.toStdString());
    db->sql().exec("BEGIN");
    int n = 0;
    for (ContactValues values : contacts) {
        if (!values.count(standin::field::RecordId)) {
            std::string id = "REC" + std::to_string(++n);
            id.insert(3, standin::IdLength - id.size(), '0');
            values[standin::field::RecordId] = id;
        }
        // As the stand-in's import does: the sort date follows the create date.
        if (values.count(standin::field::CreateDate) && !values.count(standin::field::CreateDateSort))
            values[standin::field::CreateDateSort] = standin::createDateSortValue(values[standin::field::CreateDate]);
        std::string columns, marks;
        for (const auto& [field, value] : values) {
            columns += (columns.empty() ? "" : ",") + standin::columnName(field);
            marks += marks.empty() ? "?" : ",?";
        }
        auto insert = db->sql().prepare("INSERT INTO contact(" + columns + ") VALUES(" + marks + ")");
        int index = 0;
        for (const auto& entry : values)
            insert.bind(++index, entry.second);
        insert.step();
    }
    db->sql().exec("COMMIT");
    return path;
}

void openInStandin(const QString& databasePath) {
    setStandinState({{"running", "1"}, {"database", databasePath.toStdString()}, {"current", ""}, {"lookup", ""}});
}

void requestClose() {
    const auto written = standin::StateFile().update(
        [](standin::StateData& d) { d.set("standin", "close_request", std::to_string(d.closeRequest() + 1)); });
    ASSERT_TRUE(written.ok());
}

void setStandinState(const std::map<std::string, std::string>& values, const std::string& section) {
    const auto written = standin::StateFile().update([&](standin::StateData& data) {
        for (const auto& [key, value] : values)
            data.set(section, key, value);
    });
    ASSERT_TRUE(written.ok());
}

std::string standinState(const std::string& key, const std::string& fallback) {
    auto state = standin::StateFile().read();
    return state ? state.value().value("standin", key, fallback) : std::string("<unreadable>");
}

} // namespace testing_support
