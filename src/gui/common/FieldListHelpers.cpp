#include "FieldListHelpers.h"

#include "ErrorBox.h"
#include "ListHelpers.h"
#include "ListState.h"

#include "act/FieldList.h"
#include "core/text/FormFeedList.h"

#include <QListWidget>

namespace gui {

namespace {

constexpr core::Procedure PopulateFields{"modPopulateACTLists", "Sub", "Populate_lstFields"};
constexpr core::Procedure IncludeField{"modPopulateACTLists", "Function", "Include_Field"};

constexpr int NoField = -1; // the id at a position that holds no field
const QChar TypeSeparator(u'|');

// Adds the admitted fields, walking by position until Count valid positions are seen. False after an ACT! error.
bool addFields(QListWidget* list, act::FieldList& fields, const QString& typeList) {
    const act::Result<int> count = fields.Count();
    if (!count) {
        showErrorBox(PopulateFields, __LINE__, count.error(), list);
        return false;
    }
    // Positions past the last field are never asked: a field list answers them with an error.
    for (int position = 0, valid = 0; valid < count.value(); ++position) {
        const act::Result<int> id = fields.IdAt(position);
        if (!id) {
            showErrorBox(PopulateFields, __LINE__, id.error(), list);
            return false;
        }
        if (id.value() == NoField)
            continue;
        ++valid;
        if (!Include_Field(fields, QString::number(id.value()), typeList))
            continue;
        const act::Result<std::string> label = fields.LabelAt(position);
        if (!label) {
            showErrorBox(PopulateFields, __LINE__, label.error(), list);
            return false;
        }
        auto* item = new QListWidgetItem(QString::fromStdString(label.value()), list);
        item->setData(Qt::UserRole, id.value());
    }
    return true;
}

void select(QListWidget* list, int row) {
    list->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
}

} // namespace

bool Populate_lstFields(QListWidget* list, act::FieldList& fields, const QString& typeList, const QString& selection) {
    Empty_List(list);
    if (!addFields(list, fields, typeList))
        return false;
    if (selection.isEmpty())
        return true;
    if (selection == TopItem) {
        if (list->count() == 0) {
            showErrorBox(PopulateFields, __LINE__, core::errors::InvalidPropertyValue, list);
            return true;
        }
        select(list, 0);
        return true;
    }
    bool number = false;
    const int id = selection.toInt(&number);
    if (!number) {
        showErrorBox(PopulateFields, __LINE__, core::errors::TypeMismatch, list);
        return true;
    }
    for (int row = 0; row < list->count(); ++row) {
        if (list->item(row)->data(Qt::UserRole).toInt() == id) {
            select(list, row);
            return true;
        }
    }
    return true;
}

bool Include_Field(act::FieldList& fields, const QString& idText, const QString& typeList) {
    bool number = false;
    const int id = idText.toInt(&number);
    if (!number) {
        showErrorBox(IncludeField, __LINE__, core::errors::TypeMismatch);
        return false;
    }
    const act::Result<bool> exists = fields.Exists(id);
    if (!exists) {
        showErrorBox(IncludeField, __LINE__, exists.error());
        return false;
    }
    // An id that no field has skips the exclusion test: Type answers it with ACT!'s own error.
    const QString enclosedId = core::FormFeed + QString::number(id) + core::FormFeed;
    if (exists.value() && exclusionText().contains(enclosedId))
        return false;
    const act::Result<int> type = fields.Type(id);
    if (!type) {
        showErrorBox(IncludeField, __LINE__, type.error());
        return false;
    }
    return typeList.contains(TypeSeparator + QString::number(type.value()) + TypeSeparator);
}

} // namespace gui
