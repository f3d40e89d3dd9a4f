#include "TextFilesFixture.h"

#include "text_editors/items/ItemTables.h"
#include "textfiles/modTextItems.h"

namespace {

const QString ItemsFile = QStringLiteral("item_kinds1.txt");

class ItemFile : public TextFilesTest {
protected:
    // Loads a file of the header, "1" and `body` (without the last line end
    // unless `ended`), saves it and returns what was written.
    QByteArray loadAndSave(const QStringList& body, bool ended = true) {
        const QByteArray bytes = lines(QStringList{"h", "1"} + body);
        module.write(ItemsFile, ended ? bytes : bytes.chopped(2));
        EXPECT_TRUE(LoadTextItems());
        EXPECT_EQ(ItemMax, 0);
        platform.answer(MsgAnswer::No);
        EXPECT_TRUE(SaveTextItems());
        return module.read(ItemsFile);
    }
};

TEST_F(ItemFile, SampleAndMixedFilesFillTheTables) {
    ASSERT_TRUE(LoadTextItems());
    EXPECT_EQ(ItemID.at(2), "itm_short_sword");
    EXPECT_EQ(ItemName.at(2), "Short_Sword");
    EXPECT_EQ(ItemFactionLine.at(2), " 1 2");
    EXPECT_EQ(ItemTriggerLines.at(ItemMax).size(), 2); // the arrows, last
    // The mesh tables exist for every item and are empty.
    ASSERT_EQ(ItemMeshCount.size(), ItemMax + 1);
    ASSERT_EQ(ItemMeshes.size(), ItemMax + 1);
    ASSERT_EQ(ItemMeshData.size(), ItemMax + 1);
    EXPECT_TRUE(ItemMeshes.at(2)[1].isEmpty());

    module.write(ItemsFile, testData("items_mixed.txt"));
    ASSERT_TRUE(LoadTextItems());
    EXPECT_EQ(ItemID.at(1), QString::fromLatin1("itm_\xe9p\xe9"
                                                "e"));
    platform.answer(MsgAnswer::No);
    ASSERT_TRUE(SaveTextItems());
    EXPECT_EQ(ItemsCount(), "3");
}

// Each body is one item as read, split into the lines the tables hold; the
// save gives it back byte for byte.
TEST_F(ItemFile, RecordShapes) {
    const struct {
        const char* name;
        QStringList body;
        ItemLines read;
    } rows[] = {
        // The game writes an empty line after some zero faction counts.
        {"no factions, trigger count after an empty line",
         {Sword, " 0", "", "0"},
         {Sword, " 0", "", "0", {}}},
        {"faction line after two empty lines",
         {Sword, " 2", "", "  ", " 1 3", "0"},
         {Sword, " 2", " 1 3", "0", {}}},
        {"the line after the faction line is the trigger count, blank or not",
         {Sword, " 1", " 2", ""},
         {Sword, " 1", " 2", "", {}}},
        {"three trigger lines",
         {Sword, " 0", "3", "t1", "t2", "t3"},
         {Sword, " 0", "", "3", {"t1", "t2", "t3"}}},
        {"more than five trigger lines, counted with blanks inside",
         {Sword, " 0", " 1 2", "a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k", "l"},
         {Sword, " 0", "", " 1 2", {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k", "l"}}},
        {"a faction count that is no number announces no faction line",
         {Sword, " x", "", "0"},
         {Sword, " x", "", "0", {}}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(loadAndSave(row.body), lines(QStringList{"h", "1"} + row.body));
        EXPECT_EQ(StoredItem(0), row.read);
    }
}

// Every blank-line skip stops at the end of the file, and an item cut short
// keeps empty texts for its missing lines; the loader reports no failure for
// it. The save gives the file back as read, whether or not the file's last
// line had its line end.
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
        for (const bool ended : {true, false}) {
            SCOPED_TRACE(body.join('|').toStdString() + (ended ? "" : ", no last line end"));
            const QByteArray bytes = lines(QStringList{"h", "1"} + body);
            EXPECT_EQ(loadAndSave(body, ended), ended ? bytes : bytes.chopped(2));
            EXPECT_EQ(ItemID.at(0), "itm_sword");
        }
    }
    // The count says five: the four lines the file lacks are held empty.
    EXPECT_EQ(ItemTriggerLines.at(0), (QStringList{"t1", "", "", "", ""}));
    EXPECT_TRUE(errors().isEmpty());
}

} // namespace
