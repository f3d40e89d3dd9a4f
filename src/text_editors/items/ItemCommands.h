#pragma once

#include <QString>

// What the item editor's add and delete commands refuse and ask, apart from
// any window. `shown` is the item on the screen (NoItemShown for none), `max`
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
