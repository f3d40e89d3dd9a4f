from header_common import *
from header_parties import *

raider_members = [(trp_footman,2,6)]

party_templates = [
  ("none","none",icon_gray_knight,0,fac_commoners,merchant_personality,[]),
  ("hero_party","Hero Party",icon_gray_knight,0,fac_commoners,merchant_personality,[]),
  ("hskarl_band","H"+u_kreska+"skarl  Band",icon_axeman,0,fac_kingdom_4,soldier_personality,[(trp_hskarl,4,12)]),
  ("raiders","Raiders",icon_axeman,0,fac_outlaws,bandit_personality,raider_members),
  ("farmers","Farmers",icon_peasant,0,fac_commoners,merchant_personality,[(trp_farmer,5,10)] + raider_members),
]

party_templates.append(("extra_band","Extra Band",icon_peasant,0,fac_commoners,merchant_personality,[]))
