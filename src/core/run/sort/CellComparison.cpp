#include "CellComparison.h"

namespace core {

CellComparison::CellComparison(SortKind kind, const QLocale& locale)
    : m_kind(kind), m_collator(locale), m_reader(locale) {
    m_collator.setCaseSensitivity(Qt::CaseInsensitive);
}

int CellComparison::compare(QStringView a, QStringView b) const {
    if (m_kind == SortKind::Text)
        return m_collator.compare(a, b);
    const double x = sortValue(m_kind, a, m_reader).value_or(emptyValue(m_kind));
    const double y = sortValue(m_kind, b, m_reader).value_or(emptyValue(m_kind));
    return x < y ? -1 : (y < x ? 1 : 0);
}

} // namespace core
