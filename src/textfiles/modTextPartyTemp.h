#pragma once

#include "platform/TextFile.h"
#include "textfiles/FileHead.h"
#include "textfiles/IdNamePair.h"

#include <QList>
#include <QString>
#include <QStringList>

// The party-template tables of party_templates.txt. Template i is element i of
// each list; the lists have PartyTempCount + 1 elements, the last one empty.
extern int PartyTempCount; // the number of templates; those a short file lacks are empty
extern QStringList PartyTempLine;
extern QList<IdNamePair> PartyTempIDs; // words 0 and 1 of PartyTempLine

// Replaces the tables by party_templates.txt in ModuleFolder. A file that
// cannot be read is reported as a failure; what is damaged in one that can is
// told (CountedFile). Returns whether the whole file was read.
bool LoadTextPartyTemplates();

// Whether the last load read every template the count line announced; a save
// must not write a half-read file over the whole one.
extern bool PartyTempsComplete;
// Whether the last load read the templates shifted (a line lost or put in, so a
// line stands where a template's first line belongs); not saved either.
extern bool PartyTempsShifted;
// Whether the last load told the user that party_templates.txt is damaged or of
// another version: what an editor then cannot read of a template is that damage,
// which its show does not report again as a failure.
extern bool PartyTempsToldDamaged;
// The lines after the last template read, or, when the count is no number,
// every line after line 2.
extern QStringList PartyTempsTail;
// How the lines of party_templates.txt ended when it was read.
extern LineEnds PartyTempsLineEnds;
// Lines 1 and 2 as read, and whether the editor reads the file as its own; a
// save writes both back as read.
extern FileHead PartyTempsHead;

// Offers the backup and writes party_templates.txt: line 1, line 2 as read,
// every template's line, then PartyTempsTail, every line ending as it did;
// reports. A file the last load did not read whole is not written (the user is
// told). Returns whether the file now holds the tables.
bool SaveTextPartyTemplates();
