from header_common import *
from header_items import *
from header_troops import *
from header_skills import *
from ID_factions import *
from ID_items import *
from ID_scenes import *

####################################################################################################################
#  A troop entry holds, in this order:
#   1) id (string): other files refer to the troop as "trp_" followed by it
#   2) name (string) and 3) plural name (string)
#   4) flags (int): tf_... values of header_troops.py, joined by |
#   5) scene (int): heroes only, e.g. scn_town_1_castle|entry(1); no_scene otherwise
#   6) reserved (int): always "reserved" or 0
#   7) faction (int)
#   8) inventory (list of items)
#   9) attributes (int): e.g. str_9|agi_8|int_4|cha_5|level(8)
#  10) weapon proficiencies (int): e.g. wp_one_handed(80)|wp_archery(60), or wp(60) for all of them alike
#  11) skills (int): e.g. knows_riding_2|knows_athletics_1
#  12) face code (int) and 13) a second face code: generated troops get faces between the two
#  14) image (string, optional): shown instead of the troop in conversations
####################################################################################################################

def wp(x):
  n = 0
  n |= wp_one_handed(x)
  n |= wp_two_handed(x)
  n |= wp_polearm(x)
  n |= wp_archery(x)
  n |= wp_crossbow(x)
  n |= wp_throwing(x)
  return n

def wpe(melee, archery, crossbow, throwing):
  return wp_one_handed(melee)|wp_two_handed(melee)|wp_polearm(melee)|wp_archery(archery)|wp_crossbow(crossbow)|wp_throwing(throwing)

reserved = 0
no_scene = 0

def_attrib = str_7 | agi_5 | int_4 | cha_4
knows_common = knows_riding_1|knows_trade_2|knows_inventory_management_2|knows_prisoner_management_1|knows_leadership_1
knows_warrior_basic = knows_ironflesh_1|knows_power_strike_1|knows_athletics_1|knows_riding_1|knows_shield_1
knows_merchant = knows_trade_5|knows_inventory_management_4|knows_persuasion_3|knows_leadership_2

man_face_young_1   = 0x0000000000000001124000000020000000000000001c00800000000000000000
man_face_middle_1  = 0x0000000800000001124000000020000000000000001c00800000000000000000
man_face_old_1     = 0x0000000d00000001124000000020000000000000001c00800000000000000000
man_face_older_1   = 0x0000000fc0000001124000000020000000000000001c00800000000000000000
woman_face_1       = 0x0000000000000001000000000000000000000000001c00000000000000000000
woman_face_2       = 0x00000003bf0000071f5f6aa4a8ea7c8b00000000001e3f6b0000000000000000

# Finds a troop of the list by its id; -1 when there is none.
def find_troop(troops, troop_id):
  result = -1
  i = 0
  while i < len(troops) and result == -1:
    if troops[i][0] == troop_id:
      result = i
    i += 1
  return result

# The upgrade paths sit behind the face codes and the image of an entry.
def set_upgrades(troops, troop_id, first, second):
  no = find_troop(troops, troop_id)
  if no == -1:
    raise ValueError("no troop with the id " + troop_id)
  troop = troops[no]
  while len(troop) < 14:
    troop.append(0)
  troop[14:] = [first, second]

def upgrade(troops, troop1_id, troop2_id):
  set_upgrades(troops, troop1_id, find_troop(troops, troop2_id), 0)

def upgrade2(troops, troop1_id, troop2_id, troop3_id):
  set_upgrades(troops, troop1_id, find_troop(troops, troop2_id), find_troop(troops, troop3_id))

