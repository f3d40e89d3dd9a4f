#include "TextFilesFixture.h"

#include "textfiles/modTextTroops.h"

namespace {

const QString TroopsFile = QStringLiteral("troops.txt");

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
    EXPECT_EQ(TroopsHead.countLine, "10"); // as read
    EXPECT_EQ(TroopsCount(), "3");
    ASSERT_TRUE(save());
    EXPECT_TRUE(module.read(TroopsFile).startsWith("troopsfile version 2\n3\n"));
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

TEST_F(TroopFile, FileWithoutTroopsLeavesEmptyTables) {
    ASSERT_TRUE(load({"h", "0 "}));
    EXPECT_EQ(TroopMax, -1);
    EXPECT_TRUE(TroopLine.isEmpty());
    EXPECT_TRUE(platform.boxes.empty());
}

} // namespace
