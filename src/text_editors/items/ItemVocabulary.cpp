#include "text_editors/items/ItemVocabulary.h"

namespace {

constexpr std::uint64_t TypeField = 0xFF;
constexpr std::uint64_t AttachField = 0xF00;
constexpr std::uint64_t ShootField = 0xF0000;
// The carry codes reach 22 (hexadecimal) in units of bit 28; bit 35 beside them
// is "show_holster_when_drawn".
constexpr std::uint64_t CarryField = 0x7F0000000;
constexpr std::uint64_t ReloadField = 0xF000000000;

// A row of one bit is a field of its own.
constexpr ItemListRow Bit(const char* label, std::uint64_t value) {
    return {label, value, value};
}

} // namespace

const std::array<ItemListRow, ItemFlagRowCount> ItemFlagRows = {{
    {"type horse", 0x1, TypeField},
    {"type 1h weapon", 0x2, TypeField},
    {"type 2h weapon", 0x3, TypeField},
    {"type polearm", 0x4, TypeField},
    {"type arrows", 0x5, TypeField},
    {"type bolts", 0x6, TypeField},
    {"type shield", 0x7, TypeField},
    {"type bow", 0x8, TypeField},
    {"type crossbow", 0x9, TypeField},
    {"type thrown", 0xA, TypeField},
    {"type goods", 0xB, TypeField},
    {"type head armor", 0xC, TypeField},
    {"type body armor", 0xD, TypeField},
    {"type foot armor", 0xE, TypeField},
    {"type hand armor", 0xF, TypeField},
    {"type pistol", 0x10, TypeField},
    {"type musket", 0x11, TypeField},
    {"type bullets", 0x12, TypeField},
    {"type animal", 0x13, TypeField},
    {"type book", 0x14, TypeField},
    {"force attach left hand", 0x100, AttachField},
    {"force attach right hand", 0x200, AttachField},
    {"force attach left forearm", 0x300, AttachField},
    {"force attach armature", 0xF00, AttachField},
    Bit("unique", 0x1000),
    Bit("always loot", 0x2000),
    Bit("no parry", 0x4000),
    Bit("default ammo", 0x8000),
    Bit("merchandise", 0x10000),
    Bit("wooden attack", 0x20000),
    Bit("wooden parry", 0x40000),
    Bit("food", 0x80000),
    Bit("cant reload on horseback", 0x100000),
    Bit("two handed", 0x200000),
    Bit("primary", 0x400000),
    Bit("secondary", 0x800000),
    Bit("no cov.hair/cov. legs/pen. shield", 0x1000000),
    Bit("consumable", 0x2000000),
    Bit("bonus against shield", 0x4000000),
    Bit("penalty with shield", 0x8000000),
    Bit("can't used on horseback", 0x10000000),
    Bit("civilian / next item as melee", 0x20000000),
    Bit("fit to head / offset lance", 0x40000000),
    Bit("covers head / couchable", 0x80000000),
    Bit("crush_through", 0x100000000),
    Bit("remove item on use", 0x400000000),
    Bit("unblanaced", 0x800000000),
    Bit("covers beard", 0x1000000000),
    Bit("no_pick_up_from_ground", 0x2000000000),
    Bit("can_knock_down", 0x4000000000),
    Bit("extra_penetration", 0x100000000000),
    Bit("has_bayonet", 0x200000000000),
    Bit("cant_reload_while_moving", 0x400000000000),
    Bit("ignore_gravity", 0x800000000000),
    Bit("ignore_friction", 0x1000000000000),
    Bit("is_pike (Kelbrin)", 0x2000000000000),
    Bit("offset_musket (Kelbrin)", 0x4000000000000),
    Bit("no_blur (Kelbrin)", 0x8000000000000),
}};

