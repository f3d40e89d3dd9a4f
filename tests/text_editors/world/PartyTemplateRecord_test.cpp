#include "text_editors/world/PartyTemplateRecord.h"

#include "WorldTestSupport.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// Templates as the game writes them, and hand-edited ones: a member of troop 0,
// an icon beyond the fixed list, flag bits no row names, leading zeros, member
// flags beyond the prisoner bit.
const QString None = QStringLiteral("pt_none none 0 0 0 0 -1 -1 -1 -1 -1 -1 ");
const QString Patrol = QStringLiteral(
    "pt_kingdom_patrol Kingdom_Patrol 360287970189639682 0 1 136 3 1 2 0 2 5 15 0 -1 -1 -1 -1 ");
const QString Full = QStringLiteral(
    "pt_host Host 1125899906859008 0 2 392 1 1 2 0 2 2 3 1 3 3 4 0 4 4 5 1 5 5 6 0 6 6 7 0 ");
const QString Rough =
    QStringLiteral("pt_rough Rough 01073742024 x 99 4660 0 3 5 0 -1 9999 1 1 1 -1 -1 -1 ");
// A community module's lair: goods 2, icon 196 (beyond the fixed list), and a
// line without its closing blank.
const QString Lair = QStringLiteral(
    "pt_plains_bandit_lair Bandit_Lair 562949955519684 0 3 312 143 15 58 0 -1 -1 -1 -1 -1");

TEST(PartyTemplateRecordTest, UnchangedTemplatesAreBuiltBackWordForWord) {
    QStringList lines = {
        None, Patrol, Full, Rough, Lair, Lair + ' ', "pt_a A 0 0 0 0 9 1 1 2 -1 -1 -1 -1 5 1 1 0 "};
    lines << SampleLines(QStringLiteral("party_templates.txt")).mid(2);
    ASSERT_GE(lines.size(), 8);
    for (const QString& line : lines) {
        SCOPED_TRACE(line.toStdString());
        PendingFailure failure;
        const PartyTemplateRead read = DecodePartyTemplate(line, failure);
        ASSERT_TRUE(read.complete);
        EXPECT_EQ(EncodePartyTemplate(read.record, line, failure), line);
        EXPECT_FALSE(failure.pending());
    }
}

TEST(PartyTemplateRecordTest, WordsAreReadIntoTheirFields) {
    PendingFailure failure;
    const PartyTemplateRecord r = DecodePartyTemplate(Patrol, failure).record;
    EXPECT_EQ(r.id, "pt_kingdom_patrol");
    EXPECT_EQ(r.name, "Kingdom_Patrol");
    EXPECT_EQ(r.gold, 5);
    EXPECT_EQ(r.goods, 0);
    EXPECT_EQ(r.flags.icon, 2);
    EXPECT_EQ(r.faction, 1);
    EXPECT_EQ(r.personality, (Personality{8, 8, false}));
    const TemplateSlot empty;
    EXPECT_EQ(r.members,
              (std::array<TemplateSlot, TemplateSlotCount>{
                  {{3, "1", "2", false}, {2, "5", "15", false}, empty, empty, empty, empty}}));
    // Goods in bits 48-55 (0x4 here), flag rows above the icon.
    const PartyTemplateRecord full = DecodePartyTemplate(Full, failure).record;
    EXPECT_EQ(full.goods, 4);
    EXPECT_EQ(full.gold, 0);
    EXPECT_TRUE(full.flags.rows[6]); // always_visible
    EXPECT_TRUE(full.members[5] == (TemplateSlot{6, "6", "7", false}));
    EXPECT_TRUE(full.members[0] == (TemplateSlot{1, "1", "2", false}));
    EXPECT_FALSE(failure.pending());
}

