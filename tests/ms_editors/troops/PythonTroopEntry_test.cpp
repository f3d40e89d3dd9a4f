#include "ms_editors/troops/PythonTroopEntry.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

namespace {

QStringList L(std::initializer_list<const char*> parts) {
    QStringList list;
    for (const char* p : parts)
        list.append(QString::fromLatin1(p));
    return list;
}

PythonTroop Troop(const char* id, const char* name, const char* namePl, QStringList flags,
                  const char* scene, const char* reserved, const char* faction, QStringList items,
                  QStringList attributes, const char* profi, QStringList skills, const char* face1,
                  const char* face2 = "", const char* image = "") {
    return PythonTroop{QString::fromLatin1(id),
                       QString::fromLatin1(name),
                       QString::fromLatin1(namePl),
                       flags,
                       QString::fromLatin1(scene),
                       QString::fromLatin1(reserved),
                       QString::fromLatin1(faction),
                       items,
                       attributes,
                       QString::fromLatin1(profi),
                       skills,
                       QString::fromLatin1(face1),
                       QString::fromLatin1(face2),
                       QString::fromLatin1(image)};
}

struct ParseCase {
    const char* name;
    const char* entry;
    PythonTroop expected;
};

// Entries in the shapes module files use, as the loader joins them: the first
// line trimmed, continuation lines appended without their blanks.
const ParseCase ParseCases[] = {
    {"joined multi-line entry",
     "[\"swadian_recruit\",\"Swadian Recruit\",\"Swadian Recruits\",tf_guarantee_armor,0,0,"
     "fac_kingdom_1,[itm_scythe,itm_hatchet,itm_stones],def_attrib|level(4),wp(60),knows_common,"
     "swadian_face_younger_1,swadian_face_middle_2],",
     Troop("swadian_recruit", "Swadian Recruit", "Swadian Recruits", L({"tf_guarantee_armor"}), "0",
           "0", "fac_kingdom_1", L({"itm_scythe", "itm_hatchet", "itm_stones"}),
           L({"def_attrib", "level(4)"}), "wp(60)", L({"knows_common"}), "swadian_face_younger_1",
           "swadian_face_middle_2")},
    {"written by the editor, blanks after commas",
     " [\"player\", \"Player\", \"Player\", tf_hero|tf_unmoveable_in_party_window, no_scene, "
     "reserved, fac_player_faction, [], str_4|agi_4|int_4|cha_4, wp(15), 0, "
     "0x000000018000000136db6db6db6db6db00000000001db6db0000000000000000 ],",
     Troop("player", "Player", "Player", L({"tf_hero", "tf_unmoveable_in_party_window"}),
           "no_scene", "reserved", "fac_player_faction", {},
           L({"str_4", "agi_4", "int_4", "cha_4"}), "wp(15)", L({"0"}),
           "0x000000018000000136db6db6db6db6db00000000001db6db0000000000000000")},
    {"wpex with commas inside its brackets",
     "[\"knight\",\"Knight\",\"Knights\",tf_mounted|tf_guarantee_horse,0,0,fac_kingdom_2,"
     "[itm_lance,itm_warhorse],level(20),wpex(130,90,160,40,40,40),knows_riding_5|knows_ironflesh_"
     "4,"
     "0x00000001,0x00000002],",
     Troop("knight", "Knight", "Knights", L({"tf_mounted", "tf_guarantee_horse"}), "0", "0",
           "fac_kingdom_2", L({"itm_lance", "itm_warhorse"}), L({"level(20)"}),
           "wpex(130,90,160,40,40,40)", L({"knows_riding_5", "knows_ironflesh_4"}), "0x00000001",
           "0x00000002")},
    {"proficiencies joined by bars",
     "[\"guard\",\"Guard\",\"Guards\",0,0,0,fac_commoners,[itm_spear],level(12),"
     "wp_one_handed(80)|wp_polearm(60),knows_power_strike_2,man_face_young_1],",
     Troop("guard", "Guard", "Guards", L({"0"}), "0", "0", "fac_commoners", L({"itm_spear"}),
           L({"level(12)"}), "wp_one_handed(80)|wp_polearm(60)", L({"knows_power_strike_2"}),
           "man_face_young_1")},
    {"named proficiency before a later parenthesis",
     "[\"peasant\",\"Peasant\",\"Peasants\",0,0,0,fac_commoners,[],def_attrib|level(2),"
     "peasant_wp,knows_common,man_face_young_1,man_face_old_2],",
     Troop("peasant", "Peasant", "Peasants", L({"0"}), "0", "0", "fac_commoners", {},
           L({"def_attrib", "level(2)"}), "peasant_wp", L({"knows_common"}), "man_face_young_1",
           "man_face_old_2")},
    {"blanks around bars and a scene with entry point",
     "[\"lord\", \"Lord  Aldric\", \"Lords\", tf_hero | tf_mounted, scn_castle_1 | entry(2), "
     "reserved, fac_kingdom_1, [itm_sword , itm_horse], knight_attrib_4 | level(25), wp(200), "
     "knight_skills_4 | knows_trainer_3, 0x1, 0x2]",
     Troop("lord", "Lord  Aldric", "Lords", L({"tf_hero", "tf_mounted"}), "scn_castle_1|entry(2)",
           "reserved", "fac_kingdom_1", L({"itm_sword", "itm_horse"}),
           L({"knight_attrib_4", "level(25)"}), "wp(200)",
           L({"knight_skills_4", "knows_trainer_3"}), "0x1", "0x2")},
    {"names holding commas, bars, brackets and a hash",
     "[\"bob\",\"Bob, the #1 [Smith]\",\"Bobs | Smiths\",0,0,0,fac_commoners,[],level(1),wp(10),0,"
     "0],",
     Troop("bob", "Bob, the #1 [Smith]", "Bobs | Smiths", L({"0"}), "0", "0", "fac_commoners", {},
           L({"level(1)"}), "wp(10)", L({"0"}), "0")},
    {"second face and an image",
     "[\"npc1\",\"Borcha\",\"Borcha\",tf_hero,0,reserved,fac_commoners,[itm_tunic],level(14),"
     "wp(60),knows_tracking_3,0x00000008,0x00000009,\"troop image 1\"],",
     Troop("npc1", "Borcha", "Borcha", L({"tf_hero"}), "0", "reserved", "fac_commoners",
           L({"itm_tunic"}), L({"level(14)"}), "wp(60)", L({"knows_tracking_3"}), "0x00000008",
           "0x00000009", "\"troop image 1\"")},
    {"inventory with bracketed items and a trailing comma",
     "\t[ \"smith\",\"Smith\",\"Smiths\",0,0,0,fac_commoners,[(itm_sword,imod_rusty),itm_shield,],"
     "level(3),wp(20),0,man_face_1,],",
     Troop("smith", "Smith", "Smiths", L({"0"}), "0", "0", "fac_commoners",
           L({"(itm_sword,imod_rusty)", "itm_shield"}), L({"level(3)"}), "wp(20)", L({"0"}),
           "man_face_1")},
    {"a flag given by a condition keeps its words apart",
     "[\"cond\",\"Cond\",\"Conds\",tf_hero if hero_mode else 0,0,0,fac_x,[],level(1),wp(1),0,"
     "0],",
     Troop("cond", "Cond", "Conds", L({"tf_hero if hero_mode else 0"}), "0", "0", "fac_x", {},
           L({"level(1)"}), "wp(1)", L({"0"}), "0")},
};

class ParsePythonTroopTest : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParsePythonTroopTest, ReadsEveryField) {
    const ParseCase& c = GetParam();
    const PythonTroopParse parsed = ParsePythonTroop(QString::fromLatin1(c.entry));
    EXPECT_TRUE(parsed.complete);
    const PythonTroop& t = parsed.troop;
    const PythonTroop& e = c.expected;
    EXPECT_EQ(t.id, e.id);
    EXPECT_EQ(t.name, e.name);
    EXPECT_EQ(t.namePl, e.namePl);
    EXPECT_EQ(t.flags, e.flags);
    EXPECT_EQ(t.scene, e.scene);
    EXPECT_EQ(t.reserved, e.reserved);
    EXPECT_EQ(t.faction, e.faction);
    EXPECT_EQ(t.items, e.items);
    EXPECT_EQ(t.attributes, e.attributes);
    EXPECT_EQ(t.proficiencies, e.proficiencies);
    EXPECT_EQ(t.skills, e.skills);
    EXPECT_EQ(t.face1, e.face1);
    EXPECT_EQ(t.face2, e.face2);
    EXPECT_EQ(t.image, e.image);
}

