from header_troops import *

troops = [
  ["player","Player","Player",tf_hero,no_scene,reserved,fac_player_faction,[],def_attrib,wp(15),0,0],
  ["temp_troop","Temp Troop","Temp Troop",tf_hero,no_scene,reserved,fac_commoners,[],def_attrib,0,knows_common,0],
# ----
  ["lute","Lute Player","Lute Players",tf_guarantee_boots,no_scene,reserved,fac_commoners,
   [itm_lute],def_attrib,wp(40),knows_common,man_face_young_1], #lute
  
# ----
  ["harp","Harp Player","Harp Players",tf_guarantee_boots,no_scene,reserved,fac_commoners,
   [itm_harp],def_attrib,wp(40),knows_common,man_face_young_1], #early harp/lyre
  
# ----
  ["peasant","Peasant","a peasant",tf_guarantee_all,0,0,"fac_commoners",
   ["itm_old_coarse_tunic","itm_ragged_shirt","itm_old_knife"],
   str_8|agi_8,wp(50),knows_riding_1,default_face_1,default_face_2],
  ["drum","Drummer","Drummers",0,no_scene,reserved,fac_commoners,[],def_attrib,wp(20),knows_common,0],
  ["piper","Piper","Pipers",0,no_scene,reserved,fac_commoners,[],def_attrib,wp(20),knows_common,0],
  ["fifer","Fifer","Fifers",0,no_scene,reserved,fac_commoners,[],def_attrib,wp(20),knows_common,0],
]

upgrade(troops,"piper","fifer",)
upgrade2(troops, "fifer", "drum", "harp", ), # band
upgrade(troops,"lute","harp")
upgrade(troops, "harp", "drum"),
troops = merged(troops)
