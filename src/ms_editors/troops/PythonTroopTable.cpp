#include "ms_editors/troops/PythonTroopTable.h"

#include "module_system/PythonEntryLists.h"
#include "ms_editors/troops/PythonTroopEntry.h"

#include <QHash>

std::optional<QString> DeletePythonTroopEntry(QStringList& lines, int& max, int& lastEntry,
                                              int index) {
    if (index < 0 || index >= lines.size())
        return std::nullopt;
    const QString id = PythonEntryId(lines[index]);
    if (!DeletePythonEntry(lines, max, index, u'[', &lastEntry))
        return std::nullopt;
    if (!PythonIdUsed(lines, max, id, u'[')) {
        for (int line : FindUpgradeLines(lines, max, id))
            ReplaceUpgradeLine(lines[line], QString());
    }
    return id;
}

PythonRewriteResult RewriteAllPythonTroops(QStringList& lines, int max, const QList<int>& rowLines,
                                           QStringList& flagRows) {
    // Upgrade lines stay where they are during the pass, so they are looked up
    // once: the last line of an id is the one in force, shown and written.
    QHash<QString, int> upgrades;
    const int last = std::min<int>(max, int(lines.size()) - 1);
    for (int i = 0; i <= last; ++i) {
        if (const auto up = ParseUpgradeLine(lines[i]))
            upgrades[up->troop] = i;
    }

    return RewriteAllPythonEntries(
        lines, max, rowLines, u'[', [&](int, const QString& entry) -> std::optional<QString> {
            const PythonTroopParse parsed = ParsePythonTroop(entry);
            if (!parsed.complete)
                return std::nullopt;
            const PythonTroop shown = PythonTroopAsShown(parsed.troop, flagRows);
            const auto found = upgrades.constFind(shown.id);
            if (found != upgrades.cend()) {
                const auto up = ParseUpgradeLine(lines[*found]);
                ReplaceUpgradeLine(lines[*found],
                                   BuildUpgradeLine(shown.id, up->target1, up->target2));
            }
            return BuildPythonTroopEntry(shown);
        });
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
