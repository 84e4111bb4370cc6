// A definition file as a run and the editor load it: decoded from 8-bit text, split into settings, read as the run's
// columns and as the editor's values, which an editor that changes nothing writes back so that they read the same.
#include "FuzzSupport.h"

#include "core/definition/DefinitionText.h"
#include "core/editor/EditorValues.h"
#include "core/run/grid/ColumnLayout.h"
#include "core/text/EightBitText.h"

namespace {

void requireEditorRoundTrip(core::ReportDefinition definition) {
    using namespace core::editor;
    const EditorReading shown = readEditorValues(definition, true);
    for (int section = 0; section < core::ReportDefinition::SectionCount; ++section)
        writeSection(definition, section, shown.values.sections[static_cast<std::size_t>(section)],
                     definition.sortLevel(section).type);
    writeDataAndSummary(definition, shown.values, true);
    const EditorReading again = readEditorValues(definition, true);
    fuzz::require(again.values == shown.values && again.unread.isEmpty(),
                  "what the editor shows it writes so that it shows the same");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace core;
    const definition::ParsedLines parsed = definition::parse(eightbit::decode(fuzz::input(data, size)));
    if (parsed.badLine > 0)
        return 0;
    const definition::FormattedLines saved = definition::format(parsed.pairs);
    if (saved.problem.isEmpty())
        fuzz::require(definition::parse(eightbit::decode(saved.bytes)).pairs == parsed.pairs,
                      "a definition that saves loads back the same");
    const ReportDefinition definition(parsed.pairs);
    readColumnLayout(definition);
    requireEditorRoundTrip(definition);
    return 0;
}
