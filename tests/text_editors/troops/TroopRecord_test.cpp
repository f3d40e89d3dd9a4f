#include "text_editors/troops/TroopRecord.h"

#include "TroopTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

// The inventory line as the game writes it: the given item/modifier pairs, then
// empty slots up to 64.
QString ItemLine(const QStringList& pairs) {
    QString line = QStringLiteral("  ");
    for (const QString& pair : pairs)
        line += pair + QStringLiteral(" ");
    for (qsizetype k = pairs.size(); k < 64; ++k)
        line += QStringLiteral("-1 0 ");
    return line;
}

TroopLines Standard(const QString& head, const QString& items, const QString& skills,
                    const QString& faces) {
    return {
        head,   items, QStringLiteral("  14 12 6 5 18"), QStringLiteral(" 150 130 120 80 60 90 0"),
        skills, faces};
}

struct RoundTripRow {
    const char* what;
    TroopLines lines;
};

std::vector<RoundTripRow> RoundTripRows() {
    const QString plainFaces = QStringLiteral("  0 0 0 0 0 0 0 0 ");
    const QString plainSkills = QStringLiteral("0 0 0 0 0 0 ");
    QStringList sixtyFour;
    for (int k = 1; k <= 64; ++k)
        sixtyFour.append(QString::number(k) + QStringLiteral(" ") + QString::number(k % 7));
    return {
        {"plain", Standard("trp_player Player Player 0 268435472 0 0 13 0 0", ItemLine({}),
                           plainSkills, plainFaces)},
        {"bit 31 and every other bit",
         Standard("trp_a A As 0 4294967295 0 0 1 2 3", ItemLine({"4 0"}), plainSkills, plainFaces)},
        {"bit 31 alone",
         Standard("trp_a A As 0 2147483648 0 0 1 0 0", ItemLine({}), plainSkills, plainFaces)},
        {"skill digits with letters and hidden digits",
         Standard("trp_a A As 0 16 0 0 1 0 0", ItemLine({}),
                  "4294967295 2882400001 3735928559 305419896 4027514880 7 ", plainFaces)},
        {"faces near 2^64",
         Standard("trp_a A As 0 16 0 0 1 0 0", ItemLine({}), plainSkills,
                  "  18446744073709551615 18446744073709551614 9223372036854775808 1 "
                  "6442450945 3952873730080618203 1947355 0 ")},
        {"modifier words",
         Standard("trp_a A As 0 0 0 0 1 0 0", ItemLine({"12 7", "33 254", "5 0", "8 131072"}),
                  plainSkills, plainFaces)},
        {"item words out of range or no number",
         Standard("trp_a A As 0 0 0 0 1 0 0", ItemLine({"9999 3", "abc 0", "-7 1"}), plainSkills,
                  plainFaces)},
        {"sixty-four items",
         Standard("trp_a A As 0 0 0 0 1 0 0", ItemLine(sixtyFour), plainSkills, plainFaces)},
        {"hidden words of line 1 and a path of -1",
         Standard("trp_a A As 17 1 scn_x 99 0 -1 5", ItemLine({}), plainSkills, plainFaces)},
    };
}

TEST(TroopRecordTest, StandardRecordsBuildBackToTheSameLines) {
    for (const RoundTripRow& row : RoundTripRows()) {
        SCOPED_TRACE(row.what);
        PendingFailure failure;
        const std::optional<TroopRecord> record = DecodeTroop(row.lines, failure);
        ASSERT_TRUE(record.has_value()) << failure.number();
        const std::optional<TroopLines> built = EncodeTroop(*record, failure);
        ASSERT_TRUE(built.has_value());
        for (std::size_t l = 0; l < 6; ++l)
            EXPECT_EQ((*built)[l].toStdString(), row.lines[l].toStdString()) << "line " << l + 1;
        EXPECT_FALSE(failure.pending());
    }
}

TEST(TroopRecordTest, GeneratedRecordsGoBackUnchangedThroughTheBoxTexts) {
    TroopGenerator generate(20110403, {5000, 500, 5000});
    for (int n = 0; n < 5000; ++n) {
        const TroopLines lines = generate.next();
        SCOPED_TRACE(lines[TroopHeadLine].toStdString());
        PendingFailure failure;
        std::optional<TroopRecord> record = DecodeTroop(lines, failure);
        ASSERT_TRUE(record.has_value()) << failure.number();
        // What the skill and face boxes show, read back the way an update reads it.
        for (int box = 0; box < TroopSkillBoxCount; ++box)
            record->setSkill(box, SkillLevelFromBox(SkillBoxText(record->skill(box))).value());
        for (std::size_t face = 0; face < 8; face += 4) {
            const auto shown = FaceBoxText({record->faces[face], record->faces[face + 1],
                                            record->faces[face + 2], record->faces[face + 3]});
            const auto words = FaceWordsFromBox(shown);
            std::copy(words.begin(), words.end(), record->faces.begin() + face);
        }
        const std::optional<TroopLines> built = EncodeTroop(*record, failure);
        ASSERT_TRUE(built.has_value());
        for (std::size_t l = 0; l < 6; ++l)
            ASSERT_EQ((*built)[l], lines[l]) << "line " << l + 1;
    }
}

