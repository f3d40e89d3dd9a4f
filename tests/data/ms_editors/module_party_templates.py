from header_common import *
from header_parties import *
from ID_troops import *
from ID_factions import *

party_templates = [
  ("none","none",icon_gray_knight,0,fac_commoners,merchant_personality,[]),
  ("hero_party","Hero Party",icon_gray_knight,0,fac_commoners,merchant_personality,[]),
  ("farmers","Farmers",icon_peasant,0,fac_commoners,merchant_personality,[(trp_farmer,5,10),(trp_watchman,0,2)]),
]
