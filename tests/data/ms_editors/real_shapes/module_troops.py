# -*- coding: cp1252 -*-
from header_common import *
from header_items import *
from header_troops import *
from header_skills import *
from ID_factions import *
from ID_items import *
from ID_scenes import *

####################################################################################################################
#  Each troop contains the following fields:
#  1) Troop id (string): used for referencing troops in other files. The prefix trp_ is automatically added before each troop-id .
#  2) Toop name (string).
#  ...
#  14) Troop image (string): If this variable is set, the troop will use an image rather than its 3D visual during the conversations
#  troops = [ is only text in this remark
####################################################################################################################

def wp(x):
  n = 0
  n |= wp_one_handed(x)
  n |= wp_two_handed(x)
  n |= wp_polearm(x)
  n |= wp_archery(x)
  return n

def wpex(o,w,p,a,c,t):
  return wp_one_handed(o)|wp_two_handed(w)|wp_polearm(p)|wp_archery(a)|wp_crossbow(c)|wp_throwing(t)

def wp_melee(x):
  return wp_one_handed(x + 20)| wp_two_handed(x)| wp_polearm(x + 10)

reserved = 0
no_scene = 0
tf_none = 0
hero_mode = 1

def_attrib = str_7 | agi_5 | int_4 | cha_4
knight_attrib_1 = str_15|agi_14|int_8|cha_16|level(22)
knows_common = knows_riding_1|knows_trade_2|knows_inventory_management_2
knight_skills_1 = knows_riding_3|knows_ironflesh_2|knows_power_strike_3|knows_athletics_1|knows_tactics_2

swadian_face_younger_1 = 0x0000000000000001124000000020000000000000001c00800000000000000000
swadian_face_middle_2  = 0x00000007bf00400512d2ad6a5c6eaaaa00000000001e6ae30000000000000000

def find_troop(troops,troop_id):
  result = -1
  num_troops = len(troops)
  i_troop = 0
  while (i_troop < num_troops) and (result == -1):
    troop = troops[i_troop]
    if (troop[0] == troop_id):
      result = i_troop
    else:
      i_troop += 1
  return result

def upgrade(troops,troop1_id,troop2_id):
  troop1_no = find_troop(troops,troop1_id)
  troop2_no = find_troop(troops,troop2_id)
  if (troop1_no == -1):
    print("Error with upgrade def: Unable to find troop1-id: " + troop1_id)
  elif (troop2_no == -1):
    print("Error with upgrade def: Unable to find troop2-id: " + str(troop2_id))
  else:
    cur_troop = troops[troop1_no]
    cur_troop_length = len(cur_troop)
    if cur_troop_length == 11:
      cur_troop[11:11] = [0, 0, 0, troop2_no, 0]
    elif cur_troop_length == 12:
      cur_troop[12:12] = [0, 0, troop2_no, 0]
    elif cur_troop_length == 13:
      cur_troop[13:13] = [0, troop2_no, 0]
    else:
      cur_troop[14:14] = [troop2_no, 0]


def upgrade2(troops,troop1_id,troop2_id,troop3_id):
  troop1_no = find_troop(troops,troop1_id)
  troop2_no = find_troop(troops,troop2_id)
  troop3_no = find_troop(troops,troop3_id)
  if (troop1_no == -1):
    print("Error with upgrade2 def: Unable to find troop1-id: " + troop1_id)
  elif (troop2_no == -1):
    print("Error with upgrade2 def: Unable to find troop2-id: " + troop2_id)
  elif (troop3_no == -1):
    print("Error with upgrade2 def: Unable to find troop3-id: " + troop3_id)
  else:
    cur_troop = troops[troop1_no]
    cur_troop_length = len(cur_troop)
    if cur_troop_length == 11:
      cur_troop[11:11] = [0, 0, 0, troop2_no, troop3_no]
    elif cur_troop_length == 12:
      cur_troop[12:12] = [0, 0, troop2_no, troop3_no]
    elif cur_troop_length == 13:
      cur_troop[13:13] = [0, troop2_no, troop3_no]
    else:
      cur_troop[14:14] = [troop2_no, troop3_no]

