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
    EXPECT_EQ(TroopsCount, "10"); // kept until the next save
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

// A line that belongs to no troop (a save drops it) and a troop whose six
// lines are out of shape are told at load, by line number and the troop
// before them; a sound file with blank lines between its troops tells nothing.
TEST_F(TroopFile, DamagedShapesAreToldAtLoad) {
    const QStringList a = Troop("trp_a A As 0 0 0 0 0 0 0");
    const QStringList b = Troop("trp_b B Bs 0 0 0 0 0 0 0");
    QStringList split = b;
    split.replace(0, "trp_b B Bs 0 0");
    split.insert(1, "0 0 0 0 0");
    QStringList lost = a;
    lost.removeAt(4);
    lost.removeAt(4);
    const QString tail = QStringLiteral("\r\n\r\nPlease check your troops.txt before you hit the "
                                        "save button in the troop editor.");
    const struct {
        const char* name;
        QStringList body;
        QString told; // the box, without its closing advice
        bool soundA, soundB;
    } rows[] = {
        {"sound troops, blank lines between them",
         a + QStringList{"", "  ", ""} + b,
         {},
         true,
         true},
        {"a stray line between two troops", a + QStringList{"", "junk line", ""} + b,
         "Line 10 of your troops.txt stands where the troop after trp_a should begin:\r\njunk "
         "line\r\nIt belongs to no troop, so the next save drops it.",
         true, true},
        {"a stray line before the first troop", QStringList{"# my troops"} + a,
         "Line 3 of your troops.txt stands where the first troop should begin:\r\n# my "
         "troops\r\nIt belongs to no troop, so the next save drops it.",
         true, true},
        {"a first line split in two: its face line belongs to no troop",
         a + QStringList{""} + split,
         "Line 10 of your troops.txt begins the troop after trp_a, but holds 5 words where a "
         "troop's first line holds 10:\r\ntrp_b B Bs 0 0\r\nThe line may have been split, so "
         "the troop's six lines were read shifted; the troop editor shows troop # 1 as "
         "unreadable and does not update it.\r\n\r\nLine 16 of your troops.txt stands where "
         "the troop after trp_b should begin:\r\n" +
             b[5] + "\r\nIt belongs to no troop, so the next save drops it.",
         true, false},
        // The lines of trp_b after its first belong to no troop then.
        {"two lines lost: the next troop's first line is read into the troop before",
         lost + QStringList{""} + b,
         "Line 8 of your troops.txt begins a troop, but trp_a before it takes it as one of its six "
         "lines:\r\n" +
             b[0] +
             "\r\nA line of trp_a may have been lost, so the troops after it were read shifted; "
             "the troop editor shows troop # 0 as unreadable and does not update it.\r\n\r\nLine "
             "9 of your troops.txt stands where the troop after trp_a should begin:\r\n" +
             b[1],
         false, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        platform.boxes.clear();
        ASSERT_TRUE(load(QStringList{"h", "2 "} + row.body));
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
    }
}

TEST_F(TroopFile, FileWithoutTroopsLeavesEmptyTables) {
    ASSERT_TRUE(load({"h", "0 "}));
    EXPECT_EQ(TroopMax, -1);
    EXPECT_TRUE(TroopLine.isEmpty());
    EXPECT_TRUE(platform.boxes.empty());
}

} // namespace
