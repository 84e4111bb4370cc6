#pragma once

#include "SortValue.h"

#include "core/locale/RegionalReader.h"

#include <QCollator>
#include <QLocale>
#include <QStringView>

namespace core {

// A sort level's comparison of two cell texts, as the grid's sort orders them: text by the locale's collation
// ignoring case, dates and numbers by their sort values, an unreadable cell counting as zero.
class CellComparison {
public:
    CellComparison(SortKind kind, const QLocale& locale = QLocale::system());

    // Negative when a comes first in ascending order, 0 when the two are equal, positive otherwise.
    int compare(QStringView a, QStringView b) const;

private:
    SortKind m_kind;
    QCollator m_collator;
    RegionalReader m_reader;
};

} // namespace core
