#include "text_editors/items/ItemRecord.h"

#include "ItemTestSupport.h"
#include "shell/modMain.h"
#include "support/Scripted.h"
#include "text_editors/items/ItemTables.h"
#include "textfiles/modTextFactions.h"
#include "textfiles/modTextItems.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

constexpr int FactionRows = 8;

ItemLines Item(const QString& line, const QString& factionCount = " 0",
               const QString& factions = {}, const QString& triggerCount = "0",
               const QStringList& triggers = {}) {
    return {line, factionCount, factions, triggerCount, triggers};
}

ItemRecord Decode(const ItemLines& lines) {
    PendingFailure failure;
    std::optional<ItemRecord> record = DecodeItem(lines, FactionRows, failure);
    EXPECT_TRUE(record.has_value()) << lines.line.toStdString() << " failed " << failure.number();
    return record.value_or(ItemRecord());
}

void Select(RowSelection& rows, ItemFlagKind kind, const char* label, bool on) {
    rows[ItemListLabels(kind).indexOf(QLatin1String(label))] = on;
}

const QString Arrows =
    " itm_arrows Arrows Arrows 3  arrow 0  arrow_flying 2305843009213693952  "
    "quiver 3458768911867052032  5 0 72 0 3.000000 100 0 0 0 0 0 0 0 95 30 0 259";
const QString Spear = " itm_spear Spear Spears 1  spear 0  4 9223372036854779648 200 0 2.500000 "
                      "100 0 0 0 10 0 90 0 150 0 0 282";
// Type 1h weapon, "unique", and bits 33, 40 and 60, which no row stands for.
const QString Dagger = " itm_dagger Dagger Daggers 1  dagger 0  1152922612708413442 15 30 0 "
                       "0.500000 100 0 0 0 0 0 100 0 40 0 18 20";
const QString Bow = " itm_bow Bow Bows 1  bow 0  8 4096 60 0 1.000000 100 0 0 0 8 0 95 55 75 0 "
                    "0 288";
const QString Horse = " itm_horse Horse Horses 1  horse 0  1 123 240 0 1.000000 100 0 8 0 1 100 "
                      "40 38 100 0 0 10";
const QString Club = " itm_club Club Clubs 1  club 0  2 15 20 0 1.000000 100 0 0 0 0 0 95 0 70 0 "
                     "800 511";
// The words of the club from its flags on.
const QString AfterMeshes = Club.mid(Club.indexOf("  2 15 "));
const QStringList Triggers = {"-40.000000 1 1916 2 0 1 0", "-41.000000 1 1917 2 0 1 0",
                              "-50.000000 1 12 2 0 1 0"};

TEST(ItemRecordTest, ShowFillsEveryControlFromItsWord) {
    // Single blanks between all words read as the game's layout does.
    const ItemRecord r = Decode(Item(" itm_a A As 1 mesh_a 0 2 1 100 0 1.5 100 0 0 0 0 0 95 0 80 "
                                     "0 286 20",
                                     " 2", " 3 7", " 1", {"-40.000000 1 1916 2 0 1 0"}));
    const ItemForm f = ItemFormOf(r);
    EXPECT_EQ(f.id, "itm_a");
    EXPECT_EQ(f.plural, "As");
    EXPECT_EQ(f.meshes, (QList<ItemMesh>{{"mesh_a", "0"}}));
    EXPECT_EQ(r.typeRow(), 1);
    EXPECT_EQ(f.flags.indexOf(true), 1);
    EXPECT_EQ(f.capabilities.indexOf(true), 0);
    EXPECT_FALSE(f.modifiers.contains(true));
    EXPECT_EQ(f.cost, "100");
    EXPECT_EQ(f.weight, "1.5");
    EXPECT_EQ(f.values, (std::array<QString, 4>{"95", "0", "80", "0"}));
    EXPECT_EQ(f.damageTypes, (std::array<int, 2>{1, 0}));
    EXPECT_EQ(f.damageTexts, (std::array<QString, 2>{"30", "20"}));
    EXPECT_EQ(f.factions, (RowSelection{false, false, false, true, false, false, false, true}));
    EXPECT_EQ(f.factionCount, "2");
    EXPECT_EQ(FactionCountCaption(f.factions), "Factions (2):");
    EXPECT_EQ(f.triggerCount, " 1");
    EXPECT_EQ(f.triggers, "-40.000000 1 1916 2 0 1 0");

    const ItemTypeLabels l = ItemTypeLabelsFor(r.typeRow());
    EXPECT_EQ(l.values, (std::array<QString, 4>{"Speed:", "n/a:", "Weapon length:", "n/a"}));
    EXPECT_EQ(l.damages, (std::array<QString, 2>{"Swing damage:", "Thrust damage:"}));
    EXPECT_TRUE(l.capsEnabled);
}

