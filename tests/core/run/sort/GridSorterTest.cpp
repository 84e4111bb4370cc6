#include "core/run/sort/GridSorter.h"
#include "core/run/sort/CellComparison.h"

#include <QLocale>
#include <QRandomGenerator>
#include <QString>
#include <gtest/gtest.h>

#include <string>
#include <vector>

using core::ReportGrid;
using core::SortKind;
using core::SortOutcome;

namespace {

using Texts = std::vector<std::string>;

// A grid whose column 0 numbers the rows and whose further columns hold the given cells.
ReportGrid numbered(const std::vector<Texts>& columns) {
    ReportGrid grid;
    grid.reset(static_cast<int>(columns.size()) + 1);
    for (std::size_t row = 0; row < columns.front().size(); ++row) {
        grid.appendCell(std::to_string(row));
        for (const Texts& column : columns)
            grid.appendCell(column[row]);
    }
    return grid;
}

// The row numbers in their new order.
std::string order(const ReportGrid& grid) {
    std::string numbers;
    for (std::size_t row = 0; row < grid.rowCount(); ++row)
        numbers += grid.cell(row, 0);
    return numbers;
}

SortOutcome sortBy(ReportGrid& grid, int column, const char* kind, bool descending, const char* locale = "en_US") {
    return core::sortGrid(grid, {column, QString::fromLatin1(kind), descending}, QLocale(QString::fromLatin1(locale)));
}

// Asserts that no row comes after the next one by the comparison the report builder groups with, and that rows it
// finds equal keep their record order (their numbers in column 0).
void expectComparisonOrder(const ReportGrid& grid, SortKind kind, const char* locale, bool descending) {
    const core::CellComparison comparison(kind, QLocale(QString::fromLatin1(locale)));
    for (std::size_t row = 1; row < grid.rowCount(); ++row) {
        const QString previous = QString::fromUtf8(grid.cell(row - 1, 1)), next = QString::fromUtf8(grid.cell(row, 1));
        const int order = comparison.compare(previous, next) * (descending ? -1 : 1);
        const bool inRecordOrder =
            std::stoi(std::string(grid.cell(row - 1, 0))) < std::stoi(std::string(grid.cell(row, 0)));
        ASSERT_TRUE(order < 0 || (order == 0 && inRecordOrder))
            << locale << " row " << row << ": " << previous.toStdString() << " / " << next.toStdString();
    }
}

} // namespace

TEST(GridSorter, SortsByKindColumnDirectionAndLocaleCountingUnreadableCellsAsZero) {
    const struct {
        const char* what;
        std::vector<Texts> columns;
        int column;
        const char* kind;
        bool descending;
        const char* locale;
        std::string expected; // the row numbers in their new order
        qint64 unreadable = 0;
        std::string firstUnreadable = "";
        bool sorted = true;
    } sortings[] = {
        {"numbers by value", {{"10", "9", "100"}}, 1, "N", false, "en_US", "102"},
        {"latest date first", {{"01/02/2024", "03/14/2025", "12/31/2023"}}, 1, "D", true, "en_US", "102"},
        {"the named column", {{"c", "b", "a"}, {"x", "z", "y"}}, 2, "S", false, "en_US", "021"},
        {"text descending", {{"c", "b", "a"}, {"x", "z", "y"}}, 2, "S", true, "en_US", "120"},
        {"empty dates first", {{"03/14/2025", "", "12/29/1899", ""}}, 1, "D", false, "en_US", "1320"},
        {"empty dates last", {{"03/14/2025", "", "12/29/1899", ""}}, 1, "D", true, "en_US", "0213"},
        {"equal numbers", {{"5", "3", "5", "3", "5"}}, 1, "N", false, "en_US", "13024"},
        {"equal texts", {{"apple", "Apple", "banana", "APPLE"}}, 1, "S", false, "en_US", "0132"},
        {"equal C texts descending", {{"apple", "Apple", "banana", "APPLE"}}, 1, "S", true, "C", "2013"},
        {"zero in every form", {{"0", "-0", "(0)", "-0.4", "0.4", ""}}, 1, "N", false, "en_US", "012345"},
        {"German numbers", {{"1.234,50", "999", "-1.000", "5 €"}}, 1, "N", false, "de_DE", "2310"},
        {"German dates", {{"14.03.2025", "25.12.2024", "02.01.2025"}}, 1, "D", false, "de_DE", "120"},
        {"C dates month first", {{"03/14/2025", "12/25/2024", "1/2/2025"}}, 1, "D", false, "C", "120"},
        {"times alone", {{"13:30", "9:00 AM", "1:00 PM"}}, 1, "D", false, "en_US", "120"},
        {"any case", {{"fig", "éclair", "Zebra", "apple", "eagle", "Edam"}}, 1, "S", false, "en_US", "341502"},
        // The C locale compares case-folded code points: é comes after z, punctuation before letters.
        {"C text", {{"fig", "éclair", "Zebra", "apple", "eagle", "Edam"}}, 1, "S", false, "C", "345021"},
        {"C punctuation", {{"b", "A", "a", "B", "_"}}, 1, "S", false, "C", "41203"},
        {"bad numbers", {{"5", "abc", "-3", "", "x1"}}, 1, "N", false, "en_US", "21340", 2, "abc"},
        {"bad numbers descending", {{"5", "abc", "-3", "", "x1"}}, 1, "N", true, "en_US", "01342", 2, "abc"},
        {"bad dates", {{"3/14/2025", "soon", "12/29/1899", "02/30/2025"}}, 1, "D", false, "en_US", "1320", 2, "soon"},
        {"day first", {{"14.03.2025", "03/14/2025", "25.12.2024"}}, 1, "D", false, "de_DE", "120", 1, "03/14/2025"},
        {"no rows", {{}}, 1, "N", true, "en_US", ""},
        {"no sort", {{"b", "a"}}, 1, "0", false, "en_US", "01", 0, "", false},
        {"no kind", {{"b", "a"}}, 1, "", false, "en_US", "01", 0, "", false},
        {"unknown kind", {{"b", "a"}}, 1, "s", false, "en_US", "01", 0, "", false},
        {"no column", {{"b", "a"}}, -1, "S", false, "en_US", "01", 0, "", false},
        {"column outside", {{"b", "a"}}, 2, "N", false, "en_US", "01", 0, "", false},
    };
    for (const auto& s : sortings) {
        SCOPED_TRACE(s.what);
        ReportGrid grid = numbered(s.columns);
        const SortOutcome outcome = sortBy(grid, s.column, s.kind, s.descending, s.locale);
        EXPECT_EQ(
            std::tuple(outcome.sorted, order(grid), outcome.unreadableCells, outcome.firstUnreadable.toStdString()),
            std::tuple(s.sorted, s.expected, s.unreadable, s.firstUnreadable));
    }
}

