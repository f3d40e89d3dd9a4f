from header_items import *

items = [
 ["no_item","INVALID ITEM", [("invalid_item",0)], itp_type_one_handed_wpn, 0, 0, weight(1), 0],
 ["horse_meat","Horse Meat", [("raw_meat",0)], itp_type_goods|itp_consumable, 0, 12, weight(40), 0],
 ["items_end","Items End", [("shield_round_a",0)], 0, 0, 1, 0, 0],
]
