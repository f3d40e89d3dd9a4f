#include "ms_editors/items/PythonItemEntry.h"

#include "../troops/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

struct ShapeCase {
    const char* name;
    const char* entry;   // as the loader joins it
    const char* written; // shown and written back unchanged
};

// A formatter's entry, one field a line, a comma behind each: its lines joined,
// each with its indentation.
const char* const Formatted =
    "[        \"leather_jerkin\",        \"Leather Jerkin\","
    "        [(\"ragged_leather_jerkin\", 0)],        itp_type_body_armor | itp_covers_legs,"
    "        0,        321,        weight(6)        | abundance(100)        | body_armor(23),"
    "        imodbits_cloth,        [],        [fac.kingdom_1, fac.kingdom_2],    ],";

// Entries in the shapes module files use. Each is read completely, and writing
// it back keeps what the window does not show, in its place.
const ShapeCase ShapeCases[] = {
    {"laid out by a code formatter", Formatted,
     " [\"leather_jerkin\", \"Leather Jerkin\", [(\"ragged_leather_jerkin\",0)], "
     "itp_type_body_armor|itp_covers_legs, 0, 321, weight(6)|abundance(100)|body_armor(23), "
     "imodbits_cloth, [], [fac.kingdom_1,fac.kingdom_2] ],"},
    {"joined over lines with blanks everywhere",
     "[\"tutorial_spear\", \"Spear\", [(\"spear\",0)], itp_type_polearm| itp_primary|"
     "itp_penalty_with_shield|itp_wooden_parry, itc_spear,   0 , weight(4.5)|spd_rtng(80) | "
     "swing_damage(0 , cut) | thrust_damage(19 ,  pierce),imodbits_polearm ],",
     " [\"tutorial_spear\", \"Spear\", [(\"spear\",0)], itp_type_polearm|itp_wooden_parry|"
     "itp_primary|itp_penalty_with_shield, itc_spear, 0, weight(4.5)|spd_rtng(80)|"
     "swing_damage(0,cut)|thrust_damage(19,pierce), imodbits_polearm ],"},
    {"a remark behind the entry and a hash in the name",
     "[\"hash_sword\",\"Sword #2\", [(\"sword\",0)], itp_type_one_handed_wpn|itp_primary,   "
     "itc_longsword,\"#1 best\" and 20 or 30, weight(1), imodbits_none],  # keeps this",
     " [\"hash_sword\", \"Sword #2\", [(\"sword\",0)], itp_type_one_handed_wpn|itp_primary, "
     "itc_longsword, \"#1 best\" and 20 or 30, weight(1), imodbits_none ], # keeps this"},
    {"a tab, a name in single quotes, a trailing comma",
     "\t[\"hammer\", 'Smith\\'s  Hammer', [(\"hammer\",0)],\t\titp_type_goods, 0, 20,"
     "\t\tweight(2),\t\timodbits_none,],",
     " [\"hammer\", \"Smith\\'s  Hammer\", [(\"hammer\",0)], itp_type_goods, 0, 20, weight(2), "
     "imodbits_none ],"},
    {"flags, capabilities, modifiers and stats written 0",
     "[\"items_end\", \"Items End\", [(\"shield_round_a\",0)],   0, 0, 1, 0, 0],",
     " [\"items_end\", \"Items End\", [(\"shield_round_a\",0)], 0, 0, 1, 0, 0 ],"},
    {"empty pieces between bars are skipped, not the end",
     "[\"a\",\"A\",[(\"a\",0)],itp_type_goods||itp_merchandise,itcf_overswing_polearm||"
     "itcf_overswing_onehanded,1,weight(1)||abundance(2),imodbit_bent||imodbit_rusty],",
     " [\"a\", \"A\", [(\"a\",0)], itp_type_goods|itp_merchandise, itcf_overswing_onehanded|"
     "itcf_overswing_polearm, 1, weight(1)|abundance(2), imodbit_rusty|imodbit_bent ],"},
    {"flags repeated, as numbers and unknown names",
     "[\"b\",\"B\",[(\"b\",0)],itp_merchandise|itp_type_goods|itp_merchandise|0x1000|itp_new,"
     "itc_custom|itc_pike,1,weight(1),0],",
     " [\"b\", \"B\", [(\"b\",0)], itp_type_goods|itp_merchandise|0x1000|itp_new, "
     "itc_pike|itc_custom, 1, weight(1), 0 ],"},
    {"a single flag term given by a condition",
     "[\"c\",\"C\",[(\"c\",0)],itp_type_goods if hero_mode else itp_type_horse,0,1,weight(1),0],",
     " [\"c\", \"C\", [(\"c\",0)], itp_type_goods if hero_mode else itp_type_horse, 0, 1, "
     "weight(1), 0 ],"},
    {"stats past the eleventh and pieces that are not name(value) keep their places",
     "[\"d\",\"D\",[(\"d\",0)],itp_type_goods,0,1,0x100|a(1)|b(2)|c(3)|d(4)|e(5)|f(6)|g(7)|"
     "h(8)|i(9)|j(10)|k(11, cut)|l(12)|w(1)+1,0],",
     " [\"d\", \"D\", [(\"d\",0)], itp_type_goods, 0, 1, 0x100|a(1)|b(2)|c(3)|d(4)|e(5)|f(6)|"
     "g(7)|h(8)|i(9)|j(10)|k(11,cut)|l(12)|w(1)+1, 0 ],"},
    {"a trigger holding fac_, an inner ], and blanks in strings",
     "[\"torch\",\"Torch\",[(\"club\",0)],itp_type_goods,0,11,weight(2.5),0, [(ti_on_init_item,"
     " [(particle_system_add_new, \"psys  torch\"),(store_faction_of_party, \":f\", "
     "fac_player)],), (ti_on_x, [(assign, \":s\", \"], [fac_ x\")])]],",
     " [\"torch\", \"Torch\", [(\"club\",0)], itp_type_goods, 0, 11, weight(2.5), 0, "
     "[(ti_on_init_item,[(particle_system_add_new,\"psys  torch\"),(store_faction_of_party,"
     "\":f\",fac_player)],),(ti_on_x,[(assign,\":s\",\"], [fac_ x\")])] ],"},
    {"triggers and factions",
     "[\"e\",\"E\",[(\"e\",0)],itp_type_goods,0,1,weight(1),0,[(ti_x,[])], [fac_a, fac_b]],",
     " [\"e\", \"E\", [(\"e\",0)], itp_type_goods, 0, 1, weight(1), 0, [(ti_x,[])], "
     "[fac_a,fac_b] ],"},
    {"the last entry of its block, without a comma behind",
     "[\"z\",\"Z\",[(\"z\",0)],itp_type_goods,0,1,weight(1),0]",
     " [\"z\", \"Z\", [(\"z\",0)], itp_type_goods, 0, 1, weight(1), 0 ],"},
    {"only factions, behind an empty trigger list",
     "[\"f\",\"F\",[(\"f\",0)],itp_type_goods,0,1,weight(1),0, [], [fac_a]],",
     " [\"f\", \"F\", [(\"f\",0)], itp_type_goods, 0, 1, weight(1), 0, [], [fac_a] ],"},
    {"empty trigger and faction lists and nothing behind them",
     "[\"g\",\"G\",[(\"g\",0)],itp_type_goods,0,1,weight(1),0,[ ],[]],",
     " [\"g\", \"G\", [(\"g\",0)], itp_type_goods, 0, 1, weight(1), 0 ],"},
    {"fields behind the factions",
     "[\"h\",\"H\",[(\"h\",0)],itp_type_goods,0,1,weight(1),0,[],[],\"extra  field\", 7 ],",
     " [\"h\", \"H\", [(\"h\",0)], itp_type_goods, 0, 1, weight(1), 0, [], [], \"extra  field\", "
     "7 ],"},
};

