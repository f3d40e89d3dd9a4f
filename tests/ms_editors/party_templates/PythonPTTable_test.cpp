#include "ms_editors/party_templates/PythonPTLists.h"
#include "ms_editors/party_templates/PythonPTTable.h"

#include "../troops/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

// A party-template table as the loader leaves it: header, list, code behind.
QStringList Table() {
    return {
        QStringLiteral("from header_parties import *"),              // 0
        QStringLiteral("party_templates = ["),                       // 1
        QStringLiteral("(\"none\",\"none\",0,0,fac_x,0,[]),"),       // 2
        QStringLiteral("(\"hero_party\",\"Hero\",0,0,fac_x,0,[]),"), // 3
        QStringLiteral("#(\"old\",\"Old\",0,0,fac_x,0,[]),"),        // 4
        QStringLiteral(" ( \"looters\",\"Looters\",icon_axeman,0,fac_x,0,[(trp_looter,3,45)]),"),
        QStringLiteral("(\"broken\",\"Broken\",0,0,fac_x,0,raiders),"), // 6: not readable
        QStringLiteral("(\"looters\",\"Looters 2\",0,0,fac_x,0,[(trp_a,0,2)]),"),
        QStringLiteral("(\"open\",\"Open\",0,0,fac_x,0,[(trp_a,1,2),"), // 8: never joined
        QStringLiteral("]"),
        QStringLiteral("bandits = [\"looters\"]")};
}

TEST(PythonPTRows, ListEveryTemplateWithItsOwnTableIndex) {
    const QStringList lines = Table();
    const PythonEntryRows rows = BuildPythonPTRows(lines, 10);
    EXPECT_EQ(rows.texts, (QStringList{"1. none", "2. hero_party", "3. looters", "4. broken",
                                       "5. looters", "6. open"}));
    EXPECT_EQ(rows.lines, (QList<int>{2, 3, 5, 6, 7, 8}));
    // Rows of the same id each find their own entry; a row without an entry
    // finds none, never the first line of the file.
    EXPECT_EQ(FindPythonPTLine(rows, 2, lines), 5);
    EXPECT_EQ(FindPythonPTLine(rows, 4, lines), 7);
    EXPECT_EQ(FindPythonPTLine(rows, 6, lines), -1);
    EXPECT_EQ(FindPythonPTLine(rows, -1, lines), -1);
    QStringList changed = lines;
    changed[5] = QStringLiteral("]");
    EXPECT_EQ(FindPythonPTLine(rows, 2, changed), -1);
}

TEST(PythonPTRows, TroopBoxesOfferNoneThenEveryTroop) {
    const QStringList troops{
        QStringLiteral("troops = ["),
        QStringLiteral("[\"player\",\"Player\",\"Player\",0,0,0,0,[],0,0,0,0],"),
        QStringLiteral("#[\"old\",\"Old\",\"Olds\",0,0,0,0,[],0,0,0,0],"),
        QStringLiteral(" [ \"farmer\",\"Farmer\",\"Farmers\",0,0,0,0,[],0,0,0,0],"),
        QStringLiteral("]")};
    EXPECT_EQ(PythonPTTroopRows(troops, 4), (QStringList{"none", "trp_player", "trp_farmer"}));
    EXPECT_EQ(PythonPTTroopRows(QStringList{QString()}, 0), QStringList{"none"});
}

TEST(PythonPTTable, ModelAndDeleteGuards) {
    const QStringList lines = Table();
    const int hardwired = 3;
    EXPECT_EQ(CheckPythonPTModel(3, hardwired, 1, true), PythonPTRefusal::Hardwired);
    EXPECT_EQ(CheckPythonPTModel(-1, hardwired, 2, true), PythonPTRefusal::NoSelection);
    EXPECT_EQ(CheckPythonPTModel(5, hardwired, -1, true), PythonPTRefusal::NoSelection);
    EXPECT_EQ(CheckPythonPTModel(6, hardwired, 3, false), PythonPTRefusal::Unreadable);
    EXPECT_EQ(CheckPythonPTModel(5, hardwired, 2, true), PythonPTRefusal::None);

    EXPECT_EQ(CheckPythonPTDelete(lines, 2, hardwired, 0), PythonPTRefusal::Hardwired);
    EXPECT_EQ(CheckPythonPTDelete(lines, -1, hardwired, -1), PythonPTRefusal::NoSelection);
    EXPECT_EQ(CheckPythonPTDelete(lines, 9, hardwired, 5), PythonPTRefusal::NoSelection);
    // Unreadable but one element: it can go. Never joined: its other lines would stay.
    EXPECT_EQ(CheckPythonPTDelete(lines, 6, hardwired, 3), PythonPTRefusal::None);
    EXPECT_EQ(CheckPythonPTDelete(lines, 8, hardwired, 5), PythonPTRefusal::NotOneElement);
}

