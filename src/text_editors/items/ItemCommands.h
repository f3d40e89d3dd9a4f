#pragma once

#include <QString>

// What the item editor's add, delete and mesh viewer commands refuse, ask and
// tell, apart from any window. `shown` is the item on the screen (NoItemShown for none), `max`
// the index of the last item.

constexpr int NoItemShown = 9999;

// Why item `shown` cannot be the template of a new item, or the empty text:
// neither the first nor the last item can, nor an item that is not on the
// screen completely (`complete`), nor any while the tables are full.
QString AddItemRefusal(int shown, int max, bool complete, bool tablesFull);
// Why item `shown` cannot be deleted, or the empty text: neither the first nor
// the last item can.
QString DeleteItemRefusal(int shown, int max);
// The question before an add fills the window from item `shown`.
QString AddItemQuestion(int shown);
// The warning before item `shown` (id `id`) is deleted.
QString DeleteItemQuestion(int shown, const QString& id);
// The text of the result window after an update or an add of item `item`.
QString ItemResultText(int item, const QString& id, bool added);

// The mesh viewer button for mesh `mesh`: no program is started; it tells
// when the BRF editor is missing or the mesh has no .brf file, and beeps when
// the file is there.
void ShowMeshInViewer(const QString& mesh);
