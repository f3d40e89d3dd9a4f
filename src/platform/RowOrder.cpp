#include "platform/RowOrder.h"

#include <algorithm>

int MoveSelectedRows(QStringList& rows, QList<bool>& selected, bool down) {
    const int n = int(std::min(rows.size(), selected.size()));
    int current = -1;
    const int step = down ? 1 : -1;
    int limit = down ? n - 1 : 0;
    for (int k = 0; k < n; ++k) {
        const int i = down ? n - 1 - k : k;
        if (!selected[i])
            continue;
        if (i != limit) {
            rows.swapItemsAt(i, i + step);
            selected[i] = false;
            selected[i + step] = true;
            current = i + step;
        }
        limit -= step;
    }
    return current;
}
