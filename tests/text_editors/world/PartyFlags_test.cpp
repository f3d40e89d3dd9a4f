#include "text_editors/world/PartyFlags.h"

#include <gtest/gtest.h>

#include <set>

namespace {

std::set<int> SelectedRows(const PartyFlags& flags) {
    std::set<int> rows;
    for (int k = 0; k < PartyFlagCount; ++k) {
        if (flags.rows[static_cast<std::size_t>(k)])
            rows.insert(k);
    }
    return rows;
}

// What the flag list and the icon list show of a flag word, and that the
// shown word is built back unchanged, the bits no row stands for included.
TEST(PartyFlagsTest, WordsShowTheirRowsAndIconAndComeBackWhole) {
    const struct {
        std::uint64_t word;
        std::set<int> rows;
        int icon;
        std::uint64_t unshown;
    } rows[] = {
        {0, {}, 0, 0},
        {7, {}, 7, 0},
        {16387, {LabelSmallRow, 6}, 3, 0}, // always_visible alone shows label_small
        {4096, {LabelMediumRow}, 0, 0},
        {12288, {LabelMediumRow, LabelLargeRow}, 0, 0},
        {0x4000 | 0x8000, {6}, 0, 0x8000}, // another bit in the label digit: no label_small
        {0x900 | 0xFF, {0}, 0xFF, 0x800},
        {0x6000000 | 0x1000000, {14, 15}, 0, 0x1000000},
        {0xFFFFFFFFFFFFFFFFULL,
         {0, 1, 2, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15},
         0xFF,
         0xFFFFFFFFF9808800ULL},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.word);
        const PartyFlags flags = DecodePartyFlags(row.word);
        EXPECT_EQ(SelectedRows(flags), row.rows);
        EXPECT_EQ(flags.icon, row.icon);
        EXPECT_EQ(flags.unshown, row.unshown);
        EXPECT_EQ(EncodePartyFlags(flags), row.word);
    }
    // A template's gold and goods bytes have controls of their own.
    EXPECT_EQ(DecodePartyFlags(0x0102000000000000ULL, 0xFFFFULL << 48).unshown, 0u);
}

TEST(PartyFlagsTest, RowsAndIconBuildTheWord) {
    PartyFlags flags;
    EXPECT_EQ(EncodePartyFlags(flags), 0u);
    flags.rows[0] = true; // disabled
    flags.icon = 10;
    EXPECT_EQ(EncodePartyFlags(flags), 266u);
    flags.icon = 300; // only the low byte is the icon
    EXPECT_EQ(EncodePartyFlags(flags), 256u + 44u);
    flags.icon = -1; // no icon row chosen
    EXPECT_EQ(EncodePartyFlags(flags, 9), 265u);
    flags.rows[LabelSmallRow] = true; // adds nothing
    EXPECT_EQ(EncodePartyFlags(flags, 9), 265u);
}

TEST(PartyFlagsTest, ALabelSizeRowClickedClearsTheOtherTwo) {
    const struct {
        std::set<int> before;
        int clicked;
        std::set<int> after;
    } rows[] = {
        {{LabelMediumRow, LabelLargeRow}, LabelMediumRow, {LabelMediumRow}},
        {{LabelSmallRow, LabelLargeRow, 6}, LabelSmallRow, {LabelSmallRow, 6}},
        {{LabelMediumRow, LabelLargeRow}, 6, {LabelMediumRow, LabelLargeRow}},
    };
    for (const auto& row : rows) {
        PartyFlags flags;
        for (int k : row.before)
            flags.rows[static_cast<std::size_t>(k)] = true;
        ExclusiveLabelFlags(flags.rows, row.clicked);
        EXPECT_EQ(SelectedRows(flags), row.after) << row.clicked;
    }
}

TEST(PartyFlagsTest, PersonalityIsReadFromItsHexadecimalDigits) {
    const struct {
        std::uint64_t word;
        Personality shown;
        std::uint64_t builtBack;
    } rows[] = {
        {264, {8, 0, true}, 264}, {48, {0, 3, false}, 48},  {392, {8, 8, true}, 392},
        {512, {0, 0, false}, 0},  {4660, {4, 0, false}, 4}, {15, {15, 0, false}, 15},
        {0, {0, 0, false}, 0},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(DecodePersonality(row.word), row.shown) << row.word;
        EXPECT_EQ(EncodePersonality(row.shown), row.builtBack) << row.word;
    }
    EXPECT_EQ(EncodePersonality({0, 0, true}), 256u);
}

} // namespace
