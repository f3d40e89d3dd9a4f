from header_common import *
from header_parties import *
from ID_troops import *
from ID_factions import *
from ID_map_icons import *

pmf_is_prisoner = 0x0001

####################################################################################################################
#  A party template entry holds, in this order:
#   1) id (string): other files refer to the template as "pt_" followed by it
#   2) name (string)
#   3) flags (int): the map icon and pf_... values of header_parties.py, joined by |
#   4) menu (int): obsolete, always 0
#   5) faction (int)
#   6) personality (int): see header_parties.py
#   7) members (list of at most six stacks): each stack is (troop, minimum, maximum) with an optional
#      fourth value pmf_is_prisoner for a stack that joins as prisoners
####################################################################################################################

party_templates = [
  ("none","none",icon_gray_knight,0,fac_commoners,merchant_personality,[]),
  ("rescued_prisoners","Rescued Prisoners",icon_gray_knight,0,fac_commoners,merchant_personality,[]),
  ("enemy","Enemy",icon_gray_knight,0,fac_outlaws,merchant_personality,[]),
  ("hero_party","Hero Party",icon_gray_knight,0,fac_commoners,merchant_personality,[]),

# Parties of the towns and villages
  ("village_defenders","Village Defenders",icon_peasant,0,fac_commoners,merchant_personality,[(trp_farmer,10,20),(trp_peasant_woman,0,4)]),
  ("town_watch","Town Watch",icon_gray_knight|pf_show_faction,0,fac_commoners,soldier_personality,[(trp_watchman,6,12),(trp_townsman,2,6)]),
  ("caravan","Merchant Caravan",icon_mule|carries_goods(25)|pf_show_faction,0,fac_commoners,escorted_merchant_personality,
   [(trp_caravan_master,1,1),(trp_caravan_guard,5,25),
    (trp_mercenary_crossbowman,0,6)]),

# Outlaws
  ("looters","Looters",icon_axeman|carries_goods(8)|pf_quest_party,0,fac_outlaws,bandit_personality,[(trp_looter,3,45)]),
  ("forest_bandits","Forest Bandits",icon_axeman|carries_goods(2),0,fac_outlaws,bandit_personality,
   [(trp_forest_bandit,4,52),
    (trp_looter,0,10),
    (trp_farmer,0,3,pmf_is_prisoner)]),
  ("hunters","Hunting Party",icon_peasant,0,fac_commoners,merchant_personality,[(trp_hunter,2,8)]),

# Companies on the move
  ("mercenary_band","Mercenary Band",icon_flagbearer_a|carries_gold(150)|pf_show_faction|pf_limit_members,0,fac_commoners,aggressiveness_8|courage_12,
   [(trp_mercenary_crossbowman,4,12),(trp_caravan_guard,2,8),(trp_watchman,0,4),
    (trp_hunter,0,3),(trp_townsman,0,2,pmf_is_prisoner),(trp_peasant_woman,0,2,pmf_is_prisoner)]),
  ("river_smugglers","River Smugglers",icon_ship|pf_is_ship|carries_goods(12),0,fac_outlaws,bandit_personality|banditness,[(trp_looter,2,10),(trp_forest_bandit,0,4)]),
]

# Templates that the bandit spawn scripts pick from.
bandit_templates = ["looters", "forest_bandits"]
