// Lookup files (.lku), which the stand-in reads when a program restricts the contacts to one.
#include "FuzzSupport.h"

#include "standin/LookupFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    (void)standin::lookupfile::read(
        fuzz::scratchFile(QStringLiteral("lookup.lku"), fuzz::input(data, size)).toStdString());
    return 0;
}
