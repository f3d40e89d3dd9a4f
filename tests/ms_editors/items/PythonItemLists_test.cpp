#include "ms_editors/items/PythonItemLists.h"

#include "../troops/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

class ItemTableTest : public ::testing::Test {
protected:
    QStringList lines{
        "items = [",                                                                  // 0
        "[\"no_item\",\"No Item\",[(\"a\",0)],itp_type_goods,0,0,0,0],",              // 1
        "[\"horse_meat\",\"Horse Meat\",[(\"m\",0)],itp_type_goods,0,0,0,0],",        // 2
        "# [\"sword\",\"Old Sword\",[(\"s\",0)],itp_type_goods,0,0,0,0],",            // 3
        "[\"sword\",\"Sword\",[(\"s\",0)],itp_type_one_handed_wpn,0,0,0,0],",         // 4
        "[\"pony\",\"Pony\",[(\"p\",0)],0,0,0,0,0],",                                 // 5
        "[\"axe\",\"Sword Axe\",[(\"x\",0)],itp_type_one_handed_wpn|itp_x,0,0,0,0],", // 6
        "[\"bad\",\"Bad\",[(\"b\",0)], ,0,0,0,0],",                                   // 7
        "[\"sword\",\"Second Sword\",[(\"s\",0)],itp_type_polearm,0,0,0,0],",         // 8
        "[\"long\",\"Long",                            // 9: not joined
        "Name\",[(\"l\",0)],itp_type_goods,0,0,0,0],", // 10
        "[\"cond\",\"Cond\",[(\"c\",0)],itp_type_goods|itp_food if c else 0,0,0,0,0],", // 11
        "[\"items_end\",\"Items End\",[(\"e\",0)],0,0,1,0,0],",                         // 12
        "]"};                                                                           // 13
    int max = 13;
    int hardwired = 2;
};

// Rows carry their lines; a filtered row keeps its entry's number.
TEST_F(ItemTableTest, RowsNumberTheEntriesAndKeepTheirNumbersWhenFiltered) {
    const PythonEntryRows all = BuildPythonItemRows(lines, max);
    ASSERT_EQ(all.count(), 10);
    EXPECT_EQ(all.texts[2], QStringLiteral("3. itm_sword (Sword)"));
    EXPECT_EQ(all.lines[2], 4);
    const PythonEntryRows swords = BuildPythonItemRows(lines, max, QStringLiteral("sword"));
    EXPECT_EQ(swords.texts, (QStringList{"3. itm_sword (Sword)", "5. itm_axe (Sword Axe)",
                                         "7. itm_sword (Second Sword)"}));
    EXPECT_EQ(swords.lines, (QList<int>{4, 6, 8}));
}

TEST_F(ItemTableTest, TypeFilterDecidesFromTheParsedFlags) {
    QStringList flagRows = PythonItemFlagVocabulary();
    const PythonItemTypeFilter horses =
        FilterPythonItemsByType(lines, max, QStringLiteral("itp_type_horse"), flagRows);
    // Flags "0" are itp_type_horse; so are the flags of items_end.
    EXPECT_EQ(horses.rows.texts,
              (QStringList{"4. itm_pony (Pony)", "10. itm_items_end (Items End)"}));
    EXPECT_EQ(horses.rows.lines, (QList<int>{5, 12}));
    EXPECT_EQ(horses.flagsNotFound, (QList<int>{7, 9})); // 9 breaks before its flags
    // Unknown flags join the list, as showing the entries would add them.
    EXPECT_EQ(flagRows.mid(60), (QStringList{"itp_x", "itp_food if c else 0"}));

    const PythonItemTypeFilter weapons =
        FilterPythonItemsByType(lines, max, QStringLiteral("itp_type_one_handed_wpn"), flagRows);
    EXPECT_EQ(weapons.rows.lines, (QList<int>{4, 6}));
    EXPECT_EQ(flagRows.size(), 62);
    EXPECT_EQ(FilterPythonItemsByType(lines, max, QStringLiteral("itp_x"), flagRows).rows.count(),
              0);
}

TEST_F(ItemTableTest, DeleteAndTemplateChecksLookAtTheStoredEntry) {
    using R = PythonItemRefusal;
    const struct {
        int line;
        R remove;
        R templ;
    } cases[] = {
        {4, R::None, R::None},           {2, R::Hardwired, R::Hardwired},
        {1, R::Hardwired, R::Hardwired}, {12, R::ItemsEnd, R::ItemsEnd},
        {-1, R::NoEntry, R::NoEntry},    {13, R::NoEntry, R::NoEntry},
        {9, R::NotWhole, R::Unreadable}, {11, R::None, R::Unreadable},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CheckPythonItemDelete(lines, hardwired, c.line), c.remove) << c.line;
        EXPECT_EQ(CheckPythonItemTemplate(lines, hardwired, c.line), c.templ) << c.line;
    }
}

} // namespace
