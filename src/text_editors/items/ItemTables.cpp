#include "text_editors/items/ItemTables.h"

#include "platform/Convert.h"
#include "textfiles/modTextFactions.h"
#include "textfiles/modTextFiles.h"
#include "textfiles/modTextItems.h"

#include <algorithm>
#include <array>

namespace {

// The per-item text tables, each with ItemMax + 1 elements.
const std::array<QStringList*, 7> TextTables = {
    &ItemLine, &ItemFactionCountLine, &ItemFactionLine, &ItemTriggerCountLine, &ItemID,
    &ItemName, &ItemMeshCount};

void InsertEmptyItem(int at) {
    for (QStringList* table : TextTables)
        table->insert(at, QString());
    ItemTriggerLines.insert(at, QStringList());
    ItemGapLines.insert(at, QStringList());
    ItemMeshes.insert(at, ItemMeshRow(ItemMeshSlots));
    ItemMeshData.insert(at, ItemMeshRow(ItemMeshSlots));
    KeepItemInserted(at);
}

void RemoveItem(int at) {
    for (QStringList* table : TextTables)
        table->removeAt(at);
    ItemTriggerLines.removeAt(at);
    ItemGapLines.removeAt(at);
    ItemMeshes.removeAt(at);
    ItemMeshData.removeAt(at);
    KeepItemRemoved(at);
}

} // namespace

ItemLines StoredItem(int i) {
    return {ItemLine.value(i), ItemFactionCountLine.value(i), ItemFactionLine.value(i),
            ItemTriggerCountLine.value(i), ItemTriggerLines.value(i)};
}

void StoreItem(int i, const ItemLines& lines) {
    ItemLine[i] = lines.line;
    ItemFactionCountLine[i] = lines.factionCountLine;
    ItemFactionLine[i] = lines.factionLine;
    ItemTriggerCountLine[i] = lines.triggerCountLine;
    ItemTriggerLines[i] = lines.triggerLines;
    // Read as the loader reads them, so that a stored item lists as a loaded one.
    ItemID[i] = LineWord(lines.line, 1).value_or(QString());
    ItemName[i] = LineWord(lines.line, 2).value_or(QString());
}

bool ItemTablesFull() {
    return ItemMax + 1 >= ItemTableCapacity;
}

int InsertItemBeforeLast(const ItemLines& lines) {
    if (ItemTablesFull() || ItemMax < 1)
        return -1;
    const int at = ItemMax;
    InsertEmptyItem(at);
    StoreItem(at, lines);
    ItemMax += 1;
    return at;
}

bool DeleteItemAt(int i) {
    if (i <= 0 || i >= ItemMax)
        return false;
    RemoveItem(i);
    ItemMax -= 1;
    return true;
}

QString UnreadableItemText(int i) {
    return UnreadableRecordText(QStringLiteral("Item # ") + QString::number(i), ItemsHead,
                                QStringLiteral("lines"));
}

QList<ItemMesh> ShownMeshes(int i) {
    QList<ItemMesh> meshes;
    const int count = ToInt16(ItemMeshCount.value(i)).value_or(0);
    for (int k = 1; k <= count && k < ItemMeshes[i].size() && k < ItemMeshData[i].size(); ++k)
        meshes.append({ItemMeshes[i][k], ItemMeshData[i][k]});
    return meshes;
}

void SetShownMeshes(int i, const QList<ItemMesh>& meshes) {
    ItemMeshCount[i] = QString::number(meshes.size());
    const qsizetype length = std::max<qsizetype>(ItemMeshes[i].size(), meshes.size() + 1);
    ItemMeshes[i] = ItemMeshRow(length);
    ItemMeshData[i] = ItemMeshRow(length);
    for (qsizetype k = 1; k <= meshes.size(); ++k) {
        ItemMeshes[i][k] = meshes[k - 1].name;
        ItemMeshData[i][k] = meshes[k - 1].bits;
    }
}

QString ItemRowText(int i) {
    return QString::number(i) + QStringLiteral(". ") + ItemID.value(i) + QStringLiteral("  (") +
           ItemName.value(i) + QStringLiteral(")");
}

QStringList ItemRowTexts(const QList<int>& items) {
    QStringList rows;
    rows.reserve(items.size());
    for (int i : items)
        rows.append(ItemRowText(i));
    return rows;
}

QStringList ItemListRows() {
    QList<int> all(ItemMax + 1);
    for (int i = 0; i <= ItemMax; ++i)
        all[i] = i;
    return ItemRowTexts(all);
}

std::optional<int> ItemNumberOfRow(const QString& row) {
    const qsizetype blank = row.indexOf(u' ');
    if (blank < 1)
        return std::nullopt;
    const std::optional<std::int16_t> number = ToInt16(QStringView(row).first(blank - 1));
    return number ? std::optional<int>(*number) : std::nullopt;
}

QStringList ItemFactionRows() {
    QStringList rows = {QStringLiteral("0 - fac_no_faction  (No_Faction)")};
    for (int i = 1; i <= FactionMax; ++i)
        rows.append(QString::number(i) + QStringLiteral(" - ") + FactionID.value(i));
    return rows;
}

QList<int> ItemsMatching(const QString& filter) {
    QList<int> hits;
    for (int i = 0; i <= ItemMax; ++i) {
        if (ItemName.value(i).contains(filter) || ItemID.value(i).contains(filter))
            hits.append(i);
    }
    return hits;
}

void RenumberAfterInsert(QList<int>& items, int at) {
    for (int& item : items) {
        if (item >= at)
            ++item;
    }
}

int RenumberAfterDelete(QList<int>& items, int deleted) {
    const int row = static_cast<int>(items.indexOf(deleted));
    items.removeAll(deleted);
    for (int& item : items) {
        if (item > deleted)
            --item;
    }
    return row;
}

bool ItemTypeScan::advance(int count) {
    for (; count > 0 && !done(); --count, ++m_next) {
        if (ItemTypeOf(ItemLine.at(m_next)) == m_type)
            m_hits.append(m_next);
    }
    return done();
}

bool ItemTypeScan::done() const {
    return m_next > ItemMax;
}

QList<int> ItemsOfType(int type) {
    ItemTypeScan scan(type);
    scan.advance(ItemTableCapacity);
    return scan.hits();
}
