#include "ColourBox.h"

#include "PlatformService.h"
#include "WindowsColour.h"

#include <QPalette>

namespace gui {

ColourBox::ColourBox(QWidget* parent) : QFrame(parent) {
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);
    setMinimumSize(48, 22);
    setColour(0);
}

void ColourBox::setColour(int windowsColour) {
    m_colour = windowsColour;
    QPalette filled = palette();
    filled.setColor(QPalette::Window, fromWindowsColour(windowsColour));
    setPalette(filled);
    Q_EMIT colourChanged();
}

void ColourBox::chooseColour() {
    if (const std::optional<QColor> chosen =
            PlatformService::instance().chooseColour(window(), fromWindowsColour(m_colour)))
        setColour(toWindowsColour(*chosen));
}

void ColourBox::mouseDoubleClickEvent(QMouseEvent*) {
    chooseColour();
}

} // namespace gui
