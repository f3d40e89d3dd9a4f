// Damaged troop and item files opened in their editors, every record shown
// and updated, added or deleted, and saved.
#include "text_editors/EditorWalks.h"
#include "text_editors/items/ItemTables.h"
#include "text_editors/troops/TroopTables.h"
#include "textfiles/TextFilesFixture.h"

#include <memory>

namespace {

// An editor of a file of three records and what its load reads of them.
struct Editor {
    const Walk& walk;
    bool (*sound)(int i);
    const QStringList* table; // the ids
    const char* ids;          // the ids of the three records, where they are read
};
const Editor Troops = {TroopsWalk, TroopHasSoundShape, &TroopID, "trp_a trp_b trp_c"};
const Editor Items = {ItemsWalk, ItemHasSoundShape, &ItemID, "itm_sword itm_bow itm_axe"};

class DamagedFiles : public TextFilesTest {
protected:
    bool save(bool (*saver)()) {
        platform.answer(MsgAnswer::No);
        return saver();
    }
};

// A damaged file, opened in its editor, every record shown and updated
// without a change and saved, goes back byte for byte: a record read out of
// shape stays one record (told at load by line and record, shown as
// unreadable, written back as read); the lines a record reads end at the
// next one, and the lines of a record whose first line was emptied or lost
// are held as that record, so the count and every later record's number
// stay; lines of no record are named and kept where they stand.
TEST_F(DamagedFiles, GoBackAsReadAfterEveryRecordIsShownAndUpdated) {
    const QStringList a = Troop("trp_a A As 0 0 0 0 0 0 0");
    const QStringList b = Troop("trp_b B Bs 0 0 0 0 0 0 0");
    const QStringList c = Troop("trp_c C Cs 0 0 0 0 0 0 0");
    const auto troops = [&](const QStringList& troopB, const QStringList& after = {},
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
    const QString Bow =
        QStringLiteral(" itm_bow Bow Bows 1  bow_a 0  7 0 80 0 3.000000 100 0 0 0 0 "
                       "300 90 50 0 0 0 0");
    const QString Axe = QString(Sword).replace("sword", "axe");
    const QStringList sword = {Sword, " 0", "0"}, bow = {Bow, " 1", " 2", "1", "-50.000000  3 1"};
    const auto items = [&](const QStringList& first, const QStringList& second,
                           const QStringList& end = {""}) {
        return lines(QStringList{"itemsfile version 3", "3"} + first + QStringList{""} + second +
                     QStringList{"", Axe, " 0", "0"} + end);
    };
    const QString ofTroops = " of your troops.txt", ofItems = " of your item_kinds1.txt";
    const struct {
        const Editor* editor;
        const char* name;
        QByteArray bytes;
        QString told; // how the damage box begins; empty for no box
        int unreadable;
    } rows[] = {
        {&Troops, "sound troops", troops(b), {}, -1},
        {&Troops, "a line of 300,000 characters put in as the fourth line",
         troops(with(3, QString(300000, u'x'))),
         "Line 13" + ofTroops + ", line 4 of trp_b (its proficiencies), holds no number", 1},
        {&Troops, "a first line doubled", troops(with(0, b[0])),
         "Line 11" + ofTroops + " begins a troop, but trp_b before it takes it", 1},
        {&Troops, "a first line emptied", troops(with(0, "", 1)),
         "Line 10" + ofTroops + " stands where the first line of troop # 1 belongs", 1},
        {&Troops, "a first line lost", troops(b.mid(1)),
         "Line 9" + ofTroops + " stands where the first line of troop # 1 belongs", 1},
        {&Troops, "a skill line emptied", troops(with(4, "", 1)),
         "Line 14" + ofTroops + ", line 5 of trp_b (its skills), holds no number", 1},
        {&Troops,
         "a lone LF line in a CR LF file",
         troops(b).replace(QByteArray(b[2].toLatin1() + "\r\n"), b[2].toLatin1() + "\n"),
         {},
         -1},
        {&Troops, "a file cut short", troops(b).chopped(c[4].size() + c[5].size() + 6),
         "Your troops.txt ends on line 20, inside trp_c, whose six lines begin on line 17.", 2},
        {&Troops, "a first line split in two",
         troops(with(1, "0 0 0 0 0").replaceInStrings(b[0], "trp_b B Bs 0 0")),
         "Line 10" + ofTroops + " begins the troop after trp_a, but holds 5 words where", 1},
        {&Troops, "an inventory line lost", troops(b.mid(0, 1) + b.mid(2)),
         "Line 13" + ofTroops + ", line 4 of trp_b (its proficiencies), holds 6 numbers", 1},
        {&Troops, "seven lines of no troop at the end",
         troops(b, {"", "1", "2", "3", "4", "5", "6", "7"}),
         "7 lines" + ofTroops +
             " belong to no troop; a save keeps them where they stand:\r\nLine 24, after trp_c: "
             "1\r\nLine 25, after trp_c: 2\r\nLine 26, after trp_c: 3\r\nLine 27, after "
             "trp_c: 4\r\nLine 28, after trp_c: 5\r\n... and 2 more lines.",
         -1},
        {&Troops, "a line of no troop before the first", troops(b, {}, {"# my troops"}),
         "1 line" + ofTroops +
             " belongs to no troop; a save keeps it where it stands:\r\nLine 3, before the first "
             "troop: # my troops\r\n\r\nPlease check",
         -1},
        {&Items,
         "sound items, two empty lines between two",
         items(sword + QStringList{""}, bow),
         {},
         -1},
        {&Items, "a line put in after an item line", items({Sword, "junk 1 2", " 0", "0"}, bow),
         "Line 4" + ofItems + ", the faction count of itm_sword, holds no number:", 0},
        {&Items, "a trigger count doubled", items(sword + QStringList{"0"}, bow),
         "Line 6" + ofItems + " stands where the item after itm_sword should begin:", 0},
        {&Items, "a trigger count emptied", items({Sword, " 0", ""}, bow),
         "Line 7" + ofItems + " begins an item where the trigger count of itm_sword should stand:",
         0},
        {&Items, "a trigger line removed", items(sword, bow.mid(0, 4)),
         "Line 11" + ofItems + ", trigger line 1 of the 1 that the trigger count of itm_bow", 1},
        {&Items, "a trigger count that is no number", items(sword, {Bow, " 1", " 2", "1x", "-5 1"}),
         "Line 10" + ofItems + ", the trigger count of itm_bow, holds no number:", 1},
        {&Items, "an item line without its leading blank", items({Sword.mid(1), " 0", "0"}, bow),
         "Line 3" + ofItems + " begins item # 0, but not with a blank and the item's id", 0},
        {&Items, "an item's first line emptied", items(sword, QStringList{""} + bow.mid(1)),
         "Line 7" + ofItems + " stands where the first line of item # 1 belongs, before its", 1},
        {&Items, "an item's first line lost, an empty line inside it",
         items(sword, {" 1", "", " 2", "1", "-50.000000  3 1"}),
         "Lines 7 to 11" + ofItems + " hold the faction and trigger lines of item # 1, but no", 1},
        {&Items, "an item's first line that lost a word",
         items(sword, {QString(Sword).remove(" 95"), " 0", "0"}),
         "Line 7" + ofItems +
             " begins item # 1, but holds 22 words where the first line of an "
             "item of 1 mesh holds 23:",
         1},
        {&Items, "an item's first line split in two",
         items(sword, {Sword.chopped(4), Sword.right(3), " 0", "0"}),
         "Line 7" + ofItems + " begins item # 1, but holds 22 words where", 1},
        {&Items, "the first item's first line emptied", items({"", " 0", "0"}, bow),
         "Line 3" + ofItems + " stands where the first line of item # 0 belongs", 0},
        {&Items, "the first item's first line lost", items({" 0", "0"}, bow),
         "Lines 3 to 4" + ofItems + " hold the faction and trigger lines of item # 0", 0},
        {&Items, "two lines of no item of another shape",
         items(sword + QStringList{"", " 2 1", "0"}, bow),
         "Line 7" + ofItems + " stands where the item after itm_sword should begin:", 0},
        {&Items,
         "a lone LF line in a CR LF file",
         items(sword, bow).replace(" 2\r\n", " 2\n"),
         {},
         -1},
        {&Items, "a file cut short after two empty lines",
         items(sword, bow + QStringList{""}, {}).chopped(40),
         "Your item_kinds1.txt ends on line 14, inside itm_axe (from line 14), where its "
         "faction count should stand.",
         2},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const Editor& editor = *row.editor;
        platform.boxes.clear();
        module.write(editor.walk.file, row.bytes);
        const std::unique_ptr<QWidget> window(editor.walk.open());
        ASSERT_EQ(editor.table->size(), 3);
        expectOneBoxBeginning(row.told);
        // A damaged line is quoted, not shown whole, however long it is.
        EXPECT_LT(platform.boxTexts().join(QString()).size(), 3000);
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(editor.sound(i), i != row.unreadable) << i;
            if (i != row.unreadable) {
                EXPECT_EQ(editor.table->at(i), QString(editor.ids).section(' ', i, i));
            }
            editor.walk.showAndUpdate(window.get(), i);
        }
        EXPECT_EQ(platform.boxTexts().filter("cannot be read").size(), row.unreadable >= 0);
        ASSERT_TRUE(save(editor.walk.save));
        EXPECT_EQ(module.read(editor.walk.file), row.bytes);
    }
}

// Deleting the troop after a line of no troop leaves that line where it
// stood, and renaming the one before it changes its line alone; a troop added
// then follows an empty line, line 2 takes the new count in the style it was
// read in, and a second save writes the same file.
TEST_F(DamagedFiles, DeletingAddingAndSavingTwiceKeepTheLinesOfNoTroop) {
    const QStringList a = Troop("trp_a A As 0 0 0 0 0 0 0");
    const QStringList b = Troop("trp_b B Bs 0 0 0 0 0 0 0");
    const QStringList head = {"troopsfile version 2", "2"};
    module.write("troops.txt", lines(head + a + QStringList{"", "# junk", ""} + b));
    std::unique_ptr<frmTextTroops> window(new frmTextTroops);
    window->DeleteTroop();
    QStringList renamed = a;
    renamed[0].replace(" A ", " Aa ");
    StoreTroop(0, {renamed[0], a[1], a[2], a[3], a[4], a[5]});
    ASSERT_TRUE(save(SaveTextTroops));
    EXPECT_EQ(module.read("troops.txt"),
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
        ASSERT_TRUE(save(SaveTextTroops));
        EXPECT_EQ(module.read("troops.txt"), expected);
    }
    ASSERT_TRUE(LoadTextTroops());
    EXPECT_EQ(StoredTroop(1), added);
}

// Deleting the item after a line of no item (one held without its first
// line) leaves that line where it stood and takes the item's lines alone, and
// renaming the one before it changes its line alone; an item added then
// is followed by an empty line, line 2 takes the count, and a second save
// writes the same file.
TEST_F(DamagedFiles, DeletingAddingAndSavingTwiceKeepTheLinesOfNoItem) {
    const QStringList head = {"itemsfile version 3", "4"};
    const QStringList a = {Sword, " 0", "0", ""},
                      b = {QString(Sword).replace("sword", "b"), " 0", "0", ""},
                      c = {"", " 0", "0", ""},
                      d = {QString(Sword).replace("sword", "d"), " 0", "0", ""};
    module.write("item_kinds1.txt", lines(head + a + b + QStringList{"# junk"} + c + d));
    std::unique_ptr<frmTextItems> window(new frmTextItems);
    window->CurItem = 2;
    window->DeleteItem();
    QStringList renamed = b;
    renamed[0].replace(" Sword ", " Blade ");
    StoreItem(1, {renamed[0], " 0", "", "0", {}});
    ASSERT_TRUE(save(SaveTextItems));
    EXPECT_EQ(module.read("item_kinds1.txt"),
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
        ASSERT_TRUE(save(SaveTextItems));
        EXPECT_EQ(module.read("item_kinds1.txt"), expected);
    }
    ASSERT_TRUE(LoadTextItems());
    EXPECT_EQ(StoredItem(2), added);
}

} // namespace
