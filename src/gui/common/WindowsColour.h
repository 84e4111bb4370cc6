#pragma once

#include <QColor>

namespace gui {

// Colours are kept as Windows writes them: red + 256 * green + 65536 * blue, not as QColor::rgb().
inline QColor fromWindowsColour(int value) {
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}
inline int toWindowsColour(const QColor& colour) {
    return colour.red() | (colour.green() << 8) | (colour.blue() << 16);
}

} // namespace gui
