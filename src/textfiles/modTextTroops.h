#pragma once

#include "platform/TextFile.h"
#include "textfiles/FileHead.h"

#include <QString>
#include <QStringList>

// The troop tables of troops.txt. Troop i is element i of each per-troop list;
// the lists always have TroopMax + 1 elements.
extern int TroopMax;                // index of the last troop; -1 when there is none
extern QStringList TroopLine;       // record line 1 (id, name, flags, ...)
extern QStringList TroopItemLine;   // record line 2 (inventory)
extern QStringList TroopAttribLine; // record line 3 (attributes and level)
extern QStringList TroopProfLine;   // record line 4 (weapon proficiencies)
extern QStringList TroopSkillLine;  // record line 5 (skills)
extern QStringList TroopFaceLine;   // record line 6 (faces)
extern QStringList TroopID;         // word 0 of TroopLine
extern QStringList TroopName;       // word 1 of TroopLine

// Lines 1 and 2 of troops.txt as read, and whether the editor reads its troops.
// A save writes line 1 back unchanged.
extern FileHead TroopsHead;
// Line 2 as a save writes it for the troops the tables hold: as read while
// it holds their number, or else that number (with a blank after it, when
// line 2 as read had one).
QString TroopsCount();
// How the text of troops.txt is its bytes as read, which typed text must fit.
TextCoding TroopsCoding();

// Replaces the tables by troops.txt in ModuleFolder; reports a file that
// cannot be read, and failure 9 for more troops than the game holds (which are
// all kept).
// Lines that belong to no troop (the first five by line number and text, and
// how many) and troops whose lines are out of shape are told in a box of their
// own, by line number and troop. Five lines of a troop after a line that names
// no troop (its first line emptied or lost) are held as a troop out of shape
// in its place. A file of another version (line 1), or whose line 2 holds no
// number (ReadCountHead), is told so in one box, and nothing else of it.
// Returns whether the file could be read.
bool LoadTextTroops();
// Offers the backup, writes troops.txt and reports; returns whether the file
// now holds the tables (the editor keeps its unsaved mark otherwise). Every
// line the tables did not change goes back as read, its line end included
// (KeptRecords); a new troop follows an empty line. Line 2 is TroopsCount. A
// file of another version, or whose line 2 held no number, is not saved.
bool SaveTextTroops();
// Keep what a save gives back as read in step with the tables: troop i was
// inserted (at the end, or before troop i), troop i removed (the lines of no
// troop before it stay). A save after a change of the number of troops that
// did not come here writes nothing and reports failure 9.
void KeepTroopInserted(int i);
void KeepTroopRemoved(int i);

// Whether troop i's six lines have the shape of one troop's: a first line
// naming the troop, of ten words at least, no later line that names a troop, and the attribute,
// proficiency, skill and face lines with the words the record reads from them.
// A troop of another shape was read from a damaged file (a line split in two,
// a line lost, an empty line put in), so its fields are not the troop's and
// must not be written back. No troop read out of shape at load has it, nor
// any troop of a file the editor does not read as its own (TroopsHead).
bool TroopHasSoundShape(int i);
