#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Changes of the troop table as a whole: inserting, deleting and rewriting
// troop entries, keeping the last index and the last-entry marker current.

// Whether an entry of lines 0 to max has exactly this id.
bool PythonTroopIdUsed(const QStringList& lines, int max, const QString& id);

// Inserts `entry` at index `at` (max + 1 appends); max and lastEntry grow by 1.
void InsertPythonTroopEntry(QStringList& lines, int& max, int& lastEntry, int at,
                            const QString& entry);

// Removes the entry at `index` and empties the first upgrade line of that
// entry's own id; max and lastEntry fall by 1. Returns the removed id.
QString DeletePythonTroopEntry(QStringList& lines, int& max, int& lastEntry, int index);

struct PythonTroopRewrite {
    int rewritten = 0;
    int skipped = 0; // entries that could not be read completely, left as they were
};

// Rewrites the entries behind rows 1 to the last of the full troop list (row 0
// is left alone) in the editor's form, as showing each troop and updating it
// unchanged would, together with its upgrade line. Flags that `flagRows` does
// not hold are appended to it.
PythonTroopRewrite RewriteAllPythonTroops(QStringList& lines, int& max, const QList<int>& rowLines,
                                          QStringList& flagRows);

// Moves every selected row one place down (or up) in `rows`: a block moves as a
// block, and selected rows already at the end stay. `selected` moves along.
// Returns the row that becomes current, or -1 when nothing moved.
int MoveSelectedRows(QStringList& rows, QList<bool>& selected, bool down);
