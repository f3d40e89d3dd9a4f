from header_parties import *

party_templates = [
  ("none","none",icon_gray_knight,0,fac_commoners,merchant_personality,[]),
  ("hero_party","Hero Party",icon_gray_knight,0,fac_commoners,merchant_personality,[]),
  ("war_party","War Party",icon_flagbearer_a|pf_show_faction,0,fac_commoners,soldier_personality,
   [
    # the lord's men
    (trp_a,4,12),
    # his retinue
    (trp_b,0,5),
    # TODO: more
   ]),
  ("söldner","Söldner",icon_axeman|carries_goods(2),0,fac_outlaws,bandit_personality,
   [(trp_a,4,12), # the core
    (trp_b,0,5)]),  # and a remark
  ("last","Last",icon_peasant,0,fac_commoners,merchant_personality,[(trp_a,1,2)]),
]
