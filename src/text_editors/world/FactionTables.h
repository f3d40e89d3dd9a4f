#pragma once

#include <QString>
#include <QStringList>

// What the faction editor does to the program-wide faction tables
// (modTextFactions), and the row texts of its lists, apart from any window.

// The faction list: "0 - fac_no_faction  (No_Faction)", then "i.  id  (name)"
// for every further faction.
QStringList FactionListRows();
// Row i of the faction list, for i from 1.
QString FactionRowText(int i);
// The relation list: "id  (name)" of factions 1 to FactionMax; row r stands
// for faction r + 1.
QStringList RelationRows();

// Replaces both lines of faction i and the id and name the other lists show.
void StoreFaction(int i, const QString& line1, const QString& relationLine, const QString& id,
                  const QString& name);

// The colour bars as the hex label shows them: two upper-case hexadecimal
// digits each for red, green and blue ("100000" for red 16).
QString ColourHex(int red, int green, int blue);
