# -*- coding: utf-8 -*-
from header_common import *
from header_troops import *

def_attrib = str_7 | agi_5 | int_4 | cha_4
knows_common = knows_riding_1|knows_trade_2
u_kreska = "\xc3\xb3"
e_kreska = "\xc3\xa9"
basic_throwing = [itm_stones]
slings_common = [itm_sling]
common_shoes = [itm_wrapping_boots]
equipment_tier_1_foot = [itm_spear, itm_wooden_shield]

troops = [
  ["player","Player","Player",tf_hero,no_scene,reserved,fac_player_faction,[],def_attrib,wp(15),0,0],
  ["temp_troop","Temp Troop","Temp Troop",tf_hero,no_scene,reserved,fac_commoners,[],def_attrib,0,knows_common,0],
  ["farmer","Farmer","Farmers",tf_guarantee_ranged|tf_guarantee_boots|tf_guarantee_armor,no_scene,reserved,fac_peasants,
   []+basic_throwing+slings_common+common_shoes,  # what a farmer throws
   def_attrib|level(12),wp(100),knows_common,man_face_younger_1, man_face_older_2],
  ["hskarl","H"+u_kreska+"skarl","H"+u_kreska+"skarls",tf_guarantee_boots,0,0,fac_kingdom_4,[itm_axe],def_attrib,wp(80),knows_common,0],
  ["footman","Footman","Footmen",tf_guarantee_armor,0,0,fac_kingdom_1,equipment_tier_1_foot,def_attrib,wp(60),knows_common,0],
  ["king_bela", "King_B" + e_kreska + "la  IV", "King_B" + e_kreska + "la_IV", tf_hero, 0, 0, fac_kingdom_3, [ itm_crown ] + common_shoes, def_attrib, wp(120), knows_common, 0],
]

troops += [
  ["extra","Extra","Extras",0,0,0,fac_commoners,[],def_attrib,wp(10),knows_common,0],
]

upgrade(troops,"farmer","footman")
