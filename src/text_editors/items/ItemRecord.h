#pragma once

#include "platform/BitWord.h"
#include "platform/Failure.h"
#include "platform/TextFile.h"
#include "text_editors/items/ItemVocabulary.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>
#include <cstdint>
#include <optional>

// The lines of one item of item_kinds1.txt, as the item tables hold them.
struct ItemLines {
    QString line;             // ItemLine: id, names, meshes, flags ... damages
    QString factionCountLine; // ItemFactionCountLine
    QString factionLine;      // ItemFactionLine; empty without factions
    QString triggerCountLine; // ItemTriggerCountLine
    QStringList triggerLines; // ItemTriggerLines; empty when the count is below 1
    bool operator==(const ItemLines&) const = default;
};

// One mesh: its name and its bits word, a decimal number kept as written.
struct ItemMesh {
    QString name;
    QString bits;
    bool operator==(const ItemMesh&) const = default;
};
// The meshes the mesh controls' "Add" gives an item at most. A file may hold
// more (a real module's bolts have six), which are shown and kept.
constexpr int ItemMeshesAdded = 5;

// A damage word is the amount plus 256 times the type (0 Cut, 1 Pierce, 2 Blunt);
// a word beyond the 16-bit range has type -1 (ItemRecord::heldDamages).
struct ItemDamage {
    int type = 0;
    int amount = 0;
    bool operator==(const ItemDamage&) const = default;
};

// An item read completely from its lines. Words no control changes are kept
// as they were read, and `stored` holds the lines themselves, so that a build
// over this record writes every word the user left alone as it stood.
struct ItemRecord {
    ItemLines stored;
    QString id;
    QString name;
    QString plural;
    QList<ItemMesh> meshes; // one at least
    // The bit words, of any length: a module's build writes what its sources
    // compute, beyond 64 bits too.
    BitWord flags;
    // The capabilities; no value when the word is no number, which only items
    // whose type shows no capabilities may have (their word is never read).
    std::optional<BitWord> capabilities;
    QString cost;
    BitWord modifiers;
    QString weight;
    QString abundance;
    QString headArmor;
    QString bodyArmor;
    QString legArmor;
    QString difficulty;
    QString hitPoints;
    std::array<QString, 4> values; // values 1 to 4 (their meaning depends on the type)
    std::array<ItemDamage, 2> damages;
    // The damage words beyond the 16-bit range, as read; empty for the others.
    // No type and amount stand for them: they show as no type and their word,
    // and go back as read.
    std::array<QString, 2> heldDamages;
    RowSelection factions; // row i (faction i) selected when the faction line names it
    // The faction words naming no row of lstFactions (a faction beyond
    // factions.txt, or any but 0 without it), in the order read. No row shows
    // them, so no update can choose them: every update keeps them.
    QStringList heldFactions;
    // The trigger lines the trigger count announces (ItemTriggerLinesAnnounced).
    int triggerCount = 0;

    // The type row the item shows with (0-19; 0 also for no type).
    int typeRow() const { return ItemTypeRow(flags); }
};

// What the item editor's controls hold for one item: filled from a record by
// ItemFormOf for a show, read back from the controls for an update or an add.
struct ItemForm {
    QString id;                         // txtItemID
    QString name;                       // txtItemName
    QString plural;                     // txtItemNamePl
    QList<ItemMesh> meshes;             // cmbMesh rows with their bits (the mesh tables)
    RowSelection flags;                 // lstFlags
    RowSelection capabilities;          // lstCap
    RowSelection modifiers;             // lstModifiers
    QString cost;                       // txtCost
    QString weight;                     // txtWeight
    QString abundance;                  // txtAbundance
    QString headArmor;                  // txtArmorHead
    QString bodyArmor;                  // txtArmorBody
    QString legArmor;                   // txtArmorLegs
    QString difficulty;                 // txtDifficulty
    QString hitPoints;                  // txtHit
    std::array<QString, 4> values;      // txtV1 to txtV4; "0" where the type shows none
    std::array<int, 2> damageTypes{};   // cmbDmg1, cmbDmg2 rows (-1: none selected)
    std::array<QString, 2> damageTexts; // txtDmg1, txtDmg2
    RowSelection factions;              // lstFactions
    QString factionCount;               // txtAnzFac (shown only; an update counts the rows)
    QString triggerCount;               // txtAnzTrigger, as stored
    QString triggers;                   // txtTrigger: the trigger lines joined by CR LF
};

// The names refusals give the value boxes (cost to value 4, in the order of
// ItemFormValues) and the two damage boxes.
extern const std::array<const char*, 12> ItemValueFieldNames;
extern const std::array<const char*, 2> ItemDamageFieldNames;
constexpr std::size_t ItemWeightField = 1;
// The fields of a form behind the value boxes, cost to value 4.
template <typename Form> auto ItemFormValues(Form& f) {
    return std::array{&f.cost,      &f.weight,    &f.abundance,  &f.headArmor,
                      &f.bodyArmor, &f.legArmor,  &f.difficulty, &f.hitPoints,
                      &f.values[0], &f.values[1], &f.values[2],  &f.values[3]};
}

