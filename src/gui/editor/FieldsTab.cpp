#include "FieldsTab.h"

#include "EditorControls.h"

#include "gui/common/ListHelpers.h"
#include "gui/common/ListState.h"

#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace gui {

namespace {

enum Button { IncludeAll = 0, RemoveSelected = 1, IncludeSelected = 2, RemoveAll = 3 };
enum Move { Down = 0, Up = 1 };

bool before(const QString& a, const QString& b) {
    return QString::compare(a, b, Qt::CaseInsensitive) < 0;
}

// Qt sorts items by case-sensitive text; this list keeps its own order, after any entry of an equal label.
void insertAlphabetically(QListWidget* list, QListWidgetItem* item) {
    int row = 0;
    while (row < list->count() && !before(item->text(), list->item(row)->text()))
        ++row;
    list->insertItem(row, item);
}

QList<int> selectedRows(const QListWidget* list) {
    QList<int> rows;
    for (int row = 0; row < list->count(); ++row)
        if (list->item(row)->isSelected())
            rows.append(row);
    return rows;
}

QListWidget* listOfFields(const char* name) {
    auto* list = named(new QListWidget, QString::fromLatin1(name));
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    return list;
}

} // namespace

FieldsTab::FieldsTab(QWidget* parent)
    : QWidget(parent),
      lblExclude(named(new QLabel(QStringLiteral("Fields not included :")), QStringLiteral("lblExclude"))),
      lstLeft(listOfFields("lstLeft")),
      lblInclude(named(new QLabel(QStringLiteral("Fields included in the report :")), QStringLiteral("lblInclude"))),
      lstRight(listOfFields("lstRight")) {
    const QString pictures[] = {QStringLiteral(">>"), QStringLiteral("<"), QStringLiteral(">"), QStringLiteral("<<")};
    const QString tips[] = {QStringLiteral("Include all"), QStringLiteral("Remove the selected fields"),
                            QStringLiteral("Include the selected fields"), QStringLiteral("Remove all")};
    for (int i = 0; i < 4; ++i) {
        cmdButton[i] = named(new QToolButton, "cmdButton", i);
        cmdButton[i]->setText(pictures[i]);
        cmdButton[i]->setToolTip(tips[i]);
        cmdButton[i]->setMinimumWidth(36);
        connect(cmdButton[i], &QToolButton::clicked, this, [this, i] { cmdButton_Click(i); });
    }
    for (int i = 0; i < 2; ++i) {
        cmdMove[i] = named(new QToolButton, "cmdMove", i);
        cmdMove[i]->setArrowType(i == Up ? Qt::UpArrow : Qt::DownArrow);
        cmdMove[i]->setToolTip(i == Up ? QStringLiteral("Move up") : QStringLiteral("Move down"));
        connect(cmdMove[i], &QToolButton::clicked, this, [this, i] { cmdMove_Click(i); });
    }
    connect(lstLeft, &QListWidget::itemSelectionChanged, this, [this] { lst_Click(lstLeft, lstRight); });
    connect(lstRight, &QListWidget::itemSelectionChanged, this, [this] { lst_Click(lstRight, lstLeft); });

    auto* transfer = new QVBoxLayout;
    transfer->addStretch();
    for (const int i : {IncludeAll, IncludeSelected, RemoveSelected, RemoveAll})
        transfer->addWidget(cmdButton[i]);
    transfer->addStretch();
    auto* order = new QVBoxLayout;
    order->addStretch();
    order->addWidget(cmdMove[Up]);
    order->addWidget(cmdMove[Down]);
    order->addStretch();
    auto* layout = new QGridLayout(this);
    layout->addWidget(lblExclude, 0, 0);
    layout->addWidget(lblInclude, 0, 2);
    layout->addWidget(lstLeft, 1, 0);
    layout->addLayout(transfer, 1, 1);
    layout->addWidget(lstRight, 1, 2);
    layout->addLayout(order, 1, 3);
    updateButtons();
}

void FieldsTab::Populate_lstRight(const QList<core::editor::IncludedField>& fields) {
    Empty_List(lstRight);
    for (const core::editor::IncludedField& field : fields)
        (new QListWidgetItem(field.label, lstRight))->setData(Qt::UserRole, field.id);
}

void FieldsTab::sortNotIncluded() {
    QList<QListWidgetItem*> items;
    while (lstLeft->count() > 0)
        items.append(lstLeft->takeItem(0));
    std::stable_sort(items.begin(), items.end(),
                     [](const QListWidgetItem* a, const QListWidgetItem* b) { return before(a->text(), b->text()); });
    for (QListWidgetItem* item : items)
        lstLeft->addItem(item);
}

QList<core::editor::IncludedField> FieldsTab::included() const {
    QList<core::editor::IncludedField> fields;
    for (int row = 0; row < lstRight->count(); ++row)
        fields.append({lstRight->item(row)->data(Qt::UserRole).toInt(), lstRight->item(row)->text()});
    return fields;
}

void FieldsTab::cmdButton_Click(int index) {
    m_removal.clear();
    const bool include = index == IncludeAll || index == IncludeSelected;
    QListWidget* from = include ? lstLeft : lstRight;
    QListWidget* to = include ? lstRight : lstLeft;
    QList<int> rows = selectedRows(from);
    if (index == IncludeAll || index == RemoveAll) {
        rows.clear();
        for (int row = 0; row < from->count(); ++row)
            rows.append(row);
    }
    for (const int row : rows)
        Switch_Item(row, from, to);
    Purge(from);
    if (include && lstRight->count() > 0)
        lstRight->setCurrentRow(lstRight->count() - 1, QItemSelectionModel::ClearAndSelect);
    updateButtons();
}

void FieldsTab::Switch_Item(int position, QListWidget* from, QListWidget* to) {
    const QListWidgetItem* source = from->item(position);
    auto* item = new QListWidgetItem(source->text());
    item->setData(Qt::UserRole, source->data(Qt::UserRole));
    if (to == lstLeft)
        insertAlphabetically(lstLeft, item);
    else
        to->addItem(item);
    m_removal.append(position);
}

void FieldsTab::Purge(QListWidget* list) {
    for (auto position = m_removal.crbegin(); position != m_removal.crend(); ++position)
        delete list->takeItem(*position);
}

void FieldsTab::MoveListboxItem(QListWidget* list, int fromIndex, int toIndex) {
    if (toIndex < 0 || toIndex >= list->count())
        return;
    list->insertItem(toIndex, list->takeItem(fromIndex));
    list->setCurrentRow(toIndex, QItemSelectionModel::ClearAndSelect);
}

void FieldsTab::cmdMove_Click(int index) {
    const QList<int> rows = selectedRows(lstRight);
    if (rows.isEmpty())
        return;
    const int position = rows.constFirst();
    MoveListboxItem(lstRight, position, index == Up ? position - 1 : position + 1);
}

void FieldsTab::lst_Click(QListWidget* clicked, QListWidget* other) {
    if (isDeselecting())
        return;
    if (!clicked->selectedItems().isEmpty())
        Deselect(other);
    updateButtons();
}

void FieldsTab::updateButtons() {
    cmdButton[IncludeSelected]->setEnabled(!lstLeft->selectedItems().isEmpty());
    const qsizetype selected = lstRight->selectedItems().size();
    cmdButton[RemoveSelected]->setEnabled(selected > 0);
    for (QToolButton* move : cmdMove)
        move->setEnabled(selected == 1);
}

} // namespace gui
