#include "ms_editors/party_templates/PythonPTEntry.h"

#include "../troops/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

// A template in the form the tables below use: id;name;flags;menu;faction;
// personality;members;more members;extra fields. Rows of a list are joined by
// "|", members by blanks, a member's elements by "/", and a "*" marks a ticked
// Prisoner box.
QString Describe(const PythonPT& pt) {
    QStringList members;
    for (const PythonPTMember& m : pt.members) {
        if (m.troop.isEmpty())
            continue;
        members.append(QStringList{m.troop, m.minimum, m.maximum, m.more.join(u'/')}.join(u'/') +
                       (m.prisoner ? QStringLiteral("*") : QString()));
    }
    return QStringList{pt.id,
                       pt.name,
                       pt.flags.join(u'|'),
                       pt.menu,
                       pt.faction,
                       pt.personality.join(u'|'),
                       members.join(u' '),
                       pt.moreMembers.join(u' '),
                       pt.extraFields.join(u' ')}
        .join(u';');
}

struct ParseCase {
    const char* name;
    const char* entry;
    const char* expected;
};

// Entries in the shapes module files use, as the loader joins them: the first
// line as written, continuation lines appended without their blanks.
const ParseCase ParseCases[] = {
    {"two members, one of them prisoners",
     "(\"new_party_template_1\",\"New Party Template\",icon_axeman|pf_default_behavior,0,"
     "fac_no_faction,bandit_personality,[(trp_a,2,9),(trp_b,0,3,pmf_is_prisoner)]),",
     "new_party_template_1;New Party Template;icon_axeman|pf_default_behavior;0;fac_no_faction;"
     "bandit_personality;trp_a/2/9/ trp_b/0/3/pmf_is_prisoner*;;"},
    {"written by the editor, blanks everywhere",
     " (\"looters\", \"Looters\", icon_axeman | carries_goods( 8 )|pf_quest_party, 0, fac_outlaws,"
     " bandit_personality, [ ( trp_looter , 3 , 45 ) ] ),",
     "looters;Looters;icon_axeman|carries_goods(8)|pf_quest_party;0;fac_outlaws;"
     "bandit_personality;trp_looter/3/45/;;"},
    {"joined over three lines, minimum 0",
     "(\"forest_bandits\",\"Forest Bandits\",icon_axeman|carries_goods(2),0,fac_outlaws,"
     "bandit_personality,[(trp_forest_bandit,4,52),(trp_looter,0,10),(trp_farmer,0,3,"
     "pmf_is_prisoner)]),",
     "forest_bandits;Forest Bandits;icon_axeman|carries_goods(2);0;fac_outlaws;"
     "bandit_personality;trp_forest_bandit/4/52/ trp_looter/0/10/ "
     "trp_farmer/0/3/pmf_is_prisoner*;;"},
    {"zero flags and personality, repeated flags",
     "(\"a\",\"A\",icon_camp|0|icon_camp|pf_x,0,fac_x,0,[])",
     "a;A;icon_camp|pf_none|pf_x;0;fac_x;none;;;"},
    {"personality built from terms, empty member list with blanks",
     "(\"b\",\"B\",0,0,fac_x,aggressiveness_8|courage_12|banditness,[ ]),",
     "b;B;pf_none;0;fac_x;aggressiveness_8|courage_12|banditness;;;"},
    {"fourth elements zero or named, trailing commas",
     "(\"c\",\"C\",icon_x,0,fac_x,0,[(trp_a,1,2,0),(trp_b,1,2,pmf_custom),(trp_c,1,2,),],),",
     "c;C;icon_x;0;fac_x;none;trp_a/1/2/0 trp_b/1/2/pmf_custom* trp_c/1/2/;;"},
    {"seven members and a fifth element",
     "(\"d\",\"D\",0,0,fac_x,0,[(t1,1,1),(t2,2,2),(t3,3,3),(t4,4,4),(t5,5,5),(t6,6,6,0x1,x),"
     "(t7,7,7)])",
     "d;D;pf_none;0;fac_x;none;t1/1/1/ t2/2/2/ t3/3/3/ t4/4/4/ t5/5/5/ t6/6/6/0x1/x*;(t7,7,7);"},
    {"extra fields behind the members",
     "(\"e\",\"E\",icon_x,0,fac_x,0,[(trp_a,1,2)],0, pt_other ),",
     "e;E;icon_x;0;fac_x;none;trp_a/1/2/;;0 pt_other"},
    {"names holding commas, quotes, brackets and a hash",
     "(\"f\",'Bob\\'s, #1 [band] (x)',icon_x,0,fac_x,0,[]),",
     "f;Bob\\'s, #1 [band] (x);icon_x;0;fac_x;none;;;"},
    {"a flag given by a condition, a comment behind the entry",
     "(\"g\",\"G\",icon_a if wide else icon_b,0,fac_x if x else fac_y,0,[]),  # the g party",
     "g;G;icon_a if wide else icon_b;0;fac_x if x else fac_y;none;;;"},
    {"members and flags as expressions",
     "(\"h\",\"H\",(pf_a|pf_b)+1|carries_gold(n*2),0,fac_x,0,[(trp_a+1,min_n*2,max_n,"
     "pmf_is_prisoner|pmf_x)])",
     "h;H;(pf_a|pf_b)+1|carries_gold(n*2);0;fac_x;none;trp_a+1/min_n*2/max_n/"
     "pmf_is_prisoner|pmf_x*;;"},
};

