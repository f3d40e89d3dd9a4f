#include "text_editors/items/ItemVocabulary.h"

#include "ms_editors/troops/QtPrinters.h"

#include <gtest/gtest.h>

#include <initializer_list>

namespace {

BitWord W(std::uint64_t value) {
    return BitWord::fromU64(value);
}

RowSelection Rows(ItemFlagKind kind, std::initializer_list<const char*> labels) {
    const QStringList all = ItemListLabels(kind);
    RowSelection rows(all.size(), false);
    for (const char* label : labels) {
        const qsizetype row = all.indexOf(QLatin1String(label));
        EXPECT_GE(row, 0) << label;
        if (row >= 0)
            rows[row] = true;
    }
    return rows;
}

QStringList Labels(ItemFlagKind kind, const RowSelection& rows) {
    QStringList selected;
    for (qsizetype row = 0; row < rows.size(); ++row) {
        if (rows[row])
            selected.append(ItemListLabels(kind).at(row));
    }
    return selected;
}

TEST(ItemVocabularyTest, ListsHoldEveryRowAsTheGameNamesIt) {
    EXPECT_EQ(ItemListLabels(ItemFlagKind::Flags).size(), 58);
    EXPECT_EQ(ItemListLabels(ItemFlagKind::Caps).size(), 74);
    const QStringList modifiers = ItemListLabels(ItemFlagKind::Modifiers);
    ASSERT_EQ(modifiers.size(), 43);
    for (const QString& label : modifiers)
        EXPECT_TRUE(label.endsWith(u' ') && !label.endsWith(QLatin1String("  ")))
            << label.toStdString();
    EXPECT_EQ(modifiers[23], "rough ");
    EXPECT_EQ(modifiers[42], "large_bag ");
    // Spelt as the users know them.
    EXPECT_EQ(ItemFlagRows[40].label, std::string("can't used on horseback"));
    EXPECT_EQ(ItemFlagRows[46].label, std::string("unblanaced"));
    EXPECT_EQ(ItemFlagRows[36].label, std::string("no cov.hair/cov. legs/pen. shield"));
    EXPECT_EQ(ItemCapRows[73].label, std::string("force_64_bits"));
    const QStringList types = ItemTypeFilterRows();
    ASSERT_EQ(types.size(), 20);
    EXPECT_EQ(types.front(), "type horse");
    EXPECT_EQ(types.back(), "type book");
    EXPECT_EQ(ItemDamageTypes[1], std::string("Pierce"));
    EXPECT_EQ(ItemMeshKinds[2], std::string("ixmesh_flying_ammo"));
}

TEST(ItemVocabularyTest, RowsAndNumbersConvertBothWays) {
    using K = ItemFlagKind;
    const struct {
        K kind;
        std::initializer_list<const char*> rows;
        const char* value;
    } cases[] = {
        {K::Flags, {"type horse"}, "1"},
        {K::Flags, {}, "0"},
        {K::Flags, {"type 1h weapon", "unique"}, "4098"},
        {K::Flags, {"type book", "force attach armature", "unique"}, "7956"},
        {K::Flags, {"cant_reload_while_moving"}, "70368744177664"},
        {K::Flags, {"cant_reload_while_moving", "ignore_gravity"}, "211106232532992"},
        {K::Caps, {"throw_axe"}, "196608"},
        {K::Caps, {"shoot_mask"}, "983040"},
        {K::Caps, {"carry_katana"}, "8858370048"},
        {K::Caps, {"carry_quiver_back", "show_holster_when_drawn"}, "36507222016"},
        {K::Caps, {"force_64_bits"}, "9223372036854775808"},
        {K::Modifiers, {"rough "}, "8388608"},
        {K::Modifiers, {"plain ", "large_bag "}, "4398046511105"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        const RowSelection rows = Rows(c.kind, c.rows);
        EXPECT_EQ(EncodeFlags(c.kind, rows).toString(), c.value);
        EXPECT_EQ(Labels(c.kind, ShowFlags(*BitWord::parse(QString::fromLatin1(c.value)), c.kind)),
                  Labels(c.kind, rows));
    }
    RowSelection all(43, true);
    EXPECT_EQ(EncodeFlags(K::Modifiers, all).toString(), "8796093022207"); // 2^43 - 1

    // Numbers no selection makes: no type, an attach value without a row, a
    // holster digit beside a carry code no row has.
    EXPECT_TRUE(Labels(K::Flags, ShowFlags(W(0x15), K::Flags)).isEmpty());
    EXPECT_EQ(Labels(K::Flags, ShowFlags(W(0x402), K::Flags)), QStringList{"type 1h weapon"});
    EXPECT_TRUE(Labels(K::Caps, ShowFlags(W(0xB10000000), K::Caps)).isEmpty());
    EXPECT_TRUE(Labels(K::Modifiers, ShowFlags(W(std::uint64_t(1) << 43), K::Modifiers)).isEmpty());
}

TEST(ItemVocabularyTest, AnUpdateKeepsWhatNoChangedRowStandsFor) {
    using K = ItemFlagKind;
    const std::uint64_t bit33 = std::uint64_t(1) << 33;
    const struct {
        const char* what;
        K kind;
        std::uint64_t stored;
        std::initializer_list<const char*> toggled;
        std::uint64_t expected;
    } cases[] = {
        {"unnamed flag bits", K::Flags, bit33 | 0x1002, {"unique"}, bit33 | 0x2},
        {"a new type", K::Flags, bit33 | 0x1002, {"type 1h weapon", "type bow"}, bit33 | 0x1008},
        {"a type byte no row names", K::Flags, 0x415, {"unique"}, 0x1415},
        {"a throw field value no row names", K::Caps, 0x50001, {"thrust_onehanded"}, 0x50000},
        {"a changed throw field", K::Caps, 0x50001, {"throw_knife"}, 0x20001},
        {"a mask row dropped", K::Caps, 0xF0000, {"shoot_mask"}, 0},
        {"the holster bit beside a hidden carry code",
         K::Caps,
         0xB10000000,
         {"show_holster_when_drawn"},
         0xB10000000},
        {"unnamed capability bits",
         K::Caps,
         0x7F00000000000001,
         {"force_64_bits"},
         0xFF00000000000001},
        {"modifier bits above the list",
         K::Modifiers,
         ~std::uint64_t(0),
         {"plain "},
         ~std::uint64_t(1)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const RowSelection shown = ShowFlags(W(c.stored), c.kind);
        RowSelection selected = shown;
        const RowSelection toggled = Rows(c.kind, c.toggled);
        for (qsizetype row = 0; row < selected.size(); ++row)
            selected[row] = selected[row] != toggled[row];
        EXPECT_EQ(MergeFlags(c.kind, shown, shown, W(c.stored)), W(c.stored));
        EXPECT_EQ(MergeFlags(c.kind, shown, selected, W(c.stored)), W(c.expected));
    }
}

TEST(ItemVocabularyTest, SelectionRulesFollowTheFocusRow) {
    using K = ItemFlagKind;
    const struct {
        K kind;
        std::initializer_list<const char*> before;
        int focus;
        std::initializer_list<const char*> after;
        std::optional<bool> capsEnabled;
    } cases[] = {
        {K::Flags, {"type 1h weapon", "type bow"}, 7, {"type bow"}, true},
        {K::Flags, {}, 7, {"type bow"}, true}, // a click cannot unselect the type
        {K::Flags, {"type 1h weapon", "unique"}, 0, {"type horse", "unique"}, false},
        {K::Flags,
         {"type bow", "force attach left hand", "force attach right hand"},
         21,
         {"type bow", "force attach right hand"},
         true},
        // After a show no row has the focus: nothing changes.
        {K::Flags, {"type 1h weapon", "type bow"}, -1, {"type 1h weapon", "type bow"}, {}},
        {K::Caps,
         {"shoot_mask", "carry_mask", "reload_mask", "thrust_onehanded"},
         0,
         {"thrust_onehanded"},
         {}},
        {K::Caps, {"carry_sword_back", "carry_spear"}, 49, {"carry_spear"}, {}},
        {K::Caps, {"shoot_bow", "throw_axe"}, 17, {"throw_axe"}, {}},
        {K::Caps,
         {"carry_spear", "show_holster_when_drawn"},
         53,
         {"carry_spear", "show_holster_when_drawn"},
         {}},
        {K::Caps, {"shoot_mask"}, -1, {"shoot_mask"}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.focus);
        RowSelection rows = Rows(c.kind, c.before);
        if (c.kind == K::Flags)
            EXPECT_EQ(ApplyFlagRules(rows, c.focus), c.capsEnabled);
        else
            ApplyCapRules(rows, c.focus);
        EXPECT_EQ(Labels(c.kind, rows), Labels(c.kind, Rows(c.kind, c.after)));
    }
}

// The labels of a type row in one line: head, body, leg armour, hit points,
// difficulty, values 1-4, damages 1-2; then the boxes filled and whether the
// capabilities are read and usable.
std::string Shown(int typeRow) {
    const ItemTypeLabels l = ItemTypeLabelsFor(typeRow);
    QStringList texts = {l.headArmor, l.bodyArmor, l.legArmor, l.hitPoints, l.difficulty};
    texts << l.values[0] << l.values[1] << l.values[2] << l.values[3] << l.damages[0]
          << l.damages[1];
    QString flags;
    for (bool filled : l.filled)
        flags += filled ? u'V' : u'-';
    flags += ItemTypeReadsCaps(typeRow) ? u'R' : u'-';
    flags += l.capsEnabled ? u'E' : u'-';
    return (texts.join(u'|') + u' ' + flags).toStdString();
}

TEST(ItemVocabularyTest, EachTypeLabelsAndFillsItsBoxes) {
    const std::pair<int, const char*> cases[] = {
        {0, "Head armor:|Body armor:|Leg armor:|Hit points:|Difficulty:|Manueverability:|"
            "Horse speed:|Horse scale:|n/a|n/a|Charge: VVV---"},
        {1, "n/a|n/a|n/a:|Hit points:|Difficulty:|Speed:|n/a:|Weapon length:|n/a|Swing damage:|"
            "Thrust damage: VVV-RE"},
        {17, "n/a|n/a|n/a|n/a|Difficulty:|n/a|n/a|Weapon length:|Ammo:|n/a|Add damage: --VVRE"},
        {6, "n/a|Body armor:|Leg armor:|Hit points:|Difficulty:|Speed:|Shield height:|"
            "Weapon length:|n/a|n/a|n/a VVV-RE"},
        {15, "n/a|n/a|Accuracy:|n/a|Difficulty:|Speed:|Shot speed:|n/a|Ammo:|n/a|"
             "Thrust damage: VV-VRE"},
        {9, "Head armor:|Body armor:|Leg armor:|Hit points:|Difficulty:|Speed:|Shot speed:|"
            "Weapon length:|Ammo:|Swing damage:|Thrust damage: VVVVRE"},
        {10, "Food quality:|n/a|n/a|n/a|n/a|n/a|n/a|n/a|Amount:|n/a|n/a ---VR-"},
        {12, "Head armor:|Body armor:|Leg armor:|n/a|Difficulty:|n/a|n/a|n/a|n/a|n/a|n/a ------"},
        {18, "Head armor:|Body armor:|Leg armor:|Hit points:|Difficulty:|n/a|n/a|n/a|n/a|n/a|"
             "n/a ----RE"},
        {19, "n/a|n/a|n/a|n/a|n/a|n/a|n/a|n/a|n/a|n/a|n/a ----RE"},
    };
    for (const auto& [typeRow, shown] : cases)
        EXPECT_EQ(Shown(typeRow), shown) << typeRow;
    // The type byte decides the row; none (0 or above 20) shows as a horse.
    EXPECT_EQ(ItemTypeRow(W(0x14)), 19);
    EXPECT_EQ(ItemTypeRow(W(0x15)), 0);
    EXPECT_EQ(ItemTypeNumber(W(0x100000002)), 2);
}

} // namespace
