#pragma once

#include <QStringList>

class ListBox;
class QListWidget;

// Editing the rows of a list that a window fills row by row, as a troop's
// inventory is filled from the available items.

// The texts of every row of `list`, top down.
QStringList ListTexts(const QListWidget* list);
// Gives row `row` of `list`, and its text kept beside the list (`texts`), the
// new `text`; a row below 0 changes nothing.
void SetRowText(ListBox* list, QStringList& texts, int row, const QString& text);
// Appends `text` as the last row and chooses it (runs the click handler).
void AppendChosenRow(ListBox* list, const QString& text);
// Removes the chosen row and chooses the last row left; with no row chosen,
// chooses the last row of a list of two or more.
void RemoveChosenRow(ListBox* list);
// Moves every selected row one place down (or up), as MoveSelectedRows does:
// the rows stay selected, and the moved row nearest the end they moved to
// becomes the current row; runs no handler.
void MoveChosenRows(ListBox* list, bool down);
// Makes `row` the current row without running a handler; a row below 0
// changes nothing.
void ChooseRowQuietly(ListBox* list, int row);
// Gives `list` the rows `rows` (setRows); the rows `isSeparator` holds for
// are shown but can never be selected: a separator row is no name, and
// written into an entry it would break it.
void SetRowsWithSeparators(ListBox* list, const QStringList& rows,
                           bool (*isSeparator)(const QString& row));
