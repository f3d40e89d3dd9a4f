#pragma once

#include <QList>
#include <QStringList>

// The order of a list's rows as the Up and Down buttons of the editors change it.

// Moves every selected row one place down (or up) in `rows`: a block moves as a
// block, and selected rows already at the end stay. `selected` moves along.
// Returns the row that becomes current, or -1 when nothing moved.
int MoveSelectedRows(QStringList& rows, QList<bool>& selected, bool down);
