#include "report/DataFileReader.h"
#include "support/TempEnvironment.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

using Rows = std::vector<std::vector<std::string>>;

struct Read {
    Rows rows;
    QString problem;
};

Read readAll(report::RowSource& source) {
    Read read;
    std::vector<std::string> cells;
    while (source.next(cells))
        read.rows.push_back(cells);
    read.problem = source.problem();
    return read;
}

class DataFileReaderTest : public ::testing::Test {
protected:
    QString write(const QByteArray& bytes) const {
        const QString path = env.path(QStringLiteral("data.CSV"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }

    testing_support::TempEnvironment env;
};

} // namespace

TEST_F(DataFileReaderTest, ReadsTheRunsLinesExactly) {
    const struct {
        const char* what;
        QByteArray bytes;
        Rows rows;
    } cases[] = {
        {"two rows", "\"Lyon\",\"12\"\r\n\"Oslo\",\"\"\r\n", {{"Lyon", "12"}, {"Oslo", ""}}},
        {"doubled quotes and commas", "\"say \"\"hi\"\", then go\",\"a,b\"\r\n", {{"say \"hi\", then go", "a,b"}}},
        {"lone CR and LF stay in their cell", "\"a\rb\",\"c\nd\"\r\n\"e\r\"\r\n", {{"a\rb", "c\nd"}, {"e\r"}}},
        {"no final line end", "\"x\"", {{"x"}}},
        {"LF line ends and empty lines", "\"x\"\n\n\"y\"\n", {{"x"}, {"y"}}},
        {"unquoted cells", "a,,b\r\n", {{"a", "", "b"}}},
        {"byte-order mark dropped", "\xEF\xBB\xBF\"x\"\r\n", {{"x"}}},
        {"empty file", "", {}},
        {"UTF-8 kept", "\"Zürich \xF0\x9F\x98\x80\"\r\n", {{"Zürich \xF0\x9F\x98\x80"}}},
        {"Windows-1252 as a whole", "\"Z\xFCrich \x80\"\r\n", {{"Zürich €"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        report::DataFileReader reader(write(c.bytes));
        ASSERT_TRUE(reader.open()) << reader.problem().toStdString();
        for (int pass = 0; pass < 2; ++pass) {
            const Read read = readAll(reader);
            EXPECT_EQ(read.rows, c.rows);
            EXPECT_TRUE(read.problem.isEmpty()) << read.problem.toStdString();
            ASSERT_TRUE(reader.rewind());
        }
    }
}

TEST_F(DataFileReaderTest, SaysWhatIsWrongWithABadFile) {
    const struct {
        const char* what;
        QByteArray bytes;
        std::size_t rowsBefore;
        const char* problem;
    } cases[] = {
        {"quote never closed", "\"a\"\r\n\"b", 1, "Row 2 of the data file ends inside a quoted value."},
        {"text after a quote", "\"a\"x,\"b\"\r\n", 0, "Row 1 of the data file has text after a quoted value."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        report::DataFileReader reader(write(c.bytes));
        ASSERT_TRUE(reader.open());
        const Read read = readAll(reader);
        EXPECT_EQ(read.rows.size(), c.rowsBefore);
        EXPECT_EQ(read.problem, QString::fromLatin1(c.problem));
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
    const Read read = readAll(reader);
    ASSERT_EQ(read.rows.size(), 2u);
    EXPECT_EQ(read.rows[0], (std::vector<std::string>{big, "\""}));
    EXPECT_EQ(read.rows[1][0].size(), big.size());
    EXPECT_EQ(reader.done(), reader.total());
}
