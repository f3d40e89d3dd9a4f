#include "ms_editors/party_templates/PythonPTEntry.h"

#include "../troops/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

// A template as "id;name;flags;menu;faction;personality;members;more
// members;extra fields": rows joined by "|", members by blanks, a member's
// elements by "/", and "*" for a ticked Prisoner box.
QString Describe(const PythonPT& pt) {
    QStringList members;
    for (const PythonPTMember& m : pt.members) {
        if (!m.troop.isEmpty())
            members.append(
                QStringList{m.troop, m.minimum, m.maximum, m.more.join(u'/')}.join(u'/') +
                (m.prisoner ? "*" : ""));
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
    const char* entry;
    const char* expected;
};

void PrintTo(const ParseCase& c, std::ostream* os) {
    *os << c.entry;
}

// A formatter's entry, one field a line, a comma behind each: its lines joined.
const char* const Formatted =
    "(\"village_defenders\",\"Village Defenders\",icon_peasant,0,fac.commoners,soldier_personality,"
    "[(trp.farmer,10,20),(trp.watchman,0,4,pmf_is_prisoner,),],),";

// Entries in the shapes module files use, as the loader joins them: the first
// line as written, continuation lines appended without their blanks.
const ParseCase ParseCases[] = {
    {Formatted, "village_defenders;Village Defenders;icon_peasant;0;fac.commoners;"
                "soldier_personality;trp.farmer/10/20/ trp.watchman/0/4/pmf_is_prisoner*;;"},
    {"(\"new_party_template_1\",\"New Party Template\",icon_axeman|pf_default_behavior,0,"
     "fac_no_faction,bandit_personality,[(trp_a,2,9),(trp_b,0,3,pmf_is_prisoner)]),",
     "new_party_template_1;New Party Template;icon_axeman|pf_default_behavior;0;fac_no_faction;"
     "bandit_personality;trp_a/2/9/ trp_b/0/3/pmf_is_prisoner*;;"},
    // Written by the editor, blanks everywhere, a comment behind the entry.
    {" (\"looters\", \"Looters\", icon_axeman | carries_goods( 8 )|pf_quest_party, 0, fac_outlaws,"
     " bandit_personality, [ ( trp_looter , 3 , 45 ) ] ),  # the looters",
     "looters;Looters;icon_axeman|carries_goods(8)|pf_quest_party;0;fac_outlaws;"
     "bandit_personality;trp_looter/3/45/;;"},
    {"(\"a\",\"A\",icon_camp|0|icon_camp|pf_x,0,fac_x,0,[ ])",
     "a;A;icon_camp|pf_none|pf_x;0;fac_x;none;;;"},
    // Fourth elements zero or named, trailing commas everywhere.
    {"(\"c\",\"C\",0,0,fac_x,aggressiveness_8|courage_12,[(trp_a,1,2,0x0),(trp_b,1,2,pmf_custom),"
     "(trp_c,1,2,),],),",
     "c;C;pf_none;0;fac_x;aggressiveness_8|courage_12;trp_a/1/2/0x0 trp_b/1/2/pmf_custom* "
     "trp_c/1/2/;;"},
    // Seven members, a fifth element, fields behind the members.
    {"(\"d\",\"D\",0,0,fac_x,0,[(t1,1,1),(t2,2,2),(t3,3,3),(t4,4,4),(t5,5,5),(t6,6,6,1,x),"
     "(t7,7,7)],0, pt_other )",
     "d;D;pf_none;0;fac_x;none;t1/1/1/ t2/2/2/ t3/3/3/ t4/4/4/ t5/5/5/ t6/6/6/1/x*;(t7,7,7);0 "
     "pt_other"},
    // Names holding commas, quotes, brackets and a hash; expressions.
    {"(\"f\",'Bob\\'s, #1 [band] (x)',icon_a if wide else icon_b,0,fac_x if x else fac_y,0,"
     "[(trp_a+1,n*2,max_n,pmf_is_prisoner|pmf_x)]),",
     "f;Bob\\'s, #1 [band] (x);icon_a if wide else icon_b;0;fac_x if x else fac_y;none;"
     "trp_a+1/n*2/max_n/pmf_is_prisoner|pmf_x*;;"},
};

class ParsePythonPTTest : public ::testing::TestWithParam<ParseCase> {};

// Read, then written back unchanged: the same template, and a second round
// gives the very same text.
TEST_P(ParsePythonPTTest, ReadsEveryFieldAndWritesItBack) {
    const PythonPTParse first = ParsePythonPT(QString::fromLatin1(GetParam().entry));
    EXPECT_TRUE(first.complete);
    EXPECT_EQ(Describe(first.pt), QString::fromLatin1(GetParam().expected));
    const QString written = BuildPythonPTEntry(first.pt);
    const PythonPTParse again = ParsePythonPT(written);
    EXPECT_TRUE(again.complete) << written.toStdString();
    EXPECT_EQ(again.pt, first.pt) << written.toStdString();
    EXPECT_EQ(BuildPythonPTEntry(again.pt), written);
    EXPECT_EQ(PythonPTUnwritableField(first.pt), QString());
}

INSTANTIATE_TEST_SUITE_P(Shapes, ParsePythonPTTest, ::testing::ValuesIn(ParseCases));

// References written as attributes are typed as such, and what was not edited
// reads back as it was.
TEST(ParsePythonPT, AFormattedEntryTakesAnEdit) {
    const PythonPT shown = ParsePythonPT(QString::fromLatin1(Formatted)).pt;
    PythonPT edited = shown;
    edited.faction = QStringLiteral("fac.kingdom_1");
    edited.members[1].troop = QStringLiteral("trp.watchman_2");
    EXPECT_FALSE(MistypedPythonPTField(edited, shown));
    EXPECT_EQ(PythonPTUnwritableField(edited), QString());
    EXPECT_EQ(ParsePythonPT(BuildPythonPTEntry(edited)).pt, edited);
}

TEST(ParsePythonPT, IncompleteEntriesAreFlaggedAndShownAsFarAsTheyRead) {
    for (const char* entry : {
             "(\"a\",\"A\",0,0,fac_x,0),",                           // no member list
             "(\"a\",\"A\",0,0,fac_x,0,[(trp_a,1,2)]",               // never closed
             "(\"a\",\"A\",0,0,fac_x,0,bandit members),",            // no expression
             "(\"a\",\"A\",0,0,fac_x,0,[[trp_a,1,2]]),",             // not a list of tuples
             "(\"a\",\"A\",0,0,fac_x,0,[(trp_a,1,2),,(trp_b,1,2)])", // an empty member
             "(\"a\",\"A\",pf_a if x else 0|pf_b,0,fac_x,0,[]),",    // not a bar of terms
             "(a,\"A\",,0,fac_x,0,[]),",                             // bare id, empty field
             "(\"a\",\"A\",0,0,fac_x,0,[]) + (\"b\",),",             // code behind the entry
             "(\"a\",\"A\",0,0,fac_x,0,[(none,1,2)]),",              // would read as no member
             "(\"a\",\"A\",0,0,fac_x #,0,[]),",                      // a comment inside
         })
        EXPECT_FALSE(ParsePythonPT(QString::fromLatin1(entry)).complete) << entry;
    const PythonPTParse partial =
        ParsePythonPT(QStringLiteral("(\"a\",\"A\",pf_x,0,fac_x,0,[(trp_a,1,2),(trp_b,3)]),"));
    EXPECT_EQ(Describe(partial.pt), QStringLiteral("a;A;pf_x;0;fac_x;none;trp_a/1/2/;;"));
}

PythonPT Template(const QStringList& flags, const QStringList& personality,
                  std::initializer_list<PythonPTMember> members) {
    PythonPT pt{"p", "P", flags, "0", "fac_x", personality, {}, {}, {}, {}, false, {}};
    std::copy(members.begin(), members.end(), pt.members.begin());
    return pt;
}

PythonPTMember M(const char* troop, const char* min, const char* max, bool prisoner = false,
                 QStringList more = {}) {
    return {troop, min, max, prisoner, more};
}

TEST(BuildPythonPTEntry, WritesWhatTheRowsHold) {
    const QString sep(110, u'-');
    const struct {
        PythonPT pt;
        const char* written; // flags, menu, faction, personality, members
    } cases[] = {
        // Members of minimum 0 are members; rows without a troop or with "none" are not.
        {Template(
             {"icon_x"}, {},
             {M("trp_a", "0", "4"), M("", "0", "0"), M("none", "3", "4"), M("trp_d", "", "5")}),
         "icon_x, 0, fac_x, 0, [(trp_a,0,4),(trp_d,0,5)]"},
        // The stored fourth element goes back while the box says what it said;
        // ticking or clearing the box changes the fourth element only.
        {Template({}, {},
                  {M("a", "1", "2", false, {"0"}), M("b", "1", "2", true, {"pmf_custom"}),
                   M("c", "1", "2", true), M("d", "1", "2", true, {"0"}),
                   M("e", "1", "2", false, {"pmf_is_prisoner"}),
                   M("f", "1", "2", false, {"1", "y"})}),
         "0, 0, fac_x, 0, [(a,1,2,0),(b,1,2,pmf_custom),(c,1,2,pmf_is_prisoner),"
         "(d,1,2,pmf_is_prisoner),(e,1,2),(f,1,2,0,y)]"},
        // Zero in any of Python's spellings is no prisoner mark.
        {Template({}, {}, {M("g", "1", "2", false, {"0x_0"}), M("h", "1", "2", true, {"00"})}),
         "0, 0, fac_x, 0, [(g,1,2,0x_0),(h,1,2,pmf_is_prisoner)]"},
        // Every row of a list, but no separator and no empty row; none as 0.
        {Template({"pf_none", sep, "", "icon_camp"}, {"none", "courage_4"}, {}),
         "0|icon_camp, 0, fac_x, 0|courage_4, []"},
        {Template({sep}, {QString(107, u'-')}, {}), "0, 0, fac_x, 0, []"},
        // A row that does not bind as one term beside others keeps its meaning.
        {Template({"icon_a if wide else icon_b", "pf_x"}, {}, {}),
         "(icon_a if wide else icon_b)|pf_x, 0, fac_x, 0, []"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(BuildPythonPTEntry(c.pt),
                  " (\"p\", \"P\", " + QString::fromLatin1(c.written) + " ),");
}

TEST(PythonPTUnwritableField, NamesTheFieldThatWouldBreakTheEntry) {
    const std::pair<void (*)(PythonPT&), const char*> cases[] = {
        {[](PythonPT& p) { p.id.clear(); }, "PT ID"},
        {[](PythonPT& p) { p.name = "ends with \\"; }, "PT name"},
        {[](PythonPT& p) { p.flags.append("pf_x # note"); }, "flags"},
        {[](PythonPT& p) { p.menu.clear(); }, "menu"},
        {[](PythonPT& p) { p.faction = "fac_a, fac_b"; }, "faction"},
        {[](PythonPT& p) { p.personality.append("'x"); }, "personality"},
        {[](PythonPT& p) { p.members[1].troop = "trp_b)"; }, "troop of member 2"},
        {[](PythonPT& p) { p.members[0].maximum = "x\\"; }, "maximum of member 1"},
        {[](PythonPT& p) { p.name = "Bob's, \\\"#1\\\" [band]"; }, ""},
    };
    for (const auto& [change, field] : cases) {
        PythonPT pt = Template({"icon_x"}, {}, {M("trp_a", "1", "2"), M("trp_b", "1", "2")});
        change(pt);
        EXPECT_EQ(PythonPTUnwritableField(pt), QString::fromLatin1(field)) << field;
    }
}

TEST(PythonPTVocabulary, RowsAndPicks) {
    const QStringList flags = PythonPTFlagVocabulary();
    const QStringList icons = PythonPTIconVocabulary();
    const QStringList pers = PythonPTPersonalityVocabulary();
    EXPECT_EQ((QList<qsizetype>{flags.size(), icons.size(), pers.size()}),
              (QList<qsizetype>{19, 189, 34}));
    EXPECT_EQ(icons[171] + icons[187] + icons[46], "icon_banner_126icon_banner_126icon_banner_01");
    // Separators are never picked.
    EXPECT_EQ(PickedVocabularyText(flags, 16), std::nullopt);
    EXPECT_EQ(PickedVocabularyText(pers, 4), std::nullopt);
    EXPECT_EQ(PickedVocabularyText(flags, 17), QStringLiteral("carries_goods(x)"));
}

} // namespace
