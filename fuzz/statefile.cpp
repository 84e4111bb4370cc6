// The stand-in's state file, read by every program that talks to it; what it reads it writes back the same.
#include "FuzzSupport.h"

#include "standin/StateFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const standin::StateFile file(fuzz::scratchFile(QStringLiteral("state.ini"), fuzz::input(data, size)));
    const auto before = file.read();
    if (!before || !file.update([](standin::StateData&) {}))
        return 0;
    const auto after = file.read();
    fuzz::require(after && after.value().sections() == before.value().sections(),
                  "the state reads back as it was written");
    return 0;
}
