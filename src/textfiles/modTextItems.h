#pragma once

#include "platform/TextFile.h"
#include "textfiles/FileHead.h"

#include <QList>
#include <QString>
#include <QStringList>

// The item tables of item_kinds1.txt. Item i is element i of each per-item
// list; the lists always have ItemMax + 1 elements.
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

// Lines 1 and 2 of item_kinds1.txt as read, and whether the editor reads its
// items. A save writes line 1 back unchanged.
extern FileHead ItemsHead;
// Line 2 as a save writes it for the items the tables hold: as read while it
// holds their number, or else that number (with a blank after it only when
// line 2 as read had one).
QString ItemsCount();
// How the text of item_kinds1.txt is its bytes as read, which typed text must
// fit.
TextCoding ItemsCoding();

// Replaces the tables by item_kinds1.txt in ModuleFolder and empties the mesh
// tables. Reports only a file that cannot be read, a count line that
// disagrees with the items found, the items whose lines are out of shape (by
// line number and item; a first line split in two or short of a word among
// them, ShapeOfItemLine), and the lines that belong to no item (the first
// five by line number and text, and how many). The lines an item reads past
// blank lines, or as many as a count announces, end at a line that begins an
// item. The faction and trigger lines of an item, standing where an item
// begins without a first line naming it (the first line emptied or lost), are
// held as an item out of shape in its place. A file of another version (line
// 1), or whose line 2 holds no number (ReadCountHead), is told so in one box,
// and nothing else of it. Returns whether the file could be read.
bool LoadTextItems();
// Offers the backup, writes item_kinds1.txt and reports; returns whether the
// file now holds the tables (the editor keeps its unsaved mark otherwise).
// Every line the tables did not change goes back as read, its line end
// included (KeptRecords); a new item is followed by an empty line. Line 2 is
// ItemsCount. A file of another version, or whose line 2 held no number, is
// not saved.
bool SaveTextItems();
// Keep what a save gives back as read in step with the tables: an item was
// inserted at `at`, item `at` removed (the lines of no item before it stay).
// A save after a change of the number of items that did not come here writes
// nothing and reports failure 9.
void KeepItemInserted(int at);
void KeepItemRemoved(int at);

// Whether item i was read in the shape the game writes: its first line a
// blank, its id and every word its meshes need, its counts numbers (of any
// length), every line they announce there before the next item and the end
// of the file, no trigger line empty, and no line of no item right after it
// (a count announcing fewer lines than it has). An item of another shape was
// read from a damaged file, so its fields are not the item's and must not be
// written back. No item of a file the editor does not read as its own
// (ItemsHead) has.
bool ItemHasSoundShape(int i);

// The meshes of the item shown in the item editor, which fills them from the
// item line; the loader leaves every element empty. Meshes are counted from 1,
// so slot 0 stays empty. A row holds slots 0 to 5 from the load, and grows for
// an item of more meshes. Each list has ItemMax + 1 elements like the other
// per-item tables.
constexpr int ItemMeshSlots = 6;
using ItemMeshRow = QStringList;
extern QStringList ItemMeshCount;       // the mesh count word as text
extern QList<ItemMeshRow> ItemMeshes;   // ItemMeshes[item][k]: name of mesh k
extern QList<ItemMeshRow> ItemMeshData; // ItemMeshData[item][k]: bits of mesh k, decimal text