TEST(ItemRecordTest, AnUpdateRewritesOnlyWhatTheUserChanged) {
    const struct {
        const char* what;
        ItemLines stored;
        std::function<void(ItemForm&)> edit;
        ItemLines expected;
    } rows[] = {
        {"a removed mesh keeps the others' bits", Item(Arrows),
         [](ItemForm& f) { f.meshes.removeAt(1); },
         Item(" itm_arrows Arrows Arrows 2  arrow 0  quiver 3458768911867052032  5 0 72 0 "
              "3.000000 100 0 0 0 0 0 0 0 95 30 0 259")},
        {"bit 63 of the capabilities", Item(Spear),
         [](ItemForm& f) { Select(f.capabilities, ItemFlagKind::Caps, "force_64_bits", false); },
         Item(" itm_spear Spear Spears 1  spear 0  4 3840 200 0 2.500000 100 0 0 0 10 0 90 0 150 "
              "0 0 282")},
        {"flag bits no row stands for stay", Item(Dagger),
         [](ItemForm& f) { Select(f.flags, ItemFlagKind::Flags, "unique", false); },
         Item(" itm_dagger Dagger Daggers 1  dagger 0  1152922612708409346 15 30 0 0.500000 100 "
              "0 0 0 0 0 100 0 40 0 18 20")},
        {"a bow keeps the weapon length it does not show", Item(Bow),
         [](ItemForm& f) {
             EXPECT_EQ(f.values[2], "0");
             f.values[0] = "99";
         },
         Item(" itm_bow Bow Bows 1  bow 0  8 4096 60 0 1.000000 100 0 0 0 8 0 99 55 75 0 0 288")},
        {"a weapon length typed into a bow is written", Item(Bow),
         [](ItemForm& f) { f.values[2] = "80"; },
         Item(" itm_bow Bow Bows 1  bow 0  8 4096 60 0 1.000000 100 0 0 0 8 0 95 55 80 0 0 288")},
        {"a horse keeps the capabilities it does not show", Item(Horse),
         [](ItemForm& f) {
             EXPECT_FALSE(f.capabilities.contains(true));
             f.name = "Horse2";
         },
         Item(" itm_horse Horse2 Horses 1  horse 0  1 123 240 0 1.000000 100 0 8 0 1 100 40 38 "
              "100 0 0 10")},
        {"a horse made a weapon keeps them too", Item(Horse),
         [](ItemForm& f) { ApplyFlagRules(f.flags, 1); },
         Item(" itm_horse Horse Horses 1  horse 0  2 123 240 0 1.000000 100 0 8 0 1 100 40 38 "
              "100 0 0 10")},
        {"damages 800 and 511: a changed type keeps the amount", Item(Club),
         [](ItemForm& f) {
             EXPECT_EQ(f.damageTexts, (std::array<QString, 2>{"288", "255"}));
             f.damageTypes[0] = 1;
         },
         Item(" itm_club Club Clubs 1  club 0  2 15 20 0 1.000000 100 0 0 0 0 0 95 0 70 0 544 "
              "511")},
        {"factions rebuilt, three triggers kept", Item(Club, " 2", " 1 3", "3", Triggers),
         [](ItemForm& f) { f.factions[1] = false; }, Item(Club, " 1", " 3", "3", Triggers)},
        {"triggers edited", Item(Club, " 2", " 1 3", "3", Triggers),
         [](ItemForm& f) {
             f.triggerCount = "2";
             f.triggers = "-1.000000 0\n-2.000000 0";
         },
         Item(Club, " 2", " 1 3", "2", {"-1.000000 0", "-2.000000 0"})},
        {"a mesh count beyond 16 bits keeps the meshes the line holds",
         Item(" itm_b B Bs 18446744073709551616  m 0  n 1" + AfterMeshes),
         [](ItemForm& f) { f.meshes.removeAt(0); }, Item(" itm_b B Bs 1  n 1" + AfterMeshes)},
        {"flag bits beyond 64 bits stay",
         Item(QString(Club).replace(" 2 15 ", " 36893488147419103234 15 ")),
         [](ItemForm& f) { Select(f.flags, ItemFlagKind::Flags, "unique", true); },
         Item(QString(Club).replace(" 2 15 ", " 36893488147419107330 15 "))},
        {"a damage beyond 16 bits shows as its word and no type",
         Item(QString(Club).replace(" 800 ", " 792281625142643375935526535168 ")),
         [](ItemForm& f) {
             EXPECT_EQ(f.damageTypes[0], -1);
             f.damageTypes[1] = 0;
         },
         Item(QString(Club)
                  .replace(" 800 ", " 792281625142643375935526535168 ")
                  .replace(" 511", " 255"))},
        {"factions without a row stay", Item(Club, " 3", " 1 9 18446744073709551616"),
         [](ItemForm& f) { f.factions[1] = false; }, Item(Club, " 2", " 9 18446744073709551616")},
        {"a trigger count beyond 16 bits stays", Item(Club, " 0", "", "18446744073709551616"),
         [](ItemForm& f) { f.cost = "25"; },
         Item(QString(Club).replace(" 20 0 1.0", " 25 0 1.0"), " 0", "", "18446744073709551616")},
        {"leading zeros and spacing of words left alone stay",
         Item(" itm_x X Xs 01  m 00  0002 015 20  0 1.0 100 0 0 0 0 0 95 0 70 0 0800 0511 extra"),
         [](ItemForm& f) { f.cost = "25"; },
         Item(" itm_x X Xs 01  m 00  0002 015 25 0 1.0 100 0 0 0 0 0 95 0 70 0 0800 0511 extra")},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        const ItemRecord shown = Decode(row.stored);
        ItemForm form = ItemFormOf(shown);
        QString refusal;
        EXPECT_EQ(BuildItem(form, shown, refusal), row.stored);
        row.edit(form);
        EXPECT_EQ(BuildItem(form, shown, refusal), row.expected) << refusal.toStdString();
    }
}

