#include "ms_editors/troops/PythonTroopEntry.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

// A failing comparison shows the troop in the form the tables below use.
inline void PrintTo(const PythonTroop& t, std::ostream* os) {
    const auto j = [](const QStringList& l) { return l.join(u'|'); };
    *os << QStringList{t.id,        t.name,    t.namePl,   j(t.flags),      t.scene,
                       t.reserved,  t.faction, j(t.items), j(t.attributes), t.proficiencies,
                       j(t.skills), t.face1,   t.face2,    t.image}
               .join(u';')
               .toStdString();
}

namespace {

// A troop written as its fourteen fields joined by ";" (eleven: the faces left
// out); the list fields (flags, items, attributes, skills) hold their parts
// joined by "|".
PythonTroop T(const char* fields) {
    QStringList f = QString::fromLatin1(fields).split(u';');
    const bool facesLeftOut = f.size() == 11;
    f.resize(14);
    const auto parts = [&f](int i) { return f[i].split(u'|', Qt::SkipEmptyParts); };
    return {f[0], f[1],      f[2],  parts(3), f[4],  f[5], f[6], parts(7),    parts(8),
            f[9], parts(10), f[11], f[12],    f[13], {},   {},   facesLeftOut};
}

struct ParseCase {
    const char* name;
    const char* entry;
    const char* expected;
};

// A formatter's entry, one field a line, a comma behind each: its lines joined.
const char* const Formatted =
    "[\"farmer\",\"Farmer\",\"Farmers\",tf_guarantee_armor,no_scene,reserved,fac.commoners,"
    "[itm.cleaver,itm.knife,itm.leather_jerkin,],def_attrib|level(4),wp(60),knows_common,"
    "0x0000000036DB6DB6DB6DB6DB00000000001DB6DB,0x0000000D0000000FFFFFFFFFFF00000000001FFFFF,],";

// Entries in the shapes module files use, as the loader joins them: the first
// line trimmed, continuation lines appended without their blanks.
const ParseCase ParseCases[] = {
    {"laid out by a code formatter", Formatted,
     "farmer;Farmer;Farmers;tf_guarantee_armor;no_scene;reserved;fac.commoners;itm.cleaver|"
     "itm.knife|itm.leather_jerkin;def_attrib|level(4);wp(60);knows_common;"
     "0x0000000036DB6DB6DB6DB6DB00000000001DB6DB;0x0000000D0000000FFFFFFFFFFF00000000001FFFFF"},
    {"joined multi-line entry",
     "[\"swadian_recruit\",\"Swadian Recruit\",\"Swadian Recruits\",tf_guarantee_armor,0,0,"
     "fac_kingdom_1,[itm_scythe,itm_hatchet,itm_stones],def_attrib|level(4),wp(60),knows_common,"
     "swadian_face_younger_1,swadian_face_middle_2],",
     "swadian_recruit;Swadian Recruit;Swadian Recruits;tf_guarantee_armor;0;0;fac_kingdom_1;"
     "itm_scythe|itm_hatchet|itm_stones;def_attrib|level(4);wp(60);knows_common;"
     "swadian_face_younger_1;swadian_face_middle_2"},
    {"written by the editor, blanks after commas",
     " [\"player\", \"Player\", \"Player\", tf_hero|tf_unmoveable_in_party_window, no_scene, "
     "reserved, fac_player_faction, [], str_4|agi_4|int_4|cha_4, wp(15), 0, "
     "0x000000018000000136db6db6db6db6db00000000001db6db0000000000000000 ],",
     "player;Player;Player;tf_hero|tf_unmoveable_in_party_window;no_scene;reserved;"
     "fac_player_faction;;str_4|agi_4|int_4|cha_4;wp(15);0;"
     "0x000000018000000136db6db6db6db6db00000000001db6db0000000000000000"},
    {"wpex with commas inside its brackets",
     "[\"knight\",\"Knight\",\"Knights\",tf_mounted|tf_guarantee_horse,0,0,fac_kingdom_2,"
     "[itm_lance,itm_warhorse],level(20),wpex(130,90,160,40,40,40),knows_riding_5|knows_"
     "ironflesh_4,0x00000001,0x00000002],",
     "knight;Knight;Knights;tf_mounted|tf_guarantee_horse;0;0;fac_kingdom_2;itm_lance|"
     "itm_warhorse;level(20);wpex(130,90,160,40,40,40);knows_riding_5|knows_ironflesh_4;"
     "0x00000001;0x00000002"},
    {"proficiencies joined by bars",
     "[\"guard\",\"Guard\",\"Guards\",0,0,0,fac_commoners,[itm_spear],level(12),"
     "wp_one_handed(80)|wp_polearm(60),knows_power_strike_2,man_face_young_1],",
     "guard;Guard;Guards;0;0;0;fac_commoners;itm_spear;level(12);wp_one_handed(80)|wp_polearm(60);"
     "knows_power_strike_2;man_face_young_1"},
    {"named proficiency before a later parenthesis",
     "[\"peasant\",\"Peasant\",\"Peasants\",0,0,0,fac_commoners,[],def_attrib|level(2),"
     "peasant_wp,knows_common,man_face_young_1,man_face_old_2],",
     "peasant;Peasant;Peasants;0;0;0;fac_commoners;;def_attrib|level(2);peasant_wp;knows_common;"
     "man_face_young_1;man_face_old_2"},
    {"blanks around bars and a scene with entry point",
     "[\"lord\", \"Lord  Aldric\", \"Lords\", tf_hero | tf_mounted, scn_castle_1 | entry(2), "
     "reserved, fac_kingdom_1, [itm_sword , itm_horse], knight_attrib_4 | level(25), wp(200), "
     "knight_skills_4 | knows_trainer_3, 0x1, 0x2]",
     "lord;Lord  Aldric;Lords;tf_hero|tf_mounted;scn_castle_1|entry(2);reserved;fac_kingdom_1;"
     "itm_sword|itm_horse;knight_attrib_4|level(25);wp(200);knight_skills_4|knows_trainer_3;0x1;"
     "0x2"},
    {"names holding commas, bars, brackets and a hash",
     "[\"bob\",\"Bob, the #1 [Smith]\",\"Bobs | Smiths\",0,0,0,fac_commoners,[],level(1),wp(10),0,"
     "0],",
     "bob;Bob, the #1 [Smith];Bobs | Smiths;0;0;0;fac_commoners;;level(1);wp(10);0;0"},
    {"second face and an image",
     "[\"npc1\",\"Borcha\",\"Borcha\",tf_hero,0,reserved,fac_commoners,[itm_tunic],level(14),"
     "wp(60),knows_tracking_3,0x00000008,0x00000009,\"troop image 1\"],",
     "npc1;Borcha;Borcha;tf_hero;0;reserved;fac_commoners;itm_tunic;level(14);wp(60);"
     "knows_tracking_3;0x00000008;0x00000009;\"troop image 1\""},
    {"inventory with bracketed items and a trailing comma",
     "\t[ \"smith\",\"Smith\",\"Smiths\",0,0,0,fac_commoners,[(itm_sword,imod_rusty),itm_shield,],"
     "level(3),wp(20),0,man_face_1,],",
     "smith;Smith;Smiths;0;0;0;fac_commoners;(itm_sword,imod_rusty)|itm_shield;level(3);wp(20);0;"
     "man_face_1"},
    {"eleven fields: the game's build takes the last as the skills and the faces as 0",
     "[\"x\",\"x\",\"x\", tf_hero, no_scene,reserved,fac_commoners,[],def_attrib|level(2),wp(20),"
     "0x0000000000000000000000000000000000000000],",
     "x;x;x;tf_hero;no_scene;reserved;fac_commoners;;def_attrib|level(2);wp(20);"
     "0x0000000000000000000000000000000000000000"},
    {"a flag given by a condition keeps its words apart",
     "[\"cond\",\"Cond\",\"Conds\",tf_hero if hero_mode else 0,0,0,fac_x,[],level(1),wp(1),0,"
     "0],",
     "cond;Cond;Conds;tf_hero if hero_mode else 0;0;0;fac_x;;level(1);wp(1);0;0"},
};

// Modules that add fields behind the image: shown as far as the editor knows
// them, the rest carried over as written.
TEST(ParsePythonTroop, KeepsTheFieldsBehindTheImage) {
    const char* entries[] = {
        "[\"npc\",\"Npc\",\"Npcs\",tf_hero,0,0,fac_x,[],level(1),wp(1),0,0x1,0x2,\"0\", 0, 0],",
        " [\"npc\", \"Npc\", \"Npcs\", tf_hero, 0, 0, fac_x, [], level(1), wp(1), 0, 0x1, 0x2, "
        "\"0\", 0, 0 ],"};
    for (const char* entry : entries) {
        const PythonTroopParse parsed = ParsePythonTroop(QString::fromLatin1(entry));
        EXPECT_TRUE(parsed.complete) << entry;
        EXPECT_EQ(parsed.troop.image, QStringLiteral("\"0\""));
        EXPECT_EQ(parsed.troop.extra, (QStringList{"0", "0"}));
    }
    PythonTroop t = ParsePythonTroop(QString::fromLatin1(entries[0])).troop;
    t.extra = QStringList{"trp_other", "0"};
    t.face2.clear();
    t.image.clear();
    EXPECT_EQ(BuildPythonTroopEntry(t),
              QStringLiteral(" [\"npc\", \"Npc\", \"Npcs\", tf_hero, 0, 0, fac_x, [], level(1), "
                             "wp(1), 0, 0x1, 0, 0, trp_other, 0 ],"));
}

class ParsePythonTroopTest : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParsePythonTroopTest, ReadsEveryField) {
    const PythonTroopParse parsed = ParsePythonTroop(QString::fromLatin1(GetParam().entry));
    EXPECT_TRUE(parsed.complete);
    EXPECT_EQ(parsed.troop, T(GetParam().expected));
}

