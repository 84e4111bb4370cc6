#include "core/run/write/DataFileWriter.h"
#include "support/TempEnvironment.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <optional>
#include <tuple>
#include <vector>

using namespace core;

namespace {

using Rows = std::vector<std::vector<std::string>>;
using Status = WriteOutcome::Status;

ReportGrid gridOfRows(const Rows& rows) {
    ReportGrid grid;
    grid.reset(rows.empty() ? 0 : static_cast<int>(rows.front().size()));
    for (const auto& row : rows)
        for (const std::string& cell : row)
            grid.appendCell(cell);
    return grid;
}

// Rows of two cells, "row N" and a padding of the given size.
ReportGrid numberedGrid(int rows, std::size_t padding = 0) {
    ReportGrid grid;
    grid.reset(2);
    for (int row = 0; row < rows; ++row) {
        grid.appendCell("row " + std::to_string(row));
        grid.appendCell(std::string(padding, 'p'));
    }
    return grid;
}

QByteArray written(const ReportGrid& grid, const DataFileLayout& layout = {}) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    NoProgress progress;
    const WriteOutcome outcome = writeDataLines(buffer, grid, layout, progress);
    EXPECT_EQ(outcome.status, Status::Written) << outcome.description.toStdString();
    return buffer.data();
}

// Records every step; answers false from step number stopAt (0-based) on.
struct RecordingProgress : RunProgress {
    bool step(const QString& phase, qint64 done, qint64 total) override {
        steps.emplace_back(phase, done, total);
        return stopAt < 0 || static_cast<int>(steps.size()) <= stopAt;
    }
    int stopAt = -1;
    std::vector<std::tuple<QString, qint64, qint64>> steps;
};

class DataFile : public ::testing::Test {
protected:
    QString path() const { return m_dir.filePath(QStringLiteral("data.CSV")); }
    void put(const QByteArray& bytes) const { ASSERT_TRUE(testing_support::writeBytes(path(), bytes)); }
    QByteArray onDisk() const { return testing_support::readBytes(path()); }
    QStringList entries() const { return QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot); }

    QTemporaryDir m_dir;
};

} // namespace

