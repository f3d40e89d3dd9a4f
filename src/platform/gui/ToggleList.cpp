#include "platform/gui/ToggleList.h"

#include <algorithm>

ToggleList::ToggleList(QWidget* parent) : ListBox(parent) {
    setSelectionMode(QAbstractItemView::MultiSelection);
    connect(this, &ListBox::click, this, &ToggleList::userInput);
}

void ToggleList::setValues(const QList<bool>& on) {
    // One range per run of rows that are on: a show sets every list of a
    // record at once, and row by row would cost a selection change each.
    QItemSelection selection;
    const int n = std::min(count(), static_cast<int>(on.size()));
    for (int row = 0; row < n;) {
        if (!on[row]) {
            ++row;
            continue;
        }
        const int first = row;
        while (row < n && on[row])
            ++row;
        selection.select(model()->index(first, 0), model()->index(row - 1, 0));
    }
    selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    m_values = values();
}

QList<bool> ToggleList::values() const {
    QList<bool> on;
    on.reserve(count());
    for (int row = 0; row < count(); ++row)
        on.append(item(row)->isSelected());
    return on;
}

void ToggleList::userInput() {
    // A row the arrow keys move onto changes nothing; only a change of what is
    // on runs the rule, as a rule run on a mere move would undo the user's rows.
    const QList<bool> now = values();
    bool changed = false;
    for (qsizetype row = 0; row < now.size() && !changed; ++row)
        changed = now.at(row) != m_values.value(row);
    if (!changed)
        return;
    if (onUserToggle)
        onUserToggle(currentRow());
    m_values = values();
}
