#include "text_editors/items/ItemTables.h"

#include "ItemTestSupport.h"
#include "shell/modMain.h"
#include "support/Scripted.h"
#include "textfiles/modTextFactions.h"
#include "textfiles/modTextItems.h"

#include <gtest/gtest.h>

namespace {

// Eight items: 0 no_item, 1 bread (goods), 2 short sword (1h weapon), 3 round
// shield, 4 leather jerkin, 5 iron helmet, 6 saddle horse, 7 arrows.
const char* const EightItems = R"(itemsfile version 3
8
 itm_no_item INVALID_ITEM INVALID_ITEM 1  invalid_item 0  0 0 1 0 1.000000 100 0 0 0 0 0 0 0 0 0 0 0
 0
0

 itm_bread Bread Bread 1  bread_a 0  589835 0 50 0 30.000000 100 0 0 0 0 0 0 0 0 0 0 0
 0
0

 itm_short_sword Short_Sword Short_Swords 2  sword_short 0  sword_short_scabbard 3458764513820540928  2 7 120 0 1.500000 100 0 0 0 0 0 95 0 80 0 25 276
 2
 1 2
0

 itm_round_shield Round_Shield Round_Shields 1  shield_round 0  7 0 80 0 3.000000 100 0 0 0 0 300 90 50 0 0 0 0
 0
0

 itm_leather_jerkin Leather_Jerkin Leather_Jerkins 1  leather_jerkin 0  13 0 200 0 6.000000 100 0 18 4 6 0 0 0 0 0 0 0
 1
 1
0

 itm_iron_helmet Iron_Helmet Iron_Helmets 1  helmet_iron 0  12 0 150 0 2.000000 100 30 0 0 8 0 0 0 0 0 0 0
 0
0

 itm_saddle_horse Saddle_Horse Saddle_Horses 1  horse_brown 0  1 0 240 0 1.000000 100 0 8 0 1 100 40 38 100 0 0 10
 0
0

 itm_arrows Arrows Arrows 3  arrow 0  arrow_flying 2305843009213693952  quiver 3458768911867052032  5 0 72 0 3.000000 100 0 0 0 0 0 0 0 95 30 0 259
 0
2
-40.000000 1 1916 2 0 1 0
-41.000000 1 1917 2 0 1 0

)";

class ItemTablesTest : public ::testing::Test {
protected:
    ItemTablesTest() {
        module.write("item_kinds1.txt", QByteArray(EightItems).replace("\n", "\r\n"));
        ModuleFolder = module.folder();
        EXPECT_TRUE(LoadTextItems());
        EXPECT_TRUE(LoadTextFactions());
    }
    ~ItemTablesTest() override { ModuleFolder.clear(); }

    static ItemLines NewItem(const QString& id) {
        return {" " + id + " New News 1  m 0  2 0 1 0 1.0 1 0 0 0 0 0 1 0 1 0 20 20",
                " 0",
                {},
                "0",
                {}};
    }
    // Every per-item table holds ItemMax + 1 elements.
    static void ExpectTablesInStep() {
        for (const QStringList* table : {&ItemLine, &ItemFactionCountLine, &ItemFactionLine,
                                         &ItemTriggerCountLine, &ItemID, &ItemName, &ItemMeshCount})
            EXPECT_EQ(table->size(), ItemMax + 1);
        EXPECT_EQ(ItemTriggerLines.size(), ItemMax + 1);
        EXPECT_EQ(ItemMeshes.size(), ItemMax + 1);
        EXPECT_EQ(ItemMeshData.size(), ItemMax + 1);
        EXPECT_EQ(ItemsCount(), QString::number(ItemMax + 1));
    }

    ScriptedPlatform platform;
    ModuleCopy module;
};