const std::array<ItemListRow, ItemCapRowCount> ItemCapRows = {{
    Bit("thrust_onehanded", 0x1),
    Bit("overswing_onehanded", 0x2),
    Bit("slashright_onehanded", 0x4),
    Bit("slashleft_onehanded", 0x8),
    Bit("thrust_twohanded", 0x10),
    Bit("overswing_twohanded", 0x20),
    Bit("slashright_twohanded", 0x40),
    Bit("slashleft_twohanded", 0x80),
    Bit("thrust_polearm", 0x100),
    Bit("overswing_polearm", 0x200),
    Bit("slashright_polearm", 0x400),
    Bit("slashleft_polearm", 0x800),
    Bit("shoot_bow", 0x1000),
    Bit("shoot_javelin", 0x2000),
    Bit("shoot_crossbow", 0x4000),
    {"throw_stone", 0x10000, ShootField},
    {"throw_knife", 0x20000, ShootField},
    {"throw_axe", 0x30000, ShootField},
    {"throw_javelin", 0x40000, ShootField},
    {"shoot_pistol", 0x70000, ShootField},
    {"shoot_musket", 0x80000, ShootField},
    {"shoot_mask", 0xF0000, ShootField},
    Bit("horseback_thrust_onehanded", 0x100000),
    Bit("horseback_overswing_right_onehanded", 0x200000),
    Bit("horseback_overswing_left_onehanded", 0x400000),
    Bit("horseback_slashright_onehanded", 0x800000),
    Bit("horseback_slashleft_onehanded", 0x1000000),
    Bit("thrust_onehanded_lance", 0x4000000),
    Bit("thrust_onehanded_lance_horseback", 0x8000000),
    {"carry_mask", 0xF0000000, CarryField},
    {"carry_sword_left_hip", 0x10000000, CarryField},
    {"carry_axe_left_hip", 0x20000000, CarryField},
    {"carry_dagger_front_left", 0x30000000, CarryField},
    {"carry_dagger_front_right", 0x40000000, CarryField},
    {"carry_quiver_front_right", 0x50000000, CarryField},
    {"carry_quiver_back_right", 0x60000000, CarryField},
    {"carry_quiver_right_vertical", 0x70000000, CarryField},
    {"carry_quiver_back", 0x80000000, CarryField},
    {"carry_revolver_right", 0x90000000, CarryField},
    {"carry_pistol_front_left", 0xA0000000, CarryField},
    {"carry_bowcase_left", 0xB0000000, CarryField},
    {"carry_mace_left_hip", 0xC0000000, CarryField},
    {"carry_axe_back", 0x100000000, CarryField},
    {"carry_sword_back", 0x110000000, CarryField},
    {"carry_kite_shield", 0x120000000, CarryField},
    {"carry_round_shield", 0x130000000, CarryField},
    {"carry_buckler_left", 0x140000000, CarryField},
    {"carry_crossbow_back", 0x150000000, CarryField},
    {"carry_bow_back", 0x160000000, CarryField},
    {"carry_spear", 0x170000000, CarryField},
    {"carry_board_shield", 0x180000000, CarryField},
    {"carry_katana", 0x210000000, CarryField},
    {"carry_wakizashi", 0x220000000, CarryField},
    Bit("show_holster_when_drawn", 0x800000000),
    {"reload_pistol", 0x7000000000, ReloadField},
    {"reload_musket", 0x8000000000, ReloadField},
    {"reload_mask", 0xF000000000, ReloadField},
    Bit("parry_forward_onehanded", 0x10000000000),
    Bit("parry_up_onehanded", 0x20000000000),
    Bit("parry_right_onehanded", 0x40000000000),
    Bit("parry_left_onehanded", 0x80000000000),
    Bit("parry_forward_twohanded", 0x100000000000),
    Bit("parry_up_twohanded", 0x200000000000),
    Bit("parry_right_twohanded", 0x400000000000),
    Bit("parry_left_twohanded", 0x800000000000),
    Bit("parry_forward_polearm", 0x1000000000000),
    Bit("parry_up_polearm", 0x2000000000000),
    Bit("parry_right_polearm", 0x4000000000000),
    Bit("parry_left_polearm", 0x8000000000000),
    Bit("horseback_slash_polearm", 0x10000000000000),
    Bit("overswing_spear (Kelbrin)", 0x20000000000000),
    Bit("overswing_musket (Kelbrin)", 0x40000000000000),
    Bit("thrust_musket (Kelbrin)", 0x80000000000000),
    Bit("force_64_bits", 0x8000000000000000),
}};

