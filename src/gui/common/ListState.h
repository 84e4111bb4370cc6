#pragma once

#include <QList>
#include <QString>

namespace gui {

// The program-wide values of the list helpers, read by the windows that use them.

// The list indices found by the last GetSelectedItems, in ascending order.
const QList<int>& selectedItems();
void setSelectedItems(QList<int> indices);

// True only while Deselect is clearing a list: list handlers ignore the selection changes it causes.
bool isDeselecting();
void setDeselecting(bool deselecting);

// The field ids that Include_Field refuses, each between two characters of code 12 ("\f25\f30\f").
const QString& exclusionText();
void setExclusionText(const QString& text);

} // namespace gui
