#include "platform/gui/ListRows.h"

#include "platform/RowOrder.h"
#include "platform/gui/Controls.h"

#include <QSignalBlocker>

QStringList ListTexts(const QListWidget* list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts.append(list->item(i)->text());
    return texts;
}

void SetRowText(ListBox* list, QStringList& texts, int row, const QString& text) {
    if (row < 0)
        return;
    list->item(row)->setText(text);
    texts[row] = text;
}

void AppendChosenRow(ListBox* list, const QString& text) {
    list->addItem(text);
    list->setListIndex(list->count() - 1);
}

void RemoveChosenRow(ListBox* list) {
    if (list->currentItem() && list->currentRow() >= 0) {
        delete list->takeItem(list->currentRow());
        if (list->count() > 0)
            list->setListIndex(list->count() - 1);
    } else if (list->count() >= 2) {
        list->setListIndex(list->count() - 1);
    }
}

void MoveChosenRows(ListBox* list, bool down) {
    QStringList rows = ListTexts(list);
    QList<bool> selected;
    for (int i = 0; i < list->count(); ++i)
        selected.append(list->item(i)->isSelected());
    const int current = MoveSelectedRows(rows, selected, down);
    if (current < 0)
        return;
    const QSignalBlocker quiet(list);
    list->setRows(rows);
    list->setCurrentRow(current, QItemSelectionModel::NoUpdate);
    for (int i = 0; i < rows.size(); ++i)
        list->item(i)->setSelected(selected[i]);
}

void ChooseRowQuietly(ListBox* list, int row) {
    if (row < 0)
        return;
    const QSignalBlocker quiet(list);
    list->setCurrentRow(row);
}

void SetRowsWithSeparators(ListBox* list, const QStringList& rows,
                           bool (*isSeparator)(const QString& row)) {
    list->setRows(rows);
    for (int r = 0; r < list->count(); ++r) {
        if (!isSeparator(rows[r]))
            continue;
        QListWidgetItem* row = list->item(r);
        row->setFlags(row->flags() & ~Qt::ItemIsSelectable);
    }
}
