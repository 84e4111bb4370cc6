#include "standin/CsvWriter.h"
#include "standin/CsvReader.h"

#include <gtest/gtest.h>

#include <sstream>

using Records = std::vector<std::vector<std::string>>;

namespace {

std::string write(const Records& records) {
    std::ostringstream output;
    standin::CsvWriter writer(output);
    for (const auto& record : records) {
        for (const std::string& cell : record)
            writer.cell(cell);
        writer.endRecord();
    }
    return output.str();
}

} // namespace

TEST(CsvWriter, QuotesOnlyCellsThatNeedIt) {
    const std::pair<Records, std::string> cases[] = {
        {{{"plain", " spaced ", "Zoë"}}, "plain, spaced ,Zoë\r\n"},
        {{{"a,b", "say \"hi\"", "\"", "x\ry", "x\ny"}}, "\"a,b\",\"say \"\"hi\"\"\",\"\"\"\",\"x\ry\",\"x\ny\"\r\n"},
        {{{"", ""}, {"", "x"}}, ",\r\n,x\r\n"},
        // One empty cell alone would be a blank line.
        {{{""}, {"x"}}, "\"\"\r\nx\r\n"},
    };
    for (const auto& [records, expected] : cases)
        EXPECT_EQ(write(records), expected);
}

TEST(CsvWriter, WhatItWritesReadsBackTheSame) {
    const Records records = {
        {"Record ID", "Notes", ""}, {"A", "line 1\r\nline 2\n\"quoted\", and more", ","}, {""}, {"\"", "\r", "日本"}};
    std::istringstream input(write(records));
    standin::CsvReader reader(input);
    Records read;
    std::vector<std::string> cells;
    while (reader.next(cells))
        read.push_back(cells);
    EXPECT_EQ(reader.error(), "");
    EXPECT_EQ(read, records);
}
