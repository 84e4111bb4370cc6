#include "support/standin/StandinRunFixture.h"

#include "core/definition/DefinitionKeys.h"
#include "core/run/grid/GridFiller.h"

#include <array>

namespace {

using Ids = std::vector<std::string>;
using Status = core::FillOutcome::Status;

std::string recordId(int n) {
    std::string id = std::to_string(n);
    return "CONTACT" + std::string(5 - id.size(), '0') + id;
}

// The stand-in's contact table, but Data of one field fails.
class FailingData : public act::ContactTable {
public:
    FailingData(std::shared_ptr<act::ContactTable> table, int field) : m_table(std::move(table)), m_field(field) {}

    act::Status MoveFirst() override { return m_table->MoveFirst(); }
    act::Status MoveNext() override { return m_table->MoveNext(); }
    act::Result<bool> IsEOF() override { return m_table->IsEOF(); }
    act::Status GoTo(const std::string& recordId) override { return m_table->GoTo(recordId); }
    act::Result<std::string> Data(int fieldId) override {
        return fieldId == m_field ? act::Result<std::string>(act::Error{4242, "cannot read"}) : m_table->Data(fieldId);
    }
    act::Status LoadLookupQuery(const std::string& file) override { return m_table->LoadLookupQuery(file); }
    act::Status LookupAll() override { return m_table->LookupAll(); }
    act::Result<std::shared_ptr<act::FieldList>> Fields() override { return m_table->Fields(); }

private:
    std::shared_ptr<act::ContactTable> m_table;
    int m_field;
};

class GridFiller : public testing_support::StandinRunTest {
protected:
    // A definition of these keys; nullptr leaves a key out.
    void define(const char* fieldsIncluded, std::array<const char*, 3> sorts = {}) {
        definition = {};
        if (fieldsIncluded)
            definition.setValue(core::keys::FieldsIncluded, QString::fromLatin1(fieldsIncluded));
        for (std::size_t level = 0; level < sorts.size(); ++level)
            if (sorts[level])
                definition.setValue(core::keys::sectionKey(core::keys::Sort, static_cast<int>(level)),
                                    QString::fromLatin1(sorts[level]));
    }

    core::FillOutcome fill(const Ids& recordIds) {
        return core::Fill_Listview(definition, connection, recordIds, grid, progress);
    }

    // SortCol0 to SortCol2 joined by spaces.
    QString storedSortColumns() const {
        QStringList stored;
        for (int level = 0; level < 3; ++level)
            stored.append(
                definition.value(core::keys::sectionKey(core::keys::SortCol, level), QStringLiteral("<absent>")));
        return stored.join(QLatin1Char(' '));
    }

    std::vector<std::string> column(int index) const {
        std::vector<std::string> cells;
        for (std::size_t row = 0; row < grid.rowCount(); ++row)
            cells.emplace_back(grid.cell(row, index));
        return cells;
    }

