#include "TextFilesFixture.h"

#include "text_editors/items/ItemTables.h"
#include "text_editors/items/frmTextItems.h"
#include "textfiles/modTextItems.h"

#include <memory>

namespace {

const QString ItemsFile = QStringLiteral("item_kinds1.txt");
const QString Sword = QStringLiteral(" itm_sword Sword Swords 1  sword_a 0  2 7 120 0 1.500000 100 "
                                     "0 0 0 0 0 95 80 0 0 25 276");

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
    EXPECT_EQ(ItemsCount, "3");
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

// A damaged file, opened in the item editor, every item shown and updated
// without a change and saved, goes back byte for byte: an item read out of
// shape (a line put in, doubled or emptied, a count damaged, a trigger line
// lost, the file cut short) is told at load by line and item, shown as
// unreadable and written back as read; the lines an item reads for a count
// end at the next item, and the lines of an item whose first line was emptied
// or lost are held as that item, so the count and every later item's number
// stay.
TEST_F(ItemFile, DamagedFilesGoBackAsReadAfterEveryItemIsShownAndUpdated) {
    const QString Bow =
        QStringLiteral(" itm_bow Bow Bows 1  bow_a 0  7 0 80 0 3.000000 100 0 0 0 0 "
                       "300 90 50 0 0 0 0");
    const QString Axe = QString(Sword).replace("sword", "axe");
    const QStringList sword = {Sword, " 0", "0"}, bow = {Bow, " 1", " 2", "1", "-50.000000  3 1"};
    const auto file = [&](const QStringList& a, const QStringList& b,
                          const QStringList& end = {""}) {
        return lines(QStringList{"itemsfile version 3", "3"} + a + QStringList{""} + b +
                     QStringList{"", Axe, " 0", "0"} + end);
    };
    const QString of = " of your item_kinds1.txt";
    const QStringList ids = {"itm_sword", "itm_bow", "itm_axe"};
    const struct {
        const char* name;
        QByteArray bytes;
        QString told; // how the damage box begins; empty for no box
        int unreadable;
    } rows[] = {
        {"sound items, two empty lines between two", file(sword + QStringList{""}, bow), {}, -1},
        {"a line put in after an item line", file({Sword, "junk 1 2", " 0", "0"}, bow),
         "Line 4" + of + ", the faction count of itm_sword, holds no number:", 0},
        {"a trigger count doubled", file(sword + QStringList{"0"}, bow),
         "Line 6" + of + " stands where the item after itm_sword should begin:", 0},
        {"a trigger count emptied", file({Sword, " 0", ""}, bow),
         "Line 7" + of + " begins an item where the trigger count of itm_sword should stand:", 0},
        {"a trigger line removed", file(sword, bow.mid(0, 4)),
         "Line 11" + of + ", trigger line 1 of the 1 that the trigger count of itm_bow", 1},
        {"a trigger count that is no number", file(sword, {Bow, " 1", " 2", "1x", "-5 1"}),
         "Line 10" + of + ", the trigger count of itm_bow, holds no number:", 1},
        {"an item line without its leading blank", file({Sword.mid(1), " 0", "0"}, bow),
         "Line 3" + of + " begins item # 0, but not with a blank and the item's id", 0},
        {"an item's first line emptied", file(sword, QStringList{""} + bow.mid(1)),
         "Line 7" + of + " stands where the first line of item # 1 belongs, before its", 1},
        {"an item's first line lost, an empty line inside it",
         file(sword, {" 1", "", " 2", "1", "-50.000000  3 1"}),
         "Lines 7 to 11" + of + " hold the faction and trigger lines of item # 1, but no", 1},
        {"the first item's first line emptied", file({"", " 0", "0"}, bow),
         "Line 3" + of + " stands where the first line of item # 0 belongs", 0},
        {"the first item's first line lost", file({" 0", "0"}, bow),
         "Lines 3 to 4" + of + " hold the faction and trigger lines of item # 0", 0},
        {"two lines of no item of another shape", file(sword + QStringList{"", " 2 1", "0"}, bow),
         "Line 7" + of + " stands where the item after itm_sword should begin:", 0},
        {"a lone LF line in a CR LF file", file(sword, bow).replace(" 2\r\n", " 2\n"), {}, -1},
        {"a file cut short after two empty lines",
         file(sword, bow + QStringList{""}, {}).chopped(40),
         "Your item_kinds1.txt ends on line 14, inside itm_axe (from line 14), where its "
         "faction count should stand.",
         2},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        platform.boxes.clear();
        module.write(ItemsFile, row.bytes);
        std::unique_ptr<frmTextItems> window(new frmTextItems);
        ASSERT_EQ(ItemMax, 2);
        expectOneBoxBeginning(row.told);
        for (int i = 0; i <= ItemMax; ++i) {
            EXPECT_EQ(ItemHasSoundShape(i), i != row.unreadable) << i;
            EXPECT_EQ(ItemID.at(i), i == row.unreadable ? ItemID.at(i) : ids.at(i));
            window->CurItem = i;
            window->ShowItem();
            window->UpdateItem(false);
        }
        EXPECT_EQ(platform.boxTexts().filter("cannot be read").size(), row.unreadable >= 0);
        platform.answer(MsgAnswer::No);
        ASSERT_TRUE(SaveTextItems());
        EXPECT_EQ(module.read(ItemsFile), row.bytes);
    }
}

// Deleting the item after a line of no item (one held without its first
// line) leaves that line where it stood and takes the item's lines alone, and
// renaming the one before it changes its line alone; an item added then
// is followed by an empty line, line 2 takes the count, and a second save
// writes the same file.
TEST_F(ItemFile, DeleteAddAndSaveTwiceKeepTheLinesOfNoItem) {
    const QStringList head = {"itemsfile version 3", "4"};
    const QStringList a = {Sword, " 0", "0", ""},
                      b = {QString(Sword).replace("sword", "b"), " 0", "0", ""},
                      c = {"", " 0", "0", ""},
                      d = {QString(Sword).replace("sword", "d"), " 0", "0", ""};
    module.write(ItemsFile, lines(head + a + b + QStringList{"# junk"} + c + d));
    std::unique_ptr<frmTextItems> window(new frmTextItems);
    window->CurItem = 2;
    window->DeleteItem();
    QStringList renamed = b;
    renamed[0].replace(" Sword ", " Blade ");
    StoreItem(1, {renamed[0], " 0", "", "0", {}});
    platform.answer(MsgAnswer::No);
    ASSERT_TRUE(SaveTextItems());
    EXPECT_EQ(module.read(ItemsFile),
              lines(QStringList{head[0], "3"} + a + renamed + QStringList{"# junk"} + d));
    window->CurItem = 0;
    window->ShowItem();
    window->StartAddItem();
    window->UpdateItem(false);
    ASSERT_EQ(ItemMax, 3);
    const ItemLines added = StoredItem(2);
    EXPECT_EQ(added.line.left(15), " itm_new_item1 ");
    const QByteArray expected =
        lines(head + a + renamed +
              QStringList{added.line, added.factionCountLine, added.triggerCountLine, ""} +
              QStringList{"# junk"} + d);
    for (int twice = 0; twice < 2; ++twice) {
        platform.answer(MsgAnswer::No);
        ASSERT_TRUE(SaveTextItems());
        EXPECT_EQ(module.read(ItemsFile), expected);
    }
    ASSERT_TRUE(LoadTextItems());
    EXPECT_EQ(StoredItem(2), added);
}

} // namespace
