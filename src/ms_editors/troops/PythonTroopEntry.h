#pragma once

#include "module_system/PythonCoding.h"
#include "module_system/PythonFieldKind.h"
#include "module_system/PythonLines.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// The fields of a troop entry, for naming the one that would break it.
enum class PythonTroopField {
    Id,
    Name,
    NamePl,
    Flags,
    Scene,
    Reserved,
    Faction,
    Items,
    Attributes,
    Proficiencies,
    Skills,
    Face1,
    Face2,
    Image,
    Extra,
    Entry, // the entry as a whole
};

// One troop of module_troops.py, field by field. Read from a joined entry the
// lists hold the parts as written (blanks outside strings removed); as the
// editor shows and writes it, `flags` holds the selected rows of the flag list.
struct PythonTroop {
    QString id;
    QString name;
    QString namePl;
    QStringList flags;
    QString scene;
    QString reserved;
    QString faction;
    QStringList items;
    QStringList attributes;
    QString proficiencies;
    QStringList skills;
    QString face1;
    QString face2;
    QString image;
    // Fields that modules add behind the image, which the editor does not
    // show: written back after the image as they were read.
    QStringList extra;
    // The names and the inventory where Python computes them
    // (ComputedPythonField): such a field holds its expression as written (the
    // inventory as its one row), is shown so and written back so, and the
    // editor does not change it.
    QList<PythonTroopField> computed;
    // The entry ends with the skills, as the game's build takes it (its faces
    // are then 0): no face code is written while none is given, so the entry
    // keeps that shape.
    bool facesLeftOut = false;

    bool isComputed(PythonTroopField field) const { return computed.contains(field); }

    bool operator==(const PythonTroop&) const = default;
};

struct PythonTroopParse {
    PythonTroop troop; // every field that could be read
    // All fields were read and nothing in the entry is left out of them, so
    // writing the troop back loses nothing.
    bool complete = false;
};

// Splits a joined troop entry ( ["id", "Name", "Names", flags, scene, reserved,
// faction, [items], attributes, proficiencies, skills[, face1[, face2[, image[,
// more...]]]]], ) into its fields. Commas, bars and brackets inside brackets or
// strings do not split; names keep their blanks. The names and the inventory
// may be written as expressions Python computes (PythonTroop::computed).
PythonTroopParse ParsePythonTroop(const QString& entry);

// The one-line entry text of a troop as the editor writes it.
QString BuildPythonTroopEntry(const PythonTroop& troop);

// The first field of `troop` that would not stand as one field of the entry
// built from it (the names must fit between double quotes; every other field
// and every term of a list must be one field, IsOnePythonField, and not blank
// where it is written; flags given by more than a plain term cannot be joined
// to others), or none when every field fits.
std::optional<PythonTroopField> BrokenPythonTroopField(const PythonTroop& troop);
// What the editor calls a field in its messages ("faction", "face code 2"),
// and a value the field could hold ("fac_commoners or 0").
QString PythonTroopFieldCaption(PythonTroopField field);
QString PythonTroopFieldExample(PythonTroopField field);

// A field of a troop typed as the wrong kind of Python, and the kind it must be.
struct PythonTroopMistype {
    PythonTroopField field;
    PyFieldKind kind;
};
// The first field of `troop` that differs from `shown` and is not the kind of
// Python it must be: scene, reserved field and proficiencies one term or terms
// joined by "|", the faction and the faces a name or a number, every item,
// attribute and skill row and the image one term. What reads as it was shown
// goes back as it was read and is not looked at.
std::optional<PythonTroopMistype> MistypedPythonTroopField(const PythonTroop& troop,
                                                           const PythonTroop& shown);
// The first field that the entry built from `troop` reads back otherwise
// (Entry when the entry as a whole does not read back as one complete entry),
// or none.
std::optional<PythonTroopField> UnreadablePythonTroopField(const PythonTroop& troop);
// Whether `troop` holds the fields `shown` holds, blanks outside strings
// aside: written back, it would say nothing the shown entry does not.
bool PythonTroopUnchanged(const PythonTroop& troop, const PythonTroop& shown);

