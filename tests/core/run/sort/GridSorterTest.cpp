#include "core/run/sort/GridSorter.h"

#include <QCollator>
#include <QLocale>
#include <QRandomGenerator>
#include <QString>
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <string>
#include <vector>

using core::ReportGrid;
using core::SortOutcome;
using core::SortRequest;

namespace {

using Texts = std::vector<std::string>;

// A grid whose column 0 names each row by a letter (a, b, c, ...) and whose further columns hold the given cells.
ReportGrid lettered(const std::vector<Texts>& columns) {
    ReportGrid grid;
    grid.reset(static_cast<int>(columns.size()) + 1);
    for (std::size_t row = 0; row < columns.front().size(); ++row) {
        grid.appendCell(std::string(1, static_cast<char>('a' + row)));
        for (const Texts& column : columns)
            grid.appendCell(column[row]);
    }
    return grid;
}

// A grid of one column of cells, in the given order.
ReportGrid single(const Texts& cells) {
    ReportGrid grid;
    grid.reset(1);
    for (const std::string& cell : cells)
        grid.appendCell(cell);
    return grid;
}

std::string letters(const ReportGrid& grid) {
    std::string order;
    for (std::size_t row = 0; row < grid.rowCount(); ++row)
        order += grid.cell(row, 0);
    return order;
}

QString cellText(const ReportGrid& grid, std::size_t row, int column) {
    const std::string_view cell = grid.cell(row, column);
    return QString::fromUtf8(cell.data(), static_cast<qsizetype>(cell.size()));
}

QLocale localeNamed(const char* name) {
    return QLocale(QString::fromLatin1(name));
}

SortOutcome sortBy(ReportGrid& grid, int column, const char* kind, bool descending, const char* locale = "en_US") {
    return core::sortGrid(grid, SortRequest{column, QString::fromLatin1(kind), descending}, localeNamed(locale));
}

struct Sorting {
    const char* what;
    std::vector<Texts> columns;
    int column;
    const char* kind;
    bool descending;
    std::string expected; // the row letters in their new order
    const char* locale = "en_US";
};

void expectSortings(const std::vector<Sorting>& sortings) {
    for (const Sorting& sorting : sortings) {
        SCOPED_TRACE(sorting.what);
        ReportGrid grid = lettered(sorting.columns);
        sortBy(grid, sorting.column, sorting.kind, sorting.descending, sorting.locale);
        EXPECT_EQ(letters(grid), sorting.expected);
    }
}

// Asserts that each row's text comes after the one before it by the locale's QCollator (ignoring case), and that
// rows the collator finds equal stay in the order of their numbers in column 0.
void expectCollatorOrder(const ReportGrid& grid, const QLocale& locale, bool descending) {
    QCollator collator(locale);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    for (std::size_t row = 1; row < grid.rowCount(); ++row) {
        const QString previous = cellText(grid, row - 1, 1);
        const QString next = cellText(grid, row, 1);
        const int order = collator.compare(previous, next) * (descending ? -1 : 1);
        ASSERT_LE(order, 0) << locale.name().toStdString() << " row " << row << ": " << previous.toStdString() << " / "
                            << next.toStdString();
        if (order == 0) {
            ASSERT_LT(cellText(grid, row - 1, 0).toInt(), cellText(grid, row, 0).toInt()) << previous.toStdString();
        }
    }
}

// Rows numbered in column 0, with the given texts in column 1.
ReportGrid numbered(const Texts& texts) {
    ReportGrid grid;
    grid.reset(2);
    for (std::size_t row = 0; row < texts.size(); ++row) {
        grid.appendCell(std::to_string(row));
        grid.appendCell(texts[row]);
    }
    return grid;
}

} // namespace

TEST(GridSorter, SortsTheFirstLevelByKindColumnAndDirection) {
    expectSortings({
        {"numbers by value, not as text", {{"10", "9", "100"}}, 1, "N", false, "bac"},
        {"latest date first", {{"01/02/2024", "03/14/2025", "12/31/2023"}}, 1, "D", true, "bac"},
        {"text by the named column", {{"c", "b", "a"}, {"x", "z", "y"}}, 2, "S", false, "acb"},
        {"text descending", {{"c", "b", "a"}, {"x", "z", "y"}}, 2, "S", true, "bca"},
        // 2.5 is 2 and 3.5 is 4, so each ties with its neighbour and record order decides.
        {"halves to even", {{"2.5", "2", "3.5", "4", "3"}}, 1, "N", false, "abecd"},
        {"empty dates first", {{"03/14/2025", "", "01/01/1990", ""}}, 1, "D", false, "bdca"},
        {"empty dates last descending", {{"03/14/2025", "", "01/01/1990", ""}}, 1, "D", true, "acbd"},
        {"no sort field chosen", {{"b", "a"}}, 1, "0", false, "ab"},
        {"no sort kind", {{"b", "a"}}, 1, "", false, "ab"},
        {"unknown sort kind", {{"b", "a"}}, 1, "s", false, "ab"},
        {"sort field not a column", {{"b", "a"}}, -1, "S", false, "ab"},
        {"column outside the grid", {{"b", "a"}}, 2, "S", false, "ab"},
    });
}

