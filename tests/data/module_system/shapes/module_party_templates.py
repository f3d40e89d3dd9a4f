from header_parties import *

party_templates = [
  ("none","none",icon_gray_knight,0,fac_commoners,merchant_personality,[]),
  ("hero_party","Hero Party",icon_gray_knight,0,fac_commoners,merchant_personality,[]),
  (
    "formatted_party",
    "Formatted Party",
    icon.flagbearer_a | pf_show_faction,
    0,
    fac.commoners,
    soldier_personality,
    [
      (trp.swadian_recruit, 4, 12),
      (trp.swadian_militia, 0, 5),
    ],
  ),
  ("a","A, of two on a line",icon_peasant,0,fac_commoners,merchant_personality,[(trp_a,1,2)]), ("b","B",icon_peasant,0,fac_commoners,merchant_personality,[(trp_b,1,2)]),
  make_party("village_farmers", "Village Farmers", trp_farmer),
]

party_templates.append(("bandits","Bandits",icon_axeman,0,fac_outlaws,bandit_personality,[(trp_bandit,2,9)]))
