from header_common import *
from header_parties import *

pmf_is_prisoner = 0x0001

party_templates = [
  ("none","none",icon_gray_knight,0,fac_commoners,merchant_personality,[]),
  ("hero_party","Hero Party",icon_gray_knight,0,fac_commoners,merchant_personality,[]),
  ("caravan","Merchant # Caravan",icon_mule|carries_goods(25)|pf_show_faction,0,fac_commoners,escorted_merchant_personality, # members follow
   [(trp_caravan_master,1,1),(trp_caravan_guard,5,25),
    # a comment inside
    (trp_mercenary_crossbowman,0,6)]),
	( "tabbed",
	  "Tab  Party # 2", 'it\'s #3',icon_peasant,0,fac_commoners,merchant_personality,
		[(trp_farmer,0,3,pmf_is_prisoner)]),
  ("last","Last",icon_peasant,0,fac_commoners,merchant_personality,[(trp_farmer,1,2)])  # no comma behind the last one
]

bandit_templates = ["caravan",
                    "last"]