TEST(GridSorter, RowsComeInTheCellComparisonsOrderForEveryKindAndLocale) {
    // Enough rows to be sorted in parts on several threads, with many equal values in many forms; among the texts,
    // some differ only by NUL characters, some of eight characters and more share their first eight.
    Texts words{"aa",  "Aa",     "z",      "Zürich",  "zurich", "ı",      "I",      "i",      "İ",      "ß",
                "ss",  "ẞ",      "Straße", "strasse", "𐐀",      "𐐨",      "\uFFFD", "\uE000", "",       " ",
                "a b", "a-b",    "ab",     "10",      "9",      "Ω",      "ω",      "Å",      "å",      "ǅ",
                "ǆ",   "\u212A", "k",      "K",       "ch",     "cz",     "h",      "Ch",     "ä",      "ae",
                "æ",   "Ø",      "o",      "y",       "ü",      "Müller", "Muller", "Ölberg", "olberg", "O'Brien"};
    const Texts awkward{
        std::string("a\0", 2), "a",           std::string("a\0b", 3), "a\x01", "abcdefgh1", "abcdefgh", "ABCDEFGH",
        "abcdefghij",          "abcdefgh\x7f"};
    words.insert(words.end(), awkward.begin(), awkward.end());
    const Texts numbers{"10", "9", "2", "2.4", "2.5", "3.5", "-3", "(3)", "1,234.50", "1.234,50", "$5", "", "abc"};
    const Texts dates{"03/14/2025", "2025-03-14", "14.03.2025", "3/14/25 13:30", "13:30", "", "soon", "12/29/1899"};
    const struct {
        SortKind sortKind;
        const char* kind;
        const Texts& pool;
        std::vector<const char*> locales;
    } kinds[] = {
        {SortKind::Text, "S", words, {"C", "en_US", "fr_FR", "de_DE", "da_DK", "tr_TR", "cs_CZ", "sv_SE", "ja_JP"}},
        {SortKind::Number, "N", numbers, {"de_DE", "en_US"}},
        {SortKind::Date, "D", dates, {"de_DE", "en_US"}},
    };
    QRandomGenerator random(2025);
    for (const auto& k : kinds) {
        Texts cells(60000);
        for (std::string& cell : cells)
            cell = k.pool[random.bounded(static_cast<quint32>(k.pool.size()))];
        for (const char* locale : k.locales)
            for (const bool descending : {false, true}) {
                SCOPED_TRACE(testing::Message() << k.kind << ' ' << locale << (descending ? " descending" : ""));
                ReportGrid grid = numbered({cells});
                ASSERT_TRUE(sortBy(grid, 1, k.kind, descending, locale).sorted);
                expectComparisonOrder(grid, k.sortKind, locale, descending);
            }
    }
}

TEST(GridSorter, BadCellsSortInTheCellComparisonsOrderWithoutACrash) {
    const std::string huge(1 << 20, '9');
    const Texts cells{"\xff\xfe", std::string("1\0", 2), huge, "12/31/1999\x80", "\xe2\x82", "", huge + "x", "7"};
    for (const auto& [sortKind, kind] :
         {std::pair(SortKind::Text, "S"), std::pair(SortKind::Date, "D"), std::pair(SortKind::Number, "N")})
        for (const char* locale : {"C", "en_US", "fr_FR"}) {
            ReportGrid grid = numbered({cells});
            ASSERT_TRUE(sortBy(grid, 1, kind, true, locale).sorted);
            expectComparisonOrder(grid, sortKind, locale, true);
        }
    // The first 31 digits of the huge cells are a number; the rest are not read.
    ReportGrid grid = numbered({cells});
    EXPECT_EQ(sortBy(grid, 1, "N", false).unreadableCells, 4);
}
