#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include "module_system/PythonEntryTable.h"
#include "ms_editors/troops/PythonTroopEntry.h"
#include "platform/RowOrder.h"

// What the troop table needs beyond the changes every module-system table
// shares (PythonEntryTable.h): a troop's upgrade lines go and come with it.

// Removes the troop entry at `index` (DeletePythonEntry; max and lastEntry
// fall by 1) and empties every upgrade line of its id, unless another entry
// keeps that id: each call sets paths the game would give a troop that no
// longer exists. Returns the removed id; refuses (returns nothing, changes
// nothing) an element that is not exactly one entry.
std::optional<QString> DeletePythonTroopEntry(PythonLines& lines, int& max, int& lastEntry,
                                              int index);

// Writes the upgrade paths of an updated troop whose id was `oldId` and is
// `paths.troop` now: a new id takes the troop's own upgrade call along
// (RenameUpgradeLine); under the same id, changed paths (`pathsChanged`) are
// written (WriteUpgradeLine) and unchanged ones leave every line as it was.
// Returns how many calls of other troops still lead to the old id.
int StorePythonTroopPaths(PythonLines& lines, int& max, const QString& oldId,
                          const PythonUpgrade& paths, bool pathsChanged);

// Rewrites the entries behind rows 1 to the last of the full troop list (row 0
// is left alone) in the editor's form, as showing each troop and updating it
// unchanged would, where that form does not read back as the troop shown; an
// entry that does keeps its lines, and so does every upgrade line. Flags that
// `flagRows` does not hold are appended to it.
PythonRewriteResult RewriteAllPythonTroops(PythonLines& lines, int max, const QList<int>& rowLines,
                                           QStringList& flagRows);
