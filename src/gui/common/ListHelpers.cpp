#include "ListHelpers.h"

#include "ErrorBox.h"
#include "ListState.h"

#include "act/UsersTable.h"
#include "core/library/ReportCatalogue.h"

#include <QComboBox>
#include <QListWidget>

#include <algorithm>

namespace gui {

namespace {

constexpr core::Procedure LoadUsers{"Library1", "Sub", "Load_Users"};

bool allowsMultipleSelection(const QListWidget* list) {
    const auto mode = list->selectionMode();
    return mode == QAbstractItemView::MultiSelection || mode == QAbstractItemView::ExtendedSelection ||
           mode == QAbstractItemView::ContiguousSelection;
}

QList<int> selectedRows(const QListWidget* list) {
    QList<int> rows;
    for (const QModelIndex& index : list->selectionModel()->selectedIndexes())
        rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

} // namespace

void Empty_List(QListWidget* list) {
    for (int n = list->count(); n > 0; --n)
        delete list->takeItem(0);
}

void Load_Reports(QListWidget* list, const QString& reportFolder, int outputType) {
    Empty_List(list);
    QStringList names = core::Load_Reports(reportFolder, outputType);
    core::sortReportNames(names);
    list->addItems(names);
}

void Empty_List(QComboBox* list) {
    for (int n = list->count(); n > 0; --n)
        list->removeItem(0);
}

bool Load_Users(QListWidget* list, act::UsersTable& users) {
    const act::Result<int> count = users.Count();
    if (!count) {
        showErrorBox(LoadUsers, __LINE__, count.error(), list);
        return false;
    }
    for (int number = 1; number <= count.value(); ++number) {
        const act::Result<std::string> name = users.Name(number);
        if (!name) {
            showErrorBox(LoadUsers, __LINE__, name.error(), list);
            return false;
        }
        auto* item = new QListWidgetItem(QString::fromStdString(name.value()), list);
        item->setData(Qt::UserRole, number);
    }
    return true;
}

const QList<int>& GetSelectedItems(const QListWidget* list) {
    const QList<int> rows = selectedRows(list);
    if (!allowsMultipleSelection(list))
        setSelectedItems({rows.isEmpty() ? -1 : rows.constFirst()});
    else if (!rows.isEmpty())
        setSelectedItems(rows);
    return selectedItems();
}

void Deselect(QListWidget* list) {
    if (list->selectionModel()->selectedIndexes().isEmpty())
        return;
    setDeselecting(true);
    if (allowsMultipleSelection(list)) {
        list->clearSelection();
    } else {
        for (int row = 0; row < list->count(); ++row)
            list->item(row)->setSelected(false);
    }
    setDeselecting(false);
}

} // namespace gui