TEST(GridSorter, SaysWhetherItSorted) {
    ReportGrid grid = lettered({{"b", "a"}});
    EXPECT_FALSE(sortBy(grid, 1, "0", false).sorted);
    EXPECT_FALSE(sortBy(grid, -1, "N", false).sorted);
    EXPECT_TRUE(sortBy(grid, 1, "S", false).sorted);
    ReportGrid empty = single({});
    EXPECT_TRUE(sortBy(empty, 0, "N", true).sorted);
    EXPECT_EQ(empty.rowCount(), 0u);
}

TEST(GridSorter, EqualValuesKeepRecordOrderInBothDirections) {
    expectSortings({
        {"numbers ascending", {{"5", "3", "5", "3", "5"}}, 1, "N", false, "bdace"},
        {"numbers descending", {{"5", "3", "5", "3", "5"}}, 1, "N", true, "acebd"},
        {"text ascending", {{"apple", "Apple", "banana", "APPLE"}}, 1, "S", false, "abdc"},
        {"text descending", {{"apple", "Apple", "banana", "APPLE"}}, 1, "S", true, "cabd"},
        {"C text descending", {{"apple", "Apple", "banana", "APPLE"}}, 1, "S", true, "cabd", "C"},
        {"zero in every form", {{"0", "-0", "(0)", "-0.4", "0.4", ""}}, 1, "N", false, "abcdef"},
        {"zero in every form descending", {{"0", "-0", "(0)", "-0.4", "0.4", ""}}, 1, "N", true, "abcdef"},
        {"dates ascending", {{"03/14/2025", "2025-03-14", "1/1/2000", "3/14/25"}}, 1, "D", false, "cabd"},
        {"dates descending", {{"03/14/2025", "2025-03-14", "1/1/2000", "3/14/25"}}, 1, "D", true, "abdc"},
    });
}

TEST(GridSorter, CountsEachUnreadableCellOnceAndSortsItAsZero) {
    struct Case {
        const char* kind;
        bool descending;
        const char* locale;
        Texts cells;
        std::string expected;
        qint64 unreadable;
        std::string first;
    };
    const Case cases[] = {
        {"N", false, "en_US", {"5", "abc", "-3", "", "x1"}, "cbdea", 2, "abc"},
        {"N", true, "en_US", {"5", "abc", "-3", "", "x1"}, "abdec", 2, "abc"},
        {"D", false, "en_US", {"3/14/2025", "soon", "12/29/1899", "02/30/2025"}, "cbda", 2, "soon"},
        // A US date cannot be read under a day-first locale.
        {"D", false, "de_DE", {"14.03.2025", "03/14/2025", "25.12.2024"}, "bca", 1, "03/14/2025"},
        {"N", false, "en_US", {"1", "2"}, "ab", 0, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected);
        ReportGrid grid = lettered({c.cells});
        const SortOutcome outcome = sortBy(grid, 1, c.kind, c.descending, c.locale);
        EXPECT_TRUE(outcome.sorted);
        EXPECT_EQ(letters(grid), c.expected);
        EXPECT_EQ(outcome.unreadableCells, c.unreadable);
        EXPECT_EQ(outcome.firstUnreadable.toStdString(), c.first);
    }
}

TEST(GridSorter, ReadsDatesAndNumbersInTheLocalesOwnForms) {
    expectSortings({
        {"US numbers", {{"1,234.50", "999", "-1,000", "$5"}}, 1, "N", false, "cdba"},
        {"German numbers", {{"1.234,50", "999", "-1.000", "5 €"}}, 1, "N", false, "cdba", "de_DE"},
        {"French numbers", {{"1\u202F234,50", "999", "-1 000", "5\u00A0€"}}, 1, "N", false, "cdba", "fr_FR"},
        {"C numbers", {{"1,234.50", "999", "-1,000", "$5"}}, 1, "N", false, "cdba", "C"},
        {"US dates", {{"03/14/2025", "12/25/2024", "1/2/2025"}}, 1, "D", false, "bca"},
        {"German dates", {{"14.03.2025", "25.12.2024", "02.01.2025"}}, 1, "D", false, "bca", "de_DE"},
        {"C dates month first", {{"03/14/2025", "12/25/2024", "1/2/2025"}}, 1, "D", false, "bca", "C"},
        {"ISO dates anywhere", {{"2025-03-14", "2024-12-25", "2025-01-02"}}, 1, "D", false, "bca", "fr_FR"},
        {"times alone", {{"13:30", "9:00 AM", "1:00 PM"}}, 1, "D", false, "bca"},
    });
}