TEST(TroopRecordTest, RecordsThatCannotBeShownRaiseTheirFailure) {
    const QString items = ItemLine({});
    const QString skills = QStringLiteral("0 0 0 0 0 0 ");
    const QString faces = QStringLiteral("  0 0 0 0 0 0 0 0 ");
    struct Row {
        const char* what;
        TroopLines lines;
        int failure;
    } rows[] = {
        {"line 1 of nine words", Standard("trp_a A As 0 0 0 0 1 0", items, skills, faces), 9},
        {"flag word no number", Standard("trp_a A As 0 1e3 0 0 1 0 0", items, skills, faces), 13},
        {"flag word of 33 bits",
         Standard("trp_a A As 0 4294967296 0 0 1 0 0", items, skills, faces), 6},
        {"negative flag word", Standard("trp_a A As 0 -1 0 0 1 0 0", items, skills, faces), 6},
        {"faction no number", Standard("trp_a A As 0 0 0 0 x 0 0", items, skills, faces), 13},
        {"empty upgrade word", Standard("trp_a A As 0 0 0 0 1  0", items, skills, faces), 13},
        {"skill word with a fraction",
         Standard("trp_a A As 0 0 0 0 1 0 0", items, "1.5 0 0 0 0 0 ", faces), 13},
        {"skill word of 33 bits",
         Standard("trp_a A As 0 0 0 0 1 0 0", items, "0 0 4294967296 0 0 0 ", faces), 6},
        {"four skill words", Standard("trp_a A As 0 0 0 0 1 0 0", items, "0 0 0 0", faces), 9},
        {"face word of 65 bits",
         Standard("trp_a A As 0 0 0 0 1 0 0", items, skills,
                  "  18446744073709551616 0 0 0 0 0 0 0 "),
         6},
        {"negative face word",
         Standard("trp_a A As 0 0 0 0 1 0 0", items, skills, "  0 0 0 -5 0 0 0 0 "), 6},
        {"seven face words", Standard("trp_a A As 0 0 0 0 1 0 0", items, skills, "  0 0 0 0 0 0 0"),
         9},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        PendingFailure failure;
        EXPECT_FALSE(DecodeTroop(row.lines, failure).has_value());
        EXPECT_EQ(failure.number(), row.failure);
    }
    TroopLines shortAttributes = Standard("trp_a A As 0 0 0 0 1 0 0", items, skills, faces);
    shortAttributes[TroopAttribsLine] = QStringLiteral("  1 2 3 4");
    PendingFailure failure;
    EXPECT_FALSE(DecodeTroop(shortAttributes, failure).has_value());
    EXPECT_EQ(failure.number(), 9);
}

TEST(TroopRecordTest, FieldsComeFromTheirWords) {
    PendingFailure failure;
    const std::optional<TroopRecord> r =
        DecodeTroop(Standard("trp_x Xa Xb 3 1048595 5 6 7 8 9",
                             ItemLine({"-1 0", "0 5", "12 3", "-1 0", "7 0"}),
                             "1342178162 0 2882338816 0 0 4 ", "  1 2 3 4 5 6 7 8 "),
                    failure);
    ASSERT_TRUE(r.has_value());
    EXPECT_EQ(r->id, "trp_x");
    EXPECT_EQ(r->plural, "Xb");
    EXPECT_EQ(r->word3, "3");
    EXPECT_EQ(r->faction, 7);
    EXPECT_EQ(r->upgrade2, 9);
    // 1048595 is hexadecimal 100013: skin 3, Hero and Boots.
    EXPECT_EQ(r->skin(), 3);
    for (const TroopFlagBox& box : TroopFlagBoxes)
        EXPECT_EQ(r->hasFlag(box.mask), box.mask == 0x10 || box.mask == 0x100000) << box.caption;
    // Empty slots and item 0 are no rows; modifier words stay with their items.
    ASSERT_EQ(r->items.size(), 2);
    EXPECT_EQ(r->items[0], (TroopSlot{"12", "3"}));
    EXPECT_EQ(r->items[1], (TroopSlot{"7", "0"}));
    EXPECT_EQ(r->attributes[4], "18");
    EXPECT_EQ(r->proficiencies[6], "0");
    // Word 0 is hexadecimal 50000372: Persuasion 5, Prisoner mgmt 3, Leadership 7,
    // Trade 2; word 2 is ABCD0000: Horse archery 10 and Looting 11.
    EXPECT_EQ(r->skill(0), 5);
    EXPECT_EQ(r->skill(1), 3);
    EXPECT_EQ(r->skill(2), 7);
    EXPECT_EQ(r->skill(3), 2);
    EXPECT_EQ(r->skill(12), 10);
    EXPECT_EQ(r->skill(13), 11);
    EXPECT_EQ(r->skillWord5, "4");
    EXPECT_EQ(r->faces[0], 1u);
    EXPECT_EQ(r->faces[7], 8u);
}

