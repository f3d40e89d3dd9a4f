#pragma once

#include <QString>
#include <QStringList>

// The member troop boxes of the party-template editor. The template list is
// built, and a row finds its entry, through the shared entry rows
// (module_system/PythonEntryLists.h with PartyTemplateRows).

// The rows of each member troop box: "none", then "trp_" and the id of every
// troop entry of the troop table's lines 0 to max.
QStringList PythonPTTroopRows(const QStringList& troopLines, int troopMax);
