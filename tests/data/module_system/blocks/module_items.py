from header_common import *
from header_items import *
from header_item_modifiers import *

items = [
 ["no_item","INVALID ITEM", [("invalid_item",0)], itp_type_one_handed_wpn|itp_primary|itp_secondary, itc_longsword, 3,weight(1.5)|spd_rtng(103)|weapon_length(90)|swing_damage(16,blunt)|thrust_damage(10,blunt),imodbits_none],
 ["horse_meat","Horse Meat", [("raw_meat",0)], itp_type_goods|itp_consumable|itp_food, 0, 12,weight(40)|food_quality(30)|max_ammo(40),imodbits_none],
 ["bread","Bread", [("bread_a",0)], itp_type_goods|itp_consumable|itp_food, 0, 50,weight(30)|abundance(110)|food_quality(40)|max_ammo(50),imodbits_none],
]

# Weapons
items += [
 ["falchion", "Falchion",
   [("falchion_new",0)],
   itp_type_one_handed_wpn|itp_merchandise|itp_primary, itc_scimitar|itcf_carry_sword_left_hip,
   105, weight(2.5)|difficulty(8)|spd_rtng(96)|weapon_length(73)|swing_damage(30,cut),
   imodbits_sword ],
 ["club", "Club",
   [("club",0)],
   itp_type_one_handed_wpn|itp_merchandise|itp_primary|itp_wooden_parry, itc_scimitar,
   11, weight(2.5)|difficulty(0)|spd_rtng(99)|weapon_length(70)|swing_damage(20,blunt),
   imodbits_none ], # a stick
]

# Armour
items += [
 ["leather_jerkin", "Leather Jerkin",
   [("ragged_leather_jerkin",0)],
   itp_merchandise|itp_type_body_armor|itp_covers_legs, 0,
   321, weight(6)|abundance(100)|head_armor(0)|body_armor(23)|leg_armor(6)|difficulty(7),
   imodbits_cloth ],
 ["items_end", "Items End", [("shield_round_a",0)], 0, 0, 1, 0, 0],
]