// Showing a troop and writing it back unchanged defines the same troop, and a
// second round gives the very same text.
TEST_P(ParsePythonTroopTest, WritingBackKeepsTheTroop) {
    QStringList rows = PythonTroopFlagVocabulary();
    const PythonTroop first = ParsePythonTroop(QString::fromLatin1(GetParam().entry)).troop;
    const QString written = BuildPythonTroopEntry(PythonTroopAsShown(first, rows));
    const PythonTroopParse again = ParsePythonTroop(written);
    ASSERT_TRUE(again.complete) << written.toStdString();
    PythonTroop expected = PythonTroopAsShown(first, rows);
    EXPECT_EQ(PythonTroopAsShown(again.troop, rows), expected) << written.toStdString();
    EXPECT_EQ(BuildPythonTroopEntry(PythonTroopAsShown(again.troop, rows)), written);
}

INSTANTIATE_TEST_SUITE_P(Shapes, ParsePythonTroopTest, ::testing::ValuesIn(ParseCases),
                         [](const auto& info) {
                             std::string n = info.param.name;
                             for (char& ch : n)
                                 ch = std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
                             return n;
                         });

struct IncompleteCase {
    const char* name;
    const char* entry;
};

const IncompleteCase IncompleteCases[] = {
    {"no first face", "[\"a\",\"A\",\"As\",0,0,0,fac_x,[],level(1),wp(1),0],"},
    {"a field more than the game knows",
     "[\"a\",\"A\",\"As\",0,0,0,fac_x,[],level(1),wp(1),0,0,0,0,0],"},
    {"entry never closed", "[\"a\",\"A\",\"As\",0,0,0,fac_x,[itm_a,itm_b],level(1),wp(1),0,0"},
    {"inventory by name", "[\"a\",\"A\",\"As\",0,0,0,fac_x,common_items,level(1),wp(1),0,0],"},
    {"list closed on the entry's line", "[\"a\",\"A\",\"As\",0,0,0,fac_x,[],level(1),wp(1),0,0]]"},
    {"empty field", "[\"a\",\"A\",\"As\",,0,0,fac_x,[],level(1),wp(1),0,0],"},
    {"id without quotes", "[a,\"A\",\"As\",0,0,0,fac_x,[],level(1),wp(1),0,0],"},
    {"no entry at all", "upgrade(troops,\"a\",\"b\")"},
    // Written in the order of the flag list, it would read "(tf_hero|tf_a) if x else 0".
    {"flags that cannot change places",
     "[\"a\",\"A\",\"As\",tf_a if x else 0|tf_hero,0,0,fac_x,[],level(1),wp(1),0,0],"},
    {"name in single quotes", "[\"a\",'A',\"As\",0,0,0,fac_x,[],level(1),wp(1),0,0],"},
};

