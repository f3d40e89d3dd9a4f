from header_common import *
from header_troops import *

def_attrib = str_7 | agi_5 | int_4 | cha_4
knows_common = knows_riding_1|knows_trade_2

troops = [
  ["player","Player","Player",tf_hero|tf_unmoveable_in_party_window,no_scene,reserved,fac_player_faction,
   [],
   str_4|agi_4|int_4|cha_4,wp(15),0,0x000000018000000136db6db6db6db6db00000000001db6db0000000000000000],
  ["temp_troop","Temp Troop","Temp Troop",tf_hero,no_scene,reserved,fac_commoners,[],def_attrib,0,knows_common,0],

# Commoners
  ["farmer","Farmer","Farmers",tf_guarantee_armor,0,0,fac_commoners,
   [itm_knife,itm_club],
   def_attrib|level(4),wp(60),knows_common,man_face_young_1, man_face_old_1],
  ["watchman","Watchman","Watchmen",tf_guarantee_boots|tf_guarantee_armor,no_scene,reserved,fac_commoners,
   [itm_spear,itm_wooden_shield],
   def_attrib|level(9),wp_one_handed(80)|wp_polearm(60),knows_common|knows_ironflesh_1,man_face_young_1, man_face_old_1],
  ["horse_archer","Horse Archer","Horse Archers",tf_mounted|tf_guarantee_horse|tf_custom_flag,no_scene,reserved,fac_commoners,
   [itm_bow,itm_arrows,itm_horse],
   level(12),wpex(60,60,60,120,60,60),knows_riding_3|knows_horse_archery_2,0x0000000180000001, 0x0000000280000002, "archer image"],
  ["bad_entry","Bad Entry","Bad Entries",tf_hero|tf_inactive if hero_mode else 0,no_scene,reserved,fac_commoners,[],level(1),wp(1),0,0],
  ["merchant","Odrun the Salt Trader","Odrun the Salt Trader",tf_hero|tf_is_merchant,scn_town_1_store|entry(9),reserved,fac_commoners,
   [itm_knife],
   def_attrib|level(5),wp(20),knows_common,0x00000000000c10050a4d6db6db6db6db00000000001db6db0000000000000000],
  ["troops_end","{!}troops end","{!}troops end",tf_hero,no_scene,reserved,fac_commoners,[],def_attrib|level(2),wp(20),knows_common,0],
# More troops may follow here.
]

#Troop upgrade declarations
#upgrade(troops,"farmer","horse_archer")
upgrade(troops,"farmer","watchman") # militia
upgrade2(troops,"watchman","horse_archer","merchant")
