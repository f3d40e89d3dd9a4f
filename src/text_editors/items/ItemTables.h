#pragma once

#include "text_editors/items/ItemRecord.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// What the item editor does to the program-wide item tables (modTextItems),
// and the rows of its lists, apart from any window.

// The tables hold items 0 to 5000.
constexpr int ItemTableCapacity = 5001;

// The lines of item i.
ItemLines StoredItem(int i);
// Replaces the lines of item i, and its id and name (words 1 and 2 of the line).
void StoreItem(int i, const ItemLines& lines);
// Whether the tables hold as many items as they can; an add must be refused.
bool ItemTablesFull();
// Inserts a new item in front of the last one, which stays last: the new item
// takes index ItemMax, ItemMax grows by one and ItemsCount gives the new
// number of items. Returns the new item's index, or -1 when the tables are
// full or hold fewer than two items (nothing then changes).
int InsertItemBeforeLast(const ItemLines& lines);
// Removes item i; the items behind it move up by one and ItemsCount gives the
// new number. Refuses (false, nothing changed) the first and the last item.
bool DeleteItemAt(int i);

// Why item i, whose lines are out of shape (ItemHasSoundShape), is neither
// shown nor updated.
QString UnreadableItemText(int i);

// The meshes of item i as the mesh tables hold them.
QList<ItemMesh> ShownMeshes(int i);
// Fills the mesh tables of item i: count, names and bits of its meshes.
void SetShownMeshes(int i, const QList<ItemMesh>& meshes);

// Item i's row in the item lists: the number, ". ", the id, "  (", the name, ")".
QString ItemRowText(int i);
// The rows of the given items, in order.
QStringList ItemRowTexts(const QList<int>& items);
// The rows of every item, 0 to ItemMax (lstItems).
QStringList ItemListRows();
// The item number a row of the item lists begins with; none for a text without.
std::optional<int> ItemNumberOfRow(const QString& row);
// lstFactions: "0 - fac_no_faction  (No_Faction)", then "i - id" per faction.
QStringList ItemFactionRows();

// Items 0 to ItemMax whose name, or else id, contains `filter` (case counts).
QList<int> ItemsMatching(const QString& filter);
// The items of a filtered list after an item was inserted at index `at`:
// those at or behind it move one down, so each row still names its item.
void RenumberAfterInsert(QList<int>& items, int at);
// The same after item `deleted` was removed: its row goes and those behind it
// move one up. Returns the row the deleted item had, or -1.
int RenumberAfterDelete(QList<int>& items, int deleted);

// The type filter: items 1 to ItemMax whose type (ItemTypeOf) is `type`,
// scanned a slice at a time so that a window stays responsive between slices.
class ItemTypeScan {
public:
    // `type` 1 ("type horse") to 20 ("type book"): row + 1 of cmbTypeFilter.
    explicit ItemTypeScan(int type) : m_type(type) {}
    // Scans up to `count` more items; returns whether every item is scanned.
    bool advance(int count);
    bool done() const;
    // The last item scanned ("Scanning item: "), 0 before the first.
    int lastScanned() const { return m_next - 1; }
    // The items found so far, in order.
    const QList<int>& hits() const { return m_hits; }

private:
    int m_type;
    int m_next = 1;
    QList<int> m_hits;
};
// The whole type filter in one go.
QList<int> ItemsOfType(int type);
