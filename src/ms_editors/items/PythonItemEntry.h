#pragma once

#include "module_system/PythonCoding.h"
#include "module_system/PythonFieldKind.h"
#include "ms_editors/items/PythonItemVocabulary.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// One item of module_items.py, field by field: ["id", "Name", meshes, flags,
// capabilities, cost, stats, modifiers[, triggers[, factions[, more ...]]]],
// Texts are kept as written, with the blanks outside strings removed.

// One piece of the stats field ("weight(2.5)").
struct PythonItemStat {
    QString name;  // "weight"; empty for a piece that is not name(value), which no box shows
    QString value; // "2.5"; for a piece without a name, the whole piece as written

    bool operator==(const PythonItemStat&) const = default;
};

// The editor shows the first eleven stats that have a name.
constexpr int PythonItemStatBoxCount = 11;

struct PythonItem {
    QString id;
    QString name;
    QString meshes;           // the mesh list with its brackets
    QStringList flags;        // the terms joined by "|"; "0" reads as itp_type_horse
    QStringList capabilities; // the terms; "0" reads as none
    QString cost;
    QList<PythonItemStat>
        stats;              // the pieces joined by "|", in order; "0" is a piece without a name
    QStringList modifiers;  // the terms; "0" reads as imodbits_none
    QString triggers;       // the trigger list with its brackets; empty when none or "[]"
    QString factions;       // the faction list with its brackets; empty when none or "[]"
    QStringList moreFields; // fields behind the factions, as written
    QString remark;         // the comment behind the entry, from its "#"
    // The flags (modifiers) were written "0": they are written "0" again while
    // they still read as "0" was read.
    bool zeroFlags = false;
    bool zeroModifiers = false;
    // The name is an expression Python computes (ComputedPythonField): `name`
    // holds it as written, and it is shown and written back so, unchanged.
    bool computedName = false;

    bool operator==(const PythonItem&) const = default;
};

struct PythonItemParse {
    PythonItem item; // every field that could be read
    // Every field was read and nothing of the entry is left out of them, so
    // writing the item back loses nothing.
    bool complete = false;
    // The flags field is there and not empty (else "Item flags not found!").
    bool flagsFound = false;
};

// Splits a joined item entry into its fields. Commas, bars and brackets inside
// strings or brackets do not split; strings keep their blanks. The name may be
// written as an expression Python computes (computedName).
PythonItemParse ParsePythonItem(const QString& entry);

// The one-line entry text of an item as the editor writes it.
QString BuildPythonItemEntry(const PythonItem& item);

// The caption of the first field whose text would not read back from the
// built entry as it stands (a comma, quote, bracket or "#" typed into it);
// empty when the entry is one complete entry that reads back as `item`.
QString UnreadablePythonItemField(const PythonItem& item);

// The first field of `item` that differs from `shown` and is not the kind of
// Python it must be: the meshes, the trigger and the factions a list, the
// cost one value, each stat a call such as weight(1.5). What reads as it was
// shown goes back as it was read and is not looked at.
std::optional<MistypedPythonField> MistypedPythonItemField(const PythonItem& item,
                                                           const PythonItem& shown);

// The first field of `item` holding a character that module_items.py in
// `coding` cannot store and that the `shown` item does not hold either
// (FirstUnstorablePythonField), with the field's caption; none when all can
// be stored.
std::optional<UnstorablePythonField> UnstorablePythonItemField(const PythonItem& item,
                                                               const PythonItem& shown,
                                                               const PythonCoding& coding);

// Whether `item` holds the fields `shown` holds, blanks outside strings aside:
// written back, it would say nothing the shown entry does not.
bool PythonItemUnchanged(const PythonItem& item, const PythonItem& shown);

// Indexes into `stats` of the pieces shown in the eleven stat boxes, in box order.
QList<int> PythonItemStatBoxes(const QList<PythonItemStat>& stats);

// The names of the three lists that show a parsed item, top down.
struct PythonItemChoice {
    QList<int> flags;
    QList<int> capabilities;
    QList<int> modifiers;
};
// A parsed item as the editor shows it, and so writes it back: flags,
// capabilities and modifiers as the rows of `lists` that show them (names the
// lists lack are appended). `choice` receives those rows.
PythonItem PythonItemAsShown(const PythonItem& parsed, PythonItemNameLists& lists,
                             PythonItemChoice* choice = nullptr);

// The item a new entry starts from: the template's fields under the id
// "new_item1" and the plain name "New Item", without the template's remark.
PythonItem NewPythonItemFrom(const PythonItem& templateItem);

// Writes the entry back as showing it and updating it unchanged would, when it
// reads completely; else leaves it as it was and returns false. Names the
// lists lack are appended to them.
bool RewritePythonItemEntry(QString& entry, PythonItemNameLists& lists);
