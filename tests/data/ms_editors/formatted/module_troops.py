from header_common import *
from header_items import *
from header_troops import *
from header_skills import *
from ID_objects import *  # fac, itm and trp: the ids as attributes

# Laid out by a code formatter: one field per line where an entry is long, the
# brackets on lines of their own and a comma behind the last field.

def_attrib = str_7 | agi_5 | int_4 | cha_4
knows_common = knows_riding_1 | knows_trade_2 | knows_inventory_management_2
reserved = 0
no_scene = 0

troops = [
    [
        "player",
        "Player",
        "Player",
        tf_hero | tf_unmoveable_in_party_window,
        no_scene,
        reserved,
        fac.player_faction,
        [],
        str_4 | agi_4 | int_4 | cha_4,
        wp(15),
        0,
        0x000000018000000136DB6DB6DB6DB6DB00000000001DB6DB0000000000000000,
    ],
    [
        "temp_troop",
        "Temp Troop",
        "Temp Troop",
        tf_hero,
        no_scene,
        reserved,
        fac.commoners,
        [],
        def_attrib,
        0,
        knows_common | knows_inventory_management_10,
        0,
    ],
    ["pilgrim", "Pilgrim", "Pilgrims", 0, 0, 0, fac.commoners, [], def_attrib, 0, 0, 0],
    ["nun", "Nun", "Nuns", tf_female, 0, 0, fac.commoners, [], def_attrib, 0, 0, 0],
    [
        "farmer",
        "Farmer",
        "Farmers",
        tf_guarantee_armor,
        no_scene,
        reserved,
        fac.commoners,
        [
            itm.cleaver,
            itm.knife,
            itm.leather_jerkin,  # the only armour they get
        ],
        def_attrib | level(4),
        wp(60),
        knows_common,
        0x000000000000000036DB6DB6DB6DB6DB00000000001DB6DB0000000000000000,
        0x000000000D0000000FFFFFFFFFFFFFFF00000000001FFFFF0000000000000000,
    ],
    [
        "watchman",
        "Watchman",
        "Watchmen",
        tf_guarantee_boots
        | tf_guarantee_armor
        | tf_guarantee_helmet
        | tf_guarantee_shield,
        no_scene,
        reserved,
        fac.commoners,
        [itm.bolts, itm.spiked_club, itm.crossbow, itm.leather_jerkin],
        def_attrib | level(9),
        wp(75),
        knows_common | knows_shield_1,
        0x000000000000000036DB6DB6DB6DB6DB00000000001DB6DB0000000000000000,
    ],
]

upgrade(troops, "farmer", "watchman")