TEST(ParsePythonTroop, IncompleteEntriesAreFlagged) {
    for (const IncompleteCase& c : IncompleteCases)
        EXPECT_FALSE(ParsePythonTroop(QString::fromLatin1(c.entry)).complete) << c.name;
}

TEST(ParsePythonTroop, IncompleteEntryStillYieldsWhatItCouldRead) {
    const PythonTroopParse parsed = ParsePythonTroop(QStringLiteral(
        "[\"a\",\"Alpha\",\"Alphas\",tf_hero,0,0,fac_x,[itm_a,itm_b],level(1),wp(1"));
    EXPECT_FALSE(parsed.complete);
    EXPECT_EQ(parsed.troop.id, QStringLiteral("a"));
    EXPECT_EQ(parsed.troop.items, L({"itm_a", "itm_b"}));
    EXPECT_TRUE(parsed.troop.proficiencies.isEmpty());
}

struct BuildCase {
    const char* name;
    PythonTroop troop;
    const char* expected;
};

const BuildCase BuildCases[] = {
    {"all fields",
     Troop("knight", "Knight", "Knights", L({"tf_mounted", "tf_guarantee_horse"}), "no_scene",
           "reserved", "fac_kingdom_2", L({"itm_lance", "itm_warhorse"}), L({"level(20)"}),
           "wp(100)", L({"knows_riding_5", "knows_ironflesh_4"}), "0x1", "0x2", "img"),
     " [\"knight\", \"Knight\", \"Knights\", tf_mounted|tf_guarantee_horse, no_scene, reserved, "
     "fac_kingdom_2, [itm_lance,itm_warhorse], level(20), wp(100), "
     "knows_riding_5|knows_ironflesh_4, 0x1, 0x2, img ],"},
    {"empty lists and no second face",
     Troop("a", "A", "As", {}, "no_scene", "reserved", "fac_x", {}, {}, "0", {}, "0x1"),
     " [\"a\", \"A\", \"As\", 0, no_scene, reserved, fac_x, [], 0, 0, 0, 0x1 ],"},
    {"tf_none among other flags",
     Troop("a", "A", "As", L({"tf_none", "tf_hero"}), "0", "0", "fac_x", {}, L({"level(1)"}), "0",
           L({"0"}), "0x1"),
     " [\"a\", \"A\", \"As\", 0|tf_hero, 0, 0, fac_x, [], level(1), 0, 0, 0x1 ],"},
    {"an empty first face is written as 0",
     Troop("a", "A", "As", L({"tf_none"}), "0", "0", "fac_x", {}, {}, "0", {}, ""),
     " [\"a\", \"A\", \"As\", 0, 0, 0, fac_x, [], 0, 0, 0, 0 ],"},
    {"an image keeps its place behind an empty second face",
     Troop("a", "A", "As", {}, "0", "0", "fac_x", {}, {}, "0", {}, "", "", "img"),
     " [\"a\", \"A\", \"As\", 0, 0, 0, fac_x, [], 0, 0, 0, 0, 0, img ],"},
};