// Showing a troop and writing it back unchanged defines the same troop, and a
// second round gives the very same text.
TEST_P(ParsePythonTroopTest, WritingBackKeepsTheTroop) {
    QStringList rows = PythonTroopFlagVocabulary();
    const PythonTroop first = ParsePythonTroop(QString::fromLatin1(GetParam().entry)).troop;
    const QString written = BuildPythonTroopEntry(PythonTroopAsShown(first, rows));
    const PythonTroopParse again = ParsePythonTroop(written);
    ASSERT_TRUE(again.complete) << written.toStdString();
    EXPECT_EQ(PythonTroopAsShown(again.troop, rows), PythonTroopAsShown(first, rows));
    EXPECT_EQ(BuildPythonTroopEntry(PythonTroopAsShown(again.troop, rows)), written);
}

INSTANTIATE_TEST_SUITE_P(Shapes, ParsePythonTroopTest, ::testing::ValuesIn(ParseCases),
                         [](const auto& info) {
                             std::string n = info.param.name;
                             for (char& ch : n)
                                 ch = std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
                             return n;
                         });

// References written as attributes are typed as such, and what was not edited
// reads back as it was.
TEST(ParsePythonTroop, AFormattedEntryTakesAnEdit) {
    QStringList rows = PythonTroopFlagVocabulary();
    const PythonTroop shown =
        PythonTroopAsShown(ParsePythonTroop(QString::fromLatin1(Formatted)).troop, rows);
    PythonTroop edited = shown;
    edited.faction = QStringLiteral("fac.kingdom_1");
    EXPECT_FALSE(MistypedPythonTroopField(edited, shown));
    EXPECT_FALSE(UnreadablePythonTroopField(edited));
    EXPECT_EQ(PythonTroopAsShown(ParsePythonTroop(BuildPythonTroopEntry(edited)).troop, rows),
              edited);
}

