#include "module_system/PythonEntryLists.h"
#include "module_system/modPythonFiles.h"
#include "ms_editors/troops/PythonTroopTable.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

namespace {

PythonLines Table() {
    return PythonLines(
        {QStringLiteral("from header_troops import *"), QStringLiteral("troops = ["),
         QStringLiteral("[\"player\",\"Player\",\"Player\",tf_hero,0,0,fac_x,[],0,wp(1),0,0],"),
         QStringLiteral("#[\"old\",\"Old\",\"Olds\",0,0,0,fac_x,[],0,0,0,0],"),
         QStringLiteral("[\"archer\",\"Bowman\",\"Bowmen\",0,0,0,fac_x,[itm_bow],0,wp(1),0,0],"),
         QStringLiteral("[itm_a,itm_b],"),
         QStringLiteral("[ \"horse_archer\",\"Horse Archer\",\"Horse Archers\",0,0,0,fac_x,[],0,"
                        "wp(1),0,0],"),
         QStringLiteral("[\"archer\",\"Second Archer\",\"Archers\",0,0,0,fac_x,[],0,wp(1),0,0],"),
         QStringLiteral("]"), QStringLiteral("upgrade(troops,\"archer\",\"horse_archer\")")});
}

// Every call of the deleted troop goes (the last one is in force, an earlier
// one would take over); calls naming it as a target, and the calls of an id
// that another entry still holds, stay.
TEST(PythonTroopTable, DeleteRemovesEveryUpgradeCallOfTheTroop) {
    PythonLines lines = Table();
    lines.append(QStringLiteral("  upgrade2(troops,\"horse_archer\",\"a\",\"b\")"));
    lines.append(QStringLiteral("upgrade(troops,\"horse_archer\",\"archer\")"));
    int max = 11;
    int last = 7;
    EXPECT_EQ(DeletePythonTroopEntry(lines, max, last, 6), QStringLiteral("horse_archer"));
    EXPECT_EQ(max, 10);
    EXPECT_EQ(last, 6);
    EXPECT_EQ(lines.mid(8).join(u'|'),
              QStringLiteral("upgrade(troops,\"archer\",\"horse_archer\")|  pass|"));

    EXPECT_EQ(DeletePythonTroopEntry(lines, max, last, 4), QStringLiteral("archer"));
    EXPECT_EQ(lines[7], QStringLiteral("upgrade(troops,\"archer\",\"horse_archer\")"));

    lines[4] = QStringLiteral("[\"player\", \"\"\"two"); // the loader could not join it
    EXPECT_EQ(DeletePythonTroopEntry(lines, max, last, 4), std::nullopt);
    EXPECT_EQ(max, 9);
}

// A call in a triple-quoted block is text and one inside a bracket no
// statement: neither is shown, changed or taken as the place of a new call.
TEST(PythonTroopTable, OnlyCallsPythonRunsAsStatementsCount) {
    PythonLines lines = BuildPythonTable("x\ntroops = [\n [\"a\",0],\n [\"b\",0],\n]\n"
                                         "upgrade(troops,\"a\",\"b\")\npaths = [\n"
                                         " upgrade(troops,\"b\",\"a\"),\n]\n'''\n"
                                         "upgrade(troops,\"a\",\"a\")\n'''\n",
                                         TroopListFormat)
                            .lines;
    int max = int(lines.size()) - 1;
    EXPECT_EQ(FindUpgradeLine(lines, max, "a"), 5);
    EXPECT_EQ(FindUpgradeLine(lines, max, "b"), -1);
    WriteUpgradeLine(lines, max, "b", "a", "");
    EXPECT_EQ(lines.mid(5, 3), (QStringList{"upgrade(troops,\"a\",\"b\")",
                                            "upgrade(troops,\"b\",\"a\")", "paths = ["}));
    EXPECT_EQ(lines[8], QStringLiteral(" upgrade(troops,\"b\",\"a\"),"));
}

// A troop that reads back as shown keeps its lines (scene and reserved written
// as 0 included), and so do the upgrade lines; flags the list lacks are added.
TEST(PythonTroopTable, RewriteAllLeavesWhatReadsBackAndCountsIt) {
    PythonLines lines = Table();
    lines.append(QStringLiteral("upgrade2( troops, \"horse_archer\", \"archer\", \"player\") # x"));
    int max = 10;
    QStringList flags = {QStringLiteral("tf_hero")};
    const PythonEntryRows rows = BuildPythonEntryRows(lines, max, TroopRows);
    lines[7] = QStringLiteral("[\"archer\",\"Broken\",\"Archers\",0,0,0,fac_x,[]"); // unreadable

    const QStringList before = lines;
    const PythonRewriteResult r = RewriteAllPythonTroops(lines, max, rows.lines, flags);
    EXPECT_EQ((QList<int>{r.rewritten, r.unchanged, r.skipped}), (QList<int>{0, 2, 1}));
    EXPECT_EQ(lines, before);
    EXPECT_EQ(flags, (QStringList{"tf_hero", "tf_none"}));
    EXPECT_EQ(max, 10);
}

// Rows "abcde"; selections written as "-" (not selected) and "x" (selected).
QList<bool> Selection(const char* marks) {
    QList<bool> selected;
    for (const char* m = marks; *m; ++m)
        selected.append(*m == 'x');
    return selected;
}

TEST(MoveSelectedRows, MovesRowsAndBlocksByOne) {
    struct {
        const char* selected;
        bool down;
        const char* rows;
        const char* selectedAfter;
        int current;
    } const cases[] = {
        {"-xx--", true, "adbce", "--xx-", 2},   // two down
        {"---xx", true, "abcde", "---xx", -1},  // the last two stay
        {"x----", false, "abcde", "x----", -1}, // the first stays
        {"-x-x-", false, "badce", "x-x--", 2},  // apart, up
        {"x-x--", false, "acbde", "xx---", 1},  // first stays, third moves up
    };
    for (const auto& c : cases) {
        QStringList rows = {"a", "b", "c", "d", "e"};
        QList<bool> selected = Selection(c.selected);
        EXPECT_EQ(MoveSelectedRows(rows, selected, c.down), c.current) << c.selected;
        EXPECT_EQ(rows.join(QString()), QString::fromLatin1(c.rows)) << c.selected;
        EXPECT_EQ(selected, Selection(c.selectedAfter)) << c.selected;
    }
}

} // namespace