    core::ReportDefinition definition;
    core::ReportGrid grid;
    testing_support::RecordingProgress progress;
};

const QString NothingStored = QStringLiteral("<absent> <absent> <absent>");

TEST_F(GridFiller, ColumnsAndSortPositionsFollowTheDefinition) {
    ASSERT_NO_FATAL_FAILURE(open({{{1, recordId(1)}}}));
    const struct {
        const char* fieldsIncluded;
        std::array<const char*, 3> sorts;
        std::vector<int> columns;
        std::vector<int> types;
        const char* sortColumns;
        bool extraColumn;
    } cases[] = {
        {"25\f26\f", {"26"}, {25, 26, 79}, {5, 10, 7}, "3 -1 -1", true},
        {"2\f3\f", {"3", "99"}, {2, 3}, {2, 2}, "2 -1 -1", false},
        {"2\f3\f", {"3", "3"}, {2, 3}, {2, 2}, "2 -1 -1", false},
        {"2\f3\f2\f", {"2"}, {2, 3, 2}, {2, 2, 2}, "3 -1 -1", false},
        {"2\f\f16", {nullptr, "16", "2"}, {2, 16}, {2, 1}, "-1 2 1", false},
        {"26\f950\f", {"26", "26", "26"}, {26, 950, 79}, {10, 1, 7}, "3 -1 -1", true},
        {"79\f26\f", {"", "26"}, {79, 26, 79}, {7, 10, 7}, "-1 3 -1", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fieldsIncluded);
        ASSERT_NO_FATAL_FAILURE(define(c.fieldsIncluded, c.sorts));
        const core::FillOutcome outcome = fill({recordId(1)});
        EXPECT_EQ(outcome.status, Status::Filled);
        EXPECT_EQ(outcome.columns, c.columns);
        EXPECT_EQ(outcome.columnTypes, c.types);
        EXPECT_EQ(outcome.extraColumn, c.extraColumn);
        EXPECT_EQ(storedSortColumns(), QString::fromLatin1(c.sortColumns));
        EXPECT_EQ(grid.columnCount(), static_cast<int>(c.columns.size()));
        EXPECT_EQ(grid.rowCount(), 1u);
    }
}

TEST_F(GridFiller, CellTextFollowsTheFieldType) {
    const struct {
        int field;
        std::string value;
        std::string expected;
    } cases[] = {
        {23, "05/06/2024 14:30", "05/06/2024"}, // type 10 keeps the date
        {23, "05/06/2024", "05/06/2024"},       // a value without a space stays whole
        {26, " 14:30", ""},
        {6, user(2).uniqueId, user(2).name}, // type 13 shows the user's name
        {6, "NOSUCHUSER01", ""},
        {16, "  Lyon  ", "Lyon"}, // only spaces are trimmed
        {16, "\tLyon\r\n", "\tLyon\r\n"},
        {16, "   ", ""},
        {30, " one \n two ", "one \n two"},
    };
    std::vector<testing_support::ContactValues> contacts;
    Ids recordIds;
    for (const auto& c : cases) {
        recordIds.push_back(recordId(static_cast<int>(recordIds.size())));
        contacts.push_back({{1, recordIds.back()}, {c.field, c.value}});
    }
    ASSERT_NO_FATAL_FAILURE(open(contacts));
    const std::vector<int> fields{23, 26, 6, 950, 16, 30};
    ASSERT_NO_FATAL_FAILURE(define("23\f26\f6\f950\f16\f30\f"));

    // Rows in the order of the list, not of the contact table.
    ASSERT_EQ(fill(Ids(recordIds.rbegin(), recordIds.rend())).status, Status::Filled);
    ASSERT_EQ(grid.rowCount(), std::size(cases));
    EXPECT_EQ(column(3), std::vector<std::string>(std::size(cases))) << "950 is always empty";
    for (std::size_t row = 0; row < std::size(cases); ++row) {
        const auto& c = cases[std::size(cases) - 1 - row];
        SCOPED_TRACE(c.value);
        const auto at = std::find(fields.begin(), fields.end(), c.field) - fields.begin();
        EXPECT_EQ(grid.cell(row, static_cast<int>(at)), c.expected);
    }
}

TEST_F(GridFiller, AnUnusableDefinitionOrTheFirstActErrorStopsTheFillWithAtMostOneReport) {
    ASSERT_NO_FATAL_FAILURE(open({{{1, recordId(1)}, {16, "Lyon"}}}));
    const long typeMismatch = core::errors::TypeMismatch;
    const long notFound = testing_support::errorNumber(standin::ErrorCode::RecordNotFound);
    const struct {
        const char* fieldsIncluded;
        const char* sort0;
        Status expected;
        long error = 0;
        const char* procedure = "Fill_Listview";
        int failingField = 0;
    } cases[] = {
        {nullptr, nullptr, Status::NoFields},
        {"", "26", Status::NoFields},
        {"\f\f", nullptr, Status::NoFields},
        {"1\fx\f", nullptr, Status::Failed, typeMismatch},
        {"1\f2.5\f", nullptr, Status::Failed, typeMismatch},
        {"1\f", "abc", Status::Failed, typeMismatch},
        {"", "abc", Status::Failed, typeMismatch},
        {"2\f123\f16\f777\f", nullptr, Status::UnknownField}, // 123 is the first field ACT! lacks
        {"2\f16\f", nullptr, Status::Failed, notFound},
        {"2\f16\f", nullptr, Status::Failed, 4242, "FormatData", 16},
    };
    const std::shared_ptr<act::ContactTable> table = connection.contactTable;
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << (c.fieldsIncluded ? c.fieldsIncluded : "<absent>") << ' ' << c.error);
        ASSERT_NO_FATAL_FAILURE(define(c.fieldsIncluded, {c.sort0}));
        connection.contactTable = std::make_shared<FailingData>(table, c.failingField);
        // The definition is checked before any contact is read: reading the second would fail.
        const core::FillOutcome outcome = fill({recordId(1), "NOSUCHRECORD"});
        EXPECT_EQ(outcome.status, c.expected);
        if (c.error) {
            testing_support::expectMainWindowError(outcome.error, QString::fromLatin1(c.procedure), c.error);
        } else {
            EXPECT_FALSE(outcome.error);
        }
        if (c.error == typeMismatch) {
            EXPECT_EQ(outcome.error->description, QStringLiteral("Type mismatch"));
        }
        EXPECT_EQ(outcome.unknownFieldId, c.expected == Status::UnknownField ? 123 : 0);
        EXPECT_EQ(storedSortColumns(), NothingStored);
    }
}

TEST_F(GridFiller, ProgressEveryFewThousandRowsAndCancellation) {
    std::vector<testing_support::ContactValues> contacts;
    Ids recordIds;
    for (int n = 1; n <= 2500; ++n) {
        recordIds.push_back(recordId(n));
        contacts.push_back({{1, recordIds.back()}});
    }
    ASSERT_NO_FATAL_FAILURE(open(contacts));
    ASSERT_NO_FATAL_FAILURE(define("1\f"));
    for (const bool cancel : {false, true}) {
        SCOPED_TRACE(cancel ? "cancelled" : "not cancelled");
        progress.steps.clear();
        progress.answer = [cancel](qint64 done) { return !(cancel && done > 0); };
        const core::FillOutcome outcome = fill(recordIds);
        EXPECT_EQ(outcome.status, cancel ? Status::Cancelled : Status::Filled);
        EXPECT_EQ(progress.steps,
                  (std::vector<testing_support::ProgressStep>{{QStringLiteral("Reading contacts"), 0, 2500},
                                                              {QStringLiteral("Reading contacts"), 2000, 2500}}));
        if (!cancel) {
            EXPECT_EQ(column(0), recordIds);
        }
    }
}

} // namespace
