#include "platform/gui/SharedRows.h"

#include "platform/gui/Controls.h"

#include <QSignalBlocker>
#include <QStringListModel>

void ShareRows(const QList<ComboBox*>& combos, const QStringList& rows) {
    if (combos.isEmpty())
        return;
    // One plain list of texts for all: filling it once instead of once per
    // combo, without an item object per row, keeps the opening of an editor
    // over the largest module quick. The first combo owns it; a combo deletes
    // the list it owned when it gets the next one.
    auto* shared = new QStringListModel(rows, combos.first());
    for (ComboBox* combo : combos) {
        const QSignalBlocker quiet(combo);
        combo->setModel(shared);
        combo->setCurrentIndex(-1);
    }
}