TEST(BuildPythonTroopEntry, WritesTheEditorsLayout) {
    for (const BuildCase& c : BuildCases)
        EXPECT_EQ(BuildPythonTroopEntry(c.troop), QString::fromLatin1(c.expected)) << c.name;
}

TEST(SelectFlagRows, MapsPartsOntoRowsAndAppendsUnknownFlags) {
    QStringList rows = PythonTroopFlagVocabulary();
    ASSERT_EQ(rows.size(), 24);
    EXPECT_EQ(rows[2], QString(72, u'-'));
    EXPECT_EQ(rows[10], QStringLiteral("tf_allways_fall_dead"));
    EXPECT_EQ(SelectFlagRows(rows, L({"0"})), QList<int>{3});
    EXPECT_EQ(SelectFlagRows(rows, L({"tf_mounted", "tf_hero"})), (QList<int>{7, 12}));
    EXPECT_EQ(SelectFlagRows(rows, L({"tf_hero", "tf_custom", ""})), (QList<int>{7, 24}));
    EXPECT_EQ(rows.size(), 25);
    EXPECT_EQ(rows.last(), QStringLiteral("tf_custom"));
    // Known the second time round.
    EXPECT_EQ(SelectFlagRows(rows, L({"tf_custom"})), QList<int>{24});
    EXPECT_EQ(rows.size(), 25);
}