troops = [
  ["player","Player","Player",tf_hero|tf_unmoveable_in_party_window,no_scene,reserved,fac_player_faction,
   [],
   str_4|agi_4|int_4|cha_4,wp(15),0,0x000000018000000136db6db6db6db6db00000000001db6db0000000000000000],
  ["temp_array_a","temp_array_a","temp_array_a",tf_hero|tf_inactive,no_scene,reserved,fac_neutral,[],def_attrib,0,knows_common|knows_inventory_management_10,0],
  ["temp_array_b","temp_array_b","temp_array_b",tf_hero|tf_inactive,no_scene,reserved,fac_neutral,[],def_attrib,0,knows_common|knows_inventory_management_10,0],
  ["temp_troop","Temp Troop","Temp Troop",tf_hero,no_scene,reserved,fac_commoners,[],def_attrib,0,knows_common|knows_inventory_management_10,0],

# Commoners of the towns and villages
  ["farmer","Farmer","Farmers",tf_guarantee_armor,no_scene,reserved,fac_commoners,
   [itm_cleaver,itm_knife,itm_pitch_fork,itm_club,itm_stones,itm_felt_hat,itm_linen_tunic,itm_coarse_tunic,itm_wrapping_boots],
   def_attrib|level(4),wp(60),knows_common,man_face_middle_1, man_face_old_1],
  ["townsman","Townsman","Townsmen",tf_guarantee_boots|tf_guarantee_armor,no_scene,reserved,fac_commoners,
   [itm_cleaver,itm_knife,itm_club,itm_stones,itm_leather_cap,itm_linen_tunic,itm_leather_boots],
   def_attrib|level(4),wp(60),knows_common,man_face_young_1, man_face_middle_1],
  ["peasant_woman","Peasant Woman","Peasant Women",tf_female|tf_guarantee_armor,no_scene,reserved,fac_commoners,
   [itm_knife,itm_club,itm_stones,itm_linen_tunic,itm_wrapping_boots],
   def_attrib|level(1),wp(40),knows_common,woman_face_1, woman_face_2],

# Guards and soldiers for hire
  ["watchman","Watchman","Watchmen",tf_guarantee_boots|tf_guarantee_armor|tf_guarantee_shield,no_scene,reserved,fac_commoners,
   [itm_spear,itm_short_sword,itm_wooden_shield,itm_leather_cap,itm_padded_cloth,itm_leather_boots],
   def_attrib|level(9),wp(75),knows_common|knows_warrior_basic,man_face_young_1, man_face_old_1],
  ["caravan_guard","Caravan Guard","Caravan Guards",tf_mounted|tf_guarantee_horse|tf_guarantee_boots|tf_guarantee_armor|tf_guarantee_shield,no_scene,0,fac_commoners,
   [itm_spear,itm_short_sword,itm_wooden_shield,itm_leather_cap,itm_leather_jerkin,itm_leather_boots,itm_saddle_horse],
   def_attrib|level(14),wp(85),knows_common|knows_riding_2|knows_ironflesh_1|knows_shield_2,man_face_young_1, man_face_older_1],
  ["mercenary_crossbowman","Mercenary Crossbowman","Mercenary Crossbowmen",tf_guarantee_boots|tf_guarantee_armor|tf_guarantee_ranged,no_scene,reserved,fac_commoners,
   [itm_crossbow,itm_bolts,itm_short_sword,itm_leather_cap,itm_padded_cloth,itm_leather_boots],
   def_attrib|level(14),wpe(80,60,110,50),knows_common|knows_athletics_2|knows_shield_1,man_face_young_1, man_face_older_1],
  ["hunter","Hunter","Hunters",tf_guarantee_ranged,no_scene,reserved,fac_commoners,[itm_hunting_bow,itm_arrows,itm_knife,itm_felt_hat,itm_coarse_tunic,itm_nomad_boots],def_attrib|level(7),wp_one_handed(40)|wp_archery(90),knows_common|knows_power_draw_2,man_face_young_1, man_face_old_1],

# Outlaws
  ["looter","Looter","Looters",0,no_scene,reserved,fac_outlaws,
   [itm_club,itm_knife,itm_stones,itm_felt_hat,itm_coarse_tunic,itm_wrapping_boots],
   def_attrib|level(4),wp(20),knows_common,man_face_young_1, man_face_old_1],
  ["forest_bandit","Forest Bandit","Forest Bandits",tf_guarantee_armor|tf_guarantee_ranged,no_scene,reserved,fac_outlaws,
   [itm_hunting_bow,itm_arrows,itm_short_sword,itm_felt_hat,itm_leather_jerkin,itm_nomad_boots],
   def_attrib|level(10),wp(70),knows_common|knows_power_draw_2|knows_athletics_2,man_face_young_1, man_face_old_1],

# Merchants and heroes
  ["caravan_master","Caravan Master","Caravan Masters",tf_mounted|tf_guarantee_horse|tf_guarantee_boots|tf_guarantee_armor,no_scene,0,fac_commoners,
   [itm_short_sword,itm_leather_jerkin,itm_leather_boots,itm_sumpter_horse],
   def_attrib|level(9),wp(100),knows_common|knows_riding_4|knows_ironflesh_3,man_face_middle_1, man_face_older_1],
  ["merchant_odrun","Odrun the Salt Trader","Odrun the Salt Trader",tf_hero|tf_is_merchant,scn_town_1_store|entry(9),reserved,fac_commoners,
   [itm_linen_tunic,itm_leather_boots],
   def_attrib|level(5),wp(20),knows_merchant,0x00000000000c10050a4d6db6db6db6db00000000001db6db0000000000000000],
  ["tavernkeeper_ilse","Ilse","Ilse",tf_hero|tf_female|tf_randomize_face,scn_town_1_tavern|entry(9),0,fac_commoners,
   [itm_linen_tunic,itm_wrapping_boots],
   def_attrib|level(2),wp(20),knows_common,woman_face_1, woman_face_2],
  ["trainer_gavel","Gavel the Drillmaster","Gavel the Drillmaster",tf_hero,scn_training_ground|entry(2),reserved,fac_commoners,
   [itm_short_sword,itm_wooden_shield,itm_padded_cloth,itm_leather_boots],
   str_12|agi_11|int_6|cha_7|level(18),wpe(160,120,100,110),knows_warrior_basic|knows_power_strike_4|knows_trainer_5,
   0x0000000d3f0c500636db6db6db6db6db00000000001db6db0000000000000000],

  ["troops_end","{!}troops end","{!}troops end",tf_hero,no_scene,reserved,fac_commoners,[],def_attrib|level(2),wp(20),knows_common,0],
]

#Troop upgrade declarations

upgrade(troops,"farmer","watchman")
upgrade(troops,"townsman","watchman")
upgrade2(troops,"watchman","caravan_guard","mercenary_crossbowman")
upgrade(troops,"looter","forest_bandit")
