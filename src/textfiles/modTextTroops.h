#pragma once

#include "platform/TextFile.h"

#include <QString>
#include <QStringList>

// The troop tables of troops.txt. Troop i is element i of each per-troop list;
// the lists always have TroopMax + 1 elements.
extern QString TroopsHeader;        // line 1, written back unchanged
extern QString TroopsCount;         // line 2 as read (rewritten by add, delete and save)
extern int TroopMax;                // index of the last troop; -1 when there is none
extern QStringList TroopLine;       // record line 1 (id, name, flags, ...)
extern QStringList TroopItemLine;   // record line 2 (inventory)
extern QStringList TroopAttribLine; // record line 3 (attributes and level)
extern QStringList TroopProfLine;   // record line 4 (weapon proficiencies)
extern QStringList TroopSkillLine;  // record line 5 (skills)
extern QStringList TroopFaceLine;   // record line 6 (faces)
extern QStringList TroopID;         // word 0 of TroopLine
extern QStringList TroopName;       // word 1 of TroopLine

// How the lines of troops.txt ended when it was read: the save writes every
// line with the file's usual line end, and the last one with a line end only
// when the file's last line had one.
extern LineEnds TroopsLineEnds;

// Replaces the tables by troops.txt in ModuleFolder; reports what went wrong
// (failure 9 also for more troops than the game holds, which are all kept).
// Lines that belong to no troop (which a save drops: the first five by line
// number and text, and how many) and troops whose lines are out of shape are
// told in a box of their own, by line number and the troop before them.
// Returns whether the file could be read.
bool LoadTextTroops();
// Offers the backup, writes troops.txt and reports; returns whether the file
// now holds the tables (the editor keeps its unsaved mark otherwise). When the
// save would drop lines of the file as last read, it asks first, naming how
// many; No saves nothing.
bool SaveTextTroops();

// Whether troop i's six lines have the shape of one troop's: a first line of
// ten words at least, no later line that names a troop, and the attribute,
// proficiency, skill and face lines with the words the record reads from them.
// A troop of another shape was read from a damaged file (a line split in two,
// a line lost, an empty line put in), so its fields are not the troop's and
// must not be written back.
bool TroopHasSoundShape(int i);
