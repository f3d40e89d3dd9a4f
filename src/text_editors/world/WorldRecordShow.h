#pragma once

#include "platform/Failure.h"

#include <QString>

// How the faction, party and party-template editors end the show of a record:
// the one place that tells the damage a load told from a fault of the program.

// A file of records as its editor's show names it.
struct WorldRecordFile {
    QString fileName;                  // "factions.txt"
    QString kind;                      // "Faction", as the record is named ("Faction # 5")
    QString showProc;                  // "ShowFaction"
    const bool* toldDamaged = nullptr; // whether the last load told the file damaged
};

// Ends the show of record `record` of `file`, which read whole (`complete`) or
// not. A record that does not read whole in a file whose damage the load told
// is that damage: a box says that it cannot be read and is not updated, and no
// failure is reported. Any other pending `failure` is the program's and is
// reported. Returns whether the record may be updated.
bool EndRecordShow(const WorldRecordFile& file, int record, bool complete,
                   const PendingFailure& failure);