troops = [
  ["player","Player","Player",tf_hero|tf_unmoveable_in_party_window,no_scene,reserved,fac_player_faction,
   [],
   str_4|agi_4|int_4|cha_4,wp(15),0,0x000000018000000136db6db6db6db6db00000000001db6db0000000000000000],
  ["multiplayer_profile_troop_male","multiplayer_profile_troop_male","multiplayer_profile_troop_male", tf_hero|tf_guarantee_all, 0, 0,fac_commoners,
   [itm_leather_jerkin, itm_leather_boots],
   0, 0, 0, 0x000000018000000136db6db6db6db6db00000000001db6db0000000000000000],
  ["temp_troop","Temp Troop","Temp Troop",tf_hero,no_scene,reserved,fac_commoners,[],def_attrib,0,knows_common|knows_inventory_management_10,0],
####################################################################################################################
# Troops before this point are hardwired into the game and their order should not be changed!
####################################################################################################################
  ["find_item_cheat","find_item_cheat","find_item_cheat",tf_hero|tf_is_merchant,no_scene,reserved,fac_commoners,[],def_attrib,0,knows_common|knows_inventory_management_10,0],
  ["swadian_recruit","Swadian Recruit","Swadian Recruits",tf_guarantee_armor,0,0,fac_kingdom_1,
   [itm_scythe,itm_hatchet,itm_pickaxe,itm_club,itm_stones,itm_tab_shield_heater_cav_a,itm_leather_cap,itm_felt_hat,itm_felt_hat,
    itm_shirt,itm_coarse_tunic,itm_leather_apron,itm_nomad_boots,itm_wrapping_boots],
   def_attrib|level(4),wp(60),knows_common,swadian_face_younger_1, swadian_face_middle_2],
  ["swadian_militia","Swadian Militia","Swadian Militia",tf_guarantee_boots|tf_guarantee_armor,0,0,fac_kingdom_1,
   [itm_bolts,itm_spiked_club,itm_fighting_pick,itm_shortened_military_scythe,itm_spear,itm_hunting_crossbow,itm_darts,itm_javelin,itm_tab_shield_heater_a,
    itm_padded_cloth,itm_red_gambeson,itm_ankle_boots,itm_wrapping_boots,itm_leather_cap], # gear of the militia
   def_attrib|level(9),wp(75),knows_common,swadian_face_young_1, swadian_face_old_2],
  ["swadian_footman","Swadian Footman","Swadian Footmen",
   tf_guarantee_boots | tf_guarantee_armor | tf_guarantee_helmet |
   tf_guarantee_shield,   # flags over two lines
   0,0,fac_kingdom_1,
   [itm_spear,itm_fighting_pick,itm_sword_medieval_b_small,itm_sword_medieval_a,itm_tab_shield_heater_b,
    # the armour
    itm_mail_with_tunic_red,itm_ankle_boots,itm_mail_coif,
   ],
   def_attrib|level(14),wp_melee(85),knows_common|knows_ironflesh_2|knows_shield_2|knows_athletics_2|knows_power_strike_2,
   swadian_face_young_1,
   swadian_face_old_2],
	["swadian_knight","Swadian Knight","Swadian Knights",tf_mounted|tf_guarantee_boots|tf_guarantee_gloves|tf_guarantee_helmet|tf_guarantee_armor|tf_guarantee_horse|tf_guarantee_shield,0,0,fac_kingdom_1,
	 [itm_warhorse,itm_lance,itm_bastard_sword_b,itm_tab_shield_heater_cav_b,itm_coat_of_plates_red,itm_plate_boots,itm_guard_helmet,itm_gauntlets],
	 def_attrib|level(28),wp_one_handed (140) | wp_two_handed (140) | wp_polearm (130),knows_riding_5|knows_shield_5|knows_ironflesh_5|knows_power_strike_5,swadian_face_middle_1, swadian_face_older_2],
  ["Knight_1_1","Count Klargus","Klargus",tf_hero, 0, reserved,  fac_kingdom_1,[itm_saddle_horse,itm_courtly_outfit,itm_heraldic_mail_with_surcoat,itm_nomad_boots,itm_splinted_greaves,itm_great_helmet,itm_sword_medieval_c,itm_scale_gauntlets,itm_tab_shield_heater_cav_a], knight_attrib_1,wp(130),knight_skills_1|knows_trainer_1|knows_trainer_3, 0x0000000c3e08601414ab4dc6e39296b200000000001e231b0000000000000000, swadian_face_older_2],
  ["npc1","Borcha","Borcha",tf_hero|tf_unmoveable_in_party_window, 0, reserved, fac_commoners,[itm_khergit_armor,itm_nomad_boots,itm_knife],
   str_16|agi_17|int_12|cha_7|level(14),wp(60),knows_tracker_npc|
   knows_ironflesh_1|knows_power_strike_1|knows_pathfinding_3|knows_athletics_2|knows_tracking_1|knows_riding_2, #skills 2/3 player at that level
   0x00000004bf086143259d061a9046e23500000000001db52c0000000000000000],
  ["npc2","Marnid","Marnid", tf_hero|tf_unmoveable_in_party_window, 0,reserved, fac_commoners,[itm_linen_tunic,itm_hide_boots,itm_club],
   str_7|agi_7|int_11|cha_6|level(1),wp(40),knows_merchant_npc|
   knows_trade_2|knows_weapon_master_1|knows_ironflesh_1|knows_wound_treatment_1|knows_athletics_2|knows_first_aid_1|knows_leadership_1,
   0x000000019d004001570b893712c8d28d00000000001dc8990000000000000000, 0, "npc2 image"],
  ["mayor","Mayor \"the Fat\", Lord of #1 [Praven]","Mayors | of Praven",tf_hero|tf_hero|0,scn_town_1_castle | entry(1),reserved,fac_commoners,
   [(itm_sword_medieval_a, imod_rusty), itm_leather_boots,],
   def_attrib|level(2),wp(20),knows_common,man_face_middle_1,],
  ["bandit_captain","Bandit Captain","Bandit Captains",tf_mounted|tf_guarantee_boots|\
   tf_guarantee_armor,no_scene,reserved,fac_outlaws,[itm_saddle_horse,itm_leather_jerkin],def_attrib|level(15),wpex(120,90,100,60,60,80),knows_common|knows_riding_3,bandit_face1,bandit_face2],
  ["heroine","Lady \xc9lise","Ladies élise",tf_female|tf_hero,0,0,fac_kingdom_1,[],def_attrib|level(3),wp_one_handed(80)|wp_polearm(60),knows_common,woman_face_1,woman_face_2, "heroine image"],
  ["cond","Conditional","Conditionals",tf_hero if hero_mode else 0,no_scene,reserved,fac_commoners,[],def_attrib,wp(20),knows_common,0],
  ["watcher","Watcher","Watchers",tf_hero|tf_hero if hero_mode else tf_mounted,no_scene,reserved,fac_commoners,[],def_attrib,wp(20),knows_common,0],
  ["swadian_messenger","Swadian Messenger","Swadian Messengers",tf_mounted|tf_guarantee_boots|tf_guarantee_armor|tf_guarantee_helmet|tf_guarantee_horse|tf_guarantee_ranged,0,0,fac_kingdom_1,
   [itm_sword_medieval_a,itm_leather_jerkin,itm_leather_boots,itm_courser,itm_leather_gloves,itm_light_crossbow,itm_bolts],
   str_7 | agi_21 | int_4 | cha_4|level(25),wp(130),knows_common|knows_riding_7|knows_horse_archery_5,swadian_face_young_1, swadian_face_old_2],
  ["swadian_deserter","Swadian Deserter","Swadian Deserters",tf_guarantee_ranged|tf_guarantee_boots|tf_guarantee_armor,0,0,fac_deserters,
   [itm_bolts,itm_light_crossbow,itm_hunting_crossbow,itm_dagger,itm_club,itm_voulge,itm_wooden_shield,itm_leather_jerkin,itm_padded_cloth,itm_hide_boots,itm_padded_coif,itm_nasal_helmet,itm_footman_helmet],
   def_attrib|level(14),wp(80),knows_common|knows_riding_2|knows_ironflesh_1,swadian_face_young_1, swadian_face_old_2],
  ["caravan_master","Caravan Master","Caravan Masters",tf_mounted|tf_guarantee_boots|tf_guarantee_armor|tf_guarantee_horse,0,0,fac_commoners,
   [itm_sword_medieval_c,itm_leather_jerkin,itm_leather_boots,itm_saddle_horse],
   def_attrib|level(9),wp(100),knows_common|knows_riding_4|knows_ironflesh_3,man_face_middle_1, man_face_older_1],
  ["old_soldier","Old Soldier","Old Soldiers",tf_none,0,0,fac_commoners,[itm_spear],def_attrib|level(9),wp(70),knows_common,
   man_face_old_1, man_face_older_1, 0],
  ["tabbed_guard",	"Tabbed	Guard", "Tabbed Guards",	tf_guarantee_armor,	0,	0,	fac_commoners,	[itm_spear],	def_attrib,	wp(50),	knows_common,	0],
  ["grouped","Grouped \\","Grouped\\\\",(tf_hero|tf_mounted)|tf_female,0,0,fac_commoners,[ ],def_attrib,wp(20),knows_common,0 ]  ,
  ["veteran","Veteran","Veterans",tf_guarantee_armor,0,0,fac_commoners,[itm_spear],def_attrib|level(20),wp(100),knows_common,man_face_old_1,man_face_older_1,
   "0", trp_swadian_knight, 0],   # a module that writes the upgrade paths into the entry
  ["recruit","Recruit","Recruits",tf_guarantee_armor,0,0,fac_commoners,[],def_attrib|level(2),wp(20),knows_common,man_face_young_1,man_face_old_1,"0",0,0],
  ["farmhand","Farmhand","Farmhands", tf_hero, no_scene,reserved,fac_commoners,[],def_attrib|level(2),wp(20),0x0000000000000000000000000000000000000000],
  ["troops_end","{!}troops end","{!}troops end",tf_hero,no_scene,reserved,fac_commoners,[],def_attrib|level(2),wp(20),knows_common,0],
#  ["commented_out","Commented Out","Commented Out",0,0,0,fac_commoners,[],0,0,0,0],
]

#Troop upgrade declarations

upgrade(troops,"swadian_recruit","swadian_militia")
upgrade2(troops,"swadian_militia","swadian_footman","swadian_skirmisher")   # the skirmisher does not exist
upgrade2( troops , "swadian_footman" , "swadian_knight" , "swadian_messenger" )
#upgrade(troops,"swadian_knight","swadian_footman")
upgrade(troops, "Knight_1_1", "swadian_knight") # exact case
upgrade(troops,"bandit_captain","swadian_deserter")
upgrade(troops,"bandit_captain","caravan_master")
upgrade(troops,"heroine","npc2")
upgrade(troops,"heroine","")
upgrade(troops,'caravan_master','old_soldier')
if hero_mode:
    upgrade(troops,"old_soldier","swadian_footman")
upgrade(troops,"npc1","npc2") ; upgrade(troops,"npc2","npc1")
upgrade2(troops,"mayor",
         "npc1","npc2")
