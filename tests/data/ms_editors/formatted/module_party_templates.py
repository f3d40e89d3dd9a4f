from header_common import *
from header_parties import *
from ID_objects import *  # fac, itm and trp: the ids as attributes

# Laid out by a code formatter: one field per line where an entry is long, the
# brackets on lines of their own and a comma behind the last field.

party_templates = [
    ("none", "none", icon_gray_knight, 0, fac.commoners, merchant_personality, []),
    (
        "rescued_prisoners",
        "Rescued Prisoners",
        icon_gray_knight,
        0,
        fac.commoners,
        merchant_personality,
        [],
    ),
    (
        "hero_party",
        "Hero Party",
        icon_player | pf_limit_members,
        0,
        fac.player_faction,
        merchant_personality,
        [],
    ),
    (
        "looters",
        "Looters",
        icon_axeman | carries_goods(8) | pf_quest_party,
        0,
        fac.outlaws,
        bandit_personality,
        [(trp.looter, 3, 45)],
    ),
    (
        "village_defenders",
        "Village Defenders",
        icon_peasant,
        0,
        fac.commoners,
        soldier_personality,
        [
            (trp.farmer, 10, 20),
            (
                trp.watchman,
                0,
                4,
                pmf_is_prisoner,
            ),
        ],
    ),
]