class ParsePythonPTTest : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParsePythonPTTest, ReadsEveryField) {
    const PythonPTParse parsed = ParsePythonPT(QString::fromLatin1(GetParam().entry));
    EXPECT_TRUE(parsed.complete);
    EXPECT_EQ(Describe(parsed.pt), QString::fromLatin1(GetParam().expected));
}

// Showing a template and writing it back unchanged gives the same template,
// and a second round the very same text.
TEST_P(ParsePythonPTTest, WritingBackKeepsTheTemplate) {
    const PythonPTParse first = ParsePythonPT(QString::fromLatin1(GetParam().entry));
    const QString written = BuildPythonPTEntry(first.pt);
    const PythonPTParse again = ParsePythonPT(written);
    ASSERT_TRUE(again.complete) << written.toStdString();
    EXPECT_EQ(again.pt, first.pt) << written.toStdString();
    EXPECT_EQ(BuildPythonPTEntry(again.pt), written);
    EXPECT_EQ(PythonPTUnwritableField(first.pt), QString()) << written.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Shapes, ParsePythonPTTest, ::testing::ValuesIn(ParseCases),
                         [](const auto& info) {
                             std::string n = info.param.name;
                             for (char& ch : n)
                                 ch = std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
                             return n;
                         });

TEST(ParsePythonPT, IncompleteEntriesAreFlaggedAndShownAsFarAsTheyRead) {
    const char* const entries[] = {
        "(\"a\",\"A\",0,0,fac_x,0),",                           // no member list
        "(\"a\",\"A\",0,0,fac_x,0,[(trp_a,1,2)]",               // never closed
        "(\"a\",\"A\",0,0,fac_x,0,bandit_members),",            // members by name
        "(\"a\",\"A\",0,0,fac_x,0,[(trp_a,1)]),",               // a member of two
        "(\"a\",\"A\",0,0,fac_x,0,[[trp_a,1,2]]),",             // a member in brackets
        "(\"a\",\"A\",0,0,fac_x,0,[(trp_a,1,2)]+more),",        // a list expression
        "(\"a\",\"A\",0,0,fac_x,0,[(trp_a,1,2),,(trp_b,1,2)])", // an empty member
        "(\"a\",\"A\",pf_a if x else 0|pf_b,0,fac_x,0,[]),",    // not a bar of terms
        "(a,\"A\",0,0,fac_x,0,[]),",                            // id without quotes
        "(\"a\",\"A\",,0,fac_x,0,[]),",                         // empty field
        "(\"a\",\"A\",0,0,fac_x,0,[]) + (\"b\",),",             // code behind the entry
        "(\"a\",\"A\",0,0,fac_x,0,[(none,1,2)]),",              // would read as no member
        "(\"a\",\"A\",0,0,fac_x #,0,[]),",                      // a comment inside
        "[\"a\",\"A\",\"As\",0,0,0,fac_x,[],0,0,0,0],",         // a troop
    };
    for (const char* entry : entries)
        EXPECT_FALSE(ParsePythonPT(QString::fromLatin1(entry)).complete) << entry;
    // What reads is shown.
    const PythonPTParse partial =
        ParsePythonPT(QStringLiteral("(\"a\",\"A\",pf_x,0,fac_x,0,[(trp_a,1,2),(trp_b,3)]),"));
    EXPECT_EQ(Describe(partial.pt), QStringLiteral("a;A;pf_x;0;fac_x;none;trp_a/1/2/;;"));
}

