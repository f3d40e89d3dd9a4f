#include "text_editors/world/PartyFlags.h"

#include <gtest/gtest.h>

#include <QString>

#include <set>

namespace {

BitWord Word(const char* digits) {
    return BitWord::parse(QString::fromLatin1(digits)).value();
}

std::set<int> SelectedRows(const PartyFlags& flags) {
    std::set<int> rows;
    for (int k = 0; k < PartyFlagCount; ++k) {
        if (flags.rows[static_cast<std::size_t>(k)])
            rows.insert(k);
    }
    return rows;
}

// What the flag list and the icon list show of a flag word, and that the
// shown word is built back unchanged, the bits no row stands for included,
// above bit 63 too.
TEST(PartyFlagsTest, WordsShowTheirRowsAndIconAndComeBackWhole) {
    const struct {
        const char* word;
        std::set<int> rows;
        int icon;
        const char* unshown;
    } rows[] = {
        {"0", {}, 0, "0"},
        {"7", {}, 7, "0"},
        {"16387", {LabelSmallRow, 6}, 3, "0"}, // always_visible alone shows label_small
        {"4096", {LabelMediumRow}, 0, "0"},
        {"12288", {LabelMediumRow, LabelLargeRow}, 0, "0"},
        {"49152", {6}, 0, "32768"}, // another bit in the label digit: no label_small
        {"2559", {0}, 0xFF, "2048"},
        {"117440512", {14, 15}, 0, "16777216"},
        {"18446744073709551615",
         {0, 1, 2, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15},
         0xFF,
         "18446744073600534528"},
        {"792281625142643375935439519747", {LabelSmallRow, 6}, 3, "792281625142643375935439503360"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.word);
        const PartyFlags flags = DecodePartyFlags(Word(row.word));
        EXPECT_EQ(SelectedRows(flags), row.rows);
        EXPECT_EQ(flags.icon, row.icon);
        EXPECT_EQ(flags.unshown, Word(row.unshown));
        EXPECT_EQ(EncodePartyFlags(flags), Word(row.word));
    }
    // A template's gold and goods bytes have controls of their own.
    EXPECT_TRUE(DecodePartyFlags(Word("72620543991349248"), 0xFFFFULL << 48).unshown.isZero());
}

TEST(PartyFlagsTest, RowsAndIconBuildTheWord) {
    PartyFlags flags;
    EXPECT_EQ(EncodePartyFlags(flags), BitWord());
    flags.rows[0] = true; // disabled
    flags.icon = 10;
    EXPECT_EQ(EncodePartyFlags(flags), BitWord::fromU64(266));
    flags.icon = 300; // only the low byte is the icon
    EXPECT_EQ(EncodePartyFlags(flags), BitWord::fromU64(256 + 44));
    flags.icon = -1; // no icon row chosen
    EXPECT_EQ(EncodePartyFlags(flags, 9), BitWord::fromU64(265));
    flags.rows[LabelSmallRow] = true; // adds nothing
    EXPECT_EQ(EncodePartyFlags(flags, 9), BitWord::fromU64(265));
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
        EXPECT_EQ(DecodePersonality(BitWord::fromU64(row.word)), row.shown) << row.word;
        EXPECT_EQ(EncodePersonality(row.shown), row.builtBack) << row.word;
    }
    EXPECT_EQ(EncodePersonality({0, 0, true}), 256u);
    // Beyond 64 bits: more digits than any of the three reads.
    EXPECT_EQ(DecodePersonality(Word("79228162514264337593543950600")), (Personality{8, 0, false}));
}

} // namespace