TEST(PartyTemplateRecordTest, ChangesWriteOnlyTheirWords) {
    using Edit = std::function<void(PartyTemplateRecord&)>;
    const struct {
        const char* what;
        QString stored;
        Edit edit;
        QString expected;
    } rows[] = {
        {"gold 5 with icon 3", None,
         [](PartyTemplateRecord& r) {
             r.gold = 5;
             r.flags.icon = 3;
         },
         QString(None).replace("none 0 ", "none 360287970189639683 ")},
        {"goods 200", None, [](PartyTemplateRecord& r) { r.goods = 200; },
         QString(None).replace("none 0 ", "none 56294995342131200 ")},
        {"personality and faction", Patrol,
         [](PartyTemplateRecord& r) {
             r.personality = {0, 0, true};
             r.faction = 0;
         },
         QString(Patrol).replace(" 0 1 136 ", " 0 0 256 ")},
        {"a member filled in", None,
         [](PartyTemplateRecord& r) {
             r.members[1] = {7, "2", "9", true};
         },
         "pt_none none 0 0 0 0 -1 7 2 9 1 -1 -1 -1 -1 "},
        {"a member set to None", Patrol, [](PartyTemplateRecord& r) { r.members[0].troop = 0; },
         QString(Patrol).replace(" 136 3 1 2 0 ", " 136 -1 ")},
        // A member of troop 0 shows as "None" and stays a member.
        {"a member of troop 0", Rough, [](PartyTemplateRecord& r) { r.members[0].max = "6"; },
         QString(Rough).replace(" 0 3 5 0 ", " 0 3 6 0 ")},
        // The icon 200 has no row, the bit 2^30 no flag row: both stay.
        {"flag bits and icon no control shows", Rough,
         [](PartyTemplateRecord& r) {
             r.flags.icon = -1;
             r.flags.rows[0] = true;
         },
         QString(Rough).replace(" 01073742024 ", " 1073742280 ")},
        // The icon 196 has no row; a line without its closing blank stays so.
        {"gold and a member on the lair", Lair,
         [](PartyTemplateRecord& r) {
             r.flags.icon = -1;
             r.gold = 1;
             r.members[1] = {7, "2", "9", true};
         },
         QString(Lair)
             .replace(" 562949955519684 ", " 72620543993447620 ")
             .replace(" 0 -1 -1 -1 -1 -1", " 0 7 2 9 1 -1 -1 -1 -1")},
        {"no row for a troop or the faction", Rough,
         [](PartyTemplateRecord& r) {
             r.faction = -1;
             r.members[2].troop = -1;
             r.members[2].prisoner = false;
         },
         QString(Rough).replace(" 9999 1 1 1 ", " 9999 1 1 0 ")},
    };
    for (const auto& row : rows) {
        PendingFailure failure;
        EXPECT_EQ(
            EditedLine(row.stored, DecodePartyTemplate, EncodePartyTemplate, row.edit, failure),
            row.expected)
            << row.what;
        EXPECT_FALSE(failure.pending());
    }
}

// Lines without exactly six slots are shown as far as they were read, with
// empty slots for the rest, and are never rebuilt.
TEST(PartyTemplateRecordTest, LinesWithoutTheSlotShapeAreNeverRebuilt) {
    const struct {
        QString line;
        int failure;
    } rows[] = {
        {"pt_a A 0 0 0 0 -1 -1 -1 -1 -1 -1 -1 ", Err::SubscriptOutOfRange},
        {"pt_a A 0 0 0 0 -1 -1 -1 -1 -1 ", Err::SubscriptOutOfRange},
        {"pt_a A 0 0 0 0 9 1 1 -1 -1 -1 -1 5 1 1 0 ", Err::SubscriptOutOfRange}, // a word lost
        {"pt_a A 0 0 0 0 -1 -1 -1 -1 -1 -1 5 1 0 ", Err::SubscriptOutOfRange},
        {"pt_a A 0 0 0 0 -1 -1 -1 -1 -1 x 1 1 0 ", Err::TypeMismatch},
        {"pt_a A gold 0 0 0 -1 -1 -1 -1 -1 -1 ", Err::TypeMismatch},
        {"pt_a", Err::SubscriptOutOfRange},
    };
    for (const auto& row : rows)
        ExpectNeverRebuilt(row.line, row.failure, DecodePartyTemplate, EncodePartyTemplate);
    // The slots read keep their members; the rest never show another template's.
    PendingFailure failure;
    const PartyTemplateRecord r =
        DecodePartyTemplate("pt_a A 0 0 0 0 9 1 1 -1 -1 -1 -1 5 1 1 0 ", failure).record;
    EXPECT_TRUE(r.members[5] == (TemplateSlot{5, "1", "1", false}));
    EXPECT_TRUE(r.members[0] == TemplateSlot{});
}

TEST(PartyTemplateRecordTest, GoldAndGoodsAreClampedAndChecked) {
    const struct {
        QString text;
        std::optional<int> value;
    } rows[] = {{"", 0},    {"255", 255},          {"300", 255},        {"99999999999999", 255},
                {"007", 7}, {"12a", std::nullopt}, {"-1", std::nullopt}};
    for (const auto& row : rows)
        EXPECT_EQ(LootValue(row.text), row.value) << row.text.toStdString();

    PendingFailure failure;
    const PartyTemplateRecord stored = DecodePartyTemplate(Patrol, failure).record;
    PartyTemplateRecord r = stored;
    EXPECT_EQ(PartyTemplateProblem(r, stored, "300", ""), QString());
    EXPECT_EQ(PartyTemplateProblem(r, stored, "5", "lots"),
              "'Carry goods' must be a number from 0 to 255!");
    r.members[1].min = "1 2";
    EXPECT_EQ(PartyTemplateProblem(r, stored, "5", "0"),
              "'Min. of member 2' must not be empty or hold blanks or line breaks!");
}

} // namespace
