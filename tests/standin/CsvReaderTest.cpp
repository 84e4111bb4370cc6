#include "standin/CsvReader.h"

#include <gtest/gtest.h>

#include <sstream>

using standin::CsvReader;
using Records = std::vector<std::vector<std::string>>;

namespace {

struct Read {
    Records records;
    std::vector<int> lines;
    std::string error;
    int errorLine = 0;
};

Read readAll(const std::string& text) {
    std::istringstream input(text);
    CsvReader reader(input);
    Read result;
    std::vector<std::string> cells;
    while (reader.next(cells)) {
        result.records.push_back(cells);
        result.lines.push_back(reader.line());
    }
    result.error = reader.error();
    result.errorLine = result.error.empty() ? 0 : reader.line();
    return result;
}

} // namespace

TEST(CsvReader, ReadsCellsExactlyAndCountsPhysicalLines) {
    struct Case {
        std::string input;
        Records records;
        std::vector<int> lines;
    };
    const Case cases[] = {
        {"a,b\r\nc,d\r\n", {{"a", "b"}, {"c", "d"}}, {1, 2}},
        {"a,b\nc,d", {{"a", "b"}, {"c", "d"}}, {1, 2}},
        {"", {}, {}},
        {"\xEF\xBB\xBFRecord ID,x\n1,2\n", {{"Record ID", "x"}, {"1", "2"}}, {1, 2}},
        // Starts like a byte-order mark but is the character U+FEFA.
        {"\xEF\xBB\xBA\n", {{"\xEF\xBB\xBA"}}, {1}},
        {"\"a,b\",\"say \"\"hi\"\"\",\"one\r\ntwo\nthree\"\r\nx\r\n",
         {{"a,b", "say \"hi\"", "one\r\ntwo\nthree"}, {"x"}},
         {1, 4}},
        {" a , b \t\n", {{" a ", " b \t"}}, {1}},
        {"a,,\n,\n", {{"a", "", ""}, {"", ""}}, {1, 2}},
        {"\"\"\r\n\n", {{""}, {""}}, {1, 2}},
        {"é,日本,\"Zoë\"\n", {{"é", "日本", "Zoë"}}, {1}},
        {"a\rb\r\"c\rd\"\r", {{"a"}, {"b"}, {"c\rd"}}, {1, 2, 3}},
        {"a,\"\"", {{"a", ""}}, {1}},
    };
    for (const Case& c : cases) {
        const Read read = readAll(c.input);
        EXPECT_EQ(read.error, "") << c.input;
        EXPECT_EQ(read.records, c.records) << c.input;
        EXPECT_EQ(read.lines, c.lines) << c.input;
    }
}

TEST(CsvReader, MalformedInputStopsWithTheLineOfTheFault) {
    struct Case {
        std::string input;
        int line;
        std::string error;
        std::size_t goodRecords;
    };
    const Case cases[] = {
        {"a,b\n\"open\n\nmore", 2, "a quoted cell is not closed", 1},
        {"a\n\"x\"y\n", 2, "text after a closing quote", 1},
        {"a\n\"multi\r\nline\" \n", 3, "text after a closing quote", 1},
        {"a\nb\"c\n", 2, "a quote inside a cell that does not start with one", 1},
        {"a\n\xFF\n", 2, "the text is not valid UTF-8", 1},
        {"a\n\"x\ny\xC3\"\n", 3, "the text is not valid UTF-8", 1},
        {"a\nb\xC3", 2, "the text is not valid UTF-8", 1},
        {"a\n\xED\xA0\x80\n", 2, "the text is not valid UTF-8", 1},        // a surrogate
        {"a\n\xC0\xAF\n", 2, "the text is not valid UTF-8", 1},            // an overlong "/"
        {"a\nb\n\xF4\x90\x80\x80\n", 3, "the text is not valid UTF-8", 2}, // past U+10FFFF
        {"a\nb\n\xE0\x80\xAF\n", 3, "the text is not valid UTF-8", 2},     // overlong in three bytes
    };
    for (const Case& c : cases) {
        const Read read = readAll(c.input);
        EXPECT_EQ(read.error, c.error) << c.input;
        EXPECT_EQ(read.errorLine, c.line) << c.input;
        EXPECT_EQ(read.records.size(), c.goodRecords) << c.input;
    }
}
