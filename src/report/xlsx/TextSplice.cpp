#include "TextSplice.h"

#include <algorithm>

namespace report::xlsx {

void TextSplice::replace(qsizetype from, qsizetype to, const QString& with) {
    const Edit edit{from, to, with};
    // Kept sorted by offset, stable for insertions at one place.
    const auto at = std::upper_bound(m_edits.begin(), m_edits.end(), edit,
                                     [](const Edit& a, const Edit& b) { return a.from < b.from; });
    m_edits.insert(at, edit);
}

QString TextSplice::text(qsizetype from, qsizetype to) const {
    QString result;
    qsizetype done = from;
    for (const Edit& edit : m_edits) {
        // Outside the range, or overlapping an earlier edit, which a well-formed part never makes happen.
        if (edit.from < std::max(from, done) || edit.to > to)
            continue;
        result += QStringView(m_text).sliced(done, edit.from - done);
        result += edit.with;
        done = edit.to;
    }
    result += QStringView(m_text).sliced(done, to - done);
    return result;
}

} // namespace report::xlsx