TEST(TroopRecordTest, ShortOrEmptyInventoryLinesShowTheirItems) {
    TroopLines lines =
        Standard("trp_a A As 0 0 0 0 1 0 0", QString(), "0 0 0 0 0 0 ", "  0 0 0 0 0 0 0 0 ");
    PendingFailure failure;
    EXPECT_TRUE(DecodeTroop(lines, failure)->items.isEmpty());
    lines[TroopItemsLine] = QStringLiteral("  5 1 6");
    const auto r = DecodeTroop(lines, failure);
    ASSERT_EQ(r->items.size(), 2);
    EXPECT_EQ(r->items[1], (TroopSlot{"6", ""}));
    // A slot added without a modifier word is written with "0".
    EXPECT_TRUE(EncodeTroop(*r, failure)->at(TroopItemsLine).startsWith("  5 1 6 0 -1 0 "));
}

TEST(TroopRecordTest, SkillEditsKeepTheDigitsWithoutABox) {
    TroopRecord r;
    r.skillWords = {0xFFFFFFFFu, 0, 0x00ABCD00u, 0x12345678u, 0xFFFFFFFFu};
    r.setSkill(2, 0);   // Leadership: word 0, digit 7
    r.setSkill(15, 10); // Tracking: word 2, digit 8
    r.setSkill(20, 1);  // Ironflesh: word 4, digit 4
    EXPECT_EQ(r.skillWords[0], 0xFFFFFF0Fu);
    EXPECT_EQ(r.skillWords[2], 0x00ABCD0Au);
    EXPECT_EQ(r.skillWords[3], 0x12345678u);
    EXPECT_EQ(r.skillWords[4], 0xFFF1FFFFu);
}

TEST(TroopRecordTest, UnchangedLinesAreKeptAsStored) {
    // Items with a gap before the last one and a face line without its closing
    // blank: not the game's layout, but an update that changes neither keeps them.
    const QString gapped = QStringLiteral("  12 0 -1 0 7 2") + QString(" -1 0").repeated(61) + " ";
    TroopLines stored =
        Standard("trp_a A As 0 16 0 0 1 0 0", gapped, "0 0 0 0 0 0 ", "  1 2 3 4 5 6 7 8");
    PendingFailure failure;
    TroopRecord r = *DecodeTroop(stored, failure);
    EXPECT_EQ(*EncodeTroop(r, stored, failure), stored);

    r.setSkill(3, 4);
    const TroopLines changed = *EncodeTroop(r, stored, failure);
    EXPECT_EQ(changed[TroopSkillsLine], "4 0 0 0 0 0 ");
    for (int l : {TroopHeadLine, TroopItemsLine, TroopAttribsLine, TroopProfsLine, TroopFacesLine})
        EXPECT_EQ(changed[l], stored[l]);

    r.items.removeFirst();
    EXPECT_EQ(EncodeTroop(r, stored, failure)->at(TroopItemsLine), ItemLine({"7 2"}));
}

TEST(TroopRecordTest, MoreThanSixtyFourSlotsAreRefused) {
    TroopRecord r;
    for (int k = 0; k < 65; ++k)
        r.items.append({QString::number(k + 1), "0"});
    PendingFailure failure;
    EXPECT_FALSE(EncodeTroop(r, failure).has_value());
    EXPECT_EQ(failure.number(), 9);
}

TEST(TroopRecordTest, UpgradeRepairRewritesOnlyItsWords) {
    EXPECT_EQ(WithUpgradePaths("trp_a A As 0 16 0 0 1 77 88 extra", 0, 88),
              "trp_a A As 0 16 0 0 1 0 88 extra");
    EXPECT_FALSE(WithUpgradePaths("trp_a A As 0 16 0 0 1 77", 0, 0).has_value());
}

