#include "TextFilesFixture.h"

#include "platform/TextFile.h"
#include "textfiles/modTextItems.h"

#include <QDateTime>
#include <QFile>

namespace {

const QString ItemsFile = QStringLiteral("item_kinds1.txt");
const QString Saved =
    QStringLiteral("Changes have been saved to item_kinds1.txt in your module directory.");
const QString Sword = QStringLiteral(" itm_sword Sword Swords 1  sword_a 0  2 7 120 0 1.500000 100 "
                                     "0 0 0 0 0 95 80 0 0 25 276");

class ItemFile : public TextFilesTest {
protected:
    bool saveAnswering(MsgAnswer backup) {
        platform.answer(backup);
        return SaveTextItems();
    }
    // Loads an item file of the header, "1" and `body`.
    void loadOne(const QStringList& body) {
        module.write(ItemsFile, lines(QStringList{"h", "1"} + body));
        ASSERT_TRUE(LoadTextItems());
        ASSERT_EQ(ItemMax, 0);
    }
};

TEST_F(ItemFile, UnchangedSampleGoesBackByteForByte) {
    const QByteArray before = module.read(ItemsFile);
    ASSERT_TRUE(LoadTextItems());
    EXPECT_EQ(ItemMax, 7);
    EXPECT_EQ(ItemID.at(2), "itm_short_sword");
    EXPECT_EQ(ItemName.at(2), "Short_Sword");
    EXPECT_EQ(ItemFactionLine.at(2), " 1 2");
    EXPECT_EQ(ItemTriggerLines.at(7).size(), 2);
    // The mesh tables exist for every item and are empty.
    ASSERT_EQ(ItemMeshCount.size(), 8);
    ASSERT_EQ(ItemMeshes.size(), 8);
    ASSERT_EQ(ItemMeshData.size(), 8);
    EXPECT_TRUE(ItemMeshes.at(2)[1].isEmpty());
    EXPECT_TRUE(platform.boxes.empty());

    ASSERT_TRUE(saveAnswering(MsgAnswer::No));
    EXPECT_EQ(module.read(ItemsFile), before);
    ASSERT_EQ(platform.boxes.size(), 2u);
    EXPECT_EQ(platform.boxes[0].text, "Do you want to create a time stamped backup of "
                                      "'item_kinds1.txt' before saving your data?");
    EXPECT_EQ(platform.boxes[1].title, "Items saved...");
    EXPECT_EQ(platform.boxes[1].text, Saved);
}

// LF line ends, skipped blank lines, three and seven trigger lines, non-ASCII
// bytes and a count line that says 500.
TEST_F(ItemFile, GameLayoutIsWrittenInOurLayout) {
    module.write(ItemsFile, testData("items_mixed.txt"));
    ASSERT_TRUE(LoadTextItems());
    EXPECT_EQ(ItemMax, 2);
    EXPECT_EQ(ItemID.at(1), QString::fromLatin1("itm_\xe9p\xe9"
                                                "e"));
    ASSERT_EQ(platform.boxes.size(), 1u);
    EXPECT_EQ(platform.boxes[0].text,
              "Line 2 of your item_kinds1.txt says there are 500 items. After loading all lines, "
              "3 items have been found!\r\n\r\nThe editor will correct the item count (line 2) in "
              "your item_kinds1.txt next time you hit the save button in the item editor.");
    ASSERT_TRUE(saveAnswering(MsgAnswer::No));
    EXPECT_EQ(module.read(ItemsFile), testData("items_mixed.expected.txt"));
    EXPECT_EQ(ItemsCount, "3");
}

TEST_F(ItemFile, RecordShapes) {
    const struct {
        const char* name;
        QStringList body;
        QString factionLine;
        QString triggerCountLine;
        QStringList triggers;
        QStringList saved; // the item as written back
    } rows[] = {
        {"no factions, trigger count after two empty lines",
         {Sword, " 0", "", "", "0"},
         "",
         "0",
         {},
         {Sword, " 0", "0", ""}},
        {"faction line after an empty line",
         {Sword, " 2", "", " 1 3", "0"},
         " 1 3",
         "0",
         {},
         {Sword, " 2", " 1 3", "0", ""}},
        {"the line after the faction line is the trigger count, blank or not",
         {Sword, " 1", " 2", "", "1"},
         " 2",
         "",
         {},
         {Sword, " 1", " 2", "", ""}},
        {"three trigger lines",
         {Sword, " 0", "3", "t1", "t2", "t3"},
         "",
         "3",
         {"t1", "t2", "t3"},
         {Sword, " 0", "3", "t1", "t2", "t3", ""}},
        {"seven trigger lines all stay",
         {Sword, " 0", "7", "a", "b", "c", "d", "e", "f", "g"},
         "",
         "7",
         {"a", "b", "c", "d", "e", "f", "g"},
         {Sword, " 0", "7", "a", "b", "c", "d", "e", "f", "g", ""}},
        {"a count with blanks inside",
         {Sword, " 0", " 1 2", "a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k", "l"},
         "",
         " 1 2",
         {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k", "l"},
         {Sword, " 0", " 1 2", "a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k", "l", ""}},
        {"a faction count that is no number announces no faction line",
         {Sword, " x", "", "0"},
         "",
         "0",
         {},
         {Sword, " x", "0", ""}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        loadOne(row.body);
        EXPECT_EQ(ItemFactionLine.at(0), row.factionLine);
        EXPECT_EQ(ItemTriggerCountLine.at(0), row.triggerCountLine);
        EXPECT_EQ(ItemTriggerLines.at(0), row.triggers);
        ASSERT_TRUE(saveAnswering(MsgAnswer::No));
        EXPECT_EQ(module.read(ItemsFile), lines(QStringList{"h", "1"} + row.saved));
    }
}

// Every blank-line skip stops at the end of the file, and an item cut short
// keeps empty texts for its missing lines; the loader reports nothing for it.
// What the save writes loads back to the same item and saves to the same bytes.
TEST_F(ItemFile, TruncatedFilesLoadWithoutHangingAndSaveStably) {
    const QStringList cuts[] = {
        {Sword},
        {Sword, " 0"},
        {Sword, " 0", "", "  "},
        {Sword, " 2", "", ""},
        {Sword, " 2", " 1 2"},
        {Sword, " 0", "5", "t1"},
    };
    for (const QStringList& body : cuts) {
        SCOPED_TRACE(body.join('|').toStdString());
        loadOne(body);
        EXPECT_EQ(ItemID.at(0), "itm_sword");
        ASSERT_TRUE(saveAnswering(MsgAnswer::No));
        const QByteArray saved = module.read(ItemsFile);
        ASSERT_TRUE(LoadTextItems());
        ASSERT_EQ(ItemMax, 0);
        ASSERT_TRUE(saveAnswering(MsgAnswer::No));
        EXPECT_EQ(module.read(ItemsFile), saved);
    }
    // The count says five: the four lines the file lacks are written empty.
    EXPECT_EQ(ItemTriggerLines.at(0), (QStringList{"t1", "", "", "", ""}));
    EXPECT_EQ(module.read(ItemsFile),
              lines({"h", "1", Sword, " 0", "5", "t1", "", "", "", "", ""}));
    EXPECT_TRUE(errors().isEmpty());
}

TEST_F(ItemFile, CountMismatchIsCorrectedByTheNextSave) {
    QStringList text = {"h", "500"};
    for (int i = 0; i < 498; ++i)
        text << QStringLiteral(" itm_%1 I Is 0  0 0 1 0 1.0 100 0 0 0 0 0 0 0 0 0 0 0").arg(i)
             << " 0"
             << "0" << QString();
    module.write(ItemsFile, lines(text));
    ASSERT_TRUE(LoadTextItems());
    EXPECT_EQ(ItemMax, 497);
    ASSERT_EQ(platform.boxes.size(), 1u);
    EXPECT_TRUE(platform.boxes[0].text.startsWith(
        "Line 2 of your item_kinds1.txt says there are 500 items. After loading all lines, 498 "
        "items have been found!"));
    ASSERT_TRUE(saveAnswering(MsgAnswer::No));
    text[1] = "498";
    EXPECT_EQ(module.read(ItemsFile), lines(text));
}

TEST_F(ItemFile, CountThatIsNoNumberIsNotAnError) {
    module.write(ItemsFile, lines({"h", "lots", Sword, " 0", "0", ""}));
    ASSERT_TRUE(LoadTextItems());
    EXPECT_EQ(ItemMax, 0);
    ASSERT_EQ(platform.boxes.size(), 1u); // the count message only
    EXPECT_TRUE(platform.boxes[0].text.contains("says there are lots items"));
}

TEST_F(ItemFile, MissingFileIsReported) {
    QFile::remove(module.file(ItemsFile));
    EXPECT_FALSE(LoadTextItems());
    EXPECT_EQ(ItemMax, -1);
    EXPECT_TRUE(ItemLine.isEmpty());
    ASSERT_EQ(errors().size(), 1);
    EXPECT_TRUE(errors()[0].contains("LoadTextItems"));
}

TEST_F(ItemFile, BackupNameFollowsTheClock) {
    ASSERT_TRUE(LoadTextItems());
    platform.setClock(QDateTime(QDate(2011, 8, 12), QTime(23, 59, 1)));
    ASSERT_TRUE(saveAnswering(MsgAnswer::Yes));
    const QString backup = module.file("item_kinds1_8-12-2011_23h59m1s.txt");
    EXPECT_TRUE(QFile::exists(backup));
    EXPECT_EQ(platform.boxes.back().text,
              "Backup created of old item_kinds1.txt to " + backup + "\r\n\r\n" + Saved);
}

TEST_F(ItemFile, FailedWriteLeavesTheOldFile) {
    ASSERT_TRUE(LoadTextItems());
    const QByteArray before = module.read(ItemsFile);
    ItemLine[1] = Sword;
    FailNextSaveAfter(10);
    EXPECT_FALSE(saveAnswering(MsgAnswer::No));
    EXPECT_EQ(module.read(ItemsFile), before);
    EXPECT_FALSE(platform.boxTexts().contains(Saved));
    ASSERT_EQ(errors().size(), 1);
    EXPECT_TRUE(errors()[0].contains("SaveTextItems"));
}

} // namespace