class ItemShapeTest : public ::testing::TestWithParam<ShapeCase> {};

TEST_P(ItemShapeTest, ReadsCompletelyAndWritesBackTheSameItem) {
    PythonItemNameLists lists = InitialPythonItemNameLists();
    const PythonItemParse parsed = ParsePythonItem(QString::fromLatin1(GetParam().entry));
    ASSERT_TRUE(parsed.complete);
    EXPECT_TRUE(parsed.flagsFound);
    const QString written = BuildPythonItemEntry(PythonItemAsShown(parsed.item, lists));
    EXPECT_EQ(written, QString::fromLatin1(GetParam().written));
    // The written entry reads back to itself.
    const PythonItemParse again = ParsePythonItem(written);
    ASSERT_TRUE(again.complete);
    EXPECT_EQ(BuildPythonItemEntry(PythonItemAsShown(again.item, lists)), written);
    EXPECT_EQ(UnreadablePythonItemField(again.item), QString());
}

INSTANTIATE_TEST_SUITE_P(Shapes, ItemShapeTest, ::testing::ValuesIn(ShapeCases),
                         [](const auto& info) {
                             std::string n = info.param.name;
                             for (char& ch : n)
                                 ch = std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
                             return n;
                         });

TEST(ParsePythonItem, ReadsTheFieldsTheWindowShows) {
    const PythonItemParse parsed = ParsePythonItem(QStringLiteral(
        "[\"pony\",\"Pony\", [(\"pony\",0), (\"pony_b\", imodbit_lame)], 0, 0, 60 , "
        "0x10|abundance(80)|damage(20, cut), 0, [(ti_x, [])], [fac_a], tail ], # pony"));
    ASSERT_TRUE(parsed.complete);
    const PythonItem& item = parsed.item;
    EXPECT_EQ(item.id, QStringLiteral("pony"));
    EXPECT_EQ(item.name, QStringLiteral("Pony"));
    EXPECT_EQ(item.meshes, QStringLiteral("[(\"pony\",0),(\"pony_b\",imodbit_lame)]"));
    // "0" flags show as the first type, "0" modifiers as imodbits_none.
    EXPECT_EQ(item.flags, QStringList{"itp_type_horse"});
    EXPECT_TRUE(item.zeroFlags);
    EXPECT_EQ(item.capabilities, QStringList());
    EXPECT_EQ(item.cost, QStringLiteral("60"));
    EXPECT_EQ(item.stats,
              (QList<PythonItemStat>{{"", "0x10"}, {"abundance", "80"}, {"damage", "20,cut"}}));
    EXPECT_EQ(PythonItemStatBoxes(item.stats), (QList<int>{1, 2}));
    EXPECT_EQ(item.modifiers, QStringList{"imodbits_none"});
    EXPECT_TRUE(item.zeroModifiers);
    EXPECT_EQ(item.triggers, QStringLiteral("[(ti_x,[])]"));
    EXPECT_EQ(item.factions, QStringLiteral("[fac_a]"));
    EXPECT_EQ(item.moreFields, QStringList{"tail"});
    EXPECT_EQ(item.remark, QStringLiteral("# pony"));
}

