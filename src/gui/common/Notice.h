#pragma once

#include "gui/common/PlatformService.h"

namespace gui {

// A message the user acknowledges: OK only, titled with the program's name.
void showNotice(QWidget* owner, const QString& text, MessageIcon icon = MessageIcon::None);

} // namespace gui
