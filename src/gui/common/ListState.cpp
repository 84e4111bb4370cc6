#include "ListState.h"

namespace gui {

namespace {

struct ListState {
    QList<int> selection;
    bool deselecting = false;
    QString exclusion;
};

ListState& state() {
    static ListState instance;
    return instance;
}

} // namespace

const QList<int>& selectedItems() {
    return state().selection;
}

void setSelectedItems(QList<int> indices) {
    state().selection = std::move(indices);
}

bool isDeselecting() {
    return state().deselecting;
}

void setDeselecting(bool deselecting) {
    state().deselecting = deselecting;
}

const QString& exclusionText() {
    return state().exclusion;
}

void setExclusionText(const QString& text) {
    state().exclusion = text;
}

} // namespace gui