TEST(DataFileWriter, QuotesEveryCellAndJoinsLineBreaks) {
    const struct {
        Rows rows;
        QByteArray expected;
    } cases[] = {
        {{{"say \"hi\""}}, "\"say \"\"hi\"\"\"\r\n"},
        {{{"one\r\ntwo"}}, "\"one two\"\r\n"},
        {{{"a\r\n\r\nb"}}, "\"a  b\"\r\n"},
        {{{"one\ntwo"}}, "\"one\ntwo\"\r\n"},
        {{{"one\rtwo"}}, "\"one\rtwo\"\r\n"},
        {{{"\r\r\n\n"}}, "\"\r \n\"\r\n"},
        {{{"a\r", "\nb"}}, "\"a\r\",\"\nb\"\r\n"}, // a pair split by a cell boundary is no pair
        {{{"a", "", "Zo\xC3\xAB"}}, "\"a\",\"\",\"Zo\xC3\xAB\"\r\n"},
        {{{"x"}, {"y"}}, "\"x\"\r\n\"y\"\r\n"},
        {{}, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(written(gridOfRows(c.rows)), c.expected) << c.expected.constData();

    ReportGrid reordered = gridOfRows({{"a"}, {"b"}, {"c"}});
    ASSERT_TRUE(reordered.reorder({2, 0, 1}));
    EXPECT_EQ(written(reordered), "\"c\"\r\n\"a\"\r\n\"b\"\r\n");
}

TEST(DataFileWriter, ColumnsAndHeaderFollowTheLayout) {
    const Rows rows = {{"Acme", "Paris", "2025"}, {"Bolt", "Oslo", "2024"}};
    const QStringList labels = {QStringLiteral("Company"), QStringLiteral("City"), QStringLiteral("Edit date")};
    const QByteArray allColumns = "\"Acme\",\"Paris\",\"2025\"\r\n\"Bolt\",\"Oslo\",\"2024\"\r\n";
    const QByteArray twoColumns = "\"Acme\",\"Paris\"\r\n\"Bolt\",\"Oslo\"\r\n";
    const struct {
        DataFileLayout layout;
        QByteArray expected;
    } cases[] = {
        {{false, {QStringLiteral("Firm")}, labels, false}, allColumns}, // Excel: no header, every column
        {{true, {QStringLiteral("Firm"), QStringLiteral("Town")}, labels, true}, "\"Firm\",\"Town\"\r\n" + twoColumns},
        {{true, {QStringLiteral("Firm")}, labels, false}, "\"Firm\",\"City\",\"Edit date\"\r\n" + allColumns},
        {{true, {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("D")}, labels, true},
         "\"A\",\"B\"\r\n" + twoColumns},
        {{true, {QStringLiteral("Say \"x\""), QString()}, labels, true}, "\"Say \"\"x\"\"\",\"City\"\r\n" + twoColumns},
        {{true, {}, {}, true}, "\"\",\"\"\r\n" + twoColumns},
    };
    for (const auto& c : cases)
        EXPECT_EQ(written(gridOfRows(rows), c.layout), c.expected) << c.expected.constData();
}

TEST(DataFileWriter, CutsLongCellsAtWholeCharacters) {
    const auto times = [](std::size_t count, const std::string& text) {
        std::string repeated;
        for (std::size_t i = 0; i < count; ++i)
            repeated += text;
        return repeated;
    };
    const std::string e = "\xC3\xA9", euro = "\xE2\x82\xAC", smile = "\xF0\x9F\x98\x80";
    const struct {
        std::string cell;
        std::string kept;
    } cases[] = {
        {times(5000, "a"), times(4999, "a")},
        {times(4999, "a"), times(4999, "a")},
        {times(4999, e), times(4999, e)}, // more bytes than 4,999, but no more characters
        {times(4998, "a") + euro + smile + "b", times(4998, "a") + euro},
        {times(4998, "a") + smile + smile, times(4998, "a") + smile},
        {times(4998, "a") + "\r\n", times(4998, "a") + "\r"}, // cut first, so the CR is alone
        {times(6000, "\""), times(9998, "\"")},
    };
    for (const auto& c : cases)
        EXPECT_EQ(written(gridOfRows({{c.cell, "next"}})), QByteArray::fromStdString("\"" + c.kept + "\",\"next\"\r\n"))
            << c.cell.size() << " bytes";
}

TEST_F(DataFile, ReplacesThePreviousFileOrSaysItIsNotWritable) {
    put("old contents\r\n");
    bool notWritable = true;
    NoProgress progress;
    const WriteOutcome outcome =
        Write_File(path(), gridOfRows({{"a", "b"}}), {true, {QStringLiteral("A")}, {}, true}, progress, &notWritable);
    ASSERT_EQ(outcome.status, Status::Written) << outcome.description.toStdString();
    EXPECT_FALSE(notWritable);
    EXPECT_EQ(onDisk(), "\"A\"\r\n\"a\"\r\n");
    EXPECT_EQ(entries(), QStringList{QStringLiteral("data.CSV")});

    ASSERT_TRUE(QFile::remove(path()));
    ASSERT_TRUE(QDir().mkpath(path()));
    for (const QString& target : {path(), m_dir.filePath(QStringLiteral("missing/data.CSV"))}) {
        const WriteOutcome failed = Write_File(target, numberedGrid(3), {}, progress, &notWritable);
        EXPECT_EQ(failed.status, Status::Failed);
        EXPECT_TRUE(notWritable);
        EXPECT_TRUE(failed.description.startsWith(QStringLiteral("Cannot write data.CSV: ")))
            << failed.description.toStdString();
    }
    EXPECT_TRUE(QFileInfo(path()).isDir());
}

TEST_F(DataFile, ReportsProgressAndACancelledWriteOrAFullDiskLeavesThePreviousFile) {
    RecordingProgress counted;
    ASSERT_EQ(Write_File(path(), numberedGrid(10000), {}, counted).status, Status::Written);
    const QString phase = QStringLiteral("Writing");
    EXPECT_EQ(counted.steps,
              (std::vector<std::tuple<QString, qint64, qint64>>{
                  {phase, 0, 10000}, {phase, 4096, 10000}, {phase, 8192, 10000}, {phase, 10000, 10000}}));

    const QByteArray old = "old contents\r\n";
    // Cancelled at each step. A full disk fails a small file when it is flushed, a large one (about 2.5 MB) in its
    // second write.
    const struct {
        int rows;
        int stopAt;
        rlim_t sizeLimit; // 0: none
        Status expected;
    } cases[] = {
        {10000, 0, 0, Status::Cancelled},     {10000, 2, 0, Status::Cancelled},
        {10000, 3, 0, Status::Cancelled},     {50, -1, rlim_t(old.size()) + 100, Status::Failed},
        {50000, -1, 1500000, Status::Failed},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.rows << " rows, stop at " << c.stopAt);
        put(old);
        const ReportGrid grid = numberedGrid(c.rows, 40);
        RecordingProgress progress;
        progress.stopAt = c.stopAt;
        bool notWritable = true;
        WriteOutcome outcome;
        {
            std::optional<testing_support::FileSizeLimit> full;
            if (c.sizeLimit)
                full.emplace(c.sizeLimit);
            outcome = Write_File(path(), grid, {}, progress, &notWritable);
        }
        EXPECT_EQ(outcome.status, c.expected);
        EXPECT_FALSE(notWritable);
        if (c.expected == Status::Failed) {
            EXPECT_TRUE(outcome.description.startsWith(QStringLiteral("Cannot write data.CSV: ")))
                << outcome.description.toStdString();
        }
        EXPECT_EQ(onDisk(), old);
        EXPECT_EQ(entries(), QStringList{QStringLiteral("data.CSV")});
    }
}
