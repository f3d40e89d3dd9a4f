#pragma once

#include "platform/TextFile.h"
#include "text_editors/world/PartyFlags.h"
#include "text_editors/world/WorldWords.h"

#include <array>

class CheckBox;
class ComboBox;
class PendingFailure;
class ToggleList;

// Refuses the first of `words` that holds a character `file`, of `coding`,
// cannot store (FirstUnstorableChar), with the box that names its field;
// returns whether one did.
bool RefuseUnstorable(const QList<TypedWord>& words, const QString& file, TextCoding coding);

// What a stored -1 means to a list: "no row" in parties.txt; in a template's
// words it is no index of any row and is reported like any other.
enum class MinusOne { MeansNoRow, IsReported };

// Chooses row `index` of `combo`. An index the list has no row for shows no
// row, so that nothing of the record shown before stays on the screen and the
// update writes the stored value back, and raises 9 for the show to report;
// a number beyond every list (BeyondEveryRow) is no fault and raises nothing.
void ShowRow(ComboBox* combo, int index, PendingFailure& failure,
             MinusOne minusOne = MinusOne::MeansNoRow);

// Chooses row `index` of `combo`, a list of records (the factions, the party
// templates, the troops, the parties) or of the game's values (the AI
// behaviours). An index beyond the list is no fault of the record: the files
// of one module out of step (a faction beyond factions.txt), or a number the
// module's build wrote that no row stands for. As for icons beyond
// map_icons.txt (ShowIconRow), no row is chosen, nothing is reported, and the
// update keeps the stored index. Any other index is shown as ShowRow shows it.
void ShowOtherFileRow(ComboBox* combo, int index, PendingFailure& failure,
                      MinusOne minusOne = MinusOne::MeansNoRow);

// Chooses the row of map icon `icon` in `combo`. An icon beyond the list (a
// module's own icons past the game's, or any icon of a module whose
// map_icons.txt is empty or missing) is no fault of the record: no row is
// chosen, nothing is reported, and the update keeps the stored icon.
void ShowIconRow(ComboBox* combo, int icon);

// The flag list and the three personality controls of the party and the
// party-template windows, which show the same words the same way.
struct PartyFlagControls {
    ToggleList* flags = nullptr;
    ComboBox* courage = nullptr;
    ComboBox* aggressiveness = nullptr;
    CheckBox* banditness = nullptr;

    // Lists the sixteen flag rows and the levels 0-15, with level 0 chosen.
    void fillRows() const;
    // Shows `rows` on the flag list and `personality`; runs no flag handler.
    void show(const std::array<bool, PartyFlagCount>& rows, const Personality& personality) const;
    // The flag list's rows as they stand.
    std::array<bool, PartyFlagCount> rows() const;
    // The personality the three controls show.
    Personality personality() const;
};