TEST_F(ItemTablesTest, FilteredRowsNameTheirItemsAfterAddAndDelete) {
    QList<int> filtered = ItemsMatching("S");
    EXPECT_EQ(ItemRowTexts(filtered), (QStringList{"2. itm_short_sword  (Short_Sword)",
                                                   "3. itm_round_shield  (Round_Shield)",
                                                   "6. itm_saddle_horse  (Saddle_Horse)"}));
    EXPECT_EQ(ItemsMatching("arrows"), QList<int>{7}); // the id, as the name is Arrows

    // An add builds its record first; refused, nothing moves.
    EXPECT_EQ(InsertItemBeforeLast(NewItem("itm_new_item1")), 7);
    RenumberAfterInsert(filtered, 7);
    filtered.append(7);
    EXPECT_EQ(ItemID[7], "itm_new_item1");
    EXPECT_EQ(ItemID[8], "itm_arrows");
    EXPECT_EQ(ItemMax, 8);
    ExpectTablesInStep();

    EXPECT_EQ(RenumberAfterDelete(filtered, 3), 1);
    ASSERT_TRUE(DeleteItemAt(3));
    EXPECT_EQ(ItemRowTexts(filtered),
              (QStringList{"2. itm_short_sword  (Short_Sword)",
                           "5. itm_saddle_horse  (Saddle_Horse)", "6. itm_new_item1  (New)"}));
    for (const QString& row : ItemRowTexts(filtered))
        EXPECT_EQ(ItemRowText(ItemNumberOfRow(row).value()), row);
    ExpectTablesInStep();

    EXPECT_FALSE(DeleteItemAt(0));
    EXPECT_FALSE(DeleteItemAt(ItemMax));
    EXPECT_EQ(ItemMax, 7);

    // Full tables refuse an add.
    while (!ItemTablesFull())
        ASSERT_GE(InsertItemBeforeLast(NewItem("itm_filler")), 0);
    EXPECT_EQ(ItemMax, 5000);
    EXPECT_EQ(InsertItemBeforeLast(NewItem("itm_too_many")), -1);
    EXPECT_EQ(ItemMax, 5000);
    EXPECT_EQ(ItemID[ItemMax], "itm_arrows");
}

TEST_F(ItemTablesTest, TheTypeFilterReadsEachItemsType) {
    // Item 0 is never listed; a hand-edited line that cannot be read has no type.
    ItemLine[0] = " itm_no_item INVALID_ITEM INVALID_ITEM 1  invalid_item 0  2 0 1 0 1.0 1 0 0 0 0 "
                  "0 0 0 0 0 0 0";
    ItemLine[3] = " itm_round_shield Round_Shield Round_Shields x  shield_round 0  2 0 80";
    EXPECT_EQ(ItemsOfType(2), QList<int>{2});
    EXPECT_EQ(ItemsOfType(11), QList<int>{1});
    EXPECT_EQ(ItemsOfType(1), QList<int>{6});
    EXPECT_TRUE(ItemsOfType(7).isEmpty());

    // Slices: the window shows its progress between them.
    ItemTypeScan scan(5);
    EXPECT_EQ(scan.lastScanned(), 0);
    EXPECT_FALSE(scan.advance(3));
    EXPECT_EQ(scan.lastScanned(), 3);
    EXPECT_TRUE(scan.hits().isEmpty());
    EXPECT_TRUE(scan.advance(100));
    EXPECT_EQ(scan.lastScanned(), ItemMax);
    EXPECT_EQ(scan.hits(), QList<int>{7});
}

TEST_F(ItemTablesTest, ListsAndMeshTables) {
    EXPECT_EQ(ItemListRows().back(), "7. itm_arrows  (Arrows)");
    EXPECT_EQ(ItemFactionRows(), (QStringList{"0 - fac_no_faction  (No_Faction)", "1 - fac_kingdom",
                                              "2 - " + FactionID[2], "3 - " + FactionID[3]}));
    EXPECT_FALSE(ItemNumberOfRow("").has_value());

    const QList<ItemMesh> meshes = {{"arrow", "0"}, {"quiver", "3458768911867052032"}};
    SetShownMeshes(7, meshes);
    EXPECT_EQ(ItemMeshCount[7], "2");
    EXPECT_EQ(ShownMeshes(7), meshes);
    SetShownMeshes(7, meshes.mid(0, 1));
    EXPECT_EQ(ShownMeshes(7), meshes.mid(0, 1));
    EXPECT_EQ(ItemMeshes[7][2], "");
}

} // namespace
