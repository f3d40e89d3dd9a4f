from header_items import *

imodbits_none = 0
imodbits_cloth = imodbit_tattered | imodbit_ragged

items = [
# item_name, mesh_name, item_properties, item_capabilities, cost, stats, modifiers
 ["no_item","INVALID ITEM", [("invalid_item",0)], itp_type_one_handed_wpn|itp_primary, itc_longsword, 3,weight(1.5)|spd_rtng(103),imodbits_none],
 ["tutorial_spear", "Spear", [("spear",0)], itp_type_polearm| itp_primary, itc_spear,
   0 , weight(4.5)|difficulty(0)|spd_rtng(80) | weapon_length(158)|swing_damage(0 , cut) | thrust_damage(19 ,  pierce),imodbits_none ],
 ["horse_meat","Horse Meat", [("raw_meat",0)], itp_type_goods|itp_consumable|itp_food, 0, 12,weight(40)|food_quality(30)|max_ammo(40),imodbits_none],

# items_end must stay the last entry, new items go before it
 ["hash_sword","Sword #2", [("sword",0)], itp_type_one_handed_wpn|itp_primary, # a comment
   itc_longsword,
"#1 best" and 20 or 30, weight(1)|swing_damage(20, cut), imodbits_none],  # keeps this remark
	["tab_shield", "Tab  Shield", [("shield",0)],
		itp_type_shield, itcf_carry_round_shield, 42 ,
		weight(2)|hit_points(360),
		imodbits_none,
		[],
		[fac_commoners,
		 fac_outlaws]],
 [ "torch","Torch", [("club",0)], itp_type_one_handed_wpn|itp_primary, itc_scimitar, 11 , weight(2.5),imodbits_none,
  [(ti_on_init_item, [(set_position_delta,0,60,0),(particle_system_add_new, "psys_torch_fire"),
  ])]],
 ["items_end", "Items End", [("shield_round_a",0)],
   0, 0, 1, 0, 0],
]

# modmerger_start version=201 type=2
try:
    component_name = "items"
    extra_items = [["merged", "Merged"]]
except:
    raise
# modmerger_end