TEST(ParsePythonTroop, IncompleteEntriesAreFlagged) {
    const char* const entries[] = {
        "[\"a\",\"A\",\"As\",0,0,0,fac_x,[],level(1),wp(1)],",              // no skills
        "[\"a\",\"A\",\"As\",0,0,0,fac_x,[],level(1),wp(1),0,0,0,0,,0],",   // an empty field behind
        "[\"a\",\"A\",\"As\",0,0,0,fac_x,[itm_a,itm_b],level(1),wp(1),0,0", // never closed
        "[\"a\",\"A\",\"As\",0,0,0,fac_x,[itm_a] x,level(1),wp(1),0,0],",   // no expression
        "[\"a\",\"A\",\"As\",0,0,0,fac_x,[],level(1),wp(1),0,0]]", // list closed on its line
        "[\"a\",\"A\",\"As\",,0,0,fac_x,[],level(1),wp(1),0,0],",  // empty field
        "[a,\"A\",\"As\",0,0,0,fac_x,[],level(1),wp(1),0,0],",     // id without quotes
        "upgrade(troops,\"a\",\"b\")",                             // no entry at all
        // Written in the order of the flag list, it would read "(tf_hero|tf_a) if x else 0".
        "[\"a\",\"A\",\"As\",tf_a if x else 0|tf_hero,0,0,fac_x,[],level(1),wp(1),0,0],",
        "[\"a\",\"A\" x,\"As\",0,0,0,fac_x,[],level(1),wp(1),0,0],", // name and a word
    };
    for (const char* entry : entries)
        EXPECT_FALSE(ParsePythonTroop(QString::fromLatin1(entry)).complete) << entry;
}

