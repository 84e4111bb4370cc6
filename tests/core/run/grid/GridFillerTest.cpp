#include "support/standin/StandinRunFixture.h"

#include "core/definition/DefinitionKeys.h"
#include "core/run/grid/GridFiller.h"

#include <array>

using namespace Qt::StringLiterals;

namespace {

using Ids = std::vector<std::string>;
using Status = core::FillOutcome::Status;

std::string recordId(int n) {
    return u"CONTACT%1"_s.arg(n, 5, 10, QLatin1Char('0')).toStdString();
}

class GridFiller : public testing_support::StandinRunTest {
protected:
    // A definition of these keys; nullptr leaves a key out.
    void define(const char* fieldsIncluded, std::array<const char*, 3> sorts = {}) {
        definition = {};
        if (fieldsIncluded)
            definition.setValue(core::keys::FieldsIncluded, QString::fromLatin1(fieldsIncluded));
        for (int level = 0; level < 3; ++level)
            if (sorts[level])
                definition.setValue(core::keys::sectionKey(core::keys::Sort, level), QString::fromLatin1(sorts[level]));
    }

    core::FillOutcome fill(const Ids& recordIds) {
        return core::Fill_Listview(definition, connection, recordIds, grid, progress);
    }

    // SortCol0 to SortCol2 joined by spaces.
    QString storedSortColumns() const {
        QStringList stored;
        for (int level = 0; level < 3; ++level)
            stored.append(definition.value(core::keys::sectionKey(core::keys::SortCol, level), u"<absent>"_s));
        return stored.join(u' ');
    }

    core::ReportDefinition definition;
    core::ReportGrid grid;
    testing_support::RecordingProgress progress;
};

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
        EXPECT_EQ(std::tuple(outcome.status, outcome.columns, outcome.columnTypes, outcome.extraColumn),
                  std::tuple(Status::Filled, c.columns, c.types, c.extraColumn));
        EXPECT_EQ(storedSortColumns(), QString::fromLatin1(c.sortColumns));
        EXPECT_EQ(std::pair(grid.columnCount(), grid.rowCount()), std::pair(int(c.columns.size()), std::size_t{1}));
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
    for (std::size_t i = 0; i < std::size(cases); ++i)
        contacts.push_back({{1, recordId(static_cast<int>(i))}, {cases[i].field, cases[i].value}});
    ASSERT_NO_FATAL_FAILURE(open(contacts));
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        definition = {};
        definition.setValue(core::keys::FieldsIncluded, QString::number(cases[i].field) + u"\f950\f"_s);
        ASSERT_EQ(fill({recordId(static_cast<int>(i))}).status, Status::Filled);
        EXPECT_EQ(std::tuple(grid.rowCount(), grid.cell(0, 0), grid.cell(0, 1)), // 950 is always empty
                  std::tuple(1u, cases[i].expected, ""))
            << cases[i].value;
    }
}

TEST_F(GridFiller, AnUnusableDefinitionOrTheFirstActErrorStopsTheFillWithAtMostOneReport) {
    ASSERT_NO_FATAL_FAILURE(open({{{1, recordId(1)}, {16, "Lyon"}}}));
    const long notFound = static_cast<long>(standin::ErrorCode::RecordNotFound);
    const QByteArray wide = QByteArray("1\f").repeated(core::ReportDefinition::MaxColumns + 1);
    const struct {
        const char* fieldsIncluded;
        const char* sort0;
        Status expected;
        long error = 0;
        const char* named = ""; // in the problem of a definition that cannot be used
    } cases[] = {
        {nullptr, nullptr, Status::NoFields},
        {"", "26", Status::NoFields},
        {"\f\f", nullptr, Status::NoFields},
        {"1\fx\f", nullptr, Status::BadDefinition, 0, "FieldsIncluded"},
        {"1\f2.5\f", nullptr, Status::BadDefinition, 0, "FieldsIncluded"},
        {"1\f2147483648\f", nullptr, Status::BadDefinition, 0, "FieldsIncluded"},
        {"1\f", "abc", Status::BadDefinition, 0, "Sort0"},
        {"", "-2147483649", Status::BadDefinition, 0, "Sort0"},
        {wide.constData(), nullptr, Status::BadDefinition, 0, "worksheet"},
        {"2\f123\f16\f777\f", nullptr, Status::UnknownField}, // 123 is the first field ACT! lacks
        {"2\f16\f", nullptr, Status::Failed, notFound},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << QByteArray(c.fieldsIncluded).left(20).constData() << ' ' << c.error);
        ASSERT_NO_FATAL_FAILURE(define(c.fieldsIncluded, {c.sort0}));
        // The definition is checked before any contact is read: reading the second would fail.
        const core::FillOutcome outcome = fill({recordId(1), "NOSUCHRECORD"});
        EXPECT_EQ(std::pair(outcome.status, outcome.unknownFieldId),
                  std::pair(c.expected, c.expected == Status::UnknownField ? 123 : 0));
        testing_support::expectMainWindowError(outcome.error, u"Fill_Listview"_s, c.error);
        EXPECT_TRUE(outcome.problem.contains(QLatin1String(c.named))) << outcome.problem.toStdString();
        EXPECT_EQ(storedSortColumns(), u"<absent> <absent> <absent>"_s);
    }
}

TEST_F(GridFiller, RowsInTheListsOrderProgressEveryFewThousandRowsAndCancellation) {
    std::vector<testing_support::ContactValues> contacts(2500);
    Ids recordIds(2500);
    for (int n = 0; n < 2500; ++n) {
        contacts[n] = {{1, recordId(n)}};
        recordIds[2499 - n] = recordId(n); // rows come in the list's order, not the table's
    }
    ASSERT_NO_FATAL_FAILURE(open(contacts));
    ASSERT_NO_FATAL_FAILURE(define("1\f"));
    for (const bool cancel : {false, true}) {
        SCOPED_TRACE(cancel ? "cancelled" : "not cancelled");
        progress.steps.clear();
        progress.answer = [cancel](qint64 done) { return !(cancel && done > 0); };
        const core::FillOutcome outcome = fill(recordIds);
        EXPECT_EQ(outcome.status, cancel ? Status::Cancelled : Status::Filled);
        EXPECT_EQ(progress.steps, (std::vector<testing_support::ProgressStep>{{u"Reading contacts"_s, 0, 2500},
                                                                              {u"Reading contacts"_s, 2000, 2500}}));
        for (std::size_t row = 0; row < (cancel ? 0 : recordIds.size()); ++row)
            ASSERT_EQ(grid.cell(row, 0), recordIds[row]);
    }
}

} // namespace
