// A report's template (.XLT): the whole package as it lies on disk.
#include "FuzzSupport.h"
#include "ReportSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::writeReport(fuzz::scratchFile(QStringLiteral("template.xlsx"), fuzz::input(data, size)));
    return 0;
}