TEST(BuildPythonTroopEntry, WritesTheEditorsLayout) {
    const std::pair<const char*, const char*> cases[] = {
        {"knight;Knight;Knights;tf_mounted|tf_guarantee_horse;no_scene;reserved;fac_kingdom_2;"
         "itm_lance|itm_warhorse;level(20);wp(100);knows_riding_5|knows_ironflesh_4;0x1;0x2;img",
         " [\"knight\", \"Knight\", \"Knights\", tf_mounted|tf_guarantee_horse, no_scene, "
         "reserved, "
         "fac_kingdom_2, [itm_lance,itm_warhorse], level(20), wp(100), "
         "knows_riding_5|knows_ironflesh_4, 0x1, 0x2, img ],"},
        // Empty lists and no second face.
        {"a;A;As;;no_scene;reserved;fac_x;;;0;;0x1",
         " [\"a\", \"A\", \"As\", 0, no_scene, reserved, fac_x, [], 0, 0, 0, 0x1 ],"},
        {"a;A;As;tf_none|tf_hero;0;0;fac_x;;level(1);0;0;0x1",
         " [\"a\", \"A\", \"As\", 0|tf_hero, 0, 0, fac_x, [], level(1), 0, 0, 0x1 ],"},
        // Without faces while none is given; an empty first face is written
        // as 0; an image keeps its place behind it.
        {"a;A;As;;0;0;fac_x;;;0;0x0", " [\"a\", \"A\", \"As\", 0, 0, 0, fac_x, [], 0, 0, 0x0 ],"},
        {"a;A;As;tf_none;0;0;fac_x;;;0;;",
         " [\"a\", \"A\", \"As\", 0, 0, 0, fac_x, [], 0, 0, 0, 0 ],"},
        {"a;A;As;;0;0;fac_x;;;0;;;;img",
         " [\"a\", \"A\", \"As\", 0, 0, 0, fac_x, [], 0, 0, 0, 0, 0, img ],"},
    };
    for (const auto& [troop, expected] : cases)
        EXPECT_EQ(BuildPythonTroopEntry(T(troop)), QString::fromLatin1(expected)) << troop;
}

