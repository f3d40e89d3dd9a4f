#pragma once

#include "platform/BitWord.h"

#include <array>
#include <cstdint>

// The flag word and the personality word that parties and party templates
// share, split into what the flag list, the icon list and the personality
// controls show, and built back.

// One row of the flag list. `digit` is the hexadecimal digit of the flag word
// the row is read from, counted from the right.
struct PartyFlagRow {
    const char* text;
    std::uint64_t mask;
    int digit;
};
constexpr int PartyFlagCount = 16;
// The sixteen rows in list order ("disabled" to "civilian").
extern const std::array<PartyFlagRow, PartyFlagCount> PartyFlagRows;
// The three label size rows; "label_small" stands for no label size bit.
constexpr int LabelSmallRow = 3;
constexpr int LabelMediumRow = 4;
constexpr int LabelLargeRow = 5;

// A flag word as the controls show it.
struct PartyFlags {
    std::array<bool, PartyFlagCount> rows{}; // selected rows of the flag list
    // The low byte; a negative value means no icon row is chosen: the stored icon stays.
    int icon = 0;
    // Every bit no control stands for, above bit 63 too, carried into the rebuilt word.
    BitWord unshown;

    bool operator==(const PartyFlags&) const = default;
};

// The rows, icon and unshown bits of `word`. `shownElsewhere` are the bits other
// controls show (a template's gold and goods bytes), which are not carried.
PartyFlags DecodePartyFlags(const BitWord& word, std::uint64_t shownElsewhere = 0);
// The masks of the selected rows plus the icon (taken modulo 256) plus the
// unshown bits; `storedIcon` stands in for a negative icon.
BitWord EncodePartyFlags(const PartyFlags& flags, int storedIcon = 0);
// After a click or key on row `current`: when it is a label size row, the other
// two label size rows are deselected; the clicked row keeps its state.
void ExclusiveLabelFlags(std::array<bool, PartyFlagCount>& rows, int current);

// A personality word as its three controls show it.
struct Personality {
    int courage = 0;        // 0-15, the courage list's row
    int aggressiveness = 0; // 0-15, the aggressiveness list's row
    bool banditness = false;

    bool operator==(const Personality&) const = default;
};

// The controls' values, read from the word's hexadecimal digits: the last is
// the courage, the first of two or the middle of three the aggressiveness, a
// leading "1" of three the banditness (264 gives 8, 0, on; 4660 gives 4, 0, off).
Personality DecodePersonality(const BitWord& word);
// banditness x 256 + aggressiveness x 16 + courage.
std::uint64_t EncodePersonality(const Personality& personality);

constexpr int AiBehaviourCount = 12;
// The AI behaviour list's rows; the row is the value stored.
extern const std::array<const char*, AiBehaviourCount> AiBehaviourRows;