TEST(ItemRecordTest, EveryRecordShownAndUpdatedUnchangedKeepsItsLines) {
    ScriptedPlatform platform;
    ModuleCopy module;
    ModuleFolder = module.folder();
    ASSERT_TRUE(LoadTextItems());
    ASSERT_TRUE(LoadTextFactions());
    std::vector<ItemLines> items;
    for (int i = 0; i <= ItemMax; ++i)
        items.push_back(StoredItem(i));
    ModuleFolder.clear();
    ItemGenerator generate(20110812, FactionRows - 1);
    for (int n = 0; n < 3000; ++n)
        items.push_back(generate.next());

    for (const ItemLines& lines : items) {
        SCOPED_TRACE(lines.line.toStdString());
        const ItemRecord record = Decode(lines);
        QString refusal;
        ASSERT_EQ(BuildItem(ItemFormOf(record), record, refusal), lines) << refusal.toStdString();
        // The type filter's quick reading agrees with the show.
        ASSERT_EQ(ItemTypeOf(lines.line), ItemTypeNumber(record.flags));
    }
}

TEST(ItemRecordTest, RecordsThatCannotBeShownCompletelyAreNotShownAtAll) {
    const auto weapon = [](const char* caps, const char* modifiers, const char* damage) {
        return QStringLiteral(" itm_a A As 1  m 0  2 %1 1 %2 1.0 1 0 0 0 0 0 1 0 1 0 %3 20")
            .arg(QLatin1String(caps), QLatin1String(modifiers), QLatin1String(damage));
    };
    const struct {
        ItemLines lines;
        int failure;
    } rows[] = {
        {Item(" itm_a A As 1  m 0  2 0 1 0 1.0 1 0 0 0 0 0 1 0 1 0 20"), 9},    // a word short
        {Item(" itm_a A As 0  2 0 1 0 1.0 1 0 0 0 0 0 1 0 1 0 20 20"), 9},      // no mesh
        {Item("itm_a A As 1  m 0  2 0 1 0 1.0 1 0 0 0 0 0 1 0 1 0 20 20"), 13}, // no leading blank
        {Item(" itm_a A As x  m 0  2 0 1 0 1.0 1 0 0 0 0 0 1 0 1 0 20 20"), 13},
        {Item(" itm_a A As 1  m x  2 0 1 0 1.0 1 0 0 0 0 0 1 0 1 0 20 20"), 13},
        {Item(" itm_a A As 1  m 0  -2 0 1 0 1.0 1 0 0 0 0 0 1 0 1 0 20 20"), 13},
        {Item(weapon("x", "0", "20")), 13},   // capabilities of a weapon
        {Item(weapon("0", "1e3", "20")), 13}, // modifiers
        {Item(weapon("0", "0", "x")), 13},    // damage
        {Item(weapon("0", "0", "0"), "x"), 13},
        {Item(weapon("0", "0", "0"), " 2", " 1  3"), 13}, // empty faction word
        {Item(weapon("0", "0", "0"), " 0", "", ""), 13},  // trigger count cut off
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.lines.line.toStdString());
        PendingFailure failure;
        EXPECT_FALSE(DecodeItem(row.lines, FactionRows, failure).has_value());
        EXPECT_EQ(failure.number(), row.failure);
    }
    // A horse's capabilities are never read, so they cannot fail its show.
    Decode(Item(" itm_a A As 1  m 0  1 x 1 0 1.0 1 0 0 0 0 0 1 0 1 0 20 20"));
    // Nor can a faction line without its leading blank, whose first word counts.
    EXPECT_EQ(Decode(Item(weapon("0", "0", "0"), " 2", "1 3")).factions.count(true), 2);
}

