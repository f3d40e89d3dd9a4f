#include "TextFilesFixture.h"

#include "textfiles/modTextItems.h"

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

// Each body is one item as read; the saved lines show how it was split.
TEST_F(ItemFile, RecordShapes) {
    const struct {
        const char* name;
        QStringList body, saved;
    } rows[] = {
        // The game writes an empty line after some zero faction counts.
        {"no factions, trigger count after an empty line",
         {Sword, " 0", "", "0"},
         {Sword, " 0", "", "0", ""}},
        {"faction line after two empty lines",
         {Sword, " 2", "", "  ", " 1 3", "0"},
         {Sword, " 2", "", "  ", " 1 3", "0", ""}},
        {"the line after the faction line is the trigger count, blank or not",
         {Sword, " 1", " 2", ""},
         {Sword, " 1", " 2", "", ""}},
        {"three trigger lines",
         {Sword, " 0", "3", "t1", "t2", "t3"},
         {Sword, " 0", "3", "t1", "t2", "t3", ""}},
        {"more than five trigger lines, counted with blanks inside",
         {Sword, " 0", " 1 2", "a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k", "l"},
         {Sword, " 0", " 1 2", "a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k", "l", ""}},
        {"a faction count that is no number announces no faction line",
         {Sword, " x", "", "0"},
         {Sword, " x", "", "0", ""}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(loadAndSave(row.body), lines(QStringList{"h", "1"} + row.saved));
    }
}

// Every blank-line skip stops at the end of the file, and an item cut short
// keeps empty texts for its missing lines; the loader reports nothing for it.
// What the save writes loads back to the same item and saves to the same
// bytes, whether or not the file's last line had its line end.
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
            const QByteArray saved = loadAndSave(body, ended);
            EXPECT_EQ(ItemID.at(0), "itm_sword");
            ASSERT_TRUE(LoadTextItems());
            platform.answer(MsgAnswer::No);
            ASSERT_TRUE(SaveTextItems());
            EXPECT_EQ(module.read(ItemsFile), saved);
        }
    }
    // The count says five: the four lines the file lacks are written empty.
    EXPECT_EQ(ItemTriggerLines.at(0), (QStringList{"t1", "", "", "", ""}));
    EXPECT_EQ(module.read(ItemsFile),
              lines({"h", "1", Sword, " 0", "5", "t1", "", "", "", "", ""}));
    EXPECT_TRUE(errors().isEmpty());
}

TEST_F(ItemFile, CountThatIsNoNumberIsNotAnError) {
    module.write(ItemsFile, lines({"h", "lots", Sword, " 0", "0", ""}));
    ASSERT_TRUE(LoadTextItems());
    EXPECT_EQ(ItemMax, 0);
    ASSERT_EQ(platform.boxes.size(), 1u); // the count message only
    EXPECT_TRUE(platform.boxes[0].text.contains("says there are lots items"));
}

// A line that stands where an item should begin but is none, or an item line
// that a count takes as a trigger line, is told at load: the items after it
// are read shifted, and a save would rewrite them so. The lines that belong to
// no item are named too, and a save asks before it drops them (No saves
// nothing). A sound file tells and asks nothing.
TEST_F(ItemFile, ALineOutOfPlaceIsToldAtLoad) {
    const QString Bow = QStringLiteral(" itm_bow Bow Bows 1  bow_a 0  7 0 80 0 3.000000 100 0 0 0 "
                                       "0 300 90 50 0 0 0 0");
    const QString told = QStringLiteral("Line %1 of your item_kinds1.txt %2\r\n%3\r\n\r\nA faction "
                                        "or trigger count may be damaged");
    const struct {
        const char* name;
        QStringList body;
        QString told;
        bool drops = false; // a line of no item: the save asks
    } rows[] = {
        {"sound items with blank lines between them",
         {Sword, " 0", "0", "", "", Bow, " 1", "", " 2", "1", "t", ""},
         {}},
        {"a trigger count that is no number leaves its line where the next item should begin",
         {Sword, " 0", "1x", "-50.000000  3 2071 1", "", Bow, " 0", "0"},
         told.arg(6)
             .arg("stands where the item after itm_sword should begin:")
             .arg("-50.000000  3 2071 1"),
         true},
        {"a faction count that is no number runs the trigger lines into the next item",
         {Sword, " x", " 1 2", "0", "", Bow, " 0", "0"},
         told.arg(8)
             .arg("begins an item, but the trigger count of itm_sword takes it as one of its "
                  "trigger lines:")
             .arg(Bow)},
        {"an item line without its leading blank",
         {Sword.mid(1), " 0", "0"},
         told.arg(3).arg("stands where the first item should begin:").arg(Sword.mid(1))},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        platform.boxes.clear();
        module.write(ItemsFile, lines(QStringList{"h", "2"} + row.body));
        ASSERT_TRUE(LoadTextItems());
        // Besides the count message, which the shifted items may bring.
        QStringList outOfPlace = platform.boxTexts();
        outOfPlace.removeIf([](const QString& text) { return text.contains(" says there are "); });
        if (row.told.isEmpty()) {
            EXPECT_TRUE(platform.boxes.empty()) << outOfPlace.join('|').toStdString();
        } else {
            ASSERT_EQ(outOfPlace.size(), 1);
            EXPECT_TRUE(outOfPlace[0].startsWith(row.told)) << outOfPlace[0].toStdString();
        }
        platform.boxes.clear();
        platform.answer(MsgAnswer::No);
        EXPECT_EQ(SaveTextItems(), !row.drops);
        EXPECT_EQ(platform.boxTexts().contains("1 line of item_kinds1.txt belongs to no item and "
                                               "would be lost. Save anyway?"),
                  row.drops);
    }
}

} // namespace
