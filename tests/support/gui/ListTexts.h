#pragma once

#include <QListWidget>
#include <QStringList>

namespace testing_support {

// The texts of a list's items, and of its selected items, in row order.
inline QStringList texts(const QListWidget* list, bool selectedOnly = false) {
    QStringList result;
    for (int row = 0; row < list->count(); ++row)
        if (!selectedOnly || list->item(row)->isSelected())
            result.append(list->item(row)->text());
    return result;
}

} // namespace testing_support
