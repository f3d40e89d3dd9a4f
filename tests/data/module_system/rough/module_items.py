from header_items import *

items = [
 ["no_item","INVALID ITEM", [("invalid_item",0)], itp_type_one_handed_wpn|itp_primary, itc_longsword, 3,weight(1.5)|spd_rtng(103),imodbits_none],
 ["horse_meat","Horse Meat", [("raw_meat",0)], itp_type_goods|itp_consumable|itp_food, 0, 12,weight(40)|food_quality(30)|max_ammo(40),imodbits_none],
# Waffen für Söldner
 ["falchion","Falchion", [("falchion",0)], itp_type_one_handed_wpn|itp_primary, # the blade
	itc_scimitar,
   105 , weight(2.5)|difficulty(8)|spd_rtng(96) | weapon_length(73)|swing_damage(30 , cut),imodbits_sword ], # Fälschung
 ["shield","Shield", [("shield",0)], itp_type_shield, itcf_carry_round_shield, 42,
   weight(2)|hit_points(360),
   imodbits_none,
   [],
   [fac_commoners]],
 ["items_end", "Items End", [("shield_round_a",0)], 0, 0, 1, 0, 0],
]