TEST(PythonTroopAsShown, ShowsZeroScenesByNameAndFlagsInListOrder) {
    QStringList rows = PythonTroopFlagVocabulary();
    PythonTroop t = Troop("a", "A", "As", L({"tf_mounted", "0", "tf_hero"}), "0", "0", "fac_x", {},
                          {}, "0", {}, "0");
    QList<int> selected;
    const PythonTroop shown = PythonTroopAsShown(t, rows, &selected);
    EXPECT_EQ(shown.flags, L({"tf_none", "tf_hero", "tf_mounted"}));
    EXPECT_EQ(selected, (QList<int>{3, 7, 12}));
    EXPECT_EQ(shown.scene, QStringLiteral("no_scene"));
    EXPECT_EQ(shown.reserved, QStringLiteral("reserved"));
    EXPECT_EQ(ShownScene(QStringLiteral("scn_a|entry(1)")), QStringLiteral("scn_a|entry(1)"));
}

TEST(IsPlainPythonString, RefusesWhatWouldBreakTheString) {
    EXPECT_TRUE(IsPlainPythonString(QStringLiteral("Bob Smith, #1")));
    EXPECT_TRUE(IsPlainPythonString(QString()));
    EXPECT_FALSE(IsPlainPythonString(QStringLiteral("Bob \"the\" Smith")));
    EXPECT_FALSE(IsPlainPythonString(QStringLiteral("C:\\")));
    EXPECT_FALSE(IsPlainPythonString(QStringLiteral("two\nlines")));
    EXPECT_FALSE(IsPlainPythonString(QStringLiteral("two\rlines")));
}

struct UpgradeCase {
    const char* line;
    bool found;
    const char* troop;
    const char* target1;
    const char* target2;
};

const UpgradeCase UpgradeCases[] = {
    {"upgrade(troops,\"farmer\",\"watchman\")", true, "farmer", "watchman", ""},
    {"upgrade2(troops,\"recruit\",\"militia\",\"footman\")", true, "recruit", "militia", "footman"},
    {"upgrade(troops, \"farmer\", \"watchman\")", true, "farmer", "watchman", ""},
    {"upgrade2( troops , \"a\" , \"b\" , \"c\" )  # the c line", true, "a", "b", "c"},
    {"upgrade(troops,\"Archer\",\"Horse_Archer\")", true, "Archer", "Horse_Archer", ""},
    {"upgrade(troops,\"a\",\"b\") #,\"c\")", true, "a", "b", ""},
    {"    upgrade(troops,'a','b')", true, "a", "b", ""},
    {"upgrade(troops,'a','b\"c')", false, "", "", ""},
    {"upgrade2(troops,\"a\",\"\",\"c\")", false, "", "", ""},
    {"#upgrade(troops,\"a\",\"b\")", false, "", "", ""},
    {"# upgrade2(troops,\"a\",\"b\",\"c\")", false, "", "", ""},
    {"def upgrade(troops,troop1_id,troop2_id):", false, "", "", ""},
    {"upgrade(troops,\"a\",\"b\"); x = 1", false, "", "", ""},
    {"upgrade(troops,\"a\")", false, "", "", ""},
    {"upgrade2(troops,\"a\",\"b\")", false, "", "", ""},
    {"[\"upgrade\",\"Upgrade\",\"Upgrades\",0,0,0,fac_x,[],0,0,0,0],", false, "", "", ""},
    {"", false, "", "", ""},
};

TEST(ParseUpgradeLine, ReadsOnlyRealUpgradeCalls) {
    for (const UpgradeCase& c : UpgradeCases) {
        const auto up = ParseUpgradeLine(QString::fromLatin1(c.line));
        ASSERT_EQ(up.has_value(), c.found) << c.line;
        if (!up)
            continue;
        EXPECT_EQ(up->troop, QString::fromLatin1(c.troop)) << c.line;
        EXPECT_EQ(up->target1, QString::fromLatin1(c.target1)) << c.line;
        EXPECT_EQ(up->target2, QString::fromLatin1(c.target2)) << c.line;
    }
}

TEST(BuildUpgradeLine, WritesTheSingleOrDoubleFormOrNothing) {
    EXPECT_EQ(BuildUpgradeLine("a", "b", ""), QStringLiteral("upgrade(troops,\"a\",\"b\")"));
    EXPECT_EQ(BuildUpgradeLine("a", "b", "c"),
              QStringLiteral("upgrade2(troops,\"a\",\"b\",\"c\")"));
    EXPECT_EQ(BuildUpgradeLine("a", "", "c"), QStringLiteral("upgrade(troops,\"a\",\"c\")"));
    EXPECT_EQ(BuildUpgradeLine("a", "", ""), QString());
}

