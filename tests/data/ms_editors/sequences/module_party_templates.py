from header_parties import *

party_templates = [
  ("none","none",icon_gray_knight,0,fac_commoners,merchant_personality,[]),
  ("hero_party","Hero Party",icon_gray_knight,0,fac_commoners,merchant_personality,[]),
# ----
  ("looters","Looters",icon_axeman,0,fac_outlaws,bandit_personality,[(trp_lute,3,10)]), #a
  
# ----
  ("raiders","Raiders",icon_axeman,0,fac_outlaws,bandit_personality,[(trp_lute,4,12)]), #b
  
# ----
  ("last","Last",icon_peasant,0,fac_commoners,merchant_personality,[(trp_lute,1,2)]),
]
