#include "core/run/write/DataFileWriter.h"

#include "core/text/EightBitText.h"
#include "core/text/SaveFile.h"

#include <QFileDevice>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <vector>

namespace core {

namespace {

constexpr std::size_t MaxCellCharacters = 4999;
// Large writes: a million rows take a few hundred system calls, not a million.
constexpr std::size_t ChunkBytes = std::size_t{1} << 20;
constexpr std::size_t RowsPerStep = 4096;
// Rows fetched from memory together: a few hundred hide the wait for scattered rows and stay in the cache.
constexpr std::size_t RowsPerFetch = 256;

bool isContinuationByte(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

// The first count characters (code points) of UTF-8 text, never splitting one.
std::string_view firstCharacters(std::string_view text, std::size_t count) {
    if (text.size() <= count) // no more bytes than characters allowed
        return text;
    std::size_t characters = 0;
    for (std::size_t index = 0; index < text.size(); ++index)
        if (!isContinuationByte(text[index]) && characters++ == count)
            return text.substr(0, index);
    return text;
}

void appendChecked(std::string& out, std::string_view text) {
    for (std::size_t quote = text.find('"'); quote != std::string_view::npos; quote = text.find('"')) {
        out.append(text.substr(0, quote + 1));
        out += '"';
        text.remove_prefix(quote + 1);
    }
    out.append(text);
}

// Every CR LF pair in out from `from` on becomes one space.
void joinLineBreaks(std::string& out, std::size_t from) {
    std::size_t kept = out.find("\r\n", from);
    if (kept == std::string::npos)
        return;
    for (std::size_t read = kept; read < out.size();) {
        const bool pair = out[read] == '\r' && read + 1 < out.size() && out[read + 1] == '\n';
        out[kept++] = pair ? ' ' : out[read];
        read += pair ? 2 : 1;
    }
    out.resize(kept);
}

// One line: every cell quoted with its quotes doubled and cut to its first characters, cells joined by commas, CR LF
// pairs joined, CR LF at the end.
template <class CellAt> void appendLine(std::string& out, int columns, CellAt cellAt) {
    const std::size_t start = out.size();
    for (int column = 0; column < columns; ++column) {
        if (column > 0)
            out += ',';
        out += '"';
        appendChecked(out, firstCharacters(cellAt(column), MaxCellCharacters));
        out += '"';
    }
    joinLineBreaks(out, start);
    out += "\r\n";
}

bool writeOut(QIODevice& device, std::string& buffer) {
    const bool written = writeAll(device, QByteArrayView(buffer.data(), static_cast<qsizetype>(buffer.size())));
    buffer.clear();
    return written;
}

WriteOutcome failed(const QIODevice& device, const QString& why) {
    const auto* file = qobject_cast<const QFileDevice*>(&device);
    const QString name = file ? QFileInfo(file->fileName()).fileName() : QStringLiteral("the data file");
    return {WriteOutcome::Status::Failed, QStringLiteral("Cannot write %1: %2").arg(name, why)};
}

// The header's captions in the system code page, one per written column: the definition's caption at that place,
// or the column's field label where there is none or it is empty.
bool headerCells(const DataFileLayout& layout, int columns, std::vector<std::string>& cells, QString* problem) {
    for (int column = 0; column < columns; ++column) {
        const QString caption = layout.captions.value(column);
        QByteArray encoded;
        char32_t bad = 0;
        if (!eightbit::encode(caption.isEmpty() ? layout.fieldLabels.value(column) : caption, encoded, &bad)) {
            *problem = QStringLiteral("the caption of column %1 holds %2, which the system code page cannot hold")
                           .arg(column + 1)
                           .arg(eightbit::describe(bad));
            return false;
        }
        cells.push_back(encoded.toStdString());
    }
    return true;
}

} // namespace

WriteOutcome writeDataLines(QIODevice& device, const ReportGrid& grid, const DataFileLayout& layout,
                            RunProgress& progress) {
    const QString phase = QStringLiteral("Writing");
    const int columns = std::max(0, grid.columnCount() - (layout.dropLastColumn ? 1 : 0));
    std::string buffer;
    buffer.reserve(2 * ChunkBytes);
    if (layout.header) {
        std::vector<std::string> captions;
        QString problem;
        if (!headerCells(layout, columns, captions, &problem))
            return failed(device, problem);
        appendLine(buffer, columns, [&captions](int column) { return std::string_view(captions[column]); });
    }
    const std::size_t rows = grid.rowCount();
    for (std::size_t row = 0; row < rows; ++row) {
        if (row % RowsPerStep == 0 && !progress.step(phase, static_cast<qint64>(row), static_cast<qint64>(rows)))
            return {WriteOutcome::Status::Cancelled, {}};
        if (row % RowsPerFetch == 0)
            grid.prefetchRows(row, RowsPerFetch);
        appendLine(buffer, columns, [&grid, row](int column) { return grid.cell(row, column); });
        if (buffer.size() >= ChunkBytes && !writeOut(device, buffer))
            return failed(device, device.errorString());
    }
    if (!writeOut(device, buffer))
        return failed(device, device.errorString());
    if (!progress.step(phase, static_cast<qint64>(rows), static_cast<qint64>(rows)))
        return {WriteOutcome::Status::Cancelled, {}};
    return {};
}

WriteOutcome Write_File(const QString& path, const ReportGrid& grid, const DataFileLayout& layout,
                        RunProgress& progress, bool* notWritable) {
    if (notWritable)
        *notWritable = false;
    const auto notAccessible = [notWritable](const QSaveFile& file) {
        if (notWritable)
            *notWritable = true;
        return failed(file, file.errorString());
    };
    QSaveFile file(path);
    // A target that is not a regular file is refused for what it is; one QSaveFile cannot open is not accessible.
    if (const QString why = openForSaving(file); !why.isEmpty())
        return file.error() == QFileDevice::NoError ? failed(file, why) : notAccessible(file);
    const WriteOutcome outcome = writeDataLines(file, grid, layout, progress);
    if (outcome.status != WriteOutcome::Status::Written) {
        file.cancelWriting();
        return outcome;
    }
    if (const QString why = readyToCommit(file); !why.isEmpty())
        return failed(file, why);
    // Replacing data.CSV is the step that fails while another program holds it open.
    if (!file.commit())
        return notAccessible(file);
    return outcome;
}

} // namespace core
