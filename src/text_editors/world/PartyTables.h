#pragma once

#include <QString>
#include <QStringList>

// What the party editor does to the program-wide party tables (modTextParties)
// and the row texts of its lists, apart from any window. Every number is
// written in plain decimal; the row index is the number the record stores.

// "List of Parties (n)", n the number of parties.
QString PartyListCaption();
// "i.  id  (name)" for every party.
QStringList PartyListRows();
// "i - id  (name)": the row of party i once an update has stored it.
QString UpdatedPartyRow(int i);
// "i.  id" for every party: the AI target list.
QStringList TargetComboRows();
QString TargetComboRow(int i);
// "i - id  (name)" for every party template.
QStringList TemplateComboRows();

// Stores `line` as the first line of party i and takes its id and name from
// words 4 and 5; the second line stays.
void StoreParty(int i, const QString& line);
