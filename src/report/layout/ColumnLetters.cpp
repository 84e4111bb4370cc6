#include "ColumnLetters.h"

#include <algorithm>

namespace report {

std::string columnLetters(int column) {
    std::string letters;
    while (column > 0) {
        --column;
        letters += static_cast<char>('A' + column % 26);
        column /= 26;
    }
    std::reverse(letters.begin(), letters.end());
    return letters;
}

} // namespace report
