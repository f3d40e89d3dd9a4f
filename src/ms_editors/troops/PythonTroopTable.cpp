#include "ms_editors/troops/PythonTroopTable.h"

#include "ms_editors/troops/PythonTroopEntry.h"
#include "ms_editors/troops/PythonTroopLists.h"

#include <QHash>

#include <algorithm>

bool PythonTroopIdUsed(const QStringList& lines, int max, const QString& id) {
    return PythonEntryIds(lines, max).contains(id);
}

void InsertPythonTroopEntry(QStringList& lines, int& max, int& lastEntry, int at,
                            const QString& entry) {
    at = std::clamp<int>(at, 0, int(lines.size()));
    lines.insert(at, entry);
    ++max;
    ++lastEntry;
}

QString DeletePythonTroopEntry(QStringList& lines, int& max, int& lastEntry, int index) {
    if (index < 0 || index >= lines.size())
        return QString();
    const QString id = PythonEntryId(lines[index]);
    lines.removeAt(index);
    --max;
    if (index <= lastEntry)
        --lastEntry;
    // Only the first line goes, as always; a later one for the same id stays.
    const QList<int> upgrades = FindUpgradeLines(lines, max, id);
    if (!upgrades.isEmpty())
        ReplaceUpgradeLine(lines[upgrades.first()], QString());
    return id;
}

PythonTroopRewrite RewriteAllPythonTroops(QStringList& lines, int& max, const QList<int>& rowLines,
                                          QStringList& flagRows) {
    // Upgrade lines stay where they are during the pass, so they are looked up
    // once: the last line of an id is the one in force, shown and written.
    QHash<QString, int> upgrades;
    const int last = std::min<int>(max, int(lines.size()) - 1);
    for (int i = 0; i <= last; ++i) {
        if (const auto up = ParseUpgradeLine(lines[i]))
            upgrades[up->troop] = i;
    }

    PythonTroopRewrite result;
    for (qsizetype k = 1; k < rowLines.size(); ++k) {
        const int line = rowLines[k];
        if (line < 0 || line > last || !IsPythonEntry(lines[line])) {
            ++result.skipped;
            continue;
        }
        const PythonTroopParse parsed = ParsePythonTroop(lines[line]);
        if (!parsed.complete) {
            ++result.skipped;
            continue;
        }
        const PythonTroop shown = PythonTroopAsShown(parsed.troop, flagRows);
        lines[line] = BuildPythonTroopEntry(shown);
        ++result.rewritten;

        const auto found = upgrades.constFind(shown.id);
        if (found == upgrades.cend())
            continue;
        const auto up = ParseUpgradeLine(lines[*found]);
        ReplaceUpgradeLine(lines[*found], BuildUpgradeLine(shown.id, up->target1, up->target2));
    }
    return result;
}

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
