#include "core/run/write/DataFileWriter.h"
#include "core/text/FileSizeLimit.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <utility>
#include <vector>

using namespace core;

namespace {

using Rows = std::vector<std::vector<std::string>>;

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
    EXPECT_EQ(outcome.status, WriteOutcome::Status::Written) << outcome.description.toStdString();
    return buffer.data();
}

// Takes `limit` bytes, then fails as a full disk does.
class FailingDevice : public QIODevice {
public:
    explicit FailingDevice(qint64 limit) : m_limit(limit) { open(QIODevice::WriteOnly); }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char*, qint64 size) override {
        if (m_taken + size > m_limit) {
            setErrorString(QStringLiteral("No space left on device"));
            return -1;
        }
        m_taken += size;
        return size;
    }

private:
    qint64 m_limit;
    qint64 m_taken = 0;
};

// Records every step; answers false from step number stopAt (0-based) on.
class RecordingProgress : public RunProgress {
public:
    explicit RecordingProgress(int stopAt = -1) : m_stopAt(stopAt) {}
    bool step(const QString& phase, qint64 done, qint64 total) override {
        m_phases.append(phase);
        m_steps.emplace_back(done, total);
        return m_stopAt < 0 || static_cast<int>(m_steps.size()) <= m_stopAt;
    }
    QStringList m_phases;
    std::vector<std::pair<qint64, qint64>> m_steps;

private:
    int m_stopAt;
};

class DataFile : public ::testing::Test {
protected:
    QString path() const { return m_dir.filePath(QStringLiteral("data.CSV")); }
    void put(const QByteArray& bytes) const {
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }
    QByteArray onDisk() const {
        QFile file(path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
    }
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
        {{{"\"\""}}, "\"\"\"\"\"\"\r\n"},
        {{{"a,b"}}, "\"a,b\"\r\n"},
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

    EXPECT_EQ(written(gridOfRows({{"Acme"}}), {true, {QStringLiteral("Firm")}, {}, false}), "\"Firm\"\r\n\"Acme\"\r\n");
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
        {times(5000, e), times(4999, e)},
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

TEST(DataFileWriter, WritesRowsInGridOrder) {
    ReportGrid grid = gridOfRows({{"a"}, {"b"}, {"c"}});
    ASSERT_TRUE(grid.reorder({2, 0, 1}));
    EXPECT_EQ(written(grid), "\"c\"\r\n\"a\"\r\n\"b\"\r\n");
}

TEST(DataFileWriter, ReportsProgressAsItWrites) {
    constexpr qint64 rows = 10000;
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    RecordingProgress progress;
    ASSERT_EQ(writeDataLines(buffer, numberedGrid(rows), {}, progress).status, WriteOutcome::Status::Written);
    ASSERT_GT(progress.m_steps.size(), 2u);
    EXPECT_EQ(progress.m_steps.front(), std::make_pair(qint64{0}, rows));
    EXPECT_EQ(progress.m_steps.back(), std::make_pair(rows, rows));
    EXPECT_TRUE(std::is_sorted(progress.m_steps.begin(), progress.m_steps.end()));
    EXPECT_EQ(progress.m_phases.removeDuplicates(), progress.m_steps.size() - 1);
    EXPECT_EQ(progress.m_phases, QStringList{QStringLiteral("Writing")});
}

TEST(DataFileWriter, AFailingDeviceFailsTheWrite) {
    const ReportGrid grid = numberedGrid(50000, 40); // about 2.5 MB, more than one write
    for (const qint64 limit : {0, 7, 1 << 20, 2 << 20}) {
        FailingDevice device(limit);
        NoProgress progress;
        const WriteOutcome outcome = writeDataLines(device, grid, {}, progress);
        EXPECT_EQ(outcome.status, WriteOutcome::Status::Failed) << limit;
        EXPECT_TRUE(outcome.description.contains(QStringLiteral("No space left on device")))
            << outcome.description.toStdString();
    }
}

TEST_F(DataFile, ReplacesThePreviousFileWhole) {
    put("old contents\r\n");
    bool notWritable = true;
    NoProgress progress;
    const WriteOutcome outcome =
        Write_File(path(), gridOfRows({{"a", "b"}}), {true, {QStringLiteral("A")}, {}, true}, progress, &notWritable);
    ASSERT_EQ(outcome.status, WriteOutcome::Status::Written) << outcome.description.toStdString();
    EXPECT_FALSE(notWritable);
    EXPECT_EQ(onDisk(), "\"A\"\r\n\"a\"\r\n");
    EXPECT_EQ(entries(), QStringList{QStringLiteral("data.CSV")});
}

TEST_F(DataFile, ACancelledWriteLeavesThePreviousFile) {
    const ReportGrid grid = numberedGrid(10000);
    RecordingProgress counted;
    ASSERT_EQ(Write_File(path(), grid, {}, counted).status, WriteOutcome::Status::Written);
    const int steps = static_cast<int>(counted.m_steps.size());

    const QByteArray old = "old contents\r\n";
    for (const int stopAt : {0, steps / 2, steps - 1}) {
        put(old);
        RecordingProgress progress(stopAt);
        bool notWritable = true;
        EXPECT_EQ(Write_File(path(), grid, {}, progress, &notWritable).status, WriteOutcome::Status::Cancelled);
        EXPECT_FALSE(notWritable);
        EXPECT_EQ(onDisk(), old) << stopAt;
        EXPECT_EQ(entries(), QStringList{QStringLiteral("data.CSV")});
    }
}

TEST_F(DataFile, AFileThatCannotBeOpenedIsNotWritable) {
    ASSERT_TRUE(QDir().mkpath(path()));
    NoProgress progress;
    for (const QString& target : {path(), m_dir.filePath(QStringLiteral("missing/data.CSV"))}) {
        bool notWritable = false;
        const WriteOutcome outcome = Write_File(target, numberedGrid(3), {}, progress, &notWritable);
        EXPECT_EQ(outcome.status, WriteOutcome::Status::Failed);
        EXPECT_TRUE(notWritable);
        EXPECT_TRUE(outcome.description.startsWith(QStringLiteral("Cannot write data.CSV: ")))
            << outcome.description.toStdString();
    }
    EXPECT_TRUE(QFileInfo(path()).isDir());
}

TEST_F(DataFile, AFullDiskLeavesThePreviousFile) {
    const QByteArray old = "old contents\r\n";
    // A small file fails only when it is flushed, a large one while it is written.
    for (const int rows : {50, 5000}) {
        put(old);
        const ReportGrid grid = numberedGrid(rows);
        NoProgress progress;
        bool notWritable = true;
        WriteOutcome outcome;
        {
            const testing_support::FileSizeLimit full(old.size() + 100);
            outcome = Write_File(path(), grid, {}, progress, &notWritable);
        }
        EXPECT_EQ(outcome.status, WriteOutcome::Status::Failed) << rows;
        EXPECT_FALSE(notWritable);
        EXPECT_TRUE(outcome.description.startsWith(QStringLiteral("Cannot write data.CSV: ")))
            << outcome.description.toStdString();
        EXPECT_EQ(onDisk(), old) << rows;
        EXPECT_EQ(entries(), QStringList{QStringLiteral("data.CSV")});
    }
}

TEST(DataFileWriter, CheckDoublesQuotes) {
    const std::pair<std::string, std::string> cases[] = {
        {"", ""}, {"plain", "plain"}, {"\"", "\"\""}, {"a\"b\"\"c", "a\"\"b\"\"\"\"c"}, {"\r\n", "\r\n"}};
    for (const auto& [text, checked] : cases)
        EXPECT_EQ(Check(text), checked);
}
