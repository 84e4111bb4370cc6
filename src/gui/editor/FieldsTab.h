#pragma once

#include "core/editor/EditorFields.h"

#include <QList>
#include <QWidget>

#include <array>

class QLabel;
class QListWidget;
class QToolButton;

namespace gui {

// The editor's "Fields" tab: the fields not included, in alphabetical order ignoring case, and the report's columns
// in their order, with buttons that move fields between the lists and move a column up or down.
class FieldsTab : public QWidget {
public:
    explicit FieldsTab(QWidget* parent = nullptr);

    void Populate_lstRight(const QList<core::editor::IncludedField>& fields);
    // Puts lstLeft, as Populate_lstFields filled it, in its order.
    void sortNotIncluded();
    // The columns, left to right.
    QList<core::editor::IncludedField> included() const;

    QLabel* lblExclude;
    QListWidget* lstLeft;
    QLabel* lblInclude;
    QListWidget* lstRight;
    // Include all, remove selected, include selected, remove all.
    std::array<QToolButton*, 4> cmdButton;
    // Down, up.
    std::array<QToolButton*, 2> cmdMove;

private:
    void cmdButton_Click(int index);
    // Appends the entry at a position of one list to the other and notes the position for Purge.
    void Switch_Item(int position, QListWidget* from, QListWidget* to);
    // Removes the noted positions, the last noted first.
    void Purge(QListWidget* list);
    void MoveListboxItem(QListWidget* list, int fromIndex, int toIndex);
    void cmdMove_Click(int index);
    // A selection in one list clears the other's, so that the buttons act on one list at a time.
    void lst_Click(QListWidget* clicked, QListWidget* other);
    void updateButtons();

    QList<int> m_removal;
};

} // namespace gui
