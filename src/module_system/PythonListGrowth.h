#pragma once

#include "module_system/PythonSource.h"
#include "module_system/PythonText.h"

#include <QStringList>
#include <QStringView>

#include <vector>

// Statements behind a module-system list that add entries to it when the
// module builds: items.extend(make_slots(n)), troops.append([...]),
// troops += more, troops = troops + more, or a call that is handed the list
// (append_noswing_items(items)). What they add is no entry of the table, so
// the editors tell the user of them at open; a save keeps them as they are.
// Calls of the upgrade helpers (upgrade(troops, ...), upgrade2, a module's own
// upgrade3) are handed the troop list too, but set paths and add nothing.

// The statements of lines `from` on of `file` (scanned as `scan`, one entry
// per line) that add to the list named `list`, each as "Line <n>: " (counted
// from 1) and the beginning of its code. Statements in the body of a def or a
// class are not run where they stand and are left out, and so are the
// statements that begin on the lines `passOver` (the list's blocks behind it,
// read as entries of the list).
QStringList FindPythonListGrowth(const PythonFileLines& file, const std::vector<PySourceLine>& scan,
                                 int from, QStringView list, const std::vector<int>& passOver = {});
