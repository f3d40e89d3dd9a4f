#include "TextFilesFixture.h"

#include "platform/TextFile.h"
#include "textfiles/modTextTroops.h"

#include <QFile>

namespace {

const QString TroopsFile = QStringLiteral("troops.txt");
const QString Saved =
    QStringLiteral("Changes have been saved to troops.txt in your module directory.");

// Six lines of a troop whose id line is `line`.
QStringList Troop(const QString& line) {
    return {line,
            QStringLiteral("  -1 0 "),
            QStringLiteral("  9 8 5 5 6"),
            QStringLiteral(" 60 40 40 30 30 30 0"),
            QStringLiteral("0 0 0 0 0 0 "),
            QStringLiteral("  0 0 0 0 0 0 0 0 ")};
}

class TroopFile : public TextFilesTest {
protected:
    bool saveAnswering(MsgAnswer backup) {
        platform.answer(backup);
        return SaveTextTroops();
    }
};

TEST_F(TroopFile, UnchangedSampleGoesBackByteForByte) {
    const QByteArray before = module.read(TroopsFile);
    ASSERT_TRUE(LoadTextTroops());
    EXPECT_EQ(TroopMax, 4);
    EXPECT_EQ(TroopID.at(3), "trp_knight");
    EXPECT_EQ(TroopName.at(3), "Knight");
    EXPECT_TRUE(platform.boxes.empty());

    ASSERT_TRUE(saveAnswering(MsgAnswer::No));
    EXPECT_EQ(module.read(TroopsFile), before);
    ASSERT_EQ(platform.boxes.size(), 2u);
    EXPECT_EQ(platform.boxes[0].title, "Create backup...?");
    EXPECT_EQ(platform.boxes[0].text, "Do you want to create a time stamped backup of "
                                      "'troops.txt' before saving your data?");
    EXPECT_EQ(platform.boxes[1].title, "Troops saved...");
    EXPECT_EQ(platform.boxes[1].icon, MsgIcon::Information);
    EXPECT_EQ(platform.boxes[1].text, Saved);
}

// LF line ends, a comment between records, three empty lines between two
// records, an empty line at the end, a non-ASCII name and a wrong count: the
// save writes the layout of this program and keeps every other byte.
TEST_F(TroopFile, GameLayoutIsWrittenInOurLayout) {
    module.write(TroopsFile, testData("troops_mixed.txt"));
    ASSERT_TRUE(LoadTextTroops());
    EXPECT_EQ(TroopMax, 2);
    EXPECT_EQ(TroopName.at(1), QString::fromLatin1("Gu\xe9rrier"));
    EXPECT_EQ(TroopsCount, "10"); // kept until the next save
    ASSERT_EQ(platform.boxes.size(), 1u);
    EXPECT_EQ(platform.boxes[0].text,
              "Line 2 of your troops.txt says there are 10 troops. After loading all lines, 3 "
              "troops have been found!\r\n\r\nThe editor will correct the troop count (line 2) in "
              "your troops.txt next time you hit the save button in the troop editor.");
    EXPECT_EQ(platform.boxes[0].title, ApplicationName());
    EXPECT_EQ(platform.boxes[0].buttons, MsgButtons::Ok);

    ASSERT_TRUE(saveAnswering(MsgAnswer::No));
    EXPECT_EQ(module.read(TroopsFile), testData("troops_mixed.expected.txt"));
    EXPECT_EQ(TroopsCount, "3 ");
}

TEST_F(TroopFile, AnyLineNamingATroopStartsARecord) {
    QStringList text = {QStringLiteral("header"), QStringLiteral("2 ")};
    text << Troop(QStringLiteral("trp_a A As 0 0 0 0 0 0 0"));
    text << QStringLiteral("# see trp_a above") << QStringLiteral("x") << QStringLiteral("y");
    module.write(TroopsFile, lines(text));
    ASSERT_TRUE(LoadTextTroops());
    ASSERT_EQ(TroopMax, 1);
    EXPECT_EQ(TroopID.at(1), "#");
    EXPECT_EQ(TroopItemLine.at(1), "x");
    EXPECT_EQ(TroopAttribLine.at(1), "y");
    // Cut short by the end of the file: the rest stays empty, nothing reported.
    EXPECT_EQ(TroopFaceLine.at(1), QString());
    EXPECT_TRUE(platform.boxes.empty());
}

TEST_F(TroopFile, EmptyInventoryLineStillTakesTheNextFourLines) {
    QStringList troop = Troop(QStringLiteral("trp_a A As 0 0 0 0 0 0 0"));
    troop[1].clear();
    module.write(TroopsFile, lines(QStringList{"h", "1 "} + troop));
    ASSERT_TRUE(LoadTextTroops());
    ASSERT_EQ(TroopMax, 0);
    EXPECT_EQ(TroopItemLine.at(0), QString());
    EXPECT_EQ(TroopFaceLine.at(0), troop[5]);
}

TEST_F(TroopFile, TroopLineWithOneWordIsReported) {
    module.write(TroopsFile, lines(QStringList{"h", "1 "} + Troop(QStringLiteral("trp_lonely"))));
    ASSERT_TRUE(LoadTextTroops());
    EXPECT_EQ(TroopID.at(0), "trp_lonely");
    EXPECT_EQ(TroopName.at(0), QString());
    EXPECT_EQ(errors(), QStringList{errorText(9, "LoadTextTroops")});
}

TEST_F(TroopFile, CountThatIsNoNumberKeepsEveryTroopFound) {
    QStringList text = {"h", "many"};
    text << Troop("trp_a A As 0 0 0 0 0 0 0") << QString() << Troop("trp_b B Bs 0 0 0 0 0 0 0");
    module.write(TroopsFile, lines(text));
    ASSERT_TRUE(LoadTextTroops());
    EXPECT_EQ(TroopMax, 1);
    ASSERT_EQ(platform.boxes.size(), 2u);
    EXPECT_TRUE(platform.boxes[0].text.startsWith(
        "Line 2 of your troops.txt says there are many troops. After loading all lines, 2 "));
    EXPECT_EQ(errors(), QStringList{errorText(13, "LoadTextTroops")});

    ASSERT_TRUE(saveAnswering(MsgAnswer::No));
    text[1] = "2 ";
    EXPECT_EQ(module.read(TroopsFile), lines(text));
}

TEST_F(TroopFile, MoreTroopsThanTheGameAllowsLoadAndSaveWhole) {
    QStringList text = {"h", "5003 "};
    for (int i = 0; i < 5003; ++i) {
        if (i > 0)
            text << QString();
        text << Troop(QStringLiteral("trp_%1 T Ts 0 0 0 0 0 0 0").arg(i));
    }
    const QByteArray bytes = lines(text);
    module.write(TroopsFile, bytes);
    ASSERT_TRUE(LoadTextTroops());
    EXPECT_EQ(TroopMax, 5002);
    EXPECT_EQ(TroopID.at(5002), "trp_5002");
    // Kept whole, but reported: the game reads no more than 5001 troops.
    EXPECT_EQ(errors(), QStringList{errorText(9, "LoadTextTroops")});
    ASSERT_EQ(platform.boxes.size(), 1u);
    ASSERT_TRUE(saveAnswering(MsgAnswer::No));
    EXPECT_EQ(module.read(TroopsFile), bytes);
}

TEST_F(TroopFile, FileWithoutTroopsLeavesEmptyTables) {
    module.write(TroopsFile, lines({"h", "0 "}));
    ASSERT_TRUE(LoadTextTroops());
    EXPECT_EQ(TroopMax, -1);
    EXPECT_TRUE(TroopLine.isEmpty());
    EXPECT_TRUE(platform.boxes.empty());
}

TEST_F(TroopFile, MissingFileIsReportedAndLeavesEmptyTables) {
    ASSERT_TRUE(LoadTextTroops());
    QFile::remove(module.file(TroopsFile));
    EXPECT_FALSE(LoadTextTroops());
    EXPECT_EQ(TroopMax, -1);
    EXPECT_TRUE(TroopID.isEmpty());
    ASSERT_EQ(errors().size(), 1);
    EXPECT_TRUE(errors()[0].contains("LoadTextTroops"));
}

TEST_F(TroopFile, BackupIsNamedFromTheClockAndNeverOverwritten) {
    const QByteArray original = module.read(TroopsFile);
    ASSERT_TRUE(LoadTextTroops());
    TroopName[0] = "Changed";
    ASSERT_TRUE(saveAnswering(MsgAnswer::Yes));
    const QString first = module.file("troops_4-3-2011_9h5m7s.txt");
    EXPECT_EQ(platform.boxes.back().text,
              "Backup created of old troops.txt to " + first + "\r\n\r\n" + Saved);
    EXPECT_EQ(platform.boxes.back().title, "Troops saved...");

    // A second save within the same second keeps the first backup.
    const QByteArray afterFirst = module.read(TroopsFile);
    ASSERT_TRUE(saveAnswering(MsgAnswer::Yes));
    const QString second = module.file("troops_4-3-2011_9h5m7s_2.txt");
    EXPECT_EQ(platform.boxes.back().text,
              "Backup created of old troops.txt to " + second + "\r\n\r\n" + Saved);
    EXPECT_EQ(module.read("troops_4-3-2011_9h5m7s.txt"), original);
    EXPECT_EQ(module.read("troops_4-3-2011_9h5m7s_2.txt"), afterFirst);
}

TEST_F(TroopFile, FailedBackupIsReportedButDoesNotStopTheSave) {
    ASSERT_TRUE(LoadTextTroops());
    const QByteArray expected = module.read(TroopsFile);
    QFile::remove(module.file(TroopsFile)); // nothing left to copy
    ASSERT_TRUE(saveAnswering(MsgAnswer::Yes));
    EXPECT_EQ(module.read(TroopsFile), expected);
    ASSERT_EQ(platform.boxes.size(), 3u);
    EXPECT_EQ(platform.boxes[1].text, Saved); // no claim of a backup
    EXPECT_EQ(platform.boxes[2].title, "Error...");
    EXPECT_TRUE(platform.boxes[2].text.contains("SaveTextTroops"));
}

TEST_F(TroopFile, FailedWriteLeavesTheOldFileAndClaimsNoSuccess) {
    ASSERT_TRUE(LoadTextTroops());
    const QByteArray before = module.read(TroopsFile);
    TroopName[0] = "Changed";
    FailNextSaveAfter(100);
    EXPECT_FALSE(saveAnswering(MsgAnswer::No));
    EXPECT_EQ(module.read(TroopsFile), before);
    EXPECT_FALSE(platform.boxTexts().contains(Saved));
    ASSERT_EQ(errors().size(), 1);
    EXPECT_TRUE(errors()[0].contains("SaveTextTroops"));
}

TEST_F(TroopFile, ReadOnlyFileIsRefusedWith75) {
    ASSERT_TRUE(LoadTextTroops());
    const QByteArray before = module.read(TroopsFile);
    TroopName[0] = "Changed";
    QFile::setPermissions(module.file(TroopsFile), QFile::ReadOwner | QFile::ReadGroup);
    EXPECT_FALSE(saveAnswering(MsgAnswer::No));
    EXPECT_EQ(module.read(TroopsFile), before);
    EXPECT_EQ(errors(), QStringList{errorText(75, "SaveTextTroops")});
    EXPECT_FALSE(platform.boxTexts().contains(Saved));
}

} // namespace
