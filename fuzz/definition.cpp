// A definition file as a run loads it: decoded from 8-bit text, split into settings, read as the run's columns.
#include "FuzzSupport.h"

#include "core/definition/DefinitionText.h"
#include "core/run/grid/ColumnLayout.h"
#include "core/text/EightBitText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace core;
    const definition::ParsedLines parsed = definition::parse(eightbit::decode(fuzz::input(data, size)));
    if (parsed.badLine > 0)
        return 0;
    const definition::FormattedLines saved = definition::format(parsed.pairs);
    if (saved.problem.isEmpty())
        fuzz::require(definition::parse(eightbit::decode(saved.bytes)).pairs == parsed.pairs,
                      "a definition that saves loads back the same");
    readColumnLayout(ReportDefinition(parsed.pairs));
    return 0;
}