// Ids are compared whole: "party" is no id of "hero_party".
TEST(PythonPTTable, NewIdsAreComparedWhole) {
    const QStringList lines = Table();
    const std::pair<const char*, PythonPTIdProblem> cases[] = {
        {"party", PythonPTIdProblem::None},   {"hero_party_2", PythonPTIdProblem::None},
        {"looters", PythonPTIdProblem::Used}, {"hero_party", PythonPTIdProblem::Used},
        {"old", PythonPTIdProblem::None},     {"", PythonPTIdProblem::Empty},
        {"Looters", PythonPTIdProblem::None},
    };
    for (const auto& [id, problem] : cases)
        EXPECT_EQ(CheckNewPythonPTId(lines, 10, QString::fromLatin1(id)), problem) << id;
    EXPECT_EQ(NewPythonPT(ParsePythonPT(lines[5]).pt).id, QStringLiteral("new_party_template_1"));
}

TEST(PythonPTTable, AtTheEndMeansBehindTheLastTemplate) {
    const QStringList lines = Table();
    EXPECT_EQ(PythonPTEndPosition(lines, 10, 8), 9);
    // A stale marker (in the header, behind the list) never lets an entry into the header.
    EXPECT_EQ(PythonPTEndPosition(lines, 10, 0), 9);
    EXPECT_EQ(PythonPTEndPosition(lines, 10, 9), 9);
    EXPECT_EQ(PythonPTEndPosition(lines, 10, 40), 9);
    EXPECT_EQ(PythonPTEndPosition(lines.mid(0, 2), 1, 1), -1);
}

TEST(PythonPTTable, InsertAndDeleteKeepTheMarkers) {
    QStringList lines = Table();
    int max = 10;
    int last = 8;
    InsertPythonPTEntry(lines, max, last, 9, QStringLiteral("(\"new\",\"N\",0,0,f,0,[]),"));
    EXPECT_EQ(max, 11);
    EXPECT_EQ(last, 9);
    InsertPythonPTEntry(lines, max, last, 4, QStringLiteral("(\"mid\",\"M\",0,0,f,0,[]),"));
    EXPECT_EQ(last, 10);
    EXPECT_EQ(lines[10], QStringLiteral("(\"new\",\"N\",0,0,f,0,[]),"));
    DeletePythonPTEntry(lines, max, last, 4);
    DeletePythonPTEntry(lines, max, last, 9);
    EXPECT_EQ(lines, Table());
    EXPECT_EQ(max, 10);
    EXPECT_EQ(last, 8);
}

TEST(PythonPTTable, RewriteAllLeavesWhatItCannotReadAndCountsIt) {
    QStringList lines = Table();
    QList<int> rowLines = BuildPythonPTRows(lines, 10).lines;
    rowLines.append(40); // a row whose entry went away
    const PythonPTRewrite result = RewriteAllPythonPTs(lines, rowLines);
    EXPECT_EQ(result.rewritten, 3);
    EXPECT_EQ(result.skipped, 3);
    const QStringList before = Table();
    EXPECT_EQ(lines[2], before[2]); // row 0 stays
    EXPECT_EQ(lines[5], QStringLiteral(" (\"looters\", \"Looters\", icon_axeman, 0, fac_x, 0, "
                                       "[(trp_looter,3,45)] ),"));
    EXPECT_EQ(lines[6], before[6]);
    EXPECT_EQ(lines[7],
              QStringLiteral(" (\"looters\", \"Looters 2\", 0, 0, fac_x, 0, [(trp_a,0,2)] ),"));
    EXPECT_EQ(lines[8], before[8]);
    EXPECT_EQ(RewrittenPythonPTEntry(lines[0]), std::nullopt);
}

} // namespace
