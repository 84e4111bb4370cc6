#include "report/DataFileReader.h"
#include "support/TempEnvironment.h"

#include <gtest/gtest.h>

namespace {

using Rows = std::vector<std::vector<std::string>>;

// The rows up to the end or the first problem, and the problem.
std::pair<Rows, std::string> readAll(report::RowSource& source) {
    Rows rows;
    std::vector<std::string> cells;
    while (source.next(cells))
        rows.push_back(cells);
    return {rows, source.problem().toStdString()};
}

class DataFileReaderTest : public ::testing::Test {
protected:
    QString write(const QByteArray& bytes) const {
        const QString path = env.path(QStringLiteral("data.CSV"));
        EXPECT_TRUE(testing_support::writeBytes(path, bytes));
        return path;
    }

    testing_support::TempEnvironment env;
};

} // namespace

TEST_F(DataFileReaderTest, ReadsTheRunsLinesExactlyOrSaysWhatIsWrong) {
    const struct {
        const char* what;
        QByteArray bytes;
        Rows rows;
        std::string problem;
    } cases[] = {
        {"two rows", "\"Lyon\",\"12\"\r\n\"Oslo\",\"\"\r\n", {{"Lyon", "12"}, {"Oslo", ""}}, ""},
        {"doubled quotes and commas", "\"say \"\"hi\"\", then go\",\"a,b\"\r\n", {{"say \"hi\", then go", "a,b"}}, ""},
        {"lone CR and LF stay in their cell", "\"a\rb\",\"c\nd\"\r\n\"e\r\"\r\n", {{"a\rb", "c\nd"}, {"e\r"}}, ""},
        {"no final line end", "\"x\"", {{"x"}}, ""},
        {"LF line ends and empty lines", "\"x\"\n\n\"y\"\n", {{"x"}, {"y"}}, ""},
        {"unquoted cells", "a,,b\r\n", {{"a", "", "b"}}, ""},
        {"byte-order mark dropped", "\xEF\xBB\xBF\"x\"\r\n", {{"x"}}, ""},
        {"empty file", "", {}, ""},
        {"UTF-8 kept", "\"Zürich \xF0\x9F\x98\x80\"\r\n", {{"Zürich \xF0\x9F\x98\x80"}}, ""},
        {"Windows-1252 as a whole", "\"Z\xFCrich \x80\"\r\n", {{"Zürich €"}}, ""},
        {"the mark makes it UTF-8", "\xEF\xBB\xBF\"\xFC\",\"\xC3\xBC\"\r\n", {{"\xEF\xBF\xBD", "ü"}}, ""},
        {"quote never closed", "\"a\"\r\n\"b", {{"a"}}, "Row 2 of the data file ends inside a quoted value."},
        {"text after a quote", "\"a\"x,\"b\"\r\n", {}, "Row 1 of the data file has text after a quoted value."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        report::DataFileReader reader(write(c.bytes));
        ASSERT_TRUE(reader.open()) << reader.problem().toStdString();
        // The layout reads the file twice: to plan, then to write.
        for (int pass = 0; pass < 2 && reader.problem().isEmpty(); ++pass) {
            ASSERT_TRUE(reader.rewind());
            EXPECT_EQ(readAll(reader), std::pair(c.rows, c.problem));
        }
    }
    report::DataFileReader missing(env.path(QStringLiteral("none.CSV")));
    EXPECT_FALSE(missing.open());
    EXPECT_TRUE(missing.problem().startsWith(QStringLiteral("The data file "))) << missing.problem().toStdString();
    report::DataFileReader folder(env.root());
    EXPECT_FALSE(folder.open());
}

TEST_F(DataFileReaderTest, RowsLongerThanAReadStayWhole) {
    const std::string big(3 << 20, 'x');
    report::DataFileReader reader(write(QByteArray::fromStdString("\"" + big + "\",\"\"\"\"\r\n\"" + big + "\"")));
    ASSERT_TRUE(reader.open());
    EXPECT_EQ(readAll(reader), std::pair(Rows{{big, "\""}, {big}}, std::string()));
    EXPECT_EQ(reader.done(), reader.total());
}