// Flags written "0" go back as "0" while the choice is the one "0" was shown
// as; any other choice is written as chosen.
TEST(BuildPythonItemEntry, WritesZeroOnlyWhileTheChoiceIsUnchanged) {
    PythonItem item = ParsePythonItem(QStringLiteral("[\"p\",\"P\",[(\"p\",0)],0,0,1,0,0],")).item;
    EXPECT_EQ(BuildPythonItemEntry(item),
              QStringLiteral(" [\"p\", \"P\", [(\"p\",0)], 0, 0, 1, 0, 0 ],"));
    item.flags = QStringList{"itp_type_horse", "itp_unique"};
    item.modifiers = QStringList{"imodbits_none", "imodbit_lame"};
    EXPECT_EQ(BuildPythonItemEntry(item),
              QStringLiteral(" [\"p\", \"P\", [(\"p\",0)], itp_type_horse|itp_unique, 0, 1, 0, "
                             "imodbits_none|imodbit_lame ],"));
    item.flags.clear();
    item.modifiers.clear();
    item.triggers = QStringLiteral("   "); // a box of blanks holds no list
    item.factions = QStringLiteral("[fac_a]");
    EXPECT_EQ(BuildPythonItemEntry(item),
              QStringLiteral(" [\"p\", \"P\", [(\"p\",0)], 0, 0, 1, 0, 0, [], [fac_a] ],"));
}