TEST(ItemRecordTest, FieldsThatWouldShiftTheWordsAreRefused) {
    const struct {
        std::function<void(ItemForm&)> edit;
        const char* refusal;
    } rows[] = {
        {[](ItemForm& f) { f.name.clear(); }, "'Item name' must not be empty or hold blanks!"},
        {[](ItemForm& f) { f.plural = "Short Swords"; },
         "'Plural name' must not be empty or hold blanks!"},
        {[](ItemForm& f) { f.weight = "1 5"; }, "'Weight' must not be empty or hold blanks!"},
        {[](ItemForm& f) { f.cost = "1\r\n2"; }, "'Cost' must not be empty or hold blanks!"},
        {[](ItemForm& f) { f.values[3] = ""; }, "'Value 4' must not be empty or hold blanks!"},
        {[](ItemForm& f) { f.meshes[0].name = "a b"; },
         "'Mesh name' must not be empty or hold blanks!"},
        {[](ItemForm& f) { f.id = "sword"; }, "'Item ID' must begin with itm_!"},
        {[](ItemForm& f) { f.damageTexts[1] = "x"; }, "'Damage 2' must be a number from 0 to 255!"},
        {[](ItemForm& f) { f.triggerCount = "2"; },
         "The trigger count must be the number of trigger lines!"},
        {[](ItemForm& f) { f.triggerCount = "0"; },
         "The trigger count must be the number of trigger lines!"},
        {[](ItemForm& f) { f.meshes.clear(); }, "An item has one mesh at least!"},
    };
    const ItemRecord shown = Decode(Item(Club, " 0", "", "1", {"-1.000000 0"}));
    for (const auto& row : rows) {
        SCOPED_TRACE(row.refusal);
        ItemForm form = ItemFormOf(shown);
        row.edit(form);
        QString refusal;
        EXPECT_FALSE(BuildItem(form, shown, refusal).has_value());
        EXPECT_EQ(refusal, row.refusal);
    }
}

TEST(ItemRecordTest, DamagesMeshesAndBoxes) {
    for (int word : {255, 256, 511, 512})
        EXPECT_EQ(DecodeDamage(word), (ItemDamage{word / 256, word % 256})) << word;

    // Kind and large bag (3 x 2^60 + 2^42), kind alone, bag alone, none, and
    // modifier bits 35 and 36 alone, which are no kind.
    const struct {
        QString bits;
        int code;
        int kindRow;
        bool largeBag;
        const char* stored;
    } meshes[] = {
        {"3458768911867052032", 13, 3, true, "3458768911867052032"},
        {"03458768911867052032", 13, 3, true, "03458768911867052032"},
        {"3458768911867052032", 13, 1, true, "1152925902653358080"},
        {"3458768911867052032", 13, 3, false, "3458764513820540928"},
        {"1152921504606846976", 1, 0, false, "0"},
        {"4398046511104", 10, 2, true, "2305847407260205056"},
        {"103079215104", 0, 3, false, "3458764616899756032"},
    };
    for (const auto& m : meshes) {
        EXPECT_EQ(GetMeshKind(m.bits), m.code) << m.stored;
        EXPECT_EQ(StoreMeshBits(m.bits, m.kindRow, m.largeBag), m.stored) << m.stored;
    }

    for (const auto& [box, left] :
         {std::pair{"", "0"}, {"007", "007"}, {"256", "255"}, {"99999", "255"}, {"x", "255"}})
        EXPECT_EQ(ClampedDamageText(box), left) << box;
    for (const auto& [box, left] :
         {std::pair{"sword", "itm_sword"}, {"itm_sword", "itm_sword"}, {"ITM_a", "itm_ITM_a"}})
        EXPECT_EQ(WithItemIdPrefix(box), left) << box;
    EXPECT_EQ(ItemReportText(Item(Club)), Club + "\r\n 0\r\n0\r\n");
    EXPECT_EQ(ItemReportText(Item(Club, " 2", " 0 3", "2", {"a", "b"})),
              Club + "\r\n 2\r\n 0 3\r\n2\r\na\r\nb");
}

} // namespace
