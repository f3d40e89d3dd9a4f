# -*- coding: utf-8 -*-
from header_troops import *

players_number = 3

troops = [
  ["player","Player","Player",tf_hero|tf_unmoveable_in_party_window,no_scene,reserved,fac_player_faction,[],def_attrib,wp(15),0,0],
  ["temp_troop","Temp Troop","Temp Troop",tf_hero,no_scene,reserved,fac_commoners,[],def_attrib,0,knows_common,0],
  [
    "farmer","Farmer (Lig. I.)","Farmers",
    tf_guarantee_boots|tf_guarantee_armor,no_scene,reserved,fac_commoners,
    [itm_cleaver,itm_knife],
    def_attrib|level(4),wp(60),knows_common,man_face_young_1,man_face_old_1
  ],
  ["townsman","Townsman","Townsmen",tf_guarantee_boots,0,0,fac_commoners,[itm_club],def_attrib,wp(40),knows_common,0]
] + [
# one profile troop for each player
  ["player_%04d"%(player_index),"Player","Player",tf_hero,no_scene,reserved,fac_commoners,[],
   def_attrib,0,knows_common,0] for player_index in range(0, players_number)
] + [
  ["tutorial_maceman","Maceman","Macemen",tf_guarantee_boots,0,0,fac_commoners,
   [itm_club],
   def_attrib,wp(50),knows_common,0],
    [
        "formatted",
        "Formatted",
        "Formatted",
        tf_hero | tf_unmoveable_in_party_window,
        0,
        0,
        fac.player_faction,
        # worn at the start
        [itm.leather_jerkin, itm.leather_boots],
        def_attrib,
        wp(20),
        knows_common,
        0,
    ],
  ["green_guard","Green Guard","Green Guards",0,0,0,fac_commoners,[],def_attrib,wp(20),knows_common,0], ["court_guard","Court Guard","Court Guards",0,0,0,fac_commoners,[],def_attrib,wp(20),knows_common,0], # guards
  ["last","Last","Lasts",0,0,0,fac_commoners,[],def_attrib,wp(20),knows_common,0]
]

upgrade(troops,"farmer","townsman")
'''
The guards no longer go on to the last troop:
upgrade(troops,"court_guard","last")
'''

def add_guards(troops):
  troops.append(["night_guard","Night Guard","Night Guards",0,0,0,fac_commoners,[],def_attrib,wp(20),knows_common,0])

add_guards(troops)