TEST(TroopRecordTest, SkillBoxes) {
    const struct {
        const char* text;
        std::optional<int> level;
    } rows[] = {{"", 0},    {"0", 0},    {"9", 9},   {"10", 10}, {"11", 11}, {"15", 15},
                {"05", 5},  {"A", 10},   {"B", 11},  {"f", 15},  {"16", {}}, {"G", {}},
                {" 5", {}}, {"100", {}}, {"-1", {}}, {"1A", {}}};
    for (const auto& row : rows)
        EXPECT_EQ(SkillLevelFromBox(QString::fromLatin1(row.text)), row.level) << row.text;
    const char* shown[] = {"0", "1", "2",  "3", "4", "5", "6", "7",
                           "8", "9", "10", "B", "C", "D", "E", "F"};
    for (int level = 0; level < 16; ++level) {
        EXPECT_EQ(SkillBoxText(level), shown[level]);
        EXPECT_EQ(SkillLevelFromBox(SkillBoxText(level)), level);
    }
}

TEST(TroopRecordTest, FaceBoxes) {
    EXPECT_EQ(FaceBoxText({0, 0, 0, 0}), "0x" + QString(64, u'0'));
    EXPECT_EQ(FaceBoxText({0xFFFFFFFFFFFFFFFFull, 1, 0x1DB6DB, 0xABC}), "0xffffffffffffffff"
                                                                        "0000000000000001"
                                                                        "00000000001db6db"
                                                                        "0000000000000abc");
    const std::array<std::uint64_t, 4> max = {~0ull, ~0ull, ~0ull, ~0ull};
    EXPECT_EQ(FaceWordsFromBox("0x" + QString(64, u'f')), max);
    EXPECT_EQ(FaceWordsFromBox("0x12"), (std::array<std::uint64_t, 4>{18, 0, 0, 0}));
    // The first two characters are never looked at.
    EXPECT_EQ(FaceWordsFromBox("zz" + QString(15, u'0') + "F"),
              (std::array<std::uint64_t, 4>{15, 0, 0, 0}));
}

TEST(TroopRecordTest, Conversions) {
    EXPECT_EQ(CHex(0), "00000000");
    EXPECT_EQ(CHex(255), "000000FF");
    EXPECT_EQ(CHex(0x100000000ull), "00000000");
    EXPECT_EQ(CHex(4294967295ull), "FFFFFFFF");

    EXPECT_EQ(CHex_2(Decimal::fromU64(0)), "");
    EXPECT_EQ(CHex_2(Decimal::fromU64(~0ull)), "FFFFFFFFFFFFFFFF");
    EXPECT_EQ(CHex_2(Decimal::fromMagnitude(Decimal::Magnitude(1) << 70)), "4" + QString(17, u'0'));

    EXPECT_EQ(Hex2Dec(u"")->toString(), "0");
    EXPECT_EQ(Hex2Dec(QString(16, u'f'))->toString(), "18446744073709551615");
    EXPECT_EQ(Hex2Dec(u"&hFF")->toString(), "255");
    EXPECT_EQ(Hex2Dec(u"1G")->toString(), "16");
    EXPECT_EQ(Hex2Dec(QString(23, u'F'))->toString(), "4951760157141521099596496895");
    EXPECT_FALSE(Hex2Dec(QString(24, u'0')).has_value());

    EXPECT_EQ(CheckTroopFlag(19, 16), 1);
    EXPECT_EQ(CheckTroopFlag(19, 3), 1);
    EXPECT_EQ(CheckTroopFlag(19, 32), 0);
    EXPECT_EQ(CheckTroopFlag(17, 3), 2);
    EXPECT_EQ(CheckTroopFlag(0x80000000u, 0x80000000u), 1);
}

TEST(TroopRecordTest, WordsAndNumbers) {
    EXPECT_EQ(TroopWords(" a  b ").size(), 5);
    PendingFailure failure;
    EXPECT_EQ(ParseTroopU64(u"18446744073709551615", failure), ~0ull);
    EXPECT_FALSE(ParseTroopU64(u"-1", failure).has_value());
    EXPECT_EQ(failure.number(), 6);
    EXPECT_FALSE(ParseTroopInt(u"+1", 0, 9, failure).has_value());
    EXPECT_EQ(failure.number(), 13);
    EXPECT_EQ(ParseTroopInt(u"-1", -1, 9, failure), -1);
}

} // namespace
