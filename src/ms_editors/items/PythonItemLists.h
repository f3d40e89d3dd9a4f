#pragma once

#include "module_system/PythonEntryLists.h"
#include "ms_editors/items/PythonItemVocabulary.h"

#include <QList>
#include <QString>
#include <QStringList>

// The item list of the item editor: its rows, the type filter, and the checks
// before an add or a delete. A row finds its entry, and an id is looked up,
// through the shared entry rows (module_system/PythonEntryLists.h, ItemRows).

// One row per entry of lines 0 to max: "n. itm_id (name)", n the entry's
// number among all entries from 1. With a filter (in lower case), only the
// entries whose id or name contains it, case ignored; they keep their numbers.
PythonEntryRows BuildPythonItemRows(const QStringList& lines, int max,
                                    const QString& lowerFilter = QString());

struct PythonItemTypeFilter {
    PythonEntryRows rows;     // the entries of the type, numbered as in the full list
    QList<int> flagsNotFound; // lines of the entries whose flags are missing, in table order
};
// The entries of lines 0 to max whose flags hold `type` (flags "0" hold
// itp_type_horse). Flags that `flagRows` lacks are appended to it, as showing
// each entry would.
PythonItemTypeFilter FilterPythonItemsByType(const QStringList& lines, int max, const QString& type,
                                             QStringList& flagRows);

// Why an entry may not be deleted or serve as the template of a new item.
enum class PythonItemRefusal {
    None,
    Hardwired,  // at or before the hard-wired marker: built into the game
    ItemsEnd,   // the entry stored there is items_end, the list's last entry
    NoEntry,    // no entry is chosen (or the element is no entry any more)
    Unreadable, // template only: the entry cannot be read completely
    NotWhole,   // delete only: the element is not exactly one entry (IsOnePythonEntry)
};
// Checks the entry stored at `line` (-1 for none) before it is deleted.
PythonItemRefusal CheckPythonItemDelete(const QStringList& lines, int hardwired, int line);
// Checks the entry stored at `line` (-1 for none) before it serves as a template.
PythonItemRefusal CheckPythonItemTemplate(const QStringList& lines, int hardwired, int line);
