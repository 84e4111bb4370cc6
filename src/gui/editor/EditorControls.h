#pragma once

#include "gui/common/ControlNames.h"

class QRadioButton;

namespace gui {

// Selects one of two exclusive options.
void choose(QRadioButton* on, QRadioButton* off, bool first);

} // namespace gui
