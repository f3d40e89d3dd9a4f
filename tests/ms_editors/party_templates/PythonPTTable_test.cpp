#include "module_system/PythonEntryLists.h"
#include "ms_editors/party_templates/PythonPTLists.h"
#include "ms_editors/party_templates/PythonPTTable.h"

#include "../troops/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

// A party-template table as the loader leaves it: header, list, code behind.
const QStringList Lines{"from header_parties import *",
                        "party_templates = [",
                        "(\"none\",\"none\",0,0,fac_x,0,[]),",
                        "(\"hero_party\",\"Hero\",0,0,fac_x,0,[]),",
                        "#(\"old\",\"Old\",0,0,fac_x,0,[]),",
                        " ( \"looters\",\"Looters\",icon_axeman,0,fac_x,0,[(trp_looter,3,45)]),",
                        "(\"broken\",\"Broken\",0,0,fac_x,0,raiders x),",         // 6: not readable
                        "(\"looters\",\"Looters 2\",0,0,fac_x,0,[(trp_a,0,2)]),", // 7: same id
                        "(\"open\",\"Open\",0,0,fac_x,0,[(trp_a,1,2),",           // 8: never joined
                        "]",
                        "bandits = [\"looters\"]"};

TEST(PythonPTRows, MemberTroopBoxesListNoneAndEveryTroop) {
    const QStringList troops{"troops = [", "[\"player\",\"Player\",\"Player\",0,0,0,0,[],0,0,0,0],",
                             "#[\"old\",\"Old\",\"Olds\",0,0,0,0,[],0,0,0,0],", "]"};
    EXPECT_EQ(PythonPTTroopRows(troops, 3), (QStringList{"none", "trp_player"}));
}

TEST(PythonPTTable, RefusesWhatCannotBeAddedOrDeleted) {
    EXPECT_EQ(CheckPythonPTModel(3, 3, 1, true), PythonPTRefusal::Hardwired);
    EXPECT_EQ(CheckPythonPTModel(-1, 3, 2, true), PythonPTRefusal::NoSelection);
    EXPECT_EQ(CheckPythonPTModel(6, 3, 3, false), PythonPTRefusal::Unreadable);
    EXPECT_EQ(CheckPythonPTModel(5, 3, 2, true), PythonPTRefusal::None);
    // Unreadable but one element: it can go. Never joined: its other lines would stay.
    EXPECT_EQ(CheckPythonPTDelete(Lines, 6, 3, 3), PythonPTRefusal::None);
    EXPECT_EQ(CheckPythonPTDelete(Lines, 8, 3, 5), PythonPTRefusal::NotOneElement);
    EXPECT_EQ(CheckPythonPTDelete(Lines, 9, 3, 5), PythonPTRefusal::NoSelection);
    // Ids are compared whole: "party" is no id of "hero_party".
    const std::pair<const char*, PythonPTIdProblem> ids[] = {{"party", PythonPTIdProblem::None},
                                                             {"old", PythonPTIdProblem::None},
                                                             {"looters", PythonPTIdProblem::Used},
                                                             {"", PythonPTIdProblem::Empty}};
    for (const auto& [id, problem] : ids)
        EXPECT_EQ(CheckNewPythonPTId(Lines, 10, id), problem) << id;
}

TEST(PythonPTTable, ANewTemplateCopiesItsModelButNotTheRemarkBehindIt) {
    const PythonPT model =
        ParsePythonPT("(\"a\",\"A\",icon_x,0,fac_x,0,[(trp_a,0,2,0)]), # the model").pt;
    ASSERT_FALSE(model.trailer.isEmpty());
    PythonPT expected = model;
    expected.id = "new_party_template_1";
    expected.name = "New Party Template";
    expected.trailer.clear();
    EXPECT_EQ(NewPythonPT(model), expected);
}

// A template that reads back with its fields keeps its lines, as does one
// that cannot be read; both are counted.
TEST(PythonPTTable, RewriteAllLeavesWhatReadsBackOrCannotBeReadAndCountsIt) {
    PythonLines lines(Lines);
    QList<int> rowLines = BuildPythonEntryRows(lines, 10, PartyTemplateRows).lines;
    rowLines.append(40); // a row whose entry went away
    const PythonRewriteResult result = RewriteAllPythonEntries(
        lines, 10, rowLines, PartyTemplateRows.opener,
        [](int, const QString& entry) { return RewrittenPythonPTEntry(entry); });
    EXPECT_EQ((QList<int>{result.rewritten, result.unchanged, result.skipped}),
              (QList<int>{0, 3, 3}));
    EXPECT_EQ(lines, Lines);
}

} // namespace