// The texts the flag list holds at first: the game's troop flags in their order
// between two separator rows.
QStringList PythonTroopFlagVocabulary();
// The rows of the proficiency combo ("Custom weapon proficiencies", "All
// weapons - wp(x)", ...) and the declaration each row stands for ("0",
// "wp(100)", ...).
QStringList PythonTroopProficiencyCaptions();
QStringList PythonTroopProficiencyTemplates();
// The skill constants the skill combo offers: knows_<skill>_1 to _10.
QStringList PythonTroopSkillConstants();
// The attribute constants the attribute combo offers: level(5), str_3 to cha_30.
QStringList PythonTroopAttributeConstants();
// Whether a row of the flag list is one of its two separators.
bool IsPythonTroopFlagSeparator(const QString& row);
// Selects the flag rows for the parts of a flag field: "0" stands for
// "tf_none", a part matches every row of the same text, and a part that matches
// none is appended to `rows`. Returns the selected rows, top down.
QList<int> SelectFlagRows(QStringList& rows, const QStringList& parts);

// The scene and reserved fields as the editor shows them ("0" is shown by name).
QString ShownScene(const QString& scene);
QString ShownReserved(const QString& reserved);

// A parsed troop as the editor shows it and so writes it back: flags as the
// selected rows of `flagRows` (which may grow), scene and reserved by name.
PythonTroop PythonTroopAsShown(const PythonTroop& parsed, QStringList& flagRows,
                               QList<int>* selectedFlagRows = nullptr);

// ---- Upgrade lines: upgrade(troops,"id","target") / upgrade2(troops,"id","t1","t2")

struct PythonUpgrade {
    QString troop;
    QString target1;
    QString target2;
};

// The first field of `troop` or target of `paths` holding a character that
// module_troops.py in `coding` cannot store and that the `shown` troop and
// paths do not hold either (FirstUnstorablePythonField), with its caption; its
// index is the PythonTroopField, or -1 and -2 for the upgrade paths. None when
// all can be stored.
std::optional<UnstorablePythonField> UnstorablePythonTroopField(const PythonTroop& troop,
                                                                const PythonUpgrade& paths,
                                                                const PythonTroop& shown,
                                                                const PythonUpgrade& shownPaths,
                                                                const PythonCoding& coding);

// Reads an upgrade call standing alone on its line (blanks, indentation, a
// comma before the closing bracket, a "," or ";" behind the call and a
// trailing comment allowed, ids in double or single quotes). Anything else, a
// commented-out call or one with an empty id included, gives none.
std::optional<PythonUpgrade> ParseUpgradeLine(const QString& element);
// Indexes of every upgrade line of the troop `id` (exact id), top down; a line
// that was read inside a string or an open bracket (PythonLines::enclosed) is
// none, since Python does not run it as a statement.
QList<int> FindUpgradeLines(const PythonLines& lines, int max, const QString& id);
// The troop's upgrade line: the last of them, since each call overrides the
// paths an earlier one set; -1 when there is none.
int FindUpgradeLine(const PythonLines& lines, int max, const QString& id);
// The upgrade line for the targets; a lone second target moves to the first;
// both empty give the empty text.
QString BuildUpgradeLine(const QString& id, QString target1, QString target2);
// Puts `text` (an upgrade line or nothing) in the place of an upgrade line,
// keeping its indentation and a remark behind it, and when `text` is a call, a
// comma before the closing bracket and a "," or ";" behind the call; an
// indented line that goes becomes "pass".
void ReplaceUpgradeLine(QString& line, const QString& text);
// Writes the troop's upgrade line: over its upgrade line when it has one, else
// a new element directly behind the last upgrade call that follows the last
// entry, with that call's indentation; without one, behind the first element
// after the last entry that opens with "]" (the list's closing bracket);
// without that either, behind the last element. Without a path every upgrade
// line of the troop is emptied.
void WriteUpgradeLine(PythonLines& lines, int& max, const QString& id, const QString& target1,
                      const QString& target2);
// Writes the upgrade line of a troop whose id changed from `oldId` to `newId`.
// While no entry of lines 0 to max keeps the old id, the troop's call in force
// moves to the new id in its own place (earlier calls of the old id are
// emptied; a call the new id has already takes the paths instead), so no call
// names a troop that is gone. Returns how many calls of other troops still
// lead to the old id.
int RenameUpgradeLine(PythonLines& lines, int& max, const QString& oldId, const QString& newId,
                      const QString& target1, const QString& target2);
// Whether two pairs of upgrade targets set the same paths (a lone second
// target counts as the first).
bool SameUpgradePaths(const PythonUpgrade& a, const PythonUpgrade& b);