PythonPT Template(const QStringList& flags, const QStringList& personality,
                  std::initializer_list<PythonPTMember> members) {
    PythonPT pt;
    pt.id = QStringLiteral("p");
    pt.name = QStringLiteral("P");
    pt.flags = flags;
    pt.menu = QStringLiteral("0");
    pt.faction = QStringLiteral("fac_x");
    pt.personality = personality;
    int i = 0;
    for (const PythonPTMember& m : members)
        pt.members[i++] = m;
    return pt;
}

PythonPTMember M(const char* troop, const char* min, const char* max, bool prisoner = false,
                 QStringList more = {}) {
    return {QString::fromLatin1(troop), QString::fromLatin1(min), QString::fromLatin1(max),
            prisoner, more};
}

// The member list and the bars each template is written with.
TEST(BuildPythonPTEntry, WritesWhatTheRowsHold) {
    const QString sep(110, u'-');
    const struct {
        PythonPT pt;
        const char* written; // flags, personality, members
    } cases[] = {
        // Members of minimum 0 are members.
        {Template({"icon_x"}, {}, {M("trp_a", "0", "4"), M("trp_b", "2", "4", true)}),
         "icon_x, 0, fac_x, 0, [(trp_a,0,4),(trp_b,2,4,pmf_is_prisoner)]"},
        // Rows 0 and 3 filled; a row of "none" holds no member; an empty number is 0.
        {Template(
             {}, {},
             {M("trp_a", "1", "2"), M("", "0", "0"), M("none", "3", "4"), M("trp_d", "", "5")}),
         "0, 0, fac_x, 0, [(trp_a,1,2),(trp_d,0,5)]"},
        // The stored fourth element goes back while the box says what it said.
        {Template({}, {},
                  {M("a", "1", "2", false, {"0"}), M("b", "1", "2", true, {"pmf_custom"}),
                   M("c", "1", "2", true, {"0x1", "x"})}),
         "0, 0, fac_x, 0, [(a,1,2,0),(b,1,2,pmf_custom),(c,1,2,0x1,x)]"},
        // Ticking or clearing the box changes the fourth element only.
        {Template({}, {},
                  {M("a", "1", "2", true, {"0"}), M("b", "1", "2", false, {"pmf_is_prisoner"}),
                   M("c", "1", "2", false, {"pmf_x", "y"})}),
         "0, 0, fac_x, 0, [(a,1,2,pmf_is_prisoner),(b,1,2),(c,1,2,0,y)]"},
        // Every row of a list, but no separator and no empty row; none as 0.
        {Template({"pf_none", sep, "", "icon_camp"}, {"none", "courage_4"}, {}),
         "0|icon_camp, 0, fac_x, 0|courage_4, []"},
        {Template({sep}, {QString(107, u'-')}, {}), "0, 0, fac_x, 0, []"},
        // A row that does not bind as one term beside others keeps its meaning.
        {Template({"icon_a if wide else icon_b", "pf_x"}, {}, {}),
         "(icon_a if wide else icon_b)|pf_x, 0, fac_x, 0, []"},
    };
    for (const auto& c : cases) {
        const QString expected = QStringLiteral(" (\"p\", \"P\", ") +
                                 QString::fromLatin1(c.written) + QStringLiteral(" ),");
        EXPECT_EQ(BuildPythonPTEntry(c.pt), expected);
    }
    PythonPT more = Template({}, {}, {M("trp_a", "1", "2")});
    more.moreMembers = QStringList{"(t7,7,7)"};
    more.extraFields = QStringList{"0", "pt_x"};
    more.trailer = QStringLiteral("  # note");
    EXPECT_EQ(BuildPythonPTEntry(more),
              QStringLiteral(
                  " (\"p\", \"P\", 0, 0, fac_x, 0, [(trp_a,1,2),(t7,7,7)], 0, pt_x ),  # note"));
}

TEST(IsPrisonerElement, OnlyANonZeroElementMakesPrisoners) {
    for (const char* yes : {"pmf_is_prisoner", "1", "0x1", "pmf_a|pmf_b"})
        EXPECT_TRUE(IsPrisonerElement(QString::fromLatin1(yes))) << yes;
    for (const char* no : {"0", "00", "0x0", "0X00", "0b0", "0_0", ""})
        EXPECT_FALSE(IsPrisonerElement(QString::fromLatin1(no))) << no;
}

