#include "ms_editors/troops/PythonTroopLists.h"
#include "ms_editors/troops/PythonTroopTable.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

namespace {

QStringList Table() {
    return {
        QStringLiteral("from header_troops import *"),
        QStringLiteral("troops = ["),
        QStringLiteral("[\"player\",\"Player\",\"Player\",tf_hero,0,0,fac_x,[],0,wp(1),0,0],"),
        QStringLiteral("#[\"old\",\"Old\",\"Olds\",0,0,0,fac_x,[],0,0,0,0],"),
        QStringLiteral("[\"archer\",\"Bowman\",\"Bowmen\",0,0,0,fac_x,[itm_bow],0,wp(1),0,0],"),
        QStringLiteral("[itm_a,itm_b],"),
        QStringLiteral("[ \"horse_archer\",\"Horse Archer\",\"Horse Archers\",0,0,0,fac_x,[],0,"
                       "wp(1),0,0],"),
        QStringLiteral("[\"archer\",\"Second Archer\",\"Archers\",0,0,0,fac_x,[],0,wp(1),0,0],"),
        QStringLiteral("]"),
        QStringLiteral("upgrade(troops,\"archer\",\"horse_archer\")")};
}

TEST(PythonEntryRows, ListEveryEntryWithItsOwnTableIndex) {
    const QStringList lines = Table();
    const PythonEntryRows rows = BuildPythonEntryRows(lines, 9, QStringLiteral("trp_"));
    EXPECT_EQ(rows.texts,
              (QStringList{"1. trp_player (Player)", "2. trp_archer (Bowman)",
                           "3. trp_horse_archer (Horse Archer)", "4. trp_archer (Second Archer)"}));
    EXPECT_EQ(rows.lines, (QList<int>{2, 4, 6, 7}));
    // Rows of the same id each find their own entry.
    EXPECT_EQ(FindPythonTroopLine(rows, 1, lines), 4);
    EXPECT_EQ(FindPythonTroopLine(rows, 3, lines), 7);
    EXPECT_EQ(FindPythonTroopLine(rows, 4, lines), -1);
    EXPECT_EQ(FindPythonTroopLine(rows, -1, lines), -1);
    EXPECT_EQ(PythonEntryIds(lines, 9),
              (QStringList{"player", "archer", "horse_archer", "archer"}));
    EXPECT_EQ(LastPythonEntry(lines, 9), 7);
}

TEST(PythonEntryRows, FilterMatchesIdOrNameIgnoringCaseAndRenumbers) {
    const QStringList lines = Table();
    PythonEntryRows rows = BuildPythonEntryRows(lines, 9, QStringLiteral("trp_"), "bow");
    EXPECT_EQ(rows.texts, QStringList{"1. trp_archer (Bowman)"});
    EXPECT_EQ(rows.lines, QList<int>{4});
    // Only the later of two same-id entries matches by name: the row still
    // finds that later entry.
    rows = BuildPythonEntryRows(lines, 9, QStringLiteral("trp_"), "second");
    EXPECT_EQ(FindPythonTroopLine(rows, 0, lines), 7);
    rows = BuildPythonEntryRows(lines, 9, QStringLiteral("itm_"), "horse a");
    EXPECT_EQ(rows.texts, QStringList{"1. itm_horse_archer (Horse Archer)"});
}

TEST(PythonEntryRows, RowWhoseEntryWentAwayFindsNothing) {
    QStringList lines = Table();
    const PythonEntryRows rows = BuildPythonEntryRows(lines, 9, QStringLiteral("trp_"));
    lines[4] = QStringLiteral("# gone");
    EXPECT_EQ(FindPythonTroopLine(rows, 1, lines), -1);
}

TEST(PythonTroopTable, DuplicateTestComparesWholeIds) {
    const QStringList lines = Table();
    EXPECT_TRUE(PythonTroopIdUsed(lines, 9, "archer"));
    EXPECT_TRUE(PythonTroopIdUsed(lines, 9, "horse_archer"));
    EXPECT_FALSE(PythonTroopIdUsed(lines, 9, "horse"));
    EXPECT_FALSE(PythonTroopIdUsed(lines, 9, "archer2"));
    EXPECT_FALSE(PythonTroopIdUsed(lines, 9, "old"));
}

TEST(PythonTroopTable, InsertAndDeleteKeepTheMarkers) {
    QStringList lines = Table();
    int max = 9;
    int last = 7;
    InsertPythonTroopEntry(lines, max, last, 8, QStringLiteral(" [\"new\"],"));
    EXPECT_EQ(max, 10);
    EXPECT_EQ(last, 8);
    EXPECT_EQ(lines[8], QStringLiteral(" [\"new\"],"));
    EXPECT_EQ(lines[9], QStringLiteral("]"));

    // Deleting the first "archer" empties the upgrade line of its own id and
    // leaves the lines naming it as a target alone.
    const QString removed = DeletePythonTroopEntry(lines, max, last, 4);
    EXPECT_EQ(removed, QStringLiteral("archer"));
    EXPECT_EQ(max, 9);
    EXPECT_EQ(last, 7);
    EXPECT_EQ(lines.size(), 10);
    EXPECT_EQ(lines[9], QString());
    EXPECT_EQ(lines[8], QStringLiteral("]"));
}

TEST(PythonTroopTable, RewriteAllWritesTheEditorsFormOnceAndForAll) {
    QStringList lines = Table();
    lines.append(QStringLiteral("upgrade2( troops, \"horse_archer\", \"archer\", \"player\") # x"));
    int max = 10;
    QStringList flags = {QStringLiteral("tf_hero")};
    const PythonEntryRows rows = BuildPythonEntryRows(lines, max, QStringLiteral("trp_"));
    lines[7] = QStringLiteral("[\"archer\",\"Broken\",\"Archers\",0,0,0,fac_x,[]"); // unreadable

    const QString row0 = lines[2];
    const PythonTroopRewrite r = RewriteAllPythonTroops(lines, max, rows.lines, flags);
    EXPECT_EQ(r.rewritten, 2);
    EXPECT_EQ(r.skipped, 1);
    EXPECT_EQ(lines[2], row0);
    EXPECT_EQ(lines[4], QStringLiteral(" [\"archer\", \"Bowman\", \"Bowmen\", 0, no_scene, "
                                       "reserved, fac_x, [itm_bow], 0, wp(1), 0, 0 ],"));
    EXPECT_EQ(lines[7], QStringLiteral("[\"archer\",\"Broken\",\"Archers\",0,0,0,fac_x,[]"));
    EXPECT_EQ(lines[9], QStringLiteral("upgrade(troops,\"archer\",\"horse_archer\")"));
    EXPECT_EQ(lines[10], QStringLiteral("upgrade2(troops,\"horse_archer\",\"archer\",\"player\")"));
    EXPECT_EQ(flags, (QStringList{"tf_hero", "tf_none"}));

    const QStringList once = lines;
    RewriteAllPythonTroops(lines, max, rows.lines, flags);
    EXPECT_EQ(lines, once);
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
