#pragma once

#include "platform/Failure.h"
#include "text_editors/troops/TroopRecord.h"

#include <QList>
#include <QString>
#include <QStringList>

// What the troop editor does to the program-wide troop tables (modTextTroops),
// and the row texts of its lists, apart from any window.

// The six lines of troop i.
TroopLines StoredTroop(int i);
// Replaces the six lines of troop i and its id and name.
void StoreTroop(int i, const TroopLines& lines);
// Appends a troop after the last one: TroopMax grows by one and TroopsCount
// gives the new number of troops. Returns the new troop's index.
int AppendTroop(const TroopLines& lines);
// Drops the last troop (TroopsCount then gives the new number). Refuses, and
// returns false, when it is the only troop left: a save must write one at least.
bool RemoveLastTroop();

// "i.  id  (name)": the rows of the troop lists.
QString TroopRowText(int i);
QStringList TroopListRows();
// "0.  no upgrade", then "i.  id" for every further troop.
QStringList UpgradeComboRows();
// Row i of the upgrade combos.
QString UpgradeComboRow(int i);
// "0 - fac_no_faction  (No_Faction)", then "i - id  (name)" per faction.
QStringList FactionComboRows();
// "i - id  (name)" for every item, item 0 included.
QStringList AvailableItemRows();
// "i - name (id)": a row of the filtered item list.
QString FilteredItemRow(int i);

// Troops (all) and items (from 1) whose name, or else id, contains `filter`;
// upper and lower case differ.
QList<int> MatchingTroops(const QString& filter);
QList<int> MatchingItems(const QString& filter);

// Troops whose upgrade path 1 or 2 names troop `target`, each once, in order.
// Lines with fewer than ten words or paths that are no number link nowhere.
QList<int> TroopsLinkedTo(int target);
// Why troop `troop`, whose lines are out of shape, is neither shown nor updated.
QString UnreadableTroopText(int troop);
// The question before an add fills the window from troop `shown`.
QString AddTroopQuestion(int shown);
// The warning before the last troop (TroopMax) is deleted, naming the troops
// whose upgrade paths lead to it.
QString DeleteLastTroopQuestion();

// The parts of a troop that the batch copy can give to other troops.
struct TroopCopyParts {
    bool flags = false;
    bool faction = false;
    bool items = false;
    bool stats = false;
    bool proficiencies = false;
    bool skills = false;
    bool faces = false;
    bool any() const {
        return flags || faction || items || stats || proficiencies || skills || faces;
    }
};

// Copies the chosen parts of troop `source` into every target. Line 1 of a
// target is rebuilt from ten words (its own but for the copied flags and
// faction words); when the source's or the target's line 1 has fewer than ten
// words that target keeps its line 1 and 9 is raised, and the whole-line parts
// are copied all the same.
void CopyTroops(int source, const QList<int>& targets, const TroopCopyParts& parts,
                PendingFailure& failure);
