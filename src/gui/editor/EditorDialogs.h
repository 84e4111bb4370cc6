#pragma once

#include "core/definition/ReportDefinition.h"

class QString;
class QWidget;

namespace core::editor {
class ValueReader;
}

namespace gui {

// Names once, if there are any, the stored values a reader could not read and replaced by their defaults.
void reportUnread(const core::editor::ValueReader& reader, QWidget* owner);
// Opens the font dialog on the font kept under these keys and writes its answer, or the preset when it is cancelled,
// so that the keys are there either way.
void editFont(core::ReportDefinition& definition, const core::FontKeys& keys, QWidget* owner);

} // namespace gui
