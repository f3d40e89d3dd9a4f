#pragma once

#include <QString>
#include <QStringList>

// The item tables of item_kinds1.txt. Item i is element i of each per-item
// list; the lists always have ItemMax + 1 elements.
extern QString ItemsHeader;
extern QString ItemsCount;
extern int ItemMax; // index of the last item; -1 when there is none
extern QStringList ItemLine;
extern QStringList ItemFactionCountLine;
extern QStringList ItemFactionLine;
extern QStringList ItemTriggerCountLine;
extern QList<QStringList> ItemTriggerLines; // every trigger line of the item
extern QStringList ItemID;   // word 0 of ItemLine
extern QStringList ItemName; // word 1 of ItemLine

bool LoadTextItems();
bool SaveTextItems();
