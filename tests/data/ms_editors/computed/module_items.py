from header_common import *
from header_items import *

def generate_delay_script_slots(count):
  return [["delay_slot_%d" % i, "Delay Slot", [("invalid_item",0)], 0, 0, 0, 0, 0] for i in range(count)]

items = [
 ["no_item","INVALID ITEM", [("invalid_item",0)], itp_type_one_handed_wpn, 0, 0, weight(1), 0],
 ["horse_meat","Horse Meat", [("raw_meat",0)], itp_type_goods|itp_consumable, 0, 12, weight(40), 0],
 ["stones","Stones", [("throwing_stone",0)], itp_type_thrown|itp_primary, 0, 1, weight(4), 0],
 ["crown","Crown  of "+"the King", [("crown",0)], itp_type_head_armor, 0, 900, weight(1), 0],
 ["items_end","Items End", [("shield_round_a",0)], 0, 0, 1, 0, 0],
]

items.extend(generate_delay_script_slots(4))
append_noswing_items(items)
