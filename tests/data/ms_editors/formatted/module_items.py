from header_common import *
from header_items import *
from header_triggers import *
from ID_objects import *  # fac, itm and trp: the ids as attributes

# Laid out by a code formatter: one field per line where an entry is long, the
# brackets on lines of their own and a comma behind the last field.

imodbits_none = 0

items = [
    ["no_item", "INVALID ITEM", [("invalid_item", 0)], itp_type_goods, 0, 3, 0, 0],
    [
        "horse_meat",
        "Horse Meat",
        [("raw_meat", 0)],
        itp_type_goods | itp_consumable | itp_food,
        0,
        12,
        weight(40) | food_quality(30) | max_ammo(40),
        imodbits_none,
    ],
    [
        "leather_jerkin",
        "Leather Jerkin",
        [("ragged_leather_jerkin", 0)],
        itp_type_body_armor | itp_covers_legs,
        0,
        321,
        weight(6)
        | abundance(100)
        | head_armor(0)
        | body_armor(23)
        | leg_armor(6)
        | difficulty(0),
        imodbits_cloth,
        [],
        [fac.kingdom_1, fac.kingdom_2],
    ],
    [
        "torch",
        "Torch",
        [("club", 0)],
        itp_type_one_handed_wpn | itp_primary,
        itc_scimitar,
        11,
        weight(2.5) | spd_rtng(95) | weapon_length(95) | swing_damage(11, blunt),
        imodbits_none,
        [
            (
                ti_on_init_item,
                [
                    (set_position_delta, 0, 60, 0),
                    (particle_system_add_new, "psys_torch_fire"),
                ],
            )
        ],
    ],
    ["items_end", "Items End", [("shield_round_a", 0)], 0, 0, 1, 0, 0],
]
