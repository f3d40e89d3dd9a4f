#include "ms_editors/items/PythonItemVocabulary.h"

#include <algorithm>

const QString PythonItemZeroFlags = QStringLiteral("itp_type_horse");
const QString PythonItemZeroModifiers = QStringLiteral("imodbits_none");

namespace {

constexpr const char* ItemTypes[] = {
    "itp_type_horse",          "itp_type_two_handed_wpn",
    "itp_type_one_handed_wpn", "itp_type_polearm",
    "itp_type_arrows",         "itp_type_bolts",
    "itp_type_shield",         "itp_type_bow",
    "itp_type_crossbow",       "itp_type_thrown",
    "itp_type_goods",          "itp_type_head_armor",
    "itp_type_body_armor",     "itp_type_foot_armor",
    "itp_type_hand_armor",     "itp_type_pistol",
    "itp_type_musket",         "itp_type_bullets",
    "itp_type_animal",         "itp_type_book",
};
constexpr const char* AttachFlags[] = {
    "itp_force_attach_left_hand",
    "itp_force_attach_right_hand",
    "itp_force_attach_left_forearm",
    "itp_attach_armature",
};
constexpr const char* OtherFlags[] = {
    "itp_unique",
    "itp_always_loot",
    "itp_no_parry",
    "itp_default_ammo",
    "itp_merchandise",
    "itp_wooden_attack",
    "itp_wooden_parry",
    "itp_food",
    "itp_cant_reload_on_horseback",
    "itp_two_handed",
    "itp_primary",
    "itp_secondary",
    "itp_covers_legs",
    "itp_doesnt_cover_hair",
    "itp_can_penetrate_shield",
    "itp_consumable",
    "itp_bonus_against_shield",
    "itp_penalty_with_shield",
    "itp_cant_use_on_horseback",
    "itp_civilian",
    "itp_next_item_as_melee",
    "itp_fit_to_head",
    "itp_offset_lance",
    "itp_covers_head",
    "itp_couchable",
    "itp_crush_through",
    "itp_remove_item_on_use",
    "itp_unbalanced",
    "itp_covers_beard",
    "itp_can_knock_down",
    "itp_extra_penetration",
    "itp_has_bayonet",
    "itp_cant_reload_while_moving",
    "itp_ignore_gravity",
    "itp_ignore_friction",
};
constexpr const char* CapWeapons[] = {
    "itc_cleaver",        "itc_dagger",       "itc_parry_onehanded",
    "itc_longsword",      "itc_scimitar",     "itc_parry_two_handed",
    "itc_cut_two_handed", "itc_greatsword",   "itc_nodachi",
    "itc_bastardsword",   "itc_morningstar",  "itc_parry_polearm",
    "itc_poleaxe",        "itc_staff",        "itc_spear",
    "itc_cutting_spear",  "itc_pike",         "itc_guandao",
    "itc_greatlance",     "itc_musket_melee",
};
constexpr const char* CapFlags[] = {
    "itcf_thrust_onehanded",
    "itcf_overswing_onehanded",
    "itcf_slashright_onehanded",
    "itcf_slashleft_onehanded",
    "itcf_thrust_twohanded",
    "itcf_overswing_twohanded",
    "itcf_slashright_twohanded",
    "itcf_slashleft_twohanded",
    "itcf_thrust_polearm",
    "itcf_overswing_polearm",
    "itcf_slashright_polearm",
    "itcf_slashleft_polearm",
    "itcf_shoot_bow",
    "itcf_shoot_javelin",
    "itcf_shoot_crossbow",
    "itcf_throw_stone",
    "itcf_throw_knife",
    "itcf_throw_axe",
    "itcf_throw_javelin",
    "itcf_shoot_pistol",
    "itcf_shoot_musket",
    "itcf_shoot_mask",
    "itcf_horseback_thrust_onehanded",
    "itcf_horseback_overswing_right_onehanded",
    "itcf_horseback_overswing_left_onehanded",
    "itcf_horseback_slashright_onehanded",
    "itcf_horseback_slashleft_onehanded",
    "itcf_thrust_onehanded_lance",
    "itcf_thrust_onehanded_lance_horseback",
    "itcf_carry_mask",
    "itcf_carry_sword_left_hip",
    "itcf_carry_axe_left_hip",
    "itcf_carry_dagger_front_left",
    "itcf_carry_dagger_front_right",
    "itcf_carry_quiver_front_right",
    "itcf_carry_quiver_back_right",
    "itcf_carry_quiver_right_vertical",
    "itcf_carry_quiver_back",
    "itcf_carry_revolver_right",
    "itcf_carry_pistol_front_left",
    "itcf_carry_bowcase_left",
    "itcf_carry_mace_left_hip",
    "itcf_carry_axe_back",
    "itcf_carry_sword_back",
    "itcf_carry_kite_shield",
    "itcf_carry_round_shield",
    "itcf_carry_buckler_left",
    "itcf_carry_crossbow_back",
    "itcf_carry_bow_back",
    "itcf_carry_spear",
    "itcf_carry_board_shield",
    "itcf_carry_katana",
    "itcf_carry_wakizashi",
    "itcf_show_holster_when_drawn",
    "itcf_reload_pistol",
    "itcf_reload_musket",
    "itcf_reload_mask",
    "itcf_parry_forward_onehanded",
    "itcf_parry_up_onehanded",
    "itcf_parry_right_onehanded",
    "itcf_parry_left_onehanded",
    "itcf_parry_forward_twohanded",
    "itcf_parry_up_twohanded",
    "itcf_parry_right_twohanded",
    "itcf_parry_left_twohanded",
    "itcf_parry_forward_polearm",
    "itcf_parry_up_polearm",
    "itcf_parry_right_polearm",
    "itcf_parry_left_polearm",
    "itcf_horseback_slash_polearm",
    "itcf_force_64_bits",
};
constexpr const char* ModifierSets[] = {
    "imodbits_none",
    "imodbits_horse_basic",
    "imodbits_cloth",
    "imodbits_armor",
    "imodbits_plate",
    "imodbits_polearm",
    "imodbits_shield",
    "imodbits_sword",
    "imodbits_sword_high",
    "imodbits_axe",
    "imodbits_mace",
    "imodbits_pick",
    "imodbits_bow",
    "imodbits_crossbow",
    "imodbits_missile",
    "imodbits_thrown",
    "imodbits_thrown_minus_heavy",
    "imodbits_horse_good",
    "imodbits_good",
    "imodbits_bad",
};
constexpr const char* ModifierBits[] = {
    "imodbit_plain",     "imodbit_cracked",    "imodbit_rusty",     "imodbit_bent",
    "imodbit_chipped",   "imodbit_battered",   "imodbit_poor",      "imodbit_crude",
    "imodbit_old",       "imodbit_cheap",      "imodbit_fine",      "imodbit_well_made",
    "imodbit_sharp",     "imodbit_balanced",   "imodbit_tempered",  "imodbit_deadly",
    "imodbit_exquisite", "imodbit_masterwork", "imodbit_heavy",     "imodbit_strong",
    "imodbit_powerful",  "imodbit_tattered",   "imodbit_ragged",    "imodbit_rough",
    "imodbit_sturdy",    "imodbit_thick",      "imodbit_hardened",  "imodbit_reinforced",
    "imodbit_superb",    "imodbit_lordly",     "imodbit_lame",      "imodbit_swaybacked",
    "imodbit_stubborn",  "imodbit_timid",      "imodbit_meek",      "imodbit_spirited",
    "imodbit_champion",  "imodbit_fresh",      "imodbit_day_old",   "imodbit_two_day_old",
    "imodbit_smelling",  "imodbit_rotten",     "imodbit_large_bag",
};

template <std::size_t N> void append(QStringList& rows, const char* const (&names)[N]) {
    for (const char* name : names)
        rows.append(QLatin1String(name));
}

QString separator(int width) {
    return QString(width, u'-');
}

// Two groups of names, each closed by a separator row.
template <std::size_t N, std::size_t M>
QStringList TwoGroups(const char* const (&first)[N], const char* const (&second)[M], int width) {
    QStringList rows;
    append(rows, first);
    rows.append(separator(width));
    append(rows, second);
    rows.append(separator(width));
    return rows;
}

} // namespace

