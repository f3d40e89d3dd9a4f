#pragma once

#include "platform/BitWord.h"
#include "platform/Decimal.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <optional>

// The item editor's names for the game's item flags, capabilities and modifier
// bits, and what the rows of its lists stand for in the stored numbers.

// The three lists of named bits: lstFlags, lstCap and lstModifiers.
enum class ItemFlagKind { Flags, Caps, Modifiers };

// One flag per list row, true where the row is selected.
using RowSelection = QList<bool>;

// One row of lstFlags or lstCap. `value` is what the row adds to the stored
// number; `field` holds every bit of the field the row is one value of (for a
// row of a single bit, that bit). A row shows selected when the stored number's
// field holds exactly the row's value.
struct ItemListRow {
    const char* label;
    std::uint64_t value;
    std::uint64_t field;
};

constexpr int ItemFlagRowCount = 58;
constexpr int ItemCapRowCount = 74;
constexpr int ItemModifierRowCount = 43;
constexpr int ItemTypeRowCount = 20; // lstFlags rows 0-19: type 1 ("type horse") to 20

extern const std::array<ItemListRow, ItemFlagRowCount> ItemFlagRows;
extern const std::array<ItemListRow, ItemCapRowCount> ItemCapRows;
// Row k stands for bit k; every label ends in a blank.
extern const std::array<const char*, ItemModifierRowCount> ItemModifierLabels;
// cmbDmg1/cmbDmg2: the row is the damage type.
extern const std::array<const char*, 3> ItemDamageTypes;
// cmbMeshID: the row is the mesh kind.
extern const std::array<const char*, 4> ItemMeshKinds;

// Rows of lstCap the selection rules and the show treat apart.
constexpr int CapShootMaskRow = 21;
constexpr int CapCarryMaskRow = 29;
constexpr int CapHolsterRow = 53;
constexpr int CapReloadMaskRow = 56;

// The number of rows of the kind's list.
int ItemListRowCount(ItemFlagKind kind);
// The labels of the kind's list, in row order (fills lstFlags, lstCap, lstModifiers).
QStringList ItemListLabels(ItemFlagKind kind);
// cmbTypeFilter's rows: the labels of the 20 type rows; row k stands for type k + 1.
QStringList ItemTypeFilterRows();
// The rows of cmbDmg1 and cmbDmg2 (ItemDamageTypes) and of cmbMeshID (ItemMeshKinds).
QStringList ItemDamageTypeRows();
QStringList ItemMeshKindRows();

// The rows a stored number selects when an item is shown (the digit tests of the
// show): a bit row when its bit is set, a field row when its field holds its
// value, a mask row when its field holds all ones, "show_holster_when_drawn" when
// the carry digit is 8, 9 or A. Bits no row stands for, those beyond 64 bits
// too, select nothing.
RowSelection ShowFlags(const BitWord& value, ItemFlagKind kind);
// The exact sum of the values of the selected rows; no selection gives 0.
Decimal EncodeFlags(ItemFlagKind kind, const RowSelection& selected);
// The number an update writes: `stored` with every field whose rows the user
// changed (selected differs from shown) replaced by the sum of its selected
// rows; fields left alone and bits no row stands for (beyond 64 bits too)
// keep their stored bits.
BitWord MergeFlags(ItemFlagKind kind, const RowSelection& shown, const RowSelection& selected,
                   const BitWord& stored);

// The item type in the flags' lowest byte, 1 to 20; 0 when it names no type.
int ItemTypeNumber(const BitWord& flags);
// The type row the show takes: type - 1, or row 0 ("type horse") for no type.
int ItemTypeRow(const BitWord& flags);
// Whether the show reads the capabilities of an item of this type row (not for
// horses, no type, and the four armour types).
bool ItemTypeReadsCaps(int typeRow);

// The labels beside the value boxes for one type row, and which boxes it fills.
struct ItemTypeLabels {
    QString headArmor;              // lblHeadArmor, beside txtArmorHead
    QString bodyArmor;              // lblBodyArmor, beside txtArmorBody
    QString legArmor;               // lblV0, beside txtArmorLegs
    QString hitPoints;              // lblHit, beside txtHit
    QString difficulty;             // lblDifficulty, beside txtDifficulty
    std::array<QString, 4> values;  // lblV1 to lblV4
    std::array<QString, 2> damages; // lblDmg1 (beside damage 2), lblDmg2 (beside damage 1)
    std::array<bool, 4> filled{};   // txtV1 to txtV4 shown from the record
    bool capsEnabled = false;       // lstCap usable (goods read theirs but lock the list)
};
// The labels of type row 0-19; any other row gets those of row 0.
ItemTypeLabels ItemTypeLabelsFor(int typeRow);
// The captions beside the value boxes, cost to value 4.
std::array<QString, 12> ItemValueCaptions(const ItemTypeLabels& labels);

// The selection rules after a click or key in lstFlags on the row with the
// focus: one type row, at most one attach row. Returns whether lstCap is to be
// enabled; no value (and nothing changed) when no row has the focus (-1).
std::optional<bool> ApplyFlagRules(RowSelection& flags, int focusRow);
// The same for lstCap: mask rows never stay selected, at most one row of the
// throw/shoot, carry and reload fields. Does nothing when no row has the focus.
void ApplyCapRules(RowSelection& caps, int focusRow);
// lblFactions: "Factions (", the number of selected rows and of the `beyond`
// factions the item names that have no row, "):".
QString FactionCountCaption(const RowSelection& factions, qsizetype beyond = 0);