class UpgradeTableTest : public ::testing::Test {
protected:
    QStringList lines =
        L({"troops = [", "[\"a\",\"A\",\"As\",0,0,0,fac_x,[],0,0,0,0],",
           "[\"ab\",\"AB\",\"ABs\",0,0,0,fac_x,[],0,0,0,0],", "]", "#upgrade(troops,\"a\",\"old\")",
           "upgrade(troops,\"ab\",\"x\")", "upgrade(troops,\"a\",\"first\") # a comment",
           "upgrade2(troops,\"a\",\"second\",\"third\")"});
    int max = 7;
};

// Each call overrides the paths an earlier one set, so the last line of an id
// is the one in force: it is shown and it is written.
TEST_F(UpgradeTableTest, FindsTheLastRealLineOfTheWholeId) {
    EXPECT_EQ(FindUpgradeLine(lines, max, "a"), 7);
    EXPECT_EQ(FindUpgradeLines(lines, max, "a"), (QList<int>{6, 7}));
    EXPECT_EQ(FindUpgradeLine(lines, max, "ab"), 5);
    EXPECT_EQ(FindUpgradeLine(lines, max, "b"), -1);
    EXPECT_EQ(FindUpgradeLine(lines, max, "A"), -1);
}

TEST_F(UpgradeTableTest, ReplacesTheLineThatIsShown) {
    WriteUpgradeLine(lines, max, "a", "first", "x2");
    EXPECT_EQ(lines[7], QStringLiteral("upgrade2(troops,\"a\",\"first\",\"x2\")"));
    EXPECT_EQ(lines[6], QStringLiteral("upgrade(troops,\"a\",\"first\") # a comment"));
    EXPECT_EQ(lines[4], QStringLiteral("#upgrade(troops,\"a\",\"old\")"));
    EXPECT_EQ(max, 7);
}

// A call inside a block must stay in it, and the block must not go empty.
TEST_F(UpgradeTableTest, KeepsTheIndentationOfACallInABlock) {
    lines[5] = QStringLiteral("\t  upgrade(troops, 'ab', 'x')");
    WriteUpgradeLine(lines, max, "ab", "y", "");
    EXPECT_EQ(lines[5], QStringLiteral("\t  upgrade(troops,\"ab\",\"y\")"));
    WriteUpgradeLine(lines, max, "ab", "", "");
    EXPECT_EQ(lines[5], QStringLiteral("\t  pass"));
    EXPECT_EQ(max, 7);
}

// An earlier call left in place would take over once the last one is gone.
TEST_F(UpgradeTableTest, EmptiesEveryLineOfTheTroopWhenBothPathsAreRemoved) {
    WriteUpgradeLine(lines, max, "ab", "", "");
    EXPECT_EQ(lines[5], QString());
    WriteUpgradeLine(lines, max, "a", "", "");
    EXPECT_EQ(lines[6], QString());
    EXPECT_EQ(lines[7], QString());
    EXPECT_EQ(lines[4], QStringLiteral("#upgrade(troops,\"a\",\"old\")"));
    EXPECT_EQ(max, 7);
    EXPECT_EQ(lines.size(), 8);
}

TEST_F(UpgradeTableTest, AppendsALineOnlyWhenThereIsAPath) {
    WriteUpgradeLine(lines, max, "new", "", "");
    EXPECT_EQ(max, 7);
    WriteUpgradeLine(lines, max, "new", "", "only");
    EXPECT_EQ(max, 8);
    ASSERT_EQ(lines.size(), 9);
    EXPECT_EQ(lines[8], QStringLiteral("upgrade(troops,\"new\",\"only\")"));
    WriteUpgradeLine(lines, max, "new", "one", "two");
    EXPECT_EQ(max, 8);
    EXPECT_EQ(lines[8], QStringLiteral("upgrade2(troops,\"new\",\"one\",\"two\")"));
}

} // namespace
