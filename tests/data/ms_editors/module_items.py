from header_common import *
from header_items import *

items = [
 ["no_item","INVALID ITEM", [("invalid_item",0)], itp_type_one_handed_wpn, 0, 0, weight(1), 0],
 ["horse_meat","Horse Meat", [("raw_meat",0)], itp_type_goods|itp_consumable, 0, 12, weight(40), 0],
 ["knife","Knife", [("peasant_knife",0)], itp_type_one_handed_wpn|itp_primary, itcf_carry_dagger_front_left,
  18, weight(0.5), 0],
 ["club","Club", [("club",0)], itp_type_one_handed_wpn|itp_primary, 0, 11, weight(2.5), 0],
 ["spear","Spear", [("spear",0)], itp_type_polearm|itp_primary, 0, 75, weight(2.25), 0],
 ["wooden_shield","Wooden Shield", [("shield_round_a",0)], itp_type_shield, 0, 42, weight(2), 0],
 ["bow","Hunting Bow", [("hunting_bow",0)], itp_type_bow|itp_primary, 0, 17, weight(1), 0],
 ["arrows","Arrows", [("arrow",0)], itp_type_arrows, 0, 72, weight(3), 0],
 ["horse","Saddle Horse", [("saddle_horse",0)], itp_type_horse, 0, 240, 0, 0],
 ["items_end","Items End", [("shield_round_a",0)], 0, 0, 1, 0, 0],
]
