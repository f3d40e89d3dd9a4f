from header_common import *
from header_troops import *

# The header keeps its indentation and comments:  troops = [ is only text here
def wp(x):
	return wp_one_handed(x)|wp_archery(x)

old_troops = [ ["not_the_list", "x"] ]

def upgrade(troops, a, b):
  for t in troops:
    if t[0] == a:
      t.append(b)

troops = [
  ["player","Player","Player",tf_hero,no_scene,reserved,fac_player_faction,
   [],
   str_4|agi_4|int_4|cha_4,wp(15),0,0x000000018000000136db6db6db6db6db00000000001db6db0000000000000000],
  ["temp_troop","Temp Troop","Temp Troop",tf_hero,no_scene,reserved,fac_commoners,[],def_attrib,0,knows_common,0], # hard-wired

# Entries of our own
  ["smith",
   "Bob Smith", "Bob  Smiths # of the forge" ""
   "", tf_guarantee_armor, # flags
   no_scene,reserved,fac_commoners,
   # the tools of his trade:
   [itm_hammer, itm_tongs],

   def_attrib|level(4),wp(60),knows_common,man_face_1, man_face_2],
	["tabbed","Tab Bed","Tab Beds",0,no_scene,reserved,fac_commoners,
		[itm_knife],	def_attrib,wp(20),knows_common,0],
  [ "spaced", 'Single "quoted" name', "Spaced # Names",
    tf_hero if hero_mode else 0, no_scene, reserved, fac_commoners, [],
    def_attrib, wp(20), knows_common, 0],
  ["long_one","Long One","Long Ones",
   tf_hero,
   no_scene,
   reserved,
   fac_commoners,
   [itm_a,
    itm_b,
    itm_c,
    itm_d],
   def_attrib,
   wp(20),
   knows_common,
   0],
  ["continued","Continued","Continued",tf_hero| \
   tf_inactive,no_scene,reserved,fac_commoners,[],def_attrib,wp(20),knows_common,0],
#  ["commented_out","Commented Out","Commented Out",0,0,0,fac_commoners,[],0,0,0,0],
  ["last","Last # One","Last Ones",0,no_scene,reserved,fac_commoners,[],def_attrib,wp(20),knows_common,0],

# Twelve lines of remarks before the list closes:
# 1
# 2
# 3
# 4
# 5
# 6
# 7
# 8
# 9
# 10
# 11
]

#Troop upgrade declarations
upgrade(troops,"smith","tabbed")
if len(troops) > 3:
    upgrade(troops, "last", "player")
