#pragma once

#include <QString>

class QListWidget;

namespace act {
class FieldList;
}

namespace gui {

// The selection text of Populate_lstFields that selects the first listed field.
inline const QString TopItem = QStringLiteral("vbTopItem");

// Empties the list and fills it with the labels of the contact fields that Include_Field admits, in field list
// order, with item data (Qt::UserRole) = the field id. Then selects: nothing for "", the first item for TopItem
// (the error box when the list is empty), else the first item whose id equals the selection read as a number.
// An ACT! error is reported in the error box and ends the walk: false then.
bool Populate_lstFields(QListWidget* list, act::FieldList& fields, const QString& typeList, const QString& selection);

// Whether a field may be listed: its id is not in exclusionText() and "|" + its type + "|" occurs in the type list
// ("|1|2|3|"). False, after the error box, for an id that no field has.
bool Include_Field(act::FieldList& fields, const QString& idText, const QString& typeList);

} // namespace gui
