#include "CellReference.h"

#include <algorithm>

namespace report::xlsx {

void appendColumnName(std::string& out, int column) {
    char letters[4];
    int count = 0;
    for (; column > 0 && count < 4; column = (column - 1) / 26)
        letters[count++] = static_cast<char>('A' + (column - 1) % 26);
    while (count > 0)
        out += letters[--count];
}

CellReference parseCellReference(QStringView reference) {
    CellReference parsed;
    qsizetype i = 0;
    if (i < reference.size() && reference[i] == u'$')
        ++i;
    for (; i < reference.size() && reference[i] >= u'A' && reference[i] <= u'Z'; ++i) {
        parsed.column = parsed.column * 26 + (reference[i].unicode() - u'A' + 1);
        if (parsed.column > MaxSheetColumns)
            return {};
    }
    if (i < reference.size() && reference[i] == u'$')
        ++i;
    bool ok = false;
    const int row = reference.sliced(i).toInt(&ok);
    parsed.row = ok && row > 0 ? row : 0;
    return parsed;
}

int lastRowOf(QStringView range) {
    const qsizetype colon = range.indexOf(u':');
    if (colon < 0)
        return parseCellReference(range).row;
    return std::max(parseCellReference(range.first(colon)).row, parseCellReference(range.sliced(colon + 1)).row);
}

} // namespace report::xlsx
