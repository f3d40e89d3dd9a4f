#pragma once

#include "platform/TextFile.h"
#include "textfiles/FileHead.h"
#include "textfiles/IdNamePair.h"

#include <QList>
#include <QString>
#include <QStringList>

// The party tables of parties.txt. Party i is element i of each per-party
// list; the lists have PartyCount + 1 elements, the last one empty.
extern int PartyCount; // the number of parties; those a short file lacks are empty
extern QStringList PartyLine;
extern QStringList PartyLine2;
extern QList<IdNamePair> PartyIDs; // words 4 and 5 of PartyLine

// Replaces the tables by parties.txt in ModuleFolder. A file that cannot be
// read is reported as a failure; what is damaged in one that can is told
// (CountedFile).
// Returns whether the whole file was read.
bool LoadTextParties();

// Whether the last load read every party the count line announced; a save
// must not write a half-read file over the whole one.
extern bool PartiesComplete;
// Whether the last load read the partys shifted (a line lost or put in, so a
// line stands where a party's first line belongs); not saved either.
extern bool PartiesShifted;
// Whether the last load told the user that parties.txt is damaged or of
// another version: what an editor then cannot read of a party is that damage,
// which its show does not report again as a failure.
extern bool PartiesToldDamaged;
// The lines after the last party read, or, when the count is no number, every
// line after line 2.
extern QStringList PartiesTail;
// How the lines of parties.txt ended when it was read.
extern LineEnds PartiesLineEnds;
// Lines 1 and 2 as read (word 1 of line 2 is the number of parties), and
// whether the editor reads the file as its own; a save writes both back as read.
extern FileHead PartiesHead;

// Offers the backup and writes parties.txt: line 1, line 2 as read, both lines
// of every party, then PartiesTail, every line ending as it did; reports.
// A file the last load did not read whole is not written (the user is told).
// Returns whether the file now holds the tables (the editor keeps its unsaved
// mark otherwise).
bool SaveTextParties();
