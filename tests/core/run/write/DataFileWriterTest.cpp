#include "core/run/write/DataFileWriter.h"
#include "support/RecordingProgress.h"
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
using namespace Qt::StringLiterals;

namespace {

using Rows = std::vector<std::vector<std::string>>;
using Status = WriteOutcome::Status;
using testing_support::ProgressStep;
using testing_support::RecordingProgress;

ReportGrid gridOfRows(const Rows& rows) {
    ReportGrid grid;
    grid.reset(rows.empty() ? 0 : static_cast<int>(rows.front().size()));
    for (const auto& row : rows)
        for (const std::string& cell : row)
            grid.appendCell(cell);
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

class DataFile : public ::testing::Test {
protected:
    QString path() const { return m_dir.filePath(u"data.CSV"_s); }
    void put(const QByteArray& bytes) const { ASSERT_TRUE(testing_support::writeBytes(path(), bytes)); }
    QByteArray onDisk() const { return testing_support::readBytes(path()); }
    QStringList entries() const { return QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot); }

    QTemporaryDir m_dir;
};

} // namespace

TEST(DataFileWriter, QuotesEveryCellJoinsLineBreaksAndFollowsTheLayout) {
    const Rows firms = {{"Acme", "Paris", "2025"}, {"Bolt", "Oslo", "2024"}};
    const QStringList labels = {u"Company"_s, u"City"_s, u"Edit date"_s};
    const QByteArray allColumns = "\"Acme\",\"Paris\",\"2025\"\r\n\"Bolt\",\"Oslo\",\"2024\"\r\n";
    const QByteArray twoColumns = "\"Acme\",\"Paris\"\r\n\"Bolt\",\"Oslo\"\r\n";
    const struct {
        Rows rows;
        DataFileLayout layout;
        QByteArray expected;
    } cases[] = {
        {{{"say \"hi\""}}, {}, "\"say \"\"hi\"\"\"\r\n"},
        {{{"one\r\ntwo"}}, {}, "\"one two\"\r\n"},
        {{{"a\r\n\r\nb"}}, {}, "\"a  b\"\r\n"},
        {{{"one\ntwo", "one\rtwo"}}, {}, "\"one\ntwo\",\"one\rtwo\"\r\n"}, // a lone LF or CR stays
        {{{"\r\r\n\n"}}, {}, "\"\r \n\"\r\n"},
        {{{"a\r", "\nb"}}, {}, "\"a\r\",\"\nb\"\r\n"}, // a pair split by a cell boundary is no pair
        {{{"a", "", "Zo\xC3\xAB"}}, {}, "\"a\",\"\",\"Zo\xC3\xAB\"\r\n"},
        {{{"x"}, {"y"}}, {}, "\"x\"\r\n\"y\"\r\n"},
        {{}, {}, ""},
        {firms, {false, {u"Firm"_s}, labels, false}, allColumns}, // Excel: no header, every column
        {firms, {true, {u"Firm"_s, u"Town"_s}, labels, true}, "\"Firm\",\"Town\"\r\n" + twoColumns},
        {firms, {true, {u"Firm"_s}, labels, false}, "\"Firm\",\"City\",\"Edit date\"\r\n" + allColumns},
        {firms, {true, {u"A"_s, u"B"_s, u"C"_s, u"D"_s}, labels, true}, "\"A\",\"B\"\r\n" + twoColumns},
        {firms, {true, {u"Say \"x\""_s, QString()}, labels, true}, "\"Say \"\"x\"\"\",\"City\"\r\n" + twoColumns},
        {firms, {true, {}, {}, true}, "\"\",\"\"\r\n" + twoColumns},
    };
    for (const auto& c : cases)
        EXPECT_EQ(written(gridOfRows(c.rows), c.layout), c.expected) << c.expected.constData();
}

TEST(DataFileWriter, CutsLongCellsAtWholeCharacters) {
    const QByteArray a4998(4998, 'a'), e = "\xC3\xA9", euro = "\xE2\x82\xAC", smile = "\xF0\x9F\x98\x80";
    const struct {
        QByteArray cell;
        QByteArray kept;
    } cases[] = {
        {a4998 + "aa", a4998 + "a"},
        {a4998 + "a", a4998 + "a"},
        {e.repeated(4999), e.repeated(4999)}, // more bytes than 4,999, but no more characters
        {a4998 + euro + smile + "b", a4998 + euro},
        {a4998 + smile + smile, a4998 + smile},
        {a4998 + "\r\n", a4998 + "\r"}, // cut first, so the CR is alone
        {QByteArray(6000, '"'), QByteArray(9998, '"')},
    };
    for (const auto& c : cases)
        EXPECT_EQ(written(gridOfRows({{c.cell.toStdString(), "next"}})), "\"" + c.kept + "\",\"next\"\r\n")
            << c.cell.size() << " bytes";
}

TEST_F(DataFile, ReplacesThePreviousFileReportingProgressOrSaysItIsNotWritable) {
    put("old contents\r\n");
    RecordingProgress counted;
    bool notWritable = true;
    const WriteOutcome outcome =
        Write_File(path(), gridOfRows(Rows(10000, {"a", "b"})), {true, {u"A"_s}, {}, true}, counted, &notWritable);
    ASSERT_EQ(std::pair(outcome.status, notWritable), std::pair(Status::Written, false))
        << outcome.description.toStdString();
    EXPECT_EQ(onDisk(), "\"A\"\r\n" + QByteArray("\"a\"\r\n").repeated(10000));
    EXPECT_EQ(entries(), QStringList{u"data.CSV"_s});
    EXPECT_EQ(counted.steps, (std::vector<ProgressStep>{{u"Writing"_s, 0, 10000},
                                                        {u"Writing"_s, 4096, 10000},
                                                        {u"Writing"_s, 8192, 10000},
                                                        {u"Writing"_s, 10000, 10000}}));

    // A folder in the file's place, or no folder for it.
    ASSERT_TRUE(QFile::remove(path()) && QDir().mkpath(path()));
    for (const QString& target : {path(), m_dir.filePath(u"missing/data.CSV"_s)}) {
        notWritable = false;
        const WriteOutcome failed = Write_File(target, gridOfRows({{"a"}}), {}, counted, &notWritable);
        EXPECT_EQ(std::tuple(failed.status, notWritable, failed.description.startsWith(u"Cannot write data.CSV: "_s)),
                  std::tuple(Status::Failed, true, true))
            << failed.description.toStdString();
    }
    EXPECT_TRUE(QFileInfo(path()).isDir());
}

TEST_F(DataFile, ACancelledWriteOrAFullDiskLeavesThePreviousFile) {
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
        RecordingProgress progress;
        // Cancelled from step number stopAt (0-based) on.
        progress.answer = [&](qint64) { return c.stopAt < 0 || std::ssize(progress.steps) <= c.stopAt; };
        bool notWritable = true;
        std::optional<testing_support::FileSizeLimit> full;
        if (c.sizeLimit)
            full.emplace(c.sizeLimit);
        const WriteOutcome outcome =
            Write_File(path(), gridOfRows(Rows(c.rows, {"row", std::string(40, 'p')})), {}, progress, &notWritable);
        full.reset();
        EXPECT_EQ(std::pair(outcome.status, notWritable), std::pair(c.expected, false));
        EXPECT_EQ(outcome.description.startsWith(u"Cannot write data.CSV: "_s), c.expected == Status::Failed)
            << outcome.description.toStdString();
        EXPECT_EQ(onDisk(), old);
        EXPECT_EQ(entries(), QStringList{u"data.CSV"_s});
    }
}
