#pragma once

#include "platform/Failure.h"
#include "text_editors/world/PartyFlags.h"

#include <QList>
#include <QString>

#include <optional>

// The first line of a party of parties.txt (the second, its bearing, is never
// edited). The line begins with a blank and is cut at every single blank:
// word 4 id, 5 name, 6 flag word with the map icon in its low byte, 7 menu,
// 8 template, 9 faction, 10 personality (11 again), 12 AI behaviour, 13 AI
// target, 15/16 position (17-20 again), 22 member count, then four words per
// member: troop, count, a word of the game's own, member flags.

// How many members the editor shows; a party may hold more, which are kept.
constexpr int PartyShownMembers = 5;

struct PartyMember {
    int troop = 0;         // troop list row; negative: no row chosen, the stored troop stays
    QString count;         // as typed
    bool prisoner = false; // bit 0 of the member flags; the other bits stay

    bool operator==(const PartyMember&) const = default;
};

// A party as the editor's controls show it. The list rows (template, faction,
// AI target, troops, icon) are the indexes the record stores; a negative row
// means no row was chosen, and the stored word stays.
struct PartyRecord {
    QString id;
    QString name;
    PartyFlags flags;
    QString menu;
    int partyTemplate = 0;
    int faction = 0;
    Personality personality;
    int aiBehaviour = 0;
    int aiTarget = 0;
    QString posX;
    QString posY;
    QList<PartyMember> members; // every member of the line, the sixth on included

    bool operator==(const PartyRecord&) const = default;
};

struct PartyRead {
    PartyRecord record;    // as far as the line could be read
    bool complete = false; // every word was read; only then may the record be updated
};

// Splits a party's first line. A line too short for its words or its member
// count, or one whose member count announces fewer members than the whole
// numbers after it make, raises 9; a word that is no number where one is
// needed (each member's four words among them) 13. The record then holds what
// was read and is not complete. Numbers of any length are read; what no
// control holds stays as stored. Members beyond the fifth are no fault: the
// game knows such parties, and the editor shows five and keeps the others.
PartyRead DecodeParty(const QString& line, PendingFailure& failure);

// Builds the first line from `record` on the `stored` one: every word whose
// field is unchanged stays as stored, and so do the words no control shows
// (1-3, 14, 21, each member's third word, the words after the members, flag
// bits no row stands for). Changed words are written as the game writes them:
// the personality into 10 and 11, the position into 15-20. Raises 9 and gives
// no line when `stored` is not complete or a new member has no troop chosen.
std::optional<QString> EncodeParty(const PartyRecord& record, const QString& stored,
                                   PendingFailure& failure);

// Puts the member rows the editor shows into `record`: `shown` replaces the
// first members; the members beyond the fifth stay while all five rows are in use.
void SetShownMembers(PartyRecord& record, const QList<PartyMember>& shown);

// The message that refuses `edited` (a typed word that would shift the line, a
// position changed to no number, a count changed to no whole number of 0 or
// more, a new member without a troop), or the empty text; `stored` is the
// record shown.
QString PartyProblem(const PartyRecord& edited, const PartyRecord& stored);
