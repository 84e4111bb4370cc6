#include "CaptionColumn.h"

#include <algorithm>

namespace report {

int captionColumn(int wanted, const std::vector<bool>& calculated) {
    const int columns = static_cast<int>(calculated.size());
    if (columns == 0)
        return -1;
    const int start = std::clamp(wanted, 1, columns) - 1;
    for (int column = start; column < columns; ++column) {
        if (!calculated[column])
            return column;
    }
    for (int column = start - 1; column >= 0; --column) {
        if (!calculated[column])
            return column;
    }
    return -1;
}

} // namespace report
