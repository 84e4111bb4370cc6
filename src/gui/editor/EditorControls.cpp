#include "EditorControls.h"

#include <QRadioButton>

namespace gui {

void choose(QRadioButton* on, QRadioButton* off, bool first) {
    (first ? on : off)->setChecked(true);
}

} // namespace gui
