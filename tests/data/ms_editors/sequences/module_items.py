from header_items import *

items = [
 ["no_item","INVALID ITEM", [("invalid_item",0)], itp_type_one_handed_wpn|itp_primary, itc_longsword, 3,weight(1.5)|spd_rtng(103),imodbits_none],
 ["horse_meat","Horse Meat", [("raw_meat",0)], itp_type_goods|itp_consumable|itp_food, 0, 12,weight(40)|food_quality(30)|max_ammo(40),imodbits_none],
# ----
 ["oil","Oil", [("oil",0)], itp_type_goods|itp_consumable, 0, 450,weight(50)|abundance(60)|max_ammo(50),imodbits_none], #x3 for oil
  
# ----
 ["wine","Wine", [("amphora",0)], itp_type_goods|itp_consumable, 0, 220,weight(30)|abundance(60)|max_ammo(50),imodbits_none], #for the feast
  
# ----
 ["items_end", "Items End", [("shield_round_a",0)], 0, 0, 1, 0, 0],
]
