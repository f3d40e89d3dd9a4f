#include "TextFilesFixture.h"

#include "textfiles/modTextTroops.h"

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
    EXPECT_EQ(TroopsCount, "10");    // kept until the next save
    platform.answer(MsgAnswer::Yes); // to lose its comment line
    ASSERT_TRUE(save());
    EXPECT_EQ(TroopsCount, "3 ");
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

TEST_F(TroopFile, TroopLineWithOneWordIsReported) {
    ASSERT_TRUE(load(QStringList{"h", "1 "} + Troop("trp_lonely")));
    EXPECT_EQ(TroopID.at(0), "trp_lonely");
    EXPECT_EQ(TroopName.at(0), QString());
    EXPECT_EQ(errors(), QStringList{errorText(9, "LoadTextTroops")});
}

TEST_F(TroopFile, CountThatIsNoNumberKeepsEveryTroopFound) {
    QStringList text = QStringList{"h", "many"} + Troop("trp_a A As 0 0 0 0 0 0 0") +
                       QStringList{QString()} + Troop("trp_b B Bs 0 0 0 0 0 0 0");
    ASSERT_TRUE(load(text));
    EXPECT_EQ(TroopMax, 1);
    ASSERT_EQ(platform.boxes.size(), 2u);
    EXPECT_TRUE(platform.boxes[0].text.startsWith(
        "Line 2 of your troops.txt says there are many troops. After loading all lines, 2 "));
    EXPECT_EQ(errors(), QStringList{errorText(13, "LoadTextTroops")});
    ASSERT_TRUE(save());
    text[1] = "2 ";
    EXPECT_EQ(module.read(TroopsFile), lines(text));
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

// Lines that belong to no troop are named at load, the first five by line
// number, place and text, with their count; a troop whose six lines are out of
// shape is told by line number and troop. A save that would drop lines asks
// first (No saves nothing); a sound file tells and asks nothing.
TEST_F(TroopFile, DamagedShapesAreToldAtLoad) {
    const QStringList a = Troop("trp_a A As 0 0 0 0 0 0 0");
    const QStringList b = Troop("trp_b B Bs 0 0 0 0 0 0 0");
    QStringList split = b;
    split.replace(0, "trp_b B Bs 0 0");
    split.insert(1, "0 0 0 0 0");
    QStringList lost = a;
    lost.removeAt(4);
    lost.removeAt(4);
    QStringList blankIn = a;
    blankIn.insert(2, "");
    const QString unreadable = QStringLiteral(" were read shifted; the troop editor shows troop # "
                                              "%1 as unreadable and does not update it.");
    const QString drops = " of your troops.txt belong to no troop, so a save would drop them; the "
                          "save asks first:\r\n",
                  drop1 = QString(drops).replace(" belong ", " belongs ").replace("them", "it");
    const QString tail = QStringLiteral("\r\n\r\nPlease check your troops.txt before you hit the "
                                        "save button in the troop editor.");
    const struct {
        const char* name;
        QStringList body;
        QString told; // the box, without its closing advice
        bool soundA, soundB;
        int dropped;
    } rows[] = {
        {"sound troops, blank lines between them",
         a + QStringList{"", "  ", ""} + b,
         {},
         true,
         true,
         0},
        {"two stray lines between two troops", a + QStringList{"", "junk", "more junk", ""} + b,
         "2 lines" + drops + "Line 10, after trp_a: junk\r\nLine 11, after trp_a: more junk", true,
         true, 2},
        {"seven stray lines: the first five are named",
         a + QStringList{"", "1", "2", "3", "4", "5", "6", "7"},
         "7 lines" + drops +
             "Line 10, after trp_a: 1\r\nLine 11, after trp_a: 2\r\nLine 12, after trp_a: "
             "3\r\nLine 13, after trp_a: 4\r\nLine 14, after trp_a: 5\r\n... and 2 more lines.",
         true, true, 7},
        {"a stray line before the first troop", QStringList{"# my troops"} + a,
         "1 line" + drop1 + "Line 3, before the first troop: # my troops", true, true, 1},
        {"a first line split in two: its face line belongs to no troop",
         a + QStringList{""} + split,
         "Line 10 of your troops.txt begins the troop after trp_a, but holds 5 words where a "
         "troop's first line holds 10:\r\ntrp_b B Bs 0 0\r\nThe line may have been split, so "
         "the troop's six lines" +
             unreadable.arg(1) + "\r\n\r\n1 line" + drop1 + "Line 16, after trp_b: " + b[5],
         true, false, 1},
        // The lines of trp_b after its first belong to no troop then.
        {"two lines lost: the next troop's first line is read into the troop before",
         lost + QStringList{""} + b,
         "Line 8 of your troops.txt begins a troop, but trp_a before it takes it as one of its six "
         "lines:\r\n" +
             b[0] + "\r\nA line of trp_a may have been lost, so the troops after it" +
             unreadable.arg(0) + "\r\n\r\n5 lines" + drops + "Line 9, after trp_a: " + b[1],
         false, false, 5},
        {"an empty line inside a troop pushes its face line out", blankIn + QStringList{""} + b,
         "Line 5 of your troops.txt, line 3 of trp_a (its attributes), holds no number where "
         "that line holds 5:\r\n\r\nA line of the troop may have been lost or an empty line "
         "put in, so its lines" +
             unreadable.arg(0) + "\r\n\r\n1 line" + drop1 + "Line 9, after trp_a: " + a[5],
         false, true, 1},
        {"an inventory line lost: the troop takes the empty line after it",
         a.mid(0, 1) + a.mid(2) + QStringList{""} + b,
         "Line 6 of your troops.txt, line 4 of trp_a (its proficiencies), holds 6 numbers where "
         "that line holds 7:\r\n" +
             a[4] + "\r\nA line of the troop" +
             " may have been lost or an empty line put in, so its lines" + unreadable.arg(0),
         false, true, 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        platform.boxes.clear();
        const QByteArray bytes = lines(QStringList{"h", "2 "} + row.body);
        module.write(TroopsFile, bytes);
        ASSERT_TRUE(LoadTextTroops());
        QStringList told = platform.boxTexts();
        told.removeIf([](const QString& text) { return text.contains(" says there are "); });
        if (row.told.isEmpty()) {
            EXPECT_TRUE(told.isEmpty()) << told.join('|').toStdString();
        } else {
            ASSERT_EQ(told.size(), 1);
            EXPECT_TRUE(told[0].startsWith(row.told)) << told[0].toStdString();
            EXPECT_TRUE(told[0].endsWith(tail)) << told[0].toStdString();
            EXPECT_EQ(platform.boxes[0].icon, MsgIcon::Exclamation);
        }
        EXPECT_EQ(TroopHasSoundShape(0), row.soundA);
        EXPECT_EQ(TroopHasSoundShape(TroopMax), row.soundB);
        platform.boxes.clear();
        platform.answer(MsgAnswer::No);
        EXPECT_EQ(SaveTextTroops(), row.dropped == 0);
        const QString asked =
            QString::number(row.dropped) +
            (row.dropped == 1 ? " line of troops.txt belongs" : " lines of troops.txt belong") +
            " to no troop and would be lost. Save anyway?";
        EXPECT_EQ(platform.boxes.at(0).text == asked, row.dropped > 0);
        EXPECT_EQ(module.read(TroopsFile) == bytes, row.dropped > 0);
    }
}

TEST_F(TroopFile, FileWithoutTroopsLeavesEmptyTables) {
    ASSERT_TRUE(load({"h", "0 "}));
    EXPECT_EQ(TroopMax, -1);
    EXPECT_TRUE(TroopLine.isEmpty());
    EXPECT_TRUE(platform.boxes.empty());
}

} // namespace
