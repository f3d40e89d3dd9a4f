#include "platform/gui/SharedRows.h"

#include "platform/gui/Controls.h"

#include <QSignalBlocker>

void ShareRows(const QList<ComboBox*>& combos, const QStringList& rows) {
    if (combos.isEmpty())
        return;
    ComboBox* first = combos.first();
    // One model for all: filling it once instead of once per combo keeps the
    // opening of an editor over the largest module quick.
    for (ComboBox* combo : combos.mid(1)) {
        if (combo->model() != first->model()) {
            const QSignalBlocker quiet(combo);
            combo->setModel(first->model());
        }
    }
    first->setRows(rows);
    for (ComboBox* combo : combos.mid(1)) {
        const QSignalBlocker quiet(combo);
        combo->setCurrentIndex(-1);
    }
}
