# -*- coding: cp1252 -*-
from header_troops import *

troops = [
  ["player","Player","Player",tf_hero,no_scene,reserved,fac_player_faction,[],def_attrib,wp(15),0,0],
  ["temp_troop","Temp Troop","Temp Troop",tf_hero,no_scene,reserved,fac_commoners,[],def_attrib,0,knows_common,0], # hard-wired

# Mercenaries (Söldner)
  ["lute_player","Lute Player","Lute Players",tf_guarantee_boots, #lute
   no_scene,reserved,fac_commoners,
   #early harp/lyre
   [itm_lute,itm_lyre],
	def_attrib|level(6),wp(40),knows_common,
   man_face_young_1, man_face_old_1],
  ["jaeger","Jäger","Jäger",tf_guarantee_boots|tf_guarantee_armor,0,0,fac_kingdom_1,
   [itm_a,
    itm_b,
    itm_c,
    itm_d,
    itm_e,
    itm_f,
    itm_g,
    itm_h,
    itm_i,
    itm_j],
   def_attrib|level(12),wp(90),knows_common,
   man_face_middle_1, man_face_old_2],
  ["last","Last","Lasts",0,no_scene,reserved,fac_commoners,[],def_attrib,wp(20),knows_common,0]] # the end

#TODO: Change weapons, copied from the lute player
upgrade(troops,"lute_player","jaeger") # minstrels learn to hunt
upgrade2(troops,"jaeger","last","player")
