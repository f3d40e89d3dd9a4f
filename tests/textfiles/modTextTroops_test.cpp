#include "TextFilesFixture.h"

#include "text_editors/troops/TroopTables.h"
#include "text_editors/troops/frmTextTroops.h"
#include "textfiles/modTextTroops.h"

#include <memory>

namespace {

const QString TroopsFile = QStringLiteral("troops.txt");

// Six lines of a troop whose id line is `line`.
QStringList Troop(const QString& line) {
    return {line,           "  -1 0 ",           "  9 8 5 5 6", " 60 40 40 30 30 30 0",
            "0 0 0 0 0 0 ", "  0 0 0 0 0 0 0 0 "};
}

class TroopFile : public TextFilesTest {
protected:
    bool load(const QStringList& text) {
        module.write(TroopsFile, lines(text));
        return LoadTextTroops();
    }
    bool save() {
        platform.answer(MsgAnswer::No);
        return SaveTextTroops();
    }
};

TEST_F(TroopFile, SampleAndMixedFilesFillTheTables) {
    ASSERT_TRUE(LoadTextTroops());
    EXPECT_EQ(TroopMax, 4);
    EXPECT_EQ(TroopID.at(3), "trp_knight");
    EXPECT_EQ(TroopName.at(3), "Knight");

    module.write(TroopsFile, testData("troops_mixed.txt"));
    ASSERT_TRUE(LoadTextTroops());
    EXPECT_EQ(TroopName.at(1), QString::fromLatin1("Gu\xe9rrier"));
    EXPECT_EQ(TroopsCount, "10"); // kept until the next save
    ASSERT_TRUE(save());
    EXPECT_EQ(TroopsCount, "3");
}

// An empty inventory line still takes its place, and so does a comment line
// that names a troop; a record cut short by the end of the file stays empty.
TEST_F(TroopFile, AnyLineNamingATroopStartsARecord) {
    QStringList troop = Troop("trp_a A As 0 0 0 0 0 0 0");
    troop[1].clear();
    ASSERT_TRUE(
        load(QStringList{"header", "2 "} + troop + QStringList{"# see trp_a above", "x", "y"}));
    ASSERT_EQ(TroopMax, 1);
    EXPECT_EQ(TroopItemLine.at(0), QString());
    EXPECT_EQ(TroopFaceLine.at(0), troop[5]);
    EXPECT_EQ(TroopID.at(1), "#");
    EXPECT_EQ(TroopItemLine.at(1), "x");
    EXPECT_EQ(TroopAttribLine.at(1), "y");
    EXPECT_EQ(TroopFaceLine.at(1), QString());
    // The comment's troop is out of shape: told at load, never rebuilt.
    EXPECT_TRUE(TroopHasSoundShape(0));
    EXPECT_FALSE(TroopHasSoundShape(1));
    EXPECT_EQ(platform.boxes.size(), 1u);
}

// Told as the damage it is, not as a fault of the program.
TEST_F(TroopFile, TroopLineWithOneWordIsTold) {
    ASSERT_TRUE(load(QStringList{"h", "1 "} + Troop("trp_lonely")));
    EXPECT_EQ(TroopID.at(0), "trp_lonely");
    EXPECT_EQ(TroopName.at(0), QString());
    expectOneBoxBeginning("Line 3 of your troops.txt begins the first troop, but holds 1 word");
    EXPECT_TRUE(errors().isEmpty());
}

TEST_F(TroopFile, MoreTroopsThanTheGameAllowsLoadAndSaveWhole) {
    QStringList text = {"h", "5003 "};
    for (int i = 0; i < 5003; ++i)
        text << (i > 0 ? QStringList{QString()} : QStringList{})
             << Troop(QStringLiteral("trp_%1 T Ts 0 0 0 0 0 0 0").arg(i));
    ASSERT_TRUE(load(text));
    EXPECT_EQ(TroopMax, 5002);
    EXPECT_EQ(TroopID.at(5002), "trp_5002");
    // Kept whole, but reported: the game reads no more than 5001 troops.
    EXPECT_EQ(errors(), QStringList{errorText(9, "LoadTextTroops")});
    ASSERT_EQ(platform.boxes.size(), 2u);
    EXPECT_TRUE(platform.boxes[0].text.startsWith(
        "Your troops.txt holds 5003 troops; the game reads no more than 5001. The editor keeps "
        "them all and saves them all."));
    ASSERT_TRUE(save());
    EXPECT_EQ(module.read(TroopsFile), lines(text));
}

// A damaged file, opened in the troop editor, every troop shown and updated
// without a change and saved, goes back byte for byte: a troop read out of
// shape stays one troop (told at load by line, shown as unreadable, written
// back as read), five lines of a troop whose first line was emptied or lost
// are held as that troop, so the count and every later troop's number stay,
// and lines of no troop are named and kept where they stand.
TEST_F(TroopFile, DamagedFilesGoBackAsReadAfterEveryTroopIsShownAndUpdated) {
    const QStringList a = Troop("trp_a A As 0 0 0 0 0 0 0");
    const QStringList b = Troop("trp_b B Bs 0 0 0 0 0 0 0");
    const QStringList c = Troop("trp_c C Cs 0 0 0 0 0 0 0");
    const auto file = [&](const QStringList& troopB, const QStringList& after = {},
                          const QStringList& before = {}) {
        return lines(QStringList{"troopsfile version 2", "3 "} + before + a + QStringList{""} +
                     troopB + QStringList{""} + c + after);
    };
    const auto with = [&b](qsizetype at, const QString& line, int removed = 0) {
        QStringList troop = b;
        troop.remove(at, removed);
        troop.insert(at, line);
        return troop;
    };
    const QString of = " of your troops.txt";
    const struct {
        const char* name;
        QByteArray bytes;
        QString told; // how the damage box begins; empty for no box
        int unreadable;
    } rows[] = {
        {"sound troops", file(b), {}, -1},
        {"a line of 300,000 characters put in as the fourth line",
         file(with(3, QString(300000, u'x'))),
         "Line 13" + of + ", line 4 of trp_b (its proficiencies), holds no number", 1},
        {"a first line doubled", file(with(0, b[0])),
         "Line 11" + of + " begins a troop, but trp_b before it takes it", 1},
        {"a first line emptied", file(with(0, "", 1)),
         "Line 10" + of + " stands where the first line of troop # 1 belongs", 1},
        {"a first line lost", file(b.mid(1)),
         "Line 9" + of + " stands where the first line of troop # 1 belongs", 1},
        {"a skill line emptied", file(with(4, "", 1)),
         "Line 14" + of + ", line 5 of trp_b (its skills), holds no number", 1},
        {"a lone LF line in a CR LF file",
         file(b).replace(QByteArray(b[2].toLatin1() + "\r\n"), b[2].toLatin1() + "\n"),
         {},
         -1},
        {"a file cut short", file(b).chopped(c[4].size() + c[5].size() + 6),
         "Your troops.txt ends on line 20, inside trp_c, whose six lines begin on line 17.", 2},
        {"a first line split in two",
         file(with(1, "0 0 0 0 0").replaceInStrings(b[0], "trp_b B Bs 0 0")),
         "Line 10" + of + " begins the troop after trp_a, but holds 5 words where", 1},
        {"an inventory line lost", file(b.mid(0, 1) + b.mid(2)),
         "Line 13" + of + ", line 4 of trp_b (its proficiencies), holds 6 numbers", 1},
        {"seven lines of no troop at the end", file(b, {"", "1", "2", "3", "4", "5", "6", "7"}),
         "7 lines" + of +
             " belong to no troop; a save keeps them where they stand:\r\nLine 24, after trp_c: "
             "1\r\nLine 25, after trp_c: 2\r\nLine 26, after trp_c: 3\r\nLine 27, after "
             "trp_c: 4\r\nLine 28, after trp_c: 5\r\n... and 2 more lines.",
         -1},
        {"a line of no troop before the first", file(b, {}, {"# my troops"}),
         "1 line" + of +
             " belongs to no troop; a save keeps it where it stands:\r\nLine 3, before the first "
             "troop: # my troops\r\n\r\nPlease check",
         -1},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        platform.boxes.clear();
        module.write(TroopsFile, row.bytes);
        std::unique_ptr<frmTextTroops> window(new frmTextTroops);
        ASSERT_EQ(TroopMax, 2);
        expectOneBoxBeginning(row.told);
        // A damaged line is quoted, not shown whole, however long it is.
        EXPECT_LT(platform.boxTexts().join(QString()).size(), 3000);
        for (int i = 0; i <= TroopMax; ++i) {
            EXPECT_EQ(TroopHasSoundShape(i), i != row.unreadable) << i;
            window->CurTroop = i;
            window->ShowTroop();
            window->UpdateTroop(false);
        }
        EXPECT_EQ(platform.boxTexts().filter("cannot be read").size(), row.unreadable >= 0);
        ASSERT_TRUE(save());
        EXPECT_EQ(module.read(TroopsFile), row.bytes);
    }
}

// Deleting the troop after a line of no troop leaves that line where it
// stood, and renaming the one before it changes its line alone; a troop added
// then follows an empty line, line 2 takes the new count in the style it was
// read in, and a second save writes the same file.
TEST_F(TroopFile, DeleteAddAndSaveTwiceKeepTheLinesOfNoTroop) {
    const QStringList a = Troop("trp_a A As 0 0 0 0 0 0 0");
    const QStringList b = Troop("trp_b B Bs 0 0 0 0 0 0 0");
    const QStringList head = {"troopsfile version 2", "2"};
    module.write(TroopsFile, lines(head + a + QStringList{"", "# junk", ""} + b));
    std::unique_ptr<frmTextTroops> window(new frmTextTroops);
    window->DeleteTroop();
    QStringList renamed = a;
    renamed[0].replace(" A ", " Aa ");
    StoreTroop(0, {renamed[0], a[1], a[2], a[3], a[4], a[5]});
    ASSERT_TRUE(save());
    EXPECT_EQ(module.read(TroopsFile),
              lines(QStringList{head[0], "1"} + renamed + QStringList{"", "# junk"}));
    window->CurTroop = 0;
    window->ShowTroop();
    window->AddTroop();
    window->UpdateTroop(false);
    ASSERT_EQ(TroopMax, 1);
    const TroopLines added = StoredTroop(1);
    const QByteArray expected =
        lines(head + renamed + QStringList{""} + QStringList(added.begin(), added.end()) +
              QStringList{"", "# junk"});
    for (int twice = 0; twice < 2; ++twice) {
        ASSERT_TRUE(save());
        EXPECT_EQ(module.read(TroopsFile), expected);
    }
    ASSERT_TRUE(LoadTextTroops());
    EXPECT_EQ(StoredTroop(1), added);
}

TEST_F(TroopFile, FileWithoutTroopsLeavesEmptyTables) {
    ASSERT_TRUE(load({"h", "0 "}));
    EXPECT_EQ(TroopMax, -1);
    EXPECT_TRUE(TroopLine.isEmpty());
    EXPECT_TRUE(platform.boxes.empty());
}

} // namespace
