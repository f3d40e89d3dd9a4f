#pragma once

#include "platform/TextFile.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <array>

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
// The blank lines that stood between the item's faction-count line and the
// line after them (its faction line, or without factions its trigger count
// line), written back in their place; a new item has none.
extern QList<QStringList> ItemGapLines;
// The item line begins with a blank, so its word 0 is empty: the id is word 1
// and the name word 2.
extern QStringList ItemID;   // word 1 of ItemLine
extern QStringList ItemName; // word 2 of ItemLine

// Replaces the tables by item_kinds1.txt in ModuleFolder and empties the mesh
// tables. Reports only a file that cannot be read, a count line that
// disagrees with the items found, the first line that stands out of place
// (no item begins where the one before it ended), and the lines that belong
// to no item, which a save drops (the first five by line number and text, and
// how many); returns whether the file could be read.
bool LoadTextItems();
// How the lines of item_kinds1.txt ended when it was read: the save writes
// every line with the file's usual line end; a file whose last line had none
// ends right after the last item's lines again, without the empty line.
extern LineEnds ItemsLineEnds;
// Offers the backup, writes item_kinds1.txt and reports; returns whether the
// file now holds the tables (the editor keeps its unsaved mark otherwise).
// When the save would drop lines of the file as last read, it asks first,
// naming how many; No saves nothing.
bool SaveTextItems();

// The meshes of the item shown in the item editor, which fills them from the
// item line; the loader leaves every element empty. Meshes are counted from 1,
// so slots 1 to 5 are used and slot 0 stays empty. Each list has ItemMax + 1
// elements like the other per-item tables.
constexpr int ItemMeshSlots = 6; // slots 0 to 5
using ItemMeshRow = std::array<QString, ItemMeshSlots>;
extern QStringList ItemMeshCount;       // the mesh count word as text
extern QList<ItemMeshRow> ItemMeshes;   // ItemMeshes[item][k]: name of mesh k
extern QList<ItemMeshRow> ItemMeshData; // ItemMeshData[item][k]: bits of mesh k, decimal text