// Each field changed to text that would break the entry is named; the
// troop as read breaks nothing.
TEST(BrokenPythonTroopField, NamesTheFieldThatWouldBreakTheEntry) {
    using F = PythonTroopField;
    const PythonTroop sound =
        T("a;A \\\"b\\\";As;tf_hero|tf_mounted;scn_a|entry(1);reserved;fac_x;itm_a|(itm_b,imod_x);"
          "level(1);wpex(1,2,3);knows_a;0x1;;\"img\"");
    EXPECT_EQ(BrokenPythonTroopField(sound), std::nullopt);
    const struct {
        void (*change)(PythonTroop&);
        F field;
    } cases[] = {
        {[](PythonTroop& t) { t.id = "a\"b"; }, F::Id},
        {[](PythonTroop& t) { t.namePl = "x\\"; }, F::NamePl},
        {[](PythonTroop& t) { t.flags.append("tf_a if x else 0"); }, F::Flags},
        {[](PythonTroop& t) { t.scene = "scn_a # no"; }, F::Scene},
        {[](PythonTroop& t) { t.reserved = "  "; }, F::Reserved},
        {[](PythonTroop& t) { t.faction = "fac_x, fac_y"; }, F::Faction},
        {[](PythonTroop& t) { t.items.append(" "); }, F::Items},
        {[](PythonTroop& t) { t.attributes.append("level(2"); }, F::Attributes},
        {[](PythonTroop& t) { t.proficiencies = "wp(1))"; }, F::Proficiencies},
        {[](PythonTroop& t) { t.skills.append("knows_\"b"); }, F::Skills},
        {[](PythonTroop& t) { t.face1 = "0x1\\"; }, F::Face1},
        {[](PythonTroop& t) { t.face2 = "0x2\n"; }, F::Face2},
        {[](PythonTroop& t) { t.image = "'img"; }, F::Image},
    };
    for (const auto& c : cases) {
        PythonTroop t = sound;
        c.change(t);
        EXPECT_EQ(BrokenPythonTroopField(t), c.field) << int(c.field);
    }
}

TEST(SelectFlagRows, MapsPartsOntoRowsAndAppendsUnknownFlags) {
    QStringList rows = PythonTroopFlagVocabulary();
    EXPECT_EQ(SelectFlagRows(rows, QStringList{"tf_hero", "tf_custom", ""}), (QList<int>{7, 24}));
    EXPECT_EQ(rows.last(), QStringLiteral("tf_custom"));
    // Known the second time round.
    EXPECT_EQ(SelectFlagRows(rows, QStringList{"tf_custom"}), QList<int>{24});
    EXPECT_EQ(rows.size(), 25);
}

TEST(PythonTroopAsShown, ShowsZeroScenesByNameAndFlagsInListOrder) {
    QStringList rows = PythonTroopFlagVocabulary();
    QList<int> selected;
    const PythonTroop shown =
        PythonTroopAsShown(T("a;A;As;tf_mounted|0|tf_hero;0;0;fac_x;;;0;;0"), rows, &selected);
    EXPECT_EQ(shown.flags, (QStringList{"tf_none", "tf_hero", "tf_mounted"}));
    EXPECT_EQ(selected, (QList<int>{3, 7, 12}));
    EXPECT_EQ(shown.scene, QStringLiteral("no_scene"));
    EXPECT_EQ(shown.reserved, QStringLiteral("reserved"));
    EXPECT_EQ(ShownScene(QStringLiteral("scn_a|entry(1)")), QStringLiteral("scn_a|entry(1)"));
}

TEST(IsPlainPythonString, RefusesWhatWouldBreakTheString) {
    EXPECT_TRUE(IsPlainPythonString(QStringLiteral("Bob Smith, #1")));
    EXPECT_TRUE(IsPlainPythonString(QString()));
    for (const char* bad : {"Bob \"the\" Smith", "C:\\", "two\nlines", "two\rlines"})
        EXPECT_FALSE(IsPlainPythonString(QString::fromLatin1(bad))) << bad;
}