const std::array<const char*, ItemModifierRowCount> ItemModifierLabels = {
    "plain ",     "cracked ",    "rusty ",    "bent ",        "chipped ",   "battered ",
    "poor ",      "crude ",      "old ",      "cheap ",       "fine ",      "well_made ",
    "sharp ",     "balanced ",   "tempered ", "deadly ",      "exquisite ", "masterwork ",
    "heavy ",     "strong ",     "powerful ", "tattered ",    "ragged ",    "rough ",
    "sturdy ",    "thick ",      "hardened ", "reinforced ",  "superb ",    "lordly ",
    "lame ",      "swaybacked ", "stubborn ", "timid ",       "meek ",      "spirited ",
    "champion ",  "fresh ",      "day_old ",  "two_day_old ", "smelling ",  "rotten ",
    "large_bag ",
};

const std::array<const char*, 3> ItemDamageTypes = {"Cut", "Pierce", "Blunt"};

const std::array<const char*, 4> ItemMeshKinds = {"ixmesh_none", "ixmesh_inventory",
                                                  "ixmesh_flying_ammo", "ixmesh_carry"};

namespace {

// The value and field of row `row` of the kind's list; a modifier row is bit `row`.
ItemListRow RowOf(ItemFlagKind kind, int row) {
    const auto r = static_cast<std::size_t>(row);
    switch (kind) {
    case ItemFlagKind::Flags:
        return ItemFlagRows[r];
    case ItemFlagKind::Caps:
        return ItemCapRows[r];
    case ItemFlagKind::Modifiers:
        break;
    }
    return Bit(ItemModifierLabels[r], std::uint64_t(1) << row);
}

bool Selected(const RowSelection& rows, int row) {
    return row < rows.size() && rows[row];
}

} // namespace

int ItemListRowCount(ItemFlagKind kind) {
    switch (kind) {
    case ItemFlagKind::Flags:
        return ItemFlagRowCount;
    case ItemFlagKind::Caps:
        return ItemCapRowCount;
    case ItemFlagKind::Modifiers:
        break;
    }
    return ItemModifierRowCount;
}

QStringList ItemListLabels(ItemFlagKind kind) {
    QStringList labels;
    for (int row = 0; row < ItemListRowCount(kind); ++row)
        labels.append(QLatin1String(RowOf(kind, row).label));
    return labels;
}

QStringList ItemTypeFilterRows() {
    return ItemListLabels(ItemFlagKind::Flags).mid(0, ItemTypeRowCount);
}

namespace {

template <std::size_t N> QStringList Rows(const std::array<const char*, N>& texts) {
    QStringList rows;
    for (const char* text : texts)
        rows.append(QLatin1String(text));
    return rows;
}

} // namespace

QStringList ItemDamageTypeRows() {
    return Rows(ItemDamageTypes);
}

QStringList ItemMeshKindRows() {
    return Rows(ItemMeshKinds);
}

RowSelection ShowFlags(const BitWord& word, ItemFlagKind kind) {
    // The show compares hexadecimal digits of the value with each row's digits;
    // a field's digits equal the row's exactly when the field holds its value.
    // Every row lies in the lowest 64 bits.
    const std::uint64_t value = word.bits(0, 64);
    RowSelection rows(ItemListRowCount(kind), false);
    for (int row = 0; row < rows.size(); ++row) {
        const ItemListRow r = RowOf(kind, row);
        rows[row] = (value & r.field) == r.value;
    }
    if (kind == ItemFlagKind::Caps) {
        // Bit 35 is read as the upper digit of the carry code, and only a digit
        // of 8, 9 or A counts as the holster bit beside a carry code.
        const std::uint64_t digit = (value >> 32) & 0xF;
        rows[CapHolsterRow] = digit >= 0x8 && digit <= 0xA;
    }
    return rows;
}

