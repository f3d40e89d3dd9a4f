#pragma once

#include "platform/TextFile.h"
#include "textfiles/FileHead.h"

#include <QString>
#include <QStringList>

// The faction tables of factions.txt. Faction i is element i of each
// per-faction list; the lists always have FactionMax + 1 elements.
// Index of the last faction; -1 when there is none. The factions a short file
// lacks are held as empty records.
extern int FactionMax;
// The factions read from the file: FactionMax + 1, but for a file that ends
// before the last faction its line 2 announces. A relation line holds a
// relation to each of these.
extern int FactionsRead;
extern QStringList FactionLine;
extern QStringList FactionRelLine;
extern QStringList FactionID;   // empty for faction 0
extern QStringList FactionName; // empty for faction 0
// The rank word that closes faction i when it stands on a line of its own
// between the faction's relation line and the next faction's line, as some
// modules write it ("0 "); empty where it leads the next faction's line, and
// for the last faction, whose closing line is the file's tail.
extern QStringList FactionRankLine;

// Whether a faction line begins with a lead word before its id: the rank word
// of the faction before it, as the game writes every faction line but the
// first. The first line, and every line of a file that writes the rank word on
// a line of its own, begins with the id (fac_...).
bool FactionLineHasLeadWord(const QString& line);

// Returns whether the whole file was read, every record in its place. A
// faction line or relation line out of place (a line lost or put in) is told
// by line and faction.
bool LoadTextFactions();

// Whether the last load read every record the count line announced; a save
// must not write a half-read file over the whole one.
extern bool FactionsComplete;
// Whether the last load read the records shifted (a line lost or put in); a
// save must not write such records over the file either.
extern bool FactionsShifted;
// Whether the last load told the user that factions.txt is damaged or of
// another version: what an editor then cannot read of a faction is that damage,
// which its show does not report again as a failure.
extern bool FactionsToldDamaged;
// The lines after the last record read (normally the closing "0 " line), or,
// when the count line is no number, every line after it.
extern QStringList FactionsTail;
// How the lines of factions.txt ended when it was read.
extern LineEnds FactionsLineEnds;
// Lines 1 and 2 as read, and whether the editor reads the file as its own; a
// save writes both back as read.
extern FileHead FactionsHead;

// Offers the backup and writes factions.txt: line 1, line 2 as read, both lines
// of every faction and its rank line where it had one, then FactionsTail, every line ending as it
// did ("0 " with the file's usual line end when nothing followed the factions); reports. A file the
// last load did not read whole or read shifted is not written (the user is told). Returns whether
// the file now holds the tables.
bool SaveTextFactions();