// Each line with the call it holds as "troop;target1;target2", or none.
TEST(ParseUpgradeLine, ReadsOnlyRealUpgradeCalls) {
    const std::pair<const char*, const char*> cases[] = {
        {"upgrade(troops,\"farmer\",\"watchman\")", "farmer;watchman;"},
        {"upgrade2(troops,\"recruit\",\"militia\",\"footman\")", "recruit;militia;footman"},
        {"upgrade(troops, \"farmer\", \"watchman\")", "farmer;watchman;"},
        {"upgrade2( troops , \"a\" , \"b\" , \"c\" )  # the c line", "a;b;c"},
        {"upgrade(troops,\"Archer\",\"Horse_Archer\")", "Archer;Horse_Archer;"},
        {"upgrade(troops,\"a\",\"b\") #,\"c\")", "a;b;"},
        {"    upgrade(troops,'a','b')", "a;b;"},
        {"upgrade(troops, \"we_knight_2\", \"we_knight_3\"),", "we_knight_2;we_knight_3;"},
        {"\tupgrade2(troops,\"a\",\"b\",\"c\") ,\t# the c line", "a;b;c"},
        {"upgrade(troops,\"a\",\"b\") , ;", "a;b;"},
        {"upgrade(troops,\"alanian_horseman\",\"alanian_heavy_horseman\",)",
         "alanian_horseman;alanian_heavy_horseman;"},
        {"upgrade2(troops, \"a\", \"b\", \"c\" , ),  # r", "a;b;c"},
        {"upgrade(troops,\"a\",\"b\",),", "a;b;"},
        {"upgrade(troops,\"a\",\"b\",,)", nullptr},
        {"upgrade(troops,\"a\",)", nullptr},
        {"upgrade(troops,\"a\",\"b\"),,", nullptr},
        {"upgrade(troops,\"a\",\"b\");,", nullptr},
        {"upgrade(troops,\"a\",\"b\"), x", nullptr},
        {"# upgrade(troops,\"a\",\"b\"),", nullptr},
        {"upgrade(troops,'a','b\"c')", nullptr},
        {"upgrade2(troops,\"a\",\"\",\"c\")", nullptr},
        {"#upgrade(troops,\"a\",\"b\")", nullptr},
        {"# upgrade2(troops,\"a\",\"b\",\"c\")", nullptr},
        {"def upgrade(troops,troop1_id,troop2_id):", nullptr},
        {"upgrade(troops,\"a\",\"b\"); x = 1", nullptr},
        {"upgrade(troops,\"a\")", nullptr},
        {"upgrade2(troops,\"a\",\"b\")", nullptr},
        {"[\"upgrade\",\"Upgrade\",\"Upgrades\",0,0,0,fac_x,[],0,0,0,0],", nullptr},
        {"", nullptr},
    };
    for (const auto& [line, expected] : cases) {
        const auto up = ParseUpgradeLine(QString::fromLatin1(line));
        const QString found = up ? up->troop + u';' + up->target1 + u';' + up->target2 : QString();
        EXPECT_EQ(found, QString::fromLatin1(expected)) << line;
    }
}

// The line as it is, the call written over it ("" for none), the line after.
TEST(ReplaceUpgradeLine, KeepsWhatStandsAroundTheCall) {
    const char* const cases[][3] = {
        {"upgrade(troops, \"a\", \"b\") ,  # r", "upgrade(troops,\"a\",\"c\")",
         "upgrade(troops,\"a\",\"c\") ,  # r"},
        {"\tupgrade(troops,\"a\",\"b\");", "upgrade(troops,\"a\",\"c\")",
         "\tupgrade(troops,\"a\",\"c\");"},
        {"    upgrade(troops,\"a\",\"b\"), # r", "", "    pass # r"},
        {"upgrade(troops,\"a\",\"b\"),", "", ""},
        {"upgrade(troops, \"a\", \"b\" , ), # r", "upgrade2(troops,\"a\",\"c\",\"d\")",
         "upgrade2(troops,\"a\",\"c\",\"d\",), # r"},
        {"upgrade(troops,\"a\",\"b\",)", "", ""},
    };
    for (const auto& [before, text, after] : cases) {
        QString line = QString::fromLatin1(before);
        ReplaceUpgradeLine(line, QString::fromLatin1(text));
        EXPECT_EQ(line, QString::fromLatin1(after)) << before;
    }
}

