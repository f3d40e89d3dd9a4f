# -*- coding: cp1252 -*-
from header_common import *
from header_parties import *
from ID_troops import *
from ID_factions import *
from ID_map_icons import *

pmf_is_prisoner  =  0x1   # header_parties.py has it too

####################################################################################################################
#  Each party template record contains the following fields:
#  1) Party-template id: used for referencing party-templates in other files.
#     The prefix pt_ is automatically added before each party-template id. ("quotes", (brackets)
#  2) Party-template name.
#  ...
####################################################################################################################

party_templates = [
  ("none", "__invalid__", icon_gray_knight, 0, fac_commoners, merchant_personality, []),
  ("rescued_prisoners", "Rescued Prisoners", icon_gray_knight, 0, fac_commoners, merchant_personality, []),
  ("enemy", "Enemy", icon_gray_knight, 0, fac_undeads, merchant_personality, []),
  ("hero_party", "Hero Party", icon_player|pf_limit_members, 0, fac_player_faction, merchant_personality, []),
####################################################################################################################
# Party templates before this point are hard-wired into the game and should not be changed.
####################################################################################################################
  ("manhunters","Manhunters",icon_gray_knight,0,fac_manhunters,soldier_personality,[(trp_manhunter,9,40)]),
  ("looters","Looters",icon_axeman|carries_goods(8)|pf_quest_party,0,fac_outlaws,bandit_personality,[(trp_looter,3,45)]),
  ("steppe_bandits","Steppe Bandits", icon_khergit|carries_goods(2),0,fac_outlaws,bandit_personality,[(trp_steppe_bandit,4,58)]),
  ("deserters","Deserters",icon_vaegir_knight|carries_goods(3),0,fac_deserters,bandit_personality,
   [(trp_swadian_recruit,4,12),(trp_vaegir_footman,0,8),  # the footmen may be missing
    (trp_nord_footman,0,8),
    (trp_rhodok_crossbowman,0,6), (trp_khergit_horse_archer,0,4),
    (trp_sarranid_footman,0,6), (trp_farmer,0,3,pmf_is_prisoner)]),  # seven stacks
  # a remark between entries, with a 'quote and a (bracket
  ( "kingdom_1_reinforcements_a", "{!}kingdom_1_reinforcements_a", 0, 0, fac_commoners, 0,
    [(trp_swadian_recruit,5,10),(trp_swadian_militia,2,4)] ),
  ("village_farmers", 'Village Farmers', icon_peasant|pf_civilian, 0, fac_innocents, merchant_personality, [(trp_farmer,5,10),(trp_peasant_woman,3,8)]),
  ("caravan_escort","Caravan Escort",icon_gray_knight|pf_show_faction|pf_show_faction,0,fac_commoners,escorted_merchant_personality,[(trp_caravan_guard,12,40)]),
  ("merchant_caravan","Merchant Caravan",icon_gray_knight|carries_goods(20)|pf_auto_remove_in_town|pf_quest_party|pf_show_faction,0,fac_commoners,escorted_merchant_personality,[(trp_caravan_master,1,1),(trp_caravan_guard,5,25)]),
  ("sea_raiders","Sea Raiders",icon_axeman|carries_goods(2)|pf_quest_party,0,fac_outlaws,
   aggressiveness_8|courage_12|banditness,
   [(trp_sea_raider,5,50),
   ]),
  ("patrol","Patrol",  # the name shown on the map
   icon_gray_knight|pf_show_faction,
   0,        # menu
   fac_commoners,
   soldier_personality | 0,
   [(trp_watchman,0,10,0),  # fourth element zero: no prisoners
    (trp_townsman,1,3, pmf_is_prisoner),
    (trp_farmer, 0, 2, pmf_is_prisoner | pmf_custom_flag),
   ]),
  ("modded","Modded Template",icon_camp|(pf_default_behavior if debug_mode else 0),0,fac_commoners,0,[(trp_hunter,2,8)], 0, "extra text, with comma"),   # a mod's own fields
  ("hunters","Hunting Party",icon_peasant,0,fac_commoners,merchant_personality,[(trp_hunter,2,8)],),
  ("expression_flags","Expression Flags",icon_axeman if wide_icons else icon_peasant,0,fac_outlaws,bandit_personality,[(trp_looter,num_looters*2,num_looters*4)]),
  ("raiders_by_name","Raiders By Name",icon_axeman|pf_quest_party if raid_mode else 0,0,fac_outlaws,bandit_personality,raider_members),  # members from elsewhere, flags that are no bar of terms
  ("accented","Gardes Évêque \"du Nord\"",icon_gray_knight,0,fac_commoners,soldier_personality,[(trp_watchman,2,4)]),
  ("last_one","Last One", icon_peasant, 0, fac_commoners, merchant_personality, [(trp_farmer,1,2)])  # no comma behind the last one
]

def template_count():
    return len(party_templates)

bandit_templates = ["looters",
                    "sea_raiders"]