TEST(PythonPTUnwritableField, NamesTheFieldThatWouldBreakTheEntry) {
    const std::pair<void (*)(PythonPT&), const char*> cases[] = {
        {[](PythonPT& p) { p.id.clear(); }, "PT ID"},
        {[](PythonPT& p) { p.id = "a\"b"; }, "PT ID"},
        {[](PythonPT& p) { p.name = "ends with \\"; }, "PT name"},
        {[](PythonPT& p) { p.name = "two\nlines"; }, "PT name"},
        {[](PythonPT& p) { p.flags.append("pf_x # note"); }, "flags"},
        {[](PythonPT& p) { p.menu.clear(); }, "menu"},
        {[](PythonPT& p) { p.faction = "fac_a, fac_b"; }, "faction"},
        {[](PythonPT& p) { p.faction = "fac(a"; }, "faction"},
        {[](PythonPT& p) { p.personality.append("'x"); }, "personality"},
        {[](PythonPT& p) { p.members[1].troop = "trp_b)"; }, "troop of member 2"},
        {[](PythonPT& p) { p.members[0].minimum = "1,2"; }, "minimum of member 1"},
        {[](PythonPT& p) { p.members[0].maximum = "x\\"; }, "maximum of member 1"},
        // Typed but fine.
        {[](PythonPT& p) { p.name = "Bob's, \\\"#1\\\" [band]"; }, ""},
        {[](PythonPT& p) { p.members[0].minimum.clear(); }, ""},
        {[](PythonPT& p) { p.flags.append(""); }, ""},
    };
    for (const auto& [change, field] : cases) {
        PythonPT pt = Template({"icon_x"}, {}, {M("trp_a", "1", "2"), M("trp_b", "1", "2")});
        change(pt);
        EXPECT_EQ(PythonPTUnwritableField(pt), QString::fromLatin1(field)) << field;
    }
}

TEST(PythonPTVocabulary, RowsInTheWindowsOrder) {
    const QStringList flags = PythonPTFlagVocabulary();
    ASSERT_EQ(flags.size(), 19);
    EXPECT_EQ(flags[16], QString(110, u'-'));
    EXPECT_EQ(flags[18], QStringLiteral("carries_gold(x)"));
    const QStringList icons = PythonPTIconVocabulary();
    ASSERT_EQ(icons.size(), 189);
    EXPECT_EQ(icons[42], QStringLiteral("icon_bridge_snow_a"));
    EXPECT_EQ(icons[46], QStringLiteral("icon_banner_01"));
    EXPECT_EQ(icons[145], QStringLiteral("icon_banner_100"));
    EXPECT_EQ(icons[171], QStringLiteral("icon_banner_126"));
    EXPECT_EQ(icons[187], QStringLiteral("icon_banner_126"));
    EXPECT_EQ(icons[186], QStringLiteral("icon_map_flag_kingdom_f"));
    EXPECT_EQ(icons[188], QStringLiteral("icon_bandit_lair"));
    const QStringList pers = PythonPTPersonalityVocabulary();
    ASSERT_EQ(pers.size(), 34);
    EXPECT_EQ(pers[4], QString(107, u'-'));
    EXPECT_EQ(pers[17], QStringLiteral("courage_15"));
    EXPECT_EQ(pers[33], QStringLiteral("aggressiveness_15"));
}

TEST(ListEditing, PicksAddsChangesAndDeletesRows) {
    const QStringList flags = PythonPTFlagVocabulary();
    EXPECT_EQ(PickedVocabularyText(flags, 16), std::nullopt);
    EXPECT_EQ(PickedVocabularyText(PythonPTPersonalityVocabulary(), 4), std::nullopt);
    EXPECT_EQ(PickedVocabularyText(flags, -1), std::nullopt);
    EXPECT_EQ(PickedVocabularyText(flags, 17), QStringLiteral("carries_goods(x)"));

    QStringList rows;
    EXPECT_FALSE(AddListRow(rows, QString()));
    EXPECT_TRUE(AddListRow(rows, "icon_camp"));
    EXPECT_TRUE(AddListRow(rows, "icon_camp"));
    EXPECT_TRUE(AddListRow(rows, "pf_x"));
    EXPECT_FALSE(ChangeListRow(rows, -1, "pf_y"));
    EXPECT_TRUE(ChangeListRow(rows, 1, QString()));
    EXPECT_EQ(rows, (QStringList{"icon_camp", "", "pf_x"}));
    // The selection goes to the last row, not to the one behind the removed row.
    EXPECT_EQ(DeleteListRow(rows, 0), 1);
    EXPECT_EQ(DeleteListRow(rows, 5), -1);
    EXPECT_EQ(DeleteListRow(rows, 1), 0);
    EXPECT_EQ(DeleteListRow(rows, 0), -1);
    EXPECT_TRUE(rows.isEmpty());
}

} // namespace