class UpgradeTableTest : public ::testing::Test {
protected:
    PythonLines lines = PythonLines(QStringList{
        "troops = [", "[\"a\",\"A\",\"As\",0,0,0,fac_x,[],0,0,0,0],",
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
    EXPECT_EQ(lines[6], QStringLiteral("# a comment")); // the author's remark stays
    EXPECT_EQ(lines[7], QString());
    EXPECT_EQ(lines[4], QStringLiteral("#upgrade(troops,\"a\",\"old\")"));
    EXPECT_EQ(max, 7);
    EXPECT_EQ(lines.size(), 8);
}

// A new id takes the troop's call in force along, in its place and with its
// remark; calls of other troops leading to the old id are counted, not changed.
TEST_F(UpgradeTableTest, ARenamedTroopTakesItsOwnCallAlong) {
    lines.append(QStringLiteral("upgrade(troops,\"ab\",\"a\")"));
    max = 8;
    const auto renameEntry = [this](const char* id) {
        lines[1] = QStringLiteral("[\"%1\",\"A\",\"As\",0,0,0,fac_x,[],0,0,0,0],").arg(id);
    };
    renameEntry("a2");
    EXPECT_EQ(RenameUpgradeLine(lines, max, "a", "a2", "second", "third"), 1);
    EXPECT_EQ(lines.mid(4), (QStringList{"#upgrade(troops,\"a\",\"old\")", lines[5], "# a comment",
                                         "upgrade2(troops,\"a2\",\"second\",\"third\")",
                                         "upgrade(troops,\"ab\",\"a\")"}));
    EXPECT_EQ(max, 8);
    // A new id that has a call already takes the paths there.
    renameEntry("ab");
    EXPECT_EQ(RenameUpgradeLine(lines, max, "a2", "ab", "y", ""), 0);
    EXPECT_EQ(lines[5], QStringLiteral("upgrade(troops,\"ab\",\"x\")"));
    EXPECT_EQ(lines[7], QString());
    EXPECT_EQ(lines[8], QStringLiteral("upgrade(troops,\"ab\",\"y\")"));
    // While another entry keeps the old id, its calls stay; the new id gets its own.
    renameEntry("c");
    EXPECT_EQ(RenameUpgradeLine(lines, max, "ab", "c", "z", ""), 0);
    EXPECT_EQ(lines[8], QStringLiteral("upgrade(troops,\"ab\",\"y\")"));
    EXPECT_EQ(lines.last(), QStringLiteral("upgrade(troops,\"c\",\"z\")"));
    EXPECT_EQ(max, 9);
}

// A first call goes beside the others (in their block), else behind the list,
// not behind code that reads the troops; the entries stay where they are. The
// rows give the elements behind the first entry, joined by "|", before and after.
TEST(WriteUpgradeLine, PutsAFirstCallBesideTheOthers) {
    const std::pair<const char*, const char*> cases[] = {
        {"]|upgrade(troops,'a','x'),|troops = merge(troops)",
         "]|upgrade(troops,'a','x'),|upgrade(troops,\"n\",\"y\")|troops = merge(troops)"},
        {"]|def f():|\tupgrade(troops,\"a\",\"x\")|#upgrade(troops,\"b\",\"x\")|f()",
         "]|def f():|\tupgrade(troops,\"a\",\"x\")|\tupgrade(troops,\"n\",\"y\")|"
         "#upgrade(troops,\"b\",\"x\")|f()"},
        {"] # end|print(troops[8])", "] # end|upgrade(troops,\"n\",\"y\")|print(troops[8])"},
        {"]|upgrade(troops,'a','x')|troops += [|[\"b\"],|]|print(1)",
         "]|upgrade(troops,'a','x')|troops += [|[\"b\"],|]|upgrade(troops,\"n\",\"y\")|print(1)"},
        {"print(1)", "print(1)|upgrade(troops,\"n\",\"y\")"}, // the list never closes
    };
    for (const auto& [before, after] : cases) {
        PythonLines lines(QString::fromLatin1(before).split(u'|'));
        lines.insert(0, QStringLiteral("[\"a\",\"A\",\"As\",0,0,0,fac_x,[],0,0,0,0],"));
        int max = int(lines.size()) - 1;
        WriteUpgradeLine(lines, max, "n", "y", "");
        EXPECT_EQ(lines.mid(1).join(u'|'), QString::fromLatin1(after)) << before;
        EXPECT_EQ(max, lines.size() - 1) << before;
    }
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