Decimal EncodeFlags(ItemFlagKind kind, const RowSelection& selected) {
    Decimal::Magnitude sum = 0;
    for (int row = 0; row < ItemListRowCount(kind); ++row) {
        if (Selected(selected, row))
            sum += RowOf(kind, row).value;
    }
    return Decimal::fromMagnitude(sum);
}

namespace {

// `word` plus `addend`, exactly, however long the word.
BitWord Plus(BitWord word, Decimal::Magnitude addend) {
    constexpr int Chunk = 64;
    for (int first = 0; addend != 0; first += Chunk) {
        const Decimal::Magnitude sum = word.bits(first, Chunk) + addend;
        word = word.withBits(first, Chunk, static_cast<std::uint64_t>(sum));
        addend = sum >> Chunk;
    }
    return word;
}

} // namespace

BitWord MergeFlags(ItemFlagKind kind, const RowSelection& shown, const RowSelection& selected,
                   const BitWord& stored) {
    const int count = ItemListRowCount(kind);
    std::uint64_t changedFields = 0;
    for (int row = 0; row < count; ++row) {
        if (Selected(shown, row) != Selected(selected, row))
            changedFields |= RowOf(kind, row).field;
    }
    if (changedFields == 0)
        return stored;
    Decimal::Magnitude rows = 0;
    for (int row = 0; row < count; ++row) {
        const ItemListRow r = RowOf(kind, row);
        if ((r.field & changedFields) != 0 && Selected(selected, row))
            rows += r.value;
    }
    return Plus(stored.withBits(0, 64, stored.bits(0, 64) & ~changedFields), rows);
}

int ItemTypeNumber(const BitWord& flags) {
    const int type = static_cast<int>(flags.bits(0, 8));
    return type <= ItemTypeRowCount ? type : 0;
}

int ItemTypeRow(const BitWord& flags) {
    const int type = ItemTypeNumber(flags);
    return type > 0 ? type - 1 : 0;
}

bool ItemTypeReadsCaps(int typeRow) {
    return typeRow > 0 && (typeRow < 11 || typeRow > 14) && typeRow < ItemTypeRowCount;
}

std::array<QString, 12> ItemValueCaptions(const ItemTypeLabels& l) {
    return {QStringLiteral("Cost:"),
            QStringLiteral("Weight:"),
            QStringLiteral("Abundance:"),
            l.headArmor,
            l.bodyArmor,
            l.legArmor,
            l.difficulty,
            l.hitPoints,
            l.values[0],
            l.values[1],
            l.values[2],
            l.values[3]};
}