QStringList PythonItemTypes() {
    QStringList rows;
    append(rows, ItemTypes);
    return rows;
}

QStringList PythonItemFlagVocabulary() {
    QStringList rows = PythonItemTypes();
    append(rows, AttachFlags);
    append(rows, OtherFlags);
    rows.append(separator(76));
    return rows;
}

QStringList PythonItemCapabilityVocabulary() {
    return TwoGroups(CapWeapons, CapFlags, 76);
}

QStringList PythonItemModifierVocabulary() {
    return TwoGroups(ModifierSets, ModifierBits, 52);
}

bool IsPythonItemSeparator(const QString& row) {
    return row.startsWith(QStringLiteral("-----"));
}

PythonItemNameLists InitialPythonItemNameLists() {
    return {PythonItemFlagVocabulary(), PythonItemCapabilityVocabulary(),
            PythonItemModifierVocabulary()};
}

QList<int> SelectPythonItemNames(QStringList& rows, const QStringList& names) {
    QList<bool> chosen(rows.size(), false);
    for (const QString& name : names) {
        if (name.isEmpty())
            continue;
        bool shown = false;
        for (qsizetype r = 0; r < rows.size(); ++r) {
            if (rows[r] == name)
                shown = chosen[r] = true;
        }
        if (!shown) {
            rows.append(name);
            chosen.append(true);
        }
    }
    QList<int> picked;
    for (qsizetype r = 0; r < chosen.size(); ++r) {
        if (chosen[r])
            picked.append(int(r));
    }
    return picked;
}

void UnchoosePythonItemSeparators(const QStringList& rows, QList<bool>& chosen) {
    const qsizetype n = std::min(rows.size(), chosen.size());
    for (qsizetype r = 0; r < n; ++r) {
        if (IsPythonItemSeparator(rows[r]))
            chosen[r] = false;
    }
}

bool ApplyPythonItemFlagRules(const QStringList& rows, QList<bool>& chosen, int current) {
    const int n = int(std::min(rows.size(), chosen.size()));
    if (current >= 0 && current < PythonItemTypeCount && current < n) {
        for (int r = 0; r < PythonItemTypeCount && r < n; ++r)
            chosen[r] = false;
        chosen[current] = true;
    } else if (current >= PythonItemFirstAttachRow && current <= PythonItemLastAttachRow &&
               current < n) {
        for (int r = PythonItemFirstAttachRow; r <= PythonItemLastAttachRow && r < n; ++r) {
            if (r != current)
                chosen[r] = false;
        }
    }
    UnchoosePythonItemSeparators(rows, chosen);
    return current != 0;
}
