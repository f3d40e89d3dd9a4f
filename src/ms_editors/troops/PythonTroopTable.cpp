#include "ms_editors/troops/PythonTroopTable.h"

#include "module_system/PythonEntryLists.h"
#include "ms_editors/troops/PythonTroopEntry.h"

std::optional<QString> DeletePythonTroopEntry(PythonLines& lines, int& max, int& lastEntry,
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

int StorePythonTroopPaths(PythonLines& lines, int& max, const QString& oldId,
                          const PythonUpgrade& paths, bool pathsChanged) {
    if (paths.troop != oldId)
        return RenameUpgradeLine(lines, max, oldId, paths.troop, paths.target1, paths.target2);
    if (pathsChanged)
        WriteUpgradeLine(lines, max, paths.troop, paths.target1, paths.target2);
    return 0;
}

PythonRewriteResult RewriteAllPythonTroops(PythonLines& lines, int max, const QList<int>& rowLines,
                                           QStringList& flagRows) {
    return RewriteAllPythonEntries(
        lines, max, rowLines, u'[', [&](int, const QString& entry) -> std::optional<QString> {
            const PythonTroopParse parsed = ParsePythonTroop(entry);
            if (!parsed.complete)
                return std::nullopt;
            const PythonTroop shown = PythonTroopAsShown(parsed.troop, flagRows);
            const QString text = BuildPythonTroopEntry(shown);
            // What reads back as the troop shown is no change: the entry keeps
            // its lines, comments and layout.
            if (PythonTroopAsShown(ParsePythonTroop(text).troop, flagRows) == shown)
                return entry;
            return text;
        });
}
