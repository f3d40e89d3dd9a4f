#pragma once

#include <QString>
#include <QStringList>

// The faction tables of factions.txt.
extern QString FactionsHeader;
extern QString FactionsCount;
extern int FactionMax; // index of the last faction; -1 when there is none
extern QStringList FactionLine;
extern QStringList FactionRelLine;
extern QStringList FactionID;
extern QStringList FactionName;

// Returns whether the whole file was read.
bool LoadTextFactions();