// A text field holding a character item_kinds1.txt cannot store.
struct UnstorableField {
    QString field;
    QString character;
};
// The first text field of the form (id, names, meshes, value boxes, triggers)
// that holds such a character in a file of `coding` (FirstUnstorableChar);
// nothing when the file can store them all.
std::optional<UnstorableField> FirstUnstorableField(const ItemForm& form, TextCoding coding);

// The words of an item line: cut at one or two blanks, so three or four blanks
// leave an empty word between two words; the leading blank makes word 0 empty.
QList<QStringView> ItemWords(QStringView line);

// How the words of an item line lie: the meshes it holds and whether it holds
// the words the game writes for them, id to swing damage, as the load checks
// it and the show reads it. More words are no fault (they stay behind the
// damages), nor a blank at the end of the line.
struct ItemLineShape {
    enum class Fault {
        None,
        NoMeshCount, // word 4 holds no whole number
        TooFewWords, // fewer words than its meshes and the 17 words after them
        NoMesh,      // a mesh count below 1
    };
    Fault fault = Fault::None;
    int meshes = 0;       // the meshes the line holds
    qsizetype words = 0;  // the words it holds from the id on
    qsizetype needed = 0; // the words a line of its mesh count holds; 0 for a count beyond 16 bits
};
// A mesh count beyond the 16-bit range, which no line can hold, is kept as
// read and the meshes are those that stand before the last 17 words.
ItemLineShape ShapeOfItemLine(QStringView line);

// The number a faction or trigger count line holds, read with every blank
// removed: a whole number of any length, a minus sign allowed, held as INT_MAX
// or INT_MIN beyond an int's range. No value when it holds no number.
std::optional<int> ItemCountValue(const QString& line);
// Whether a faction line follows the faction count line: its count is 1 or
// more, however large.
bool ItemFactionLineFollows(const QString& countLine);
// The trigger lines a trigger count line announces: its count from 1 to
// 32767; none for any other, as no file holds more lines than that.
int ItemTriggerLinesAnnounced(const QString& countLine);

// Reads an item completely; `factionRows` is the number of rows of lstFactions
// (FactionMax + 1). Nothing is read unless all is: a line out of shape
// (ShapeOfItemLine) raises 9 or, for a mesh count that is no number, 13, as
// does any other word that is no number where one is needed. Numbers beyond
// what a control holds are no fault: a bit word is read whatever its length,
// a damage word beyond 16 bits held, a faction without a row held.
std::optional<ItemRecord> DecodeItem(const ItemLines& lines, int factionRows,
                                     PendingFailure& failure);
// What the controls show for the record (the labels: ItemTypeLabelsFor).
ItemForm ItemFormOf(const ItemRecord& record);
// The item's lines rebuilt from the form over the record it was shown from (an
// update), or over the template (an add). Words the user left alone stay as
// stored, an unchanged line stays byte for byte; so do bits no row stands for
// (beyond 64 bits too), factions without a row, a trigger count with its lines
// while neither changed,
// the capabilities of a type that shows none, value boxes the shown type does
// not fill (while they hold "0"), and words after the last damage. A field
// that would shift the words on reload (empty, or holding a blank), an id
// without "itm_", a damage that is no number, no mesh, or a changed trigger
// count or lines that disagree give no lines and the message that says so.
std::optional<ItemLines> BuildItem(const ItemForm& form, const ItemRecord& shown, QString& refusal);
// The type (1 to 20) in the flags of an item line, read no further than the
// flags; 0 for no type or a line that cannot be read up to its flags.
int ItemTypeOf(QStringView line);

// The damage word split into type and amount (below 256 Cut, to 511 Pierce,
// above Blunt); amounts above 255 stay as read.
ItemDamage DecodeDamage(int word);
// The mesh kind code of mesh bits: the kind (1 inventory, 2 flying ammo,
// 3 carry, else 0) in the top digit of the lowest 64 bits, plus 10 with the
// large-bag bit; bits that are no number give 0.
int GetMeshKind(const QString& bits);
// The bits of a mesh stored with kind row `kindRow` (cmbMeshID) and the large
// bag ticked or not; a part equal to what the bits show keeps its stored bits,
// as do all other bits. A kind row of -1 leaves the kind alone.
QString StoreMeshBits(const QString& bits, int kindRow, bool largeBag);
// The mesh "Add" appends: "new_mesh" with bits 0.
ItemMesh NewItemMesh();

// The stored record as the result window shows it: the item line, the faction
// count line, the faction line unless empty, the trigger count line and the
// trigger lines, joined by CR LF.
QString ItemReportText(const ItemLines& lines);
// A damage box on leaving it: empty becomes "0", a number of 256 or more, or
// no 16-bit number at all, "255"; anything else stays.
QString ClampedDamageText(const QString& text);
// An id box on leaving it: "itm_" in front unless the text begins with it.
QString WithItemIdPrefix(const QString& text);
