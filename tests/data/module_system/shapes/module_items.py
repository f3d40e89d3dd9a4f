from header_items import *

def itm_warhorse(id, name, mesh, price, armor, speed, maneuver, charge, hp, weight_):
  return [id, name, [(mesh, 0)], itp_type_horse, 0, price, abundance(40)|body_armor(armor)|horse_speed(speed)|horse_maneuver(maneuver)|horse_charge(charge)|hit_points(hp), imodbits_horse_basic]

items = [
 ["no_item","INVALID ITEM", [("invalid_item",0)], itp_type_one_handed_wpn, 0, 0, weight(1), 0],
 ["horse_meat","Horse Meat", [("raw_meat",0)], itp_type_goods|itp_consumable, 0, 12, weight(40), 0],
 ["green_dress","Green Dress", [("green_dress",0)], itp_type_body_armor, 0, 100, weight(3), imodbits_cloth], ["court_dress","Court Dress", [("court_dress",0)], itp_type_body_armor, 0, 348, weight(4), imodbits_cloth],
 itm_warhorse("brown_paint", "Brown Paint Warhorse", "warhorse_brownpaint", 220, 14, 3, 37, 39, 14, 115),
 itm_warhorse("black_paint", "Black Paint Warhorse", "warhorse_blackpaint",
              220, 14, 3, 37, 39, 14, 115),
	[
		"leather_jerkin",
		"Leather Jerkin",
		[("leather_jerkin", 0)],
		itp_type_body_armor,
		0,
		321,
		weight(6) | body_armor(23),
		imodbits_cloth,
	],
 ["items_end", "Items End", [("shield_round_a",0)], 0, 0, 1, 0, 0],
]

def generate_delay_script_slots(count):
  return [["delay_slot_%d" % i, "Delay Slot", [("invalid_item",0)], 0, 0, 0, 0, 0] for i in range(count)]

items.extend(generate_delay_script_slots(2))
append_noswing_items(items)