TEST(ParsePythonItem, FlagsEntriesThatCannotBeReadCompletely) {
    const char* const entries[] = {
        "[\"a\",\"A\",[(\"a\",0)],itp_type_goods,0,1,weight(1)],",            // no modifiers
        "[\"a\",\"A\",[(\"a\",0)],itp_type_goods,0,1,weight(1),0,[(ti_x,[",   // never closed
        "[\"a\",\"A\",[(\"a\",0)],itp_type_goods,0,1,weight(1),0], [\"b\"],", // two entries
        "[\"a\",\"A\",[(\"a\",0)],itp_type_goods,,1,weight(1),0],",           // empty field
        "[a,\"A\",[(\"a\",0)],itp_type_goods,0,1,weight(1),0],",              // id without quotes
        "[\"a\",\"A\" 1,[(\"a\",0)],itp_type_goods,0,1,weight(1),0],",        // name and a number
        "[\"a\",\"A\",[(\"a\",0)],itp_type_goods,0,1,weight(1),0,[],[],],]",  // list closed too
        // Written in the order of the flag list, it would read "(x|y) if c else 0".
        "[\"a\",\"A\",[(\"a\",0)],itp_type_goods|itp_food if c else 0,0,1,weight(1),0],",
        "]",
        "# [\"a\",\"A\",[(\"a\",0)],itp_type_goods,0,1,weight(1),0],",
    };
    for (const char* entry : entries)
        EXPECT_FALSE(ParsePythonItem(QString::fromLatin1(entry)).complete) << entry;

    const PythonItemParse noFlags =
        ParsePythonItem(QStringLiteral("[\"a\",\"A\",[(\"a\",0)], ,itc_dagger,1,weight(1),0],"));
    EXPECT_FALSE(noFlags.flagsFound);
    EXPECT_EQ(noFlags.item.capabilities, QStringList{"itc_dagger"}); // read on all the same
}

// Typed text that would break the entry names the field it stands in.
TEST(UnreadablePythonItemField, NamesTheFieldThatDoesNotReadBack) {
    const PythonItem base =
        ParsePythonItem(QStringLiteral("[\"a\",\"A\",[(\"a\",0)],itp_type_goods,0,1,w(1)|v(2),0],"))
            .item;
    const std::pair<void (*)(PythonItem&), const char*> cases[] = {
        {[](PythonItem&) {}, ""},
        {[](PythonItem& i) { i.cost = "3 ,  4"; }, "Cost"},
        {[](PythonItem& i) { i.cost = "3 # more"; }, "Cost"},
        {[](PythonItem& i) { i.cost = " "; }, "Cost"},
        {[](PythonItem& i) { i.name = "Bob \"the\" Smith"; }, "Item name"},
        {[](PythonItem& i) { i.id = "a\\"; }, "Item ID"},
        {[](PythonItem& i) { i.meshes = "[(\"a\",0)"; }, "Meshes"},
        {[](PythonItem& i) { i.stats[1].value = "2))"; }, "Values"},
        {[](PythonItem& i) { i.triggers = "[(ti_x, [)]"; }, "Trigger"},
        {[](PythonItem& i) { i.factions = "[fac_a], 3"; }, "Factions"},
        {[](PythonItem& i) {
             i.flags = {"itp_type_goods", "x if c else 0"};
         },
         "Flags"},
        // Blanks typed between words or after commas are no fault.
        {[](PythonItem& i) { i.triggers = "[ (ti_x , [ ]) ]"; }, ""},
    };
    for (const auto& [change, caption] : cases) {
        PythonItem item = base;
        change(item);
        EXPECT_EQ(UnreadablePythonItemField(item), QString::fromLatin1(caption))
            << BuildPythonItemEntry(item).toStdString();
    }
}

TEST(PythonItemStatBoxes, ShowsTheFirstElevenNamedStats) {
    QList<PythonItemStat> stats{{"", "0x1"}};
    for (int k = 0; k < 13; ++k)
        stats.append({QStringLiteral("s%1").arg(k), QString::number(k)});
    const QList<int> boxes = PythonItemStatBoxes(stats);
    ASSERT_EQ(boxes.size(), PythonItemStatBoxCount);
    EXPECT_EQ(boxes.first(), 1);
    EXPECT_EQ(boxes.last(), 11);
}

TEST(NewPythonItemFrom, TakesTheTemplateUnderANewIdAndName) {
    PythonItem templ =
        ParsePythonItem(QStringLiteral("[\"a\",\"A\",[(\"a\",0)],0,0,1,w(1),0,[],[],x], # a's"))
            .item;
    EXPECT_EQ(BuildPythonItemEntry(NewPythonItemFrom(templ)),
              QStringLiteral(" [\"new_item1\", \"New Item\", [(\"a\",0)], 0, 0, 1, w(1), 0, [], "
                             "[], x ],"));
}

} // namespace