namespace {

constexpr const char* Na = "n/a";

// The labels of one kind of item, and which value boxes it fills. `boxes`:
// head armour, body armour, leg armour, hit points, difficulty.
struct TypeLabelRow {
    std::array<const char*, 5> boxes;
    std::array<const char*, 4> values;
    std::array<const char*, 2> damages;
    std::array<bool, 4> filled;
};

enum TypeKind { Horse, Melee, Missile, Shield, Ranged, Thrown, Goods, Armour, Animal, Book };

constexpr TypeLabelRow KindLabels[] = {
    // Horse, or no type.
    {{"Head armor:", "Body armor:", "Leg armor:", "Hit points:", "Difficulty:"},
     {"Manueverability:", "Horse speed:", "Horse scale:", Na},
     {Na, "Charge:"},
     {true, true, true, false}},
    // One-handed, two-handed, polearm.
    {{Na, Na, "n/a:", "Hit points:", "Difficulty:"},
     {"Speed:", "n/a:", "Weapon length:", Na},
     {"Swing damage:", "Thrust damage:"},
     {true, true, true, false}},
    // Arrows, bolts, bullets.
    {{Na, Na, Na, Na, "Difficulty:"},
     {Na, Na, "Weapon length:", "Ammo:"},
     {Na, "Add damage:"},
     {false, false, true, true}},
    // Shield.
    {{Na, "Body armor:", "Leg armor:", "Hit points:", "Difficulty:"},
     {"Speed:", "Shield height:", "Weapon length:", Na},
     {Na, Na},
     {true, true, true, false}},
    // Bow, crossbow, pistol, musket.
    {{Na, Na, "Accuracy:", Na, "Difficulty:"},
     {"Speed:", "Shot speed:", Na, "Ammo:"},
     {Na, "Thrust damage:"},
     {true, true, false, true}},
    // Thrown.
    {{"Head armor:", "Body armor:", "Leg armor:", "Hit points:", "Difficulty:"},
     {"Speed:", "Shot speed:", "Weapon length:", "Ammo:"},
     {"Swing damage:", "Thrust damage:"},
     {true, true, true, true}},
    // Goods.
    {{"Food quality:", Na, Na, Na, Na},
     {Na, Na, Na, "Amount:"},
     {Na, Na},
     {false, false, false, true}},
    // The four armour types.
    {{"Head armor:", "Body armor:", "Leg armor:", Na, "Difficulty:"},
     {Na, Na, Na, Na},
     {Na, Na},
     {}},
    // Animal.
    {{"Head armor:", "Body armor:", "Leg armor:", "Hit points:", "Difficulty:"},
     {Na, Na, Na, Na},
     {Na, Na},
     {}},
    // Book.
    {{Na, Na, Na, Na, Na}, {Na, Na, Na, Na}, {Na, Na}, {}},
};

// The kind of each type row, in the order of the type flags.
constexpr TypeKind RowKinds[ItemTypeRowCount] = {
    Horse, Melee,  Melee,  Melee,  Missile, Missile, Shield, Ranged,  Ranged, Thrown,
    Goods, Armour, Armour, Armour, Armour,  Ranged,  Ranged, Missile, Animal, Book};

} // namespace

ItemTypeLabels ItemTypeLabelsFor(int typeRow) {
    const TypeLabelRow& k =
        KindLabels[RowKinds[typeRow < 0 || typeRow >= ItemTypeRowCount ? 0 : typeRow]];
    const auto text = [](const char* label) { return QString::fromLatin1(label); };
    const auto& v = k.values;
    const auto& d = k.damages;
    return {text(k.boxes[0]),
            text(k.boxes[1]),
            text(k.boxes[2]),
            text(k.boxes[3]),
            text(k.boxes[4]),
            {text(v[0]), text(v[1]), text(v[2]), text(v[3])},
            {text(d[0]), text(d[1])},
            k.filled,
            ItemTypeReadsCaps(typeRow) && typeRow != 10};
}

namespace {

// Unselects rows first to last of `rows` except `keep`.
void UnselectOthers(RowSelection& rows, int first, int last, int keep) {
    for (int row = first; row <= last && row < rows.size(); ++row) {
        if (row != keep)
            rows[row] = false;
    }
}

} // namespace

std::optional<bool> ApplyFlagRules(RowSelection& flags, int focusRow) {
    if (focusRow < 0 || focusRow >= flags.size())
        return std::nullopt;
    if (focusRow < ItemTypeRowCount) {
        UnselectOthers(flags, 0, ItemTypeRowCount - 1, focusRow);
        flags[focusRow] = true;
    } else if (focusRow <= 23) {
        UnselectOthers(flags, 20, 23, focusRow);
    }
    return focusRow != 0;
}

void ApplyCapRules(RowSelection& caps, int focusRow) {
    if (focusRow < 0 || focusRow >= caps.size())
        return;
    for (int row : {CapCarryMaskRow, CapShootMaskRow, CapReloadMaskRow}) {
        if (row < caps.size())
            caps[row] = false;
    }
    if (focusRow >= 30 && focusRow <= 52)
        UnselectOthers(caps, 30, 52, focusRow);
    else if (focusRow >= 12 && focusRow <= 20)
        UnselectOthers(caps, 12, 20, focusRow);
    else if (focusRow == 54 || focusRow == 55)
        UnselectOthers(caps, 54, 55, focusRow);
}

QString FactionCountCaption(const RowSelection& factions, qsizetype beyond) {
    return QStringLiteral("Factions (") + QString::number(factions.count(true) + beyond) +
           QStringLiteral("):");
}
