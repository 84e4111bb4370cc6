#include "standin/CsvReader.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

// What the reader makes of a text: each record as the line it begins on and its cells in <>, then "!", the line
// and the reason when it stops on a fault.
std::string read(const std::string& text) {
    std::istringstream input(text);
    standin::CsvReader reader(input);
    std::string result;
    for (std::vector<std::string> cells; reader.next(cells);) {
        result += std::to_string(reader.line());
        for (const std::string& cell : cells)
            result += "<" + cell + ">";
    }
    return reader.error().empty() ? result : result + "!" + std::to_string(reader.line()) + " " + reader.error();
}

} // namespace

TEST(CsvReader, ReadsCellsExactlyCountsPhysicalLinesAndStopsAtTheLineOfAFault) {
    const std::pair<std::string, std::string> cases[] = {
        {"a,b\r\nc,d\r\n", "1<a><b>2<c><d>"},
        {"a,b\nc,d", "1<a><b>2<c><d>"},
        {"", ""},
        {"\xEF\xBB\xBFRecord ID,x\n1,2\n", "1<Record ID><x>2<1><2>"},
        {"\xEF\xBB\xBA\n", "1<\xEF\xBB\xBA>"}, // starts like a byte-order mark but is the character U+FEFA
        {"\"a,b\",\"say \"\"hi\"\"\",\"one\r\ntwo\nthree\"\r\nx\r\n", "1<a,b><say \"hi\"><one\r\ntwo\nthree>4<x>"},
        {" a , b \t\n", "1< a >< b \t>"},
        {"a,,\n,\n", "1<a><><>2<><>"},
        {"\"\"\r\n\n", "1<>2<>"},
        {"é,日本,\"Zoë\"\n", "1<é><日本><Zoë>"},
        {"a\rb\r\"c\rd\"\r", "1<a>2<b>3<c\rd>"},
        {"a,\"\"", "1<a><>"},
        {"a,b\n\"open\n\nmore", "1<a><b>!2 a quoted cell is not closed"},
        {"a\n\"x\"y\n", "1<a>!2 text after a closing quote"},
        {"a\n\"multi\r\nline\" \n", "1<a>!3 text after a closing quote"},
        {"a\nb\"c\n", "1<a>!2 a quote inside a cell that does not start with one"},
        {"a\n\xFF\n", "1<a>!2 the text is not valid UTF-8"},
        {"a\n\"x\ny\xC3\"\n", "1<a>!3 the text is not valid UTF-8"},
        {"a\nb\xC3", "1<a>!2 the text is not valid UTF-8"},
        {"a\n\xED\xA0\x80\n", "1<a>!2 the text is not valid UTF-8"},            // a surrogate
        {"a\n\xC0\xAF\n", "1<a>!2 the text is not valid UTF-8"},                // an overlong "/"
        {"a\nb\n\xF4\x90\x80\x80\n", "1<a>2<b>!3 the text is not valid UTF-8"}, // past U+10FFFF
        {"a\nb\n\xE0\x80\xAF\n", "1<a>2<b>!3 the text is not valid UTF-8"},     // overlong in three bytes
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(read(text), expected) << text;
}