TEST(GridSorter, SortsTextByTheLocaleIgnoringCase) {
    const Texts words{"fig", "éclair", "Zebra", "apple", "eagle", "Edam"};
    expectSortings({
        {"English", {words}, 1, "S", false, "debfac"},
        {"French", {words}, 1, "S", false, "debfac", "fr_FR"},
        {"English descending", {words}, 1, "S", true, "cafbed"},
        // The C locale compares case-folded code points: é comes after z.
        {"C", {words}, 1, "S", false, "defacb", "C"},
        {"C punctuation before letters", {{"b", "A", "a", "B", "_"}}, 1, "S", false, "ebcad", "C"},
    });
}

TEST(GridSorter, TextOrderIsTheCollatorsInEveryLocale) {
    Texts words{"aa",     "Aa",      "z", "Zürich", "zurich", "ı",      "I", "i",      "İ",   "ß",   "ss", "ẞ",
                "Straße", "strasse", "𐐀", "𐐨",      "\uFFFD", "\uE000", "",  " ",      "a b", "a-b", "ab", "10",
                "9",      "Ω",       "ω", "Å",      "å",      "ǅ",      "ǆ", "\u212A", "k",   "K",   "ch", "cz",
                "h",      "Ch",      "ä", "ae",     "æ",      "Ø",      "o", "y",      "ü"};
    // Texts that differ only by NUL characters, and texts of eight characters and more that share their first eight.
    const Texts awkward{
        std::string("a\0", 2), "a",           std::string("a\0b", 3), "a\x01", "abcdefgh1", "abcdefgh", "ABCDEFGH",
        "abcdefghij",          "abcdefgh\x7f"};
    words.insert(words.end(), awkward.begin(), awkward.end());
    for (const char* name : {"C", "en_US", "fr_FR", "de_DE", "da_DK", "tr_TR", "cs_CZ", "sv_SE", "ja_JP"}) {
        for (const bool descending : {false, true}) {
            ReportGrid grid = numbered(words);
            ASSERT_TRUE(sortBy(grid, 1, "S", descending, name).sorted);
            expectCollatorOrder(grid, localeNamed(name), descending);
        }
    }
}

TEST(GridSorter, SortsManyRowsLikeAStableSort) {
    // Enough rows to be sorted in buckets on several threads, with many equal values.
    constexpr int rows = 60000;
    QRandomGenerator random(2025);
    std::vector<int> values;
    Texts numbers;
    Texts words;
    const Texts pool{"Smith", "smith", "Müller", "Muller", "Ölberg", "olberg", "Zoë", "zoe", "Åsa", "asa", "O'Brien"};
    for (int row = 0; row < rows; ++row) {
        values.push_back(random.bounded(-50, 51));
        numbers.push_back(std::to_string(values.back()));
        words.push_back(pool[random.bounded(static_cast<quint32>(pool.size()))] + std::to_string(random.bounded(30)));
    }
    for (const bool descending : {false, true}) {
        ReportGrid grid = numbered(numbers);
        ASSERT_TRUE(sortBy(grid, 1, "N", descending).sorted);
        std::vector<int> expected(rows);
        std::iota(expected.begin(), expected.end(), 0);
        std::stable_sort(expected.begin(), expected.end(),
                         [&](int a, int b) { return descending ? values[a] > values[b] : values[a] < values[b]; });
        for (int row = 0; row < rows; ++row)
            ASSERT_EQ(cellText(grid, row, 0).toInt(), expected[row]) << "row " << row;
        for (const char* name : {"C", "en_US"}) {
            ReportGrid text = numbered(words);
            ASSERT_TRUE(sortBy(text, 1, "S", descending, name).sorted);
            expectCollatorOrder(text, localeNamed(name), descending);
        }
    }
}

TEST(GridSorter, BadCellsNeitherCrashNorLoseRows) {
    const std::string huge(1 << 20, '9');
    const Texts cells{"\xff\xfe", std::string("1\0", 2), huge, "12/31/1999\x80", "\xe2\x82", "", huge + "x", "7"};
    for (const char* kind : {"S", "D", "N"}) {
        for (const char* name : {"C", "en_US", "fr_FR"}) {
            ReportGrid grid = numbered(cells);
            EXPECT_TRUE(sortBy(grid, 1, kind, true, name).sorted);
            std::vector<int> seen;
            for (std::size_t row = 0; row < grid.rowCount(); ++row)
                seen.push_back(cellText(grid, row, 0).toInt());
            std::sort(seen.begin(), seen.end());
            std::vector<int> all(cells.size());
            std::iota(all.begin(), all.end(), 0);
            EXPECT_EQ(seen, all) << kind << ' ' << name;
        }
    }
    // The first 31 digits of the huge cells are a number; the rest are not read.
    ReportGrid grid = numbered(cells);
    EXPECT_EQ(sortBy(grid, 1, "N", false).unreadableCells, 4);
}
