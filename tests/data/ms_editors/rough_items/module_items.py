# Items written the way modules grown over years write them.
from header_common import *
from header_items import *
from header_operations import *
from header_triggers import *

imodbits_none = 0
imodbits_sword = imodbit_rusty | imodbit_chipped | imodbit_balanced
hero_mode = 1

items = [
# id, name, meshes, flags, capabilities, cost, stats, modifiers, [triggers], [factions]
 ["no_item","INVALID ITEM", [("invalid_item",0)], itp_type_one_handed_wpn, 0, 0, weight(1), 0],
 ["horse_meat","Horse Meat", [("raw_meat",0)], itp_type_goods|itp_consumable|itp_food, 0, 12,weight(40)|food_quality(30)|max_ammo(40),imodbits_none],

# an entry over many lines, with remarks between its fields
 ["long_sword", "Long Sword, the #1 [best]", # the name holds a comma, a hash and brackets
   [("long_sword",0),("long_sword_scabbard", ixmesh_carry)],   # meshes
   itp_type_one_handed_wpn|itp_merchandise|itp_primary,        # flags
   itc_longsword|itcf_carry_sword_left_hip,
   # the cost follows
   300 , weight(1.5)|difficulty(0)|spd_rtng(99) | weapon_length(95)|swing_damage(29 , cut) | thrust_damage(21 ,  pierce),
   imodbits_sword ],
	["tab_hammer", 'Smith\'s  Hammer', [("hammer",0)],
		itp_type_one_handed_wpn|itp_primary|itp_wooden_parry, itc_scimitar, 20,
		weight(2)|swing_damage(22, blunt),
		imodbits_none],
 ["bale","Bale", [("bale",0)], itp_merchandise|itp_type_goods|itp_merchandise, 0, 40, weight(20)|abundance(90), 0],
 ["pony","Pony", [("pony",0)], 0, 0, 60, abundance(80)|hit_points(60)|horse_speed(40), imodbits_none],
 ["new_pike","Pike", [("pike",0)], itp_type_polearm|itp_primary|0x1000|itp_new_flag, itc_pike|itc_custom_thrust, 125, weight(3)|thrust_damage(26, pierce), imodbit_rusty|imodbit_bent],
 ["grouped","Grouped", [("grouped",0)], (itp_type_one_handed_wpn|itp_primary)|itp_secondary, itc_dagger, 5 * 3, weight(0.5), imodbits_sword],
 ["heroic","Heroic", [("heroic",0)], itp_type_goods if hero_mode else itp_type_horse, 0, 1, weight(1), 0],
 ["conditional","Conditional", [("cond",0)], itp_type_goods|itp_food if hero_mode else 0, 0, 1, weight(1), 0],
 ["many_stats","Many Stats", [("many",0)], itp_type_body_armor|itp_covers_legs, 0, 500,
   weight(1)|abundance(2)|head_armor(3)|body_armor(4)|leg_armor(5)|difficulty(6)|hit_points(7)|spd_rtng(8)|shoot_speed(9)|weapon_length(10)|max_ammo(11)|thrust_damage(12,pierce)|0x100|swing_damage(13, cut),
   imodbits_none],
 ["torch","Torch", [("club",0)], itp_type_one_handed_wpn|itp_primary, itc_scimitar, 11 , weight(2.5),imodbits_none,
  [(ti_on_init_item, [(set_position_delta,0,60,0),(particle_system_add_new, "psys  torch fire"),
    (store_faction_of_party, ":faction", fac_player_faction),],),
  ]],
 ["banner","Banner", [("banner",0)], itp_type_goods, 0, 10, weight(1), 0,
  [(ti_on_init_item, [(assign, ":x", "str_fac_ ], [ ok"), ])],
  [fac_kingdom_1, fac_kingdom_2]],  # sold by two kingdoms
 ["traded","Traded", [("traded",0)], itp_type_goods, 0, 10, weight(1), 0, [], [fac_commoners], "extra field", 7],
 ["tailed","Tailed", [("tailed",0)], itp_type_goods, 0, 10, weight(1), 0, [], [], more_data],
 ["broken_name","Broken \
Name", [("broken",0)], itp_type_goods, 0, 1, weight(1), 0],
 ["shield","Shield", [("shield",0)], itp_type_shield|itp_wooden_parry, itcf_carry_round_shield, 42, weight(2)|hit_points(360)|body_armor(1)|spd_rtng(100)|shield_width(50), imodbit_cracked | imodbit_battered,],
 ["items_end", "Items End", [("shield_round_a",0)], 0, 0, 1, 0, 0],
]

# modmerger_start version=201 type=2
try:
    component_name = "items"
except:
    raise
# modmerger_end
