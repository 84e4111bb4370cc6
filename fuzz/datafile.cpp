// The data file a run leaves for the report builder: a file read to its end reads the same in the next pass.
#include "FuzzSupport.h"

#include "report/DataFileReader.h"

#include <QCryptographicHash>

namespace {

// The pass's rows as a digest, and why it stopped.
QPair<QByteArray, QString> pass(report::DataFileReader& reader) {
    QCryptographicHash rows(QCryptographicHash::Sha1);
    std::vector<std::string> cells;
    while (reader.next(cells)) {
        for (const std::string& cell : cells)
            rows.addData(QByteArrayView(cell.data(), static_cast<qsizetype>(cell.size() + 1)));
        rows.addData("\n");
    }
    return {rows.result(), reader.problem()};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    report::DataFileReader reader(fuzz::scratchFile(QStringLiteral("data.CSV"), fuzz::input(data, size)));
    if (!reader.open())
        return 0;
    const auto first = pass(reader);
    if (!first.second.isEmpty())
        return 0;
    fuzz::require(reader.rewind() && pass(reader) == first, "every pass reads the same rows");
    return 0;
}
