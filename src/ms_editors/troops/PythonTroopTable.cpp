#include "ms_editors/troops/PythonTroopTable.h"

#include "module_system/PythonEntryLists.h"
#include "ms_editors/troops/PythonTroopEntry.h"

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
