#include "ModuleSystemFixture.h"

#include "module_system/PythonEntryLists.h"

#include <gtest/gtest.h>

namespace {

// Entries, a commented-out one, a stray continuation line and lines around
// the list; two entries share the id "archer".
QStringList Troops() {
    return QString::fromLatin1("from header_troops import *\n"
                               "troops = [\n"
                               "[\"player\",\"Player\",\"Player\",0],\n"
                               "#[\"old\",\"Old\",\"Olds\",0],\n"
                               "[\"archer\",\"Bowman\",\"Bowmen\",0],\n"
                               "[itm_a,itm_b],\n"
                               "[ \"horse_archer\",\"Horse Archer\",\"Horse Archers\",0],\n"
                               "\t[\"archer\",\"Second Archer\",\"Archers\",0],\n"
                               "]\n"
                               "upgrade(troops,\"archer\",\"horse_archer\")")
        .split(u'\n');
}

TEST(PythonEntryRows, ListEveryEntryWithItsOwnTableIndex) {
    const QStringList lines = Troops();
    const PythonEntryRows rows = BuildPythonEntryRows(lines, 9, TroopRows);
    EXPECT_EQ(rows.texts.join(u'|'), QStringLiteral("1. trp_player (Player)|2. trp_archer (Bowman)|"
                                                    "3. trp_horse_archer (Horse Archer)|"
                                                    "4. trp_archer (Second Archer)"));
    EXPECT_EQ(rows.lines, (QList<int>{2, 4, 6, 7}));
    // Rows of the same id each find their own entry.
    EXPECT_EQ(FindPythonEntryLine(rows, 1, lines, u'['), 4);
    EXPECT_EQ(FindPythonEntryLine(rows, 3, lines, u'['), 7);
    EXPECT_EQ(FindPythonEntryLine(rows, 4, lines, u'['), -1);
    EXPECT_EQ(FindPythonEntryLine(rows, -1, lines, u'['), -1);
    EXPECT_EQ(PythonEntryIds(lines, 9, u'[').join(u'|'),
              QStringLiteral("player|archer|horse_archer|archer"));
    EXPECT_EQ(LastPythonEntry(lines, 9, u'['), 7);

    QStringList changed = lines;
    changed[4] = QStringLiteral("# gone");
    EXPECT_EQ(FindPythonEntryLine(rows, 1, changed, u'['), -1);

    // An entry inserted before some of them: those rows follow their entries.
    PythonEntryRows moved = rows;
    moved.elementInserted(5);
    EXPECT_EQ(moved.lines, (QList<int>{2, 4, 7, 8}));
}

TEST(PythonEntryRows, FilterMatchesIdOrNameIgnoringCase) {
    const QStringList lines = Troops();
    PythonEntryRows rows = BuildPythonEntryRows(lines, 9, TroopRows, "bow");
    EXPECT_EQ(rows.texts, QStringList{"1. trp_archer (Bowman)"});
    EXPECT_EQ(rows.lines, QList<int>{4});
    // Only the later of two same-id entries matches by name: the row still
    // finds that later entry.
    rows = BuildPythonEntryRows(lines, 9, TroopRows, "second");
    EXPECT_EQ(FindPythonEntryLine(rows, 0, lines, u'['), 7);
    // Numbered by place in the filtered list, or as in the full list.
    rows = BuildPythonEntryRows(lines, 9, ItemRows, "horse a");
    EXPECT_EQ(rows.texts, QStringList{"1. itm_horse_archer (Horse Archer)"});
    rows = BuildPythonEntryRows(lines, 9, ItemRows, "archer", RowNumbers::FullList);
    EXPECT_EQ(rows.texts.join(u'|'),
              QStringLiteral("2. itm_archer (Bowman)|3. itm_horse_archer (Horse Archer)|"
                             "4. itm_archer (Second Archer)"));
}

TEST(PythonEntryRows, PartyTemplatesOpenWithAParenthesisAndListTheirIds) {
    const QStringList lines = {
        QStringLiteral("party_templates = ["),
        QStringLiteral("(\"none\",\"None\",0,0,fac_x,0,[]),"),
        QStringLiteral("[\"troop\",\"Troop\",\"Troops\",0,0,0,fac_x,[],0,0,0,0],"),
        QStringLiteral(" ( \"looters\",\"Looters, many\",0,0,fac_x,0,[(trp_a,1,2)]),"),
        QStringLiteral("]")};
    const PythonEntryRows rows = BuildPythonEntryRows(lines, 4, PartyTemplateRows);
    EXPECT_EQ(rows.texts.join(u'|'), QStringLiteral("1. none|2. looters"));
    EXPECT_EQ(rows.lines, (QList<int>{1, 3}));
    EXPECT_EQ(FindPythonEntryLine(rows, 1, lines, u'('), 3);
    EXPECT_EQ(LastPythonEntry(lines, 4, u'('), 3);
    EXPECT_TRUE(PythonIdUsed(lines, 4, "looters", u'('));
    EXPECT_FALSE(PythonIdUsed(lines, 4, "troop", u'('));
}

TEST(PythonIdUsed, ComparesWholeIds) {
    const QStringList lines = Troops();
    EXPECT_TRUE(PythonIdUsed(lines, 9, "archer", u'['));
    EXPECT_TRUE(PythonIdUsed(lines, 9, "horse_archer", u'['));
    // A part of an id, another case, a prefix or blank more, or an id only a
    // comment uses, is free.
    for (const char* id : {"horse", "archer2", "old", "", "Archer", "archer ", "trp_archer"})
        EXPECT_FALSE(PythonIdUsed(lines, 9, id, u'[')) << id;
}

} // namespace
